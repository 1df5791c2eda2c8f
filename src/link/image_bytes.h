#pragma once
// The small conversions every encoder and decoder of the radio image uses: slot bit
// maps, radio bytes, BCD frequency digits, packed and single digits, image texts.
// Encoding helpers throw EncodeFailure for a value they cannot convert.

#include <cstddef>
#include <string>
#include <string_view>

#include "codeplug/fixed_text.h"
#include "link/radio_image.h"

namespace px {

// --- slot bit maps: slot s is bit (s mod 8) of byte (base + s div 8); 1 = free ---

void MarkSlotUsed(ImageArea rMap, int rSlot);
bool IsSlotFree(const RadioImage& rImage, std::size_t rBase, int rSlot);

// --- bytes ---

// 255 below 0, 0 above 255, otherwise the value.
Byte ToRadioByte(int rValue);
// The reverse of a field stored as ToRadioByte(value - 1): image byte + 1, 256 giving 0.
Byte FromRadioByteMinusOne(Byte rStored);
// A whole-byte field: a value outside 0..255 cannot be converted.
Byte ByteField(int rValue, const char* rField = nullptr);
// A bit field of rBits bits: a value that does not fit would change its neighbours.
Byte BitField(int rValue, int rBits, const char* rField = nullptr);

// --- digits and texts ---

// Value of "0"-"9", "A"-"F", "a"-"f"; -1 for anything else.
int HexDigitValue(char rChar);
// One hexadecimal digit per byte: the digit's value; anything else cannot be converted.
Byte DigitByte(char rChar);
// Every character "0"-"9" and at least one.
bool IsDecimalText(std::string_view rText);
// Two upper-case hexadecimal digits.
std::string HexPair(Byte rValue);
// Upper-case hexadecimal without leading zeros (0x0F -> "F", 0x1A -> "1A").
std::string HexDigits(Byte rValue);

// A text field as the encoders take it: cut at its first NUL, trailing spaces removed.
template <std::size_t N>
std::string TextUpToNul(const FixedText<N>& rText) {
  std::string_view raw = rText.Raw();
  raw = raw.substr(0, raw.find('\0'));
  while (!raw.empty() && raw.back() == ' ') raw.remove_suffix(1);
  return std::string(raw);
}
// rText with a NUL appended when it is shorter than the field, assigned left-aligned.
template <std::size_t N>
void AssignWithNul(FixedText<N>& rField, std::string rText) {
  if (rText.size() < N) rText.push_back('\0');
  rField.Assign(rText);
}
// rText with trailing spaces removed.
std::string TrimRight(std::string rText);

// --- BCD8: 8 digits, two per byte, first digit in the high half ---

// Each pair of characters is read as a hexadecimal number ("12" -> 0x12).
void PutBcd8(ImageArea rArea, std::size_t rOffset, std::string_view rDigits8);
// The 4 bytes at rAddress as 8 upper-case hexadecimal digits.
std::string GetBcd8(const RadioImage& rImage, std::size_t rAddress);

// --- packed digits: two per byte, first in the high half ---

// rDigits must have an even length; each character is one hexadecimal digit.
void PutPackedDigits(ImageArea rArea, std::size_t rOffset, std::string_view rDigits);
// The two hexadecimal digits of each of the ceil(rCount / 2) bytes, cut to rCount.
std::string GetPackedDigits(const RadioImage& rImage, std::size_t rAddress, std::size_t rCount);

// --- one digit per byte ---

void PutDigitBytes(ImageArea rArea, std::size_t rOffset, std::string_view rDigits);

// Characters of the image from rAddress, at most rMax of them, ending before the first
// 0x00 (and also before 0xFF when rStopAtFF).
std::string GetImageText(const RadioImage& rImage, std::size_t rAddress, std::size_t rMax,
                         bool rStopAtFF);
// One byte per character of rText from rOffset.
void PutText(ImageArea rArea, std::size_t rOffset, std::string_view rText);

}  // namespace px
