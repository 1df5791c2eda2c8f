// The communication book: call IDs and names of the 128 stations.

#include "link/codec_parts.h"
#include "link/image_bytes.h"

namespace px {

void EncodeBook(const Codeplug& rPlug, RadioImage& rImage) {
  ImageArea ids(rImage, kBookCallIdsAt, 5 * kBookEntries);
  ImageArea names(rImage, kBookNamesAt, 8 * kBookEntries);
  for (std::size_t n = 0; n < rPlug.Book.size(); ++n) {
    const BookEntry& entry = rPlug.Book[n];
    std::string id = TextUpToNul(entry.CallId);
    if (!IsDecimalText(id)) id.clear();
    id.resize(5, '\0');
    PutText(ids, 5 * n, id);
    std::string name = TextUpToNul(entry.Name);
    name.resize(7, '\0');
    // The eighth byte of a name slot is the radio's.
    PutText(names.Sub(8 * n, 7), 0, name);
  }
}

void DecodeBook(Codeplug& rPlug, const RadioImage& rImage) {
  for (std::size_t n = 0; n < rPlug.Book.size(); ++n) {
    BookEntry& entry = rPlug.Book[n];
    std::string id;
    for (std::size_t i = 0; i < 5; ++i) id.push_back(static_cast<char>(rImage[kBookCallIdsAt + 5 * n + i]));
    entry.CallId.Assign(id);
    AssignWithNul(entry.Name, TrimRight(GetImageText(rImage, kBookNamesAt + 8 * n, 8, true)));
    entry.Index = static_cast<Int16>(n);
  }
}

}  // namespace px
