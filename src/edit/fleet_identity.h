#pragma once
// Each radio of a fleet with its own selective-calling identity: its DTMF and 5-Tone own
// IDs, numbered from start values in port order or looked up by serial number in a
// register, and its codeplug derived from the fleet's one by the pages' own rules.

#include <optional>
#include <string>
#include <string_view>

#include "app/app_state.h"

namespace px {

// An own ID left unset keeps the codeplug's.
struct RadioIds {
  std::optional<std::string> Dtmf;      // three digits
  std::optional<std::string> FiveTone;  // five digits
  bool operator==(const RadioIds&) const = default;
};

// An own ID as the pages take it: the DTMF one is one to three digits, padded to three
// as its page pads it; the 5-Tone one is exactly five digits. nullopt and rError when the
// text is not one.
std::optional<std::string> DtmfOwnIdOf(std::string_view rText, std::string& rError);
std::optional<std::string> FiveToneOwnIdOf(std::string_view rText, std::string& rError);

// The IDs of the radio rIndex places after the first (the start values themselves for
// 0). The digit count is kept: nullopt and rError when a number outgrows it.
std::optional<RadioIds> NumberedIds(const RadioIds& rStart, int rIndex, std::string& rError);

// rState.Current with the IDs typed into the DTMF and 5-Tone pages and each page's OK:
// the special calls and codes that carry the own ID follow it. False and rError (the
// page's own refusal) when a page would not take it; rState is then unchanged.
bool DeriveRadioCodeplug(AppState& rState, const RadioIds& rIds, std::string& rError);

}  // namespace px
