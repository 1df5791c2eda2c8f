#pragma once
// Whole files as byte vectors: read in one go, replaced through a temporary file.

#include <string>
#include <vector>

#include "codeplug/records.h"

namespace px {

// False with rError naming the path and the system's reason when it cannot be read.
bool ReadWholeFile(const std::string& rPath, std::vector<Byte>& rBytes, std::string& rError);

// Writes rBytes to a temporary file beside rPath and renames it over rPath, so that a
// failed write never leaves a half-written file behind.
bool ReplaceFile(const std::string& rPath, const std::vector<Byte>& rBytes, std::string& rError);

}  // namespace px
