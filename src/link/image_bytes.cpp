#include "link/image_bytes.h"

namespace px {

void MarkSlotUsed(ImageArea rMap, int rSlot) {
  if (rSlot < 0) throw EncodeFailure("negative slot");
  const auto byte = static_cast<std::size_t>(rSlot / 8);
  rMap.Put(byte, static_cast<Byte>(rMap.Get(byte) & ~(1u << (rSlot % 8))));
}

bool IsSlotFree(const RadioImage& rImage, std::size_t rBase, int rSlot) {
  return ((rImage[rBase + static_cast<std::size_t>(rSlot / 8)] >> (rSlot % 8)) & 1u) != 0;
}

Byte ToRadioByte(int rValue) {
  if (rValue < 0) return 255;
  if (rValue > 255) return 0;
  return static_cast<Byte>(rValue);
}

Byte FromRadioByteMinusOne(Byte rStored) { return static_cast<Byte>((rStored + 1) % 256); }

namespace {

// "StepIndex \"300\"" when the field is known, "value 300" otherwise.
std::string ValueText(int rValue, const char* rField) {
  if (rField) return std::string(rField) + " \"" + std::to_string(rValue) + "\":";
  return "value " + std::to_string(rValue);
}

}  // namespace

Byte ByteField(int rValue, const char* rField) {
  if (rValue < 0 || rValue > 255) throw EncodeFailure(ValueText(rValue, rField) + " does not fit a byte");
  return static_cast<Byte>(rValue);
}

Byte BitField(int rValue, int rBits, const char* rField) {
  if (rValue < 0 || rValue >= (1 << rBits))
    throw EncodeFailure(ValueText(rValue, rField) + " does not fit " + std::to_string(rBits) + " bits");
  return static_cast<Byte>(rValue);
}

int HexDigitValue(char rChar) {
  if (rChar >= '0' && rChar <= '9') return rChar - '0';
  if (rChar >= 'A' && rChar <= 'F') return rChar - 'A' + 10;
  if (rChar >= 'a' && rChar <= 'f') return rChar - 'a' + 10;
  return -1;
}

Byte DigitByte(char rChar) {
  const int v = HexDigitValue(rChar);
  if (v < 0) throw EncodeFailure(std::string("not a digit: code ") +
                                 std::to_string(static_cast<unsigned char>(rChar)));
  return static_cast<Byte>(v);
}

bool IsDecimalText(std::string_view rText) {
  if (rText.empty()) return false;
  for (char c : rText)
    if (c < '0' || c > '9') return false;
  return true;
}

std::string HexPair(Byte rValue) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  return {kDigits[rValue >> 4], kDigits[rValue & 0x0F]};
}

std::string HexDigits(Byte rValue) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  if (rValue < 0x10) return std::string(1, kDigits[rValue]);
  return HexPair(rValue);
}

std::string TrimRight(std::string rText) {
  while (!rText.empty() && rText.back() == ' ') rText.pop_back();
  return rText;
}

void PutBcd8(ImageArea rArea, std::size_t rOffset, std::string_view rDigits8) {
  if (rDigits8.size() != 8) throw EncodeFailure("BCD8 needs 8 digits");
  PutPackedDigits(rArea, rOffset, rDigits8);
}

namespace {

// Both hex digits of each byte, appended without a text per byte: the decoders call
// this for every code and frequency of the image.
void AppendHexPairs(const RadioImage& rImage, std::size_t rAddress, std::size_t rBytes,
                    std::string& rText) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  const std::size_t start = rText.size();
  rText.resize(start + 2 * rBytes);
  char* out = rText.data() + start;
  for (std::size_t i = 0; i < rBytes; ++i) {
    const Byte b = rImage[rAddress + i];
    *out++ = kDigits[b >> 4];
    *out++ = kDigits[b & 0x0F];
  }
}

}  // namespace

std::string GetBcd8(const RadioImage& rImage, std::size_t rAddress) {
  std::string text;
  AppendHexPairs(rImage, rAddress, 4, text);
  return text;
}

void PutPackedDigits(ImageArea rArea, std::size_t rOffset, std::string_view rDigits) {
  if (rDigits.size() % 2 != 0) throw EncodeFailure("packed digits need an even count");
  for (std::size_t i = 0; i < rDigits.size(); i += 2)
    rArea.Put(rOffset + i / 2,
              static_cast<Byte>(DigitByte(rDigits[i]) << 4 | DigitByte(rDigits[i + 1])));
}

std::string GetPackedDigits(const RadioImage& rImage, std::size_t rAddress, std::size_t rCount) {
  std::string text;
  AppendHexPairs(rImage, rAddress, (rCount + 1) / 2, text);
  text.resize(rCount);
  return text;
}

void PutDigitBytes(ImageArea rArea, std::size_t rOffset, std::string_view rDigits) {
  for (std::size_t i = 0; i < rDigits.size(); ++i) rArea.Put(rOffset + i, DigitByte(rDigits[i]));
}

std::string GetImageText(const RadioImage& rImage, std::size_t rAddress, std::size_t rMax,
                         bool rStopAtFF) {
  std::string text;
  for (std::size_t i = 0; i < rMax && rAddress + i < rImage.size(); ++i) {
    const Byte b = rImage[rAddress + i];
    if (b == 0x00 || (rStopAtFF && b == 0xFF)) break;
    text.push_back(static_cast<char>(b));
  }
  return text;
}

void PutText(ImageArea rArea, std::size_t rOffset, std::string_view rText) {
  for (std::size_t i = 0; i < rText.size(); ++i)
    rArea.Put(rOffset + i, static_cast<Byte>(rText[i]));
}

}  // namespace px
