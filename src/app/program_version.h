#pragma once
// The version of this build of the three programs (the project's version, not the radio
// firmware version text the codeplug carries).

#include <string_view>

namespace px {

std::string_view ProgramVersion();

}  // namespace px
