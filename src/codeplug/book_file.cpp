#include "codeplug/book_file.h"

#include "codeplug/byte_io.h"
#include "codeplug/file_bytes.h"

namespace px {

std::vector<Byte> SerializeBook(const BookEntries& rBook) {
  ByteWriter writer(kBookFileSize);
  writer.Put(rBook);
  return writer.Take();
}

bool ParseBook(const std::vector<Byte>& rBytes, BookEntries& rBook) {
  if (rBytes.size() != kBookFileSize) return false;
  ByteReader reader(rBytes);
  BookEntries book{};
  reader.Get(book);
  rBook = book;
  return true;
}

bool ReadBookFile(const std::string& rPath, BookEntries& rBook, std::string& rError) {
  std::vector<Byte> bytes;
  std::uintmax_t size = 0;
  const FileRead read = ReadFileBytes(rPath, bytes, rError, kBookFileSize, &size);
  if (read != FileRead::Read && read != FileRead::TooLarge) return false;
  if (read == FileRead::TooLarge || !ParseBook(bytes, rBook)) {
    rError = rPath + " is " + std::to_string(read == FileRead::TooLarge ? size : bytes.size()) +
             " bytes long; a book file has " + std::to_string(kBookFileSize);
    return false;
  }
  return true;
}

bool WriteBookFile(const std::string& rPath, const BookEntries& rBook, std::string& rError) {
  const std::vector<Byte> bytes = SerializeBook(rBook);
  return ReplaceFileBytes(rPath, bytes, rError);
}

}  // namespace px
