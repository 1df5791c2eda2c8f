// The book file reader and the book cells over arbitrary bytes: a 1792-byte file always
// reads and writes back byte for byte, any other length is refused and changes nothing,
// and a cell commit stores a text its field can hold.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "codeplug/book_file.h"
#include "edit/book_rules.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* rData, std::size_t rSize) {
  std::vector<px::Byte> bytes(rData, rData + rSize);
  px::BookEntries book{};
  const px::BookEntries before = book;
  const bool parsed = px::ParseBook(bytes, book);
  if (parsed != (rSize == px::kBookFileSize)) __builtin_trap();
  if (!parsed && book != before) __builtin_trap();
  if (parsed && px::SerializeBook(book) != bytes) __builtin_trap();

  const std::string text(reinterpret_cast<const char*>(rData), rSize < 16 ? rSize : 16);
  const int entry = rSize > 0 ? rData[0] % 130 - 1 : 0;
  for (int column = 0; column < px::kBookColumns; ++column) {
    const std::string shown = px::CommitBookCell(book, entry, column, text);
    if (shown.size() > 7) __builtin_trap();
  }
  return 0;
}
