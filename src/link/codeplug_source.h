#pragma once
// A codeplug to compare against, from a codeplug file (.dat with its .fre) or from a
// radio memory image (.img, decoded as a read from the radio would be).

#include <string>

#include "app/app_state.h"

namespace px {

// rOut keeps its program folder and language; its codeplug and band become the file's.
// False with rError set when the file cannot be read.
bool LoadCodeplugOrImage(const std::string& rPath, AppState& rOut, std::string& rError);

}  // namespace px
