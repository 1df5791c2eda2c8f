// The 2-Tone page: header, entries and their bit map.

#include <utility>

#include "edit/two_tone_rules.h"
#include "link/codec_fields.h"
#include "link/codec_parts.h"
#include "link/image_bytes.h"

namespace px {
namespace {

// The bytes of the header's 16-bit values, as {offset from 0x0300, header byte}, in the
// radio's own order; the plain settings' rows say where theirs lie.
constexpr std::pair<std::size_t, std::size_t> kWordBytes[] = {
    {0, 1},   {1, 0},   {2, 3},   {3, 2},   {4, 6},   {5, 5},   {6, 8},   {7, 7},
    {16, 13}, {17, 12}, {18, 15}, {19, 14}, {20, 17}, {21, 16}, {22, 19}, {23, 18}};
constexpr std::size_t kEntryBytes = 16;

}  // namespace

void EncodeTwoTone(const Codeplug& rPlug, RadioImage& rImage) {
  const TwoToneSettings& two = rPlug.Settings.TwoTone;
  ImageArea header(rImage, kTwoToneHeaderAt, 24);
  for (const auto& [at, byte] : kWordBytes) header.Put(at, two.Header[byte]);
  EncodeFields(TwoToneFields(), two.Header, header);

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
  for (const auto& [at, byte] : kWordBytes) two.Header[byte] = rImage[kTwoToneHeaderAt + at];
  DecodeFields(TwoToneFields(), rImage, kTwoToneHeaderAt, two.Header);
  if (two.Header[TwoToneSlot::Format] > 14) two.Header[TwoToneSlot::Format] = 0;

  for (std::size_t k = 0; k < two.Entries.size(); ++k) {
    TwoToneEntry& entry = two.Entries[k];
    const std::size_t at = kTwoToneEntriesAt + kEntryBytes * k;
    entry.Empty = IsSlotFree(rImage, kTwoToneMap, static_cast<int>(k)) ? 1 : 0;
    for (std::size_t i = 0; i < 8; ++i) entry.ToneBytes[i ^ 1] = rImage[at + i];
    entry.Name.Assign(GetImageText(rImage, at + 8, 7, false));
  }
}

}  // namespace px
