// The DTMF page: single values, kill and stun codes, PTT ID codes, code memories.

#include "edit/dtmf_rules.h"
#include "link/codec_fields.h"
#include "link/codec_parts.h"
#include "link/image_bytes.h"

namespace px {
namespace {

// A code of up to rMax digits (rMax even): digits packed from offset 0, the length byte
// at offset rMax / 2 of rArea.
template <std::size_t M>
void EncodeDtmfCode(const DtmfCodeField<M>& rCode, ImageArea rArea) {
  int length = rCode.Length;
  if (length > static_cast<int>(M)) length = 0;
  const Byte lengthByte = ByteField(length);
  std::string digits = TextUpToNul(rCode.Digits);
  if (digits.size() < lengthByte) digits.append(lengthByte - digits.size(), '0');
  if (digits.size() % 2 != 0) digits.push_back('0');
  rArea.Put(M / 2, lengthByte);
  const std::size_t bytes = (lengthByte + 1u) / 2;
  PutPackedDigits(rArea, 0, std::string_view(digits).substr(0, 2 * bytes));
}

template <std::size_t M>
void DecodeDtmfCode(DtmfCodeField<M>& rCode, const RadioImage& rImage, std::size_t rAt) {
  std::size_t n = rImage[rAt + M / 2];
  if (n > M) n = 0;
  AssignWithNul(rCode.Digits, GetPackedDigits(rImage, rAt, n));
  rCode.Length = static_cast<Int16>(n);
}

bool IsDtmfLetter(int rValue) { return rValue >= 10 && rValue <= 15; }

// Values the radio cannot use, both ways: the separator "*", no group, no response,
// no first digit delay.
void CorrectValues(DtmfSettings& rPage) {
  if (!IsDtmfLetter(rPage.SeparatorDigit)) rPage.SeparatorDigit = 14;
  if (!IsDtmfLetter(rPage.GroupDigit)) rPage.GroupDigit = 255;
  if (rPage.DecodeResponse > 2) rPage.DecodeResponse = 0;
  if (rPage.FirstDigitDelay > 250) rPage.FirstDigitDelay = 0;
}

}  // namespace

void EncodeDtmf(Codeplug& rPlug, RadioImage& rImage) {
  DtmfSettings& d = rPlug.Settings.Dtmf;
  // Out-of-range values are corrected in the codeplug as they are stored.
  CorrectValues(d);
  std::string selfId = TextUpToNul(d.SelfId);
  if (IsDecimalText(selfId)) {
    if (selfId.size() < 3) selfId.append(3 - selfId.size(), '0');
  } else {
    selfId = "000";
  }
  d.SelfId.Assign(selfId);

  ImageArea values(rImage, kDtmfValuesAt, 16);
  EncodeFields(DtmfFields(), DtmfValuesOf(d), values);
  PutDigitBytes(values, 0x7, std::string_view(selfId).substr(0, 3));

  EncodeDtmfCode(d.KillCode, ImageArea(rImage, 0x02F0, 8));
  EncodeDtmfCode(d.StunCode, ImageArea(rImage, 0x02F8, 8));
  EncodeDtmfCode(d.PttIdBeginCode, ImageArea(rImage, kDtmfPttIdAt, 13));
  EncodeDtmfCode(d.PttIdEndCode, ImageArea(rImage, kDtmfPttIdAt + 0x10, 13));
  for (std::size_t k = 0; k < d.CodeMemory.size(); ++k)
    EncodeDtmfCode(d.CodeMemory[k], ImageArea(rImage, kDtmfMemoriesAt + 16 * k, 13));
}

void DecodeDtmf(Codeplug& rPlug, const RadioImage& rImage) {
  DtmfSettings& d = rPlug.Settings.Dtmf;
  const auto at = [&rImage](std::size_t rOffset) { return rImage[kDtmfValuesAt + rOffset]; };
  DtmfValues values = DtmfValuesOf(d);
  DecodeFields(DtmfFields(), rImage, kDtmfValuesAt, values);
  SetDtmfValues(values, d);
  CorrectValues(d);
  std::string selfId;
  for (std::size_t i = 0x7; i <= 0x9; ++i) {
    if (at(i) > 9) {
      selfId = "000";
      break;
    }
    selfId.push_back(static_cast<char>('0' + at(i)));
  }
  d.SelfId.Assign(selfId);

  DecodeDtmfCode(d.KillCode, rImage, 0x02F0);
  DecodeDtmfCode(d.StunCode, rImage, 0x02F8);
  DecodeDtmfCode(d.PttIdBeginCode, rImage, kDtmfPttIdAt);
  DecodeDtmfCode(d.PttIdEndCode, rImage, kDtmfPttIdAt + 0x10);
  for (std::size_t k = 0; k < d.CodeMemory.size(); ++k)
    DecodeDtmfCode(d.CodeMemory[k], rImage, kDtmfMemoriesAt + 16 * k);
}

}  // namespace px
