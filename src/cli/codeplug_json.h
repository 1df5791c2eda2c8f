#pragma once
// The codeplug as "px4800 show --json" prints it: band, channels by grid column, and
// every page under its catalogue key with its declared fields (name, stored value,
// shown text), its report rows and its tables.

#include <string>

#include <nlohmann/json.hpp>

#include "app/app_state.h"

namespace px {

// rState as WriteCodeplugReport needs it; rSource names the codeplug ("-" for input).
nlohmann::ordered_json CodeplugShowJson(const AppState& rState, const std::string& rSource);

}  // namespace px
