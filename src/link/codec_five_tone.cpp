// The 5-Tone page: page values and own ID, tone table, information codes, the two
// PTT ID (special) codes and the 100 codes with their bit map.

#include "codeplug/text_formats.h"
#include "edit/five_tone_rules.h"
#include "link/codec_fields.h"
#include "link/codec_parts.h"
#include "link/image_bytes.h"

namespace px {
namespace {

constexpr std::size_t kOwnIdBytes = 5;
constexpr std::size_t kCodeBytes = 32;
constexpr std::size_t kSpecialBytes = 16;
constexpr std::size_t kDigitsAt = 4;             // packed digits of a code
constexpr std::size_t kCodeNameAt = 24;          // name of a listed code
constexpr std::size_t kInfoDigitsAt = 3;         // one digit per byte
constexpr std::size_t kInfoNameAt = 16;
constexpr std::size_t kMaxListedDigits = 2 * (kCodeNameAt - kDigitsAt);   // 40
constexpr std::size_t kMaxSpecialDigits = 2 * (kSpecialBytes - kDigitsAt);  // 24
constexpr std::size_t kMaxInfoDigits = kInfoNameAt - kInfoDigitsAt;       // 13

// Tone durations are kept in units of 10 ms; anything outside 30..100 ms is 70 ms.
Byte DurationByte(Byte rMs) { return static_cast<Byte>(ToneDurationOrDefault(rMs) / 10); }
Byte DurationMs(Byte rStored) { return ToneDurationOrDefault(rStored * 10); }

// The first rCount characters of a code, padded with the repeat digit "E".
template <std::size_t N>
std::string CodeDigits(const FixedText<N>& rText, std::size_t rCount) {
  std::string digits = TextUpToNul(rText);
  if (digits.size() < rCount) digits.append(rCount - digits.size(), 'E');
  return digits.substr(0, rCount);
}

// A listed code (rArea 32 bytes, with name) or a special code (16 bytes, without).
void EncodeCode(const FiveToneCode& rCode, ImageArea rArea, std::size_t rMaxDigits, bool rWithName) {
  const std::size_t count = rCode.CodeBytes[2];
  if (count > rMaxDigits)
    throw EncodeFailure("5-Tone code of " + std::to_string(count) + " digits; room for " +
                        std::to_string(rMaxDigits));
  rArea.Put(1, rCode.CodeBytes[1]);
  rArea.Put(2, rCode.CodeBytes[2]);
  rArea.Put(3, DurationByte(rCode.CodeBytes[3]));
  std::string digits = CodeDigits(rCode.Digits, count);
  if (digits.size() % 2 != 0) digits.push_back('E');
  PutPackedDigits(rArea, kDigitsAt, digits);
  if (!rWithName) return;
  const std::string name = TextUpToNul(rCode.Name);
  for (std::size_t i = 0; i < 7; ++i)
    rArea.Put(kCodeNameAt + i, name.empty() ? Byte{0x00}
                               : i < name.size() ? static_cast<Byte>(name[i])
                                                 : Byte{0x20});
}

void DecodeCode(FiveToneCode& rCode, const RadioImage& rImage, std::size_t rAt, bool rWithName) {
  rCode.CodeBytes[1] = rImage[rAt + 1];
  rCode.CodeBytes[2] = rImage[rAt + 2];
  rCode.CodeBytes[3] = DurationMs(rImage[rAt + 3]);
  // Digits beyond the field's 40 cannot be kept, so they are not read.
  const std::size_t count = std::min<std::size_t>(rCode.CodeBytes[2], rCode.Digits.Size);
  rCode.Digits.Assign(GetPackedDigits(rImage, rAt + kDigitsAt, count));
  if (!rWithName) return;
  std::string name;
  for (std::size_t i = 0; i < 7; ++i) {
    const Byte b = rImage[rAt + kCodeNameAt + i];
    name.push_back(b == 0x00 || b == 0xFF ? '\0' : static_cast<char>(b));
  }
  rCode.Name.Assign(name);
}

void EncodeInfoCode(const FiveToneInfoCode& rInfo, ImageArea rArea) {
  const std::size_t count = rInfo.CodeBytes[2];
  if (count > kMaxInfoDigits)
    throw EncodeFailure("information code of " + std::to_string(count) + " digits");
  for (std::size_t i = 0; i < 3; ++i) rArea.Put(i, rInfo.CodeBytes[i]);
  PutDigitBytes(rArea, kInfoDigitsAt, CodeDigits(rInfo.Code, count));
  std::string name = TextUpToNul(rInfo.Name);
  name.resize(7, '\0');
  PutText(rArea, kInfoNameAt, name);
}

void DecodeInfoCode(FiveToneInfoCode& rInfo, const RadioImage& rImage, std::size_t rAt) {
  for (std::size_t i = 0; i < 3; ++i) {
    const Byte b = rImage[rAt + i];
    rInfo.CodeBytes[i] = b == 0xFF ? 0 : b;
  }
  const std::size_t count = rInfo.CodeBytes[2];
  std::string code;
  for (std::size_t i = 0; i < std::min(count, rInfo.Code.Size); ++i)
    code += HexDigits(rImage[rAt + kInfoDigitsAt + i]);
  code.resize(std::min(code.size(), count));
  rInfo.Code.Assign(code);
  AssignWithNul(rInfo.Name, GetImageText(rImage, rAt + kInfoNameAt, 7, true));
}

}  // namespace

void EncodeFiveTone(const Codeplug& rPlug, RadioImage& rImage) {
  const FiveToneSettings& five = rPlug.Settings.FiveTone;
  ImageArea page(rImage, kFiveTonePageAt, 0x16);
  page.Put(0, five.PageBytes[0]);
  page.Put(3, five.PageBytes[3]);  // the own ID's length
  page.Put(4, DurationByte(five.PageBytes[4]));

  const std::size_t idLength = five.PageBytes[3];
  const std::string ownId = TextUpToNul(five.PageText);
  if (idLength > kOwnIdBytes) throw EncodeFailure("own ID longer than 5 digits");
  if (ownId.size() < idLength) throw EncodeFailure("own ID shorter than its length");
  for (std::size_t i = 0; i < kOwnIdBytes; ++i) {
    if (i >= idLength) {
      page.Put(5 + i, 0);
    } else if (ownId[i] >= '0' && ownId[i] <= '9') {
      page.Put(5 + i, static_cast<Byte>(ownId[i] - '0'));
    } else {
      throw EncodeFailure("own ID holds a character that is not a decimal digit");
    }
  }
  EncodeFields(FiveToneFields(), FiveToneValuesOf(five, rPlug.FiveToneLastOption), page);
  page.Put(0x11, ByteField(five.PageWords[5]));  // the ANI separator of the special calls

  ImageArea table(rImage, kFiveToneTableAt, 32);
  for (std::size_t i = 0; i < five.ToneTable.size(); ++i) {
    const auto v = static_cast<std::uint16_t>(five.ToneTable[i]);
    table.Put(2 * i, static_cast<Byte>(v & 0xFF));
    table.Put(2 * i + 1, static_cast<Byte>(v >> 8));
  }

  for (std::size_t j = 0; j < five.InfoCodes.size(); ++j)
    EncodeInfoCode(five.InfoCodes[j], ImageArea(rImage, kFiveToneInfoAt + kCodeBytes * j, kCodeBytes));

  EncodeCode(five.SpecialCodeA, ImageArea(rImage, kFiveToneSpecialAt, kSpecialBytes),
             kMaxSpecialDigits, false);
  EncodeCode(five.SpecialCodeB, ImageArea(rImage, kFiveToneSpecialAt + kSpecialBytes, kSpecialBytes),
             kMaxSpecialDigits, false);

  ImageArea map(rImage, kFiveToneMap, 13);
  for (std::size_t k = 0; k < five.Codes.size(); ++k) {
    const FiveToneCode& code = five.Codes[k];
    if (code.Empty == 0) MarkSlotUsed(map, static_cast<int>(k));
    EncodeCode(code, ImageArea(rImage, kFiveToneCodesAt + kCodeBytes * k, kCodeBytes),
               kMaxListedDigits, true);
  }
}

void DecodeFiveTone(Codeplug& rPlug, const RadioImage& rImage) {
  FiveToneSettings& five = rPlug.Settings.FiveTone;
  const auto at = [&rImage](std::size_t rOffset) { return rImage[kFiveTonePageAt + rOffset]; };
  FiveToneValues values = FiveToneValuesOf(five, rPlug.FiveToneLastOption);
  DecodeFields(FiveToneFields(), rImage, kFiveTonePageAt, values);
  SetFiveToneValues(values, five, rPlug.FiveToneLastOption);
  five.PageBytes[0] = at(0);
  five.PageBytes[3] = at(3);
  five.PageBytes[4] = DurationMs(at(4));
  // The own ID field holds 6 characters and each byte gives at least one, so no more
  // than 6 bytes can matter.
  std::string ownId;
  const std::size_t idLength = std::min<std::size_t>(five.PageBytes[3], five.PageText.Size);
  for (std::size_t i = 0; i < idLength; ++i) ownId += std::to_string(at(5 + i));
  AssignWithNul(five.PageText, ownId);
  five.PageWords[5] = at(0x11);

  for (std::size_t i = 0; i < five.ToneTable.size(); ++i)
    five.ToneTable[i] = static_cast<Int16>(rImage[kFiveToneTableAt + 2 * i] |
                                           rImage[kFiveToneTableAt + 2 * i + 1] << 8);

  for (std::size_t j = 0; j < five.InfoCodes.size(); ++j)
    DecodeInfoCode(five.InfoCodes[j], rImage, kFiveToneInfoAt + kCodeBytes * j);

  DecodeCode(five.SpecialCodeA, rImage, kFiveToneSpecialAt, false);
  DecodeCode(five.SpecialCodeB, rImage, kFiveToneSpecialAt + kSpecialBytes, false);

  for (std::size_t k = 0; k < five.Codes.size(); ++k) {
    FiveToneCode& code = five.Codes[k];
    code.Empty = IsSlotFree(rImage, kFiveToneMap, static_cast<int>(k)) ? 1 : 0;
    DecodeCode(code, rImage, kFiveToneCodesAt + kCodeBytes * k, true);
  }
}

}  // namespace px
