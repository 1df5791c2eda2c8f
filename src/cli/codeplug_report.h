#pragma once
// The readable summary of a codeplug that "px4800 show" prints: band limits, the
// channels as the grid shows them, and every settings page in compact form.

#include <iosfwd>

#include "app/app_state.h"

namespace px {

// rState.Current, rState.Channels and the band state (RebuildBandTexts) must be set.
void WriteCodeplugReport(const AppState& rState, std::ostream& rOut);

}  // namespace px
