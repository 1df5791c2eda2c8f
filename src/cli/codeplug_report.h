#pragma once
// The readable summary of a codeplug that "px4800 show" prints: band limits, the
// channels as the grid shows them, and every settings page in compact form.

#include <array>
#include <iosfwd>
#include <string>
#include <vector>

#include "app/app_state.h"

namespace px {

// rState.Current, rState.Channels and the band state (RebuildBandTexts) must be set.
void WriteCodeplugReport(const AppState& rState, std::ostream& rOut);

// The slot each channel row shows (-1: none): the last slot holding its number, as the
// grid fills them in slot order. A slot no row can show, and a row two slots claim, are
// told in rNotes.
std::array<int, kChannelSlots + 1> SlotsOfRows(const AppState& rState, std::vector<std::string>& rNotes);

}  // namespace px
