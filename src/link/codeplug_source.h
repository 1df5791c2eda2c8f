#pragma once
// A codeplug to compare against, from a codeplug file (.dat with its .fre) or from a
// radio memory image (.img, decoded as a read from the radio would be).

#include <string>

#include "app/app_state.h"

namespace px {

// rOut keeps its program folder and language; its codeplug and band become the file's.
// False with rError set when the file cannot be read. A short or missing side file
// sets *rWarning (when given) as the codeplug reader words it.
bool LoadCodeplugOrImage(const std::string& rPath, AppState& rOut, std::string& rError,
                         std::string* rWarning = nullptr);

}  // namespace px
