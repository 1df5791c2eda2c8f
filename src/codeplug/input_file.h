#pragma once
// Opening a file the user named as an input. A named pipe would block the open and the
// read for ever, and a device such as /dev/zero never ends: only regular files are read,
// opened without blocking, and only after their size is known to fit the format.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "codeplug/records.h"

namespace px {

// The largest input each kind of file may be. The binary formats have fixed sizes; the
// text forms get room far beyond anything the program writes (a full codeplug is about
// 0.4 MB of JSON and 30 KB of CSV) while keeping the memory of a refused file small.
inline constexpr std::size_t kJsonCeiling = 4u << 20;
inline constexpr std::size_t kCsvCeiling = 2u << 20;

enum class InputRead { Read, Missing, Failed, TooLarge };

struct InputFile {
  InputRead Result = InputRead::Failed;
  std::vector<Byte> Bytes;     // the whole file when Result is Read
  std::uintmax_t Size = 0;     // the file's size whenever it could be learnt
  std::string Error;           // "cannot read x: <reason>", "x is not a regular file", ...
};

// Reads rPath whole when it is a regular file of at most rCeiling bytes. TooLarge leaves
// Bytes empty and Size set, so that a caller can name the size its format needs.
InputFile ReadInputFile(const std::string& rPath, std::size_t rCeiling);

// Standard input up to rCeiling bytes; more is TooLarge ("standard input is larger than
// ..."), with only rCeiling + 1 bytes ever held.
InputFile ReadStandardInput(std::size_t rCeiling);

}  // namespace px
