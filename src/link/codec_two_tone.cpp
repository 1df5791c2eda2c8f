// The 2-Tone page: header, entries and their bit map.

#include "link/codec_parts.h"
#include "link/image_bytes.h"

namespace px {
namespace {

// Header byte stored at 0x0300 + i. The radio keeps each 16-bit value high byte first.
constexpr std::size_t kHeaderOrder[24] = {1,  0,  3,  2, 6,  5,  8,  7,  10, 20, 21, 22,
                                          23, 9,  11, 4, 13, 12, 15, 14, 17, 16, 19, 18};
constexpr std::size_t kDecodeFormat = 4;
constexpr std::size_t kEntryBytes = 16;

}  // namespace

void EncodeTwoTone(const Codeplug& rPlug, RadioImage& rImage) {
  const TwoToneSettings& two = rPlug.Settings.TwoTone;
  ImageArea header(rImage, kTwoToneHeaderAt, 24);
  for (std::size_t i = 0; i < 24; ++i) header.Put(i, two.Header[kHeaderOrder[i]]);

  ImageArea map(rImage, kTwoToneMap, 4);
  for (std::size_t k = 0; k < two.Entries.size(); ++k) {
    const TwoToneEntry& entry = two.Entries[k];
    if (entry.Empty == 0) MarkSlotUsed(map, static_cast<int>(k));
    ImageArea rec(rImage, kTwoToneEntriesAt + kEntryBytes * k, kEntryBytes - 1);
    for (std::size_t i = 0; i < 8; ++i) rec.Put(i, entry.ToneBytes[i ^ 1]);
    const std::string name = TextUpToNul(entry.Name);
    for (std::size_t i = 0; i < 7; ++i)
      rec.Put(8 + i, name.empty() ? Byte{0x00}
                     : i < name.size() ? static_cast<Byte>(name[i])
                                       : Byte{0x20});
  }
}

void DecodeTwoTone(Codeplug& rPlug, const RadioImage& rImage) {
  TwoToneSettings& two = rPlug.Settings.TwoTone;
  for (std::size_t i = 0; i < 24; ++i) two.Header[kHeaderOrder[i]] = rImage[kTwoToneHeaderAt + i];
  if (two.Header[kDecodeFormat] > 14) two.Header[kDecodeFormat] = 0;

  for (std::size_t k = 0; k < two.Entries.size(); ++k) {
    TwoToneEntry& entry = two.Entries[k];
    const std::size_t at = kTwoToneEntriesAt + kEntryBytes * k;
    entry.Empty = IsSlotFree(rImage, kTwoToneMap, static_cast<int>(k)) ? 1 : 0;
    for (std::size_t i = 0; i < 8; ++i) entry.ToneBytes[i ^ 1] = rImage[at + i];
    entry.Name.Assign(GetImageText(rImage, at + 8, 7, false));
  }
}

}  // namespace px
