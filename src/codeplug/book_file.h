#pragma once
// The communication book file: the 128 entries in order, 14 bytes each (Index low byte
// first, CallId 5 bytes, Name 7 bytes, the texts as stored), 1792 bytes, no header.

#include <array>
#include <string>
#include <vector>

#include "codeplug/records.h"

namespace px {

using BookEntries = std::array<BookEntry, kBookEntries>;

constexpr std::size_t kBookEntrySize = 14;
constexpr std::size_t kBookFileSize = kBookEntrySize * kBookEntries;  // 1792

std::vector<Byte> SerializeBook(const BookEntries& rBook);
// rBytes must be exactly kBookFileSize long; otherwise rBook is left alone.
bool ParseBook(const std::vector<Byte>& rBytes, BookEntries& rBook);

// A file of any other length is refused whole, never half-read. On failure rBook is
// unchanged and rError says why.
bool ReadBookFile(const std::string& rPath, BookEntries& rBook, std::string& rError);
// Through a temporary file and a rename: a failed export leaves any earlier file intact.
bool WriteBookFile(const std::string& rPath, const BookEntries& rBook, std::string& rError);

}  // namespace px
