#pragma once
// Whole files in and out. Every failure names the path and the system's own reason
// ("cannot read x.fre: Permission denied"), taken at the call that failed.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "codeplug/records.h"

namespace px {

enum class FileRead { Read, Missing, Failed, TooLarge };

// Missing: the path does not exist (rError says so too). Failed: it exists but cannot be
// read, a folder, a pipe or a device in its place included. TooLarge: it holds more than
// rCeiling bytes and was not read; *rSize (when given) is its size.
FileRead ReadFileBytes(const std::string& rPath, std::vector<Byte>& rBytes, std::string& rError,
                       std::size_t rCeiling, std::uintmax_t* rSize = nullptr);

// Writes a temporary file beside rPath and renames it over rPath, so that a failure
// never leaves a half-written file and the old one stays whole. Only an absent path or
// a regular file is replaced.
bool ReplaceFileBytes(const std::string& rPath, std::span<const Byte> rBytes, std::string& rError);

// The two halves of ReplaceFileBytes, for files that must change together: every
// temporary file is written and flushed to the disk before the first rename.
bool WriteTemporaryFor(const std::string& rPath, std::span<const Byte> rBytes, std::string& rError);
bool RenameTemporaryOver(const std::string& rPath, std::string& rError);
void DiscardTemporaryFor(const std::string& rPath);

// Empty when rPath could be written now: its folder exists and takes a new file, and it
// is not a folder itself. Otherwise the reason, as ReplaceFileBytes would give it.
std::string OutputProblem(const std::string& rPath);

}  // namespace px
