#pragma once
// Whole files in and out. Every failure names the path and the system's own reason
// ("cannot read x.fre: Permission denied"), taken at the call that failed.

#include <span>
#include <string>
#include <vector>

#include "codeplug/records.h"

namespace px {

enum class FileRead { Read, Missing, Failed };

// Missing: the path does not exist (rError says so too). Failed: it exists but cannot be
// read, a folder in its place included.
FileRead ReadFileBytes(const std::string& rPath, std::vector<Byte>& rBytes, std::string& rError);

// Writes a temporary file beside rPath and renames it over rPath, so that a failure
// never leaves a half-written file and the old one stays whole.
bool ReplaceFileBytes(const std::string& rPath, std::span<const Byte> rBytes, std::string& rError);

// Empty when rPath could be written now: its folder exists and takes a new file, and it
// is not a folder itself. Otherwise the reason, as ReplaceFileBytes would give it.
std::string OutputProblem(const std::string& rPath);

}  // namespace px
