// The DTMF page: single values, kill and stun codes, PTT ID codes, code memories.

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

}  // namespace

void EncodeDtmf(Codeplug& rPlug, RadioImage& rImage) {
  DtmfSettings& d = rPlug.Settings.Dtmf;
  // Out-of-range values are corrected in the codeplug as they are stored.
  if (!IsDtmfLetter(d.SeparatorDigit)) d.SeparatorDigit = 14;
  if (!IsDtmfLetter(d.GroupDigit)) d.GroupDigit = 255;
  if (d.DecodeResponse > 2) d.DecodeResponse = 0;
  if (d.FirstDigitDelay > 250) d.FirstDigitDelay = 0;
  std::string selfId = TextUpToNul(d.SelfId);
  if (IsDecimalText(selfId)) {
    if (selfId.size() < 3) selfId.append(3 - selfId.size(), '0');
  } else {
    selfId = "000";
  }
  d.SelfId.Assign(selfId);

  ImageArea values(rImage, kDtmfValuesAt, 16);
  values.Put(0x0, ByteField(d.SeparatorDigit));
  values.Put(0x1, ByteField(d.GroupDigit));
  values.Put(0x2, ByteField(d.DecodeResponse));
  values.Put(0x3, ByteField(d.PreSendDelay));
  values.Put(0x4, ByteField(d.FirstDigitDelay));
  values.Put(0x5, ByteField(d.ResetTime));
  PutDigitBytes(values, 0x7, std::string_view(selfId).substr(0, 3));
  values.Put(0xD, ByteField(d.SideTone));
  values.Put(0xE, ByteField(d.PostSendDelay));
  values.Put(0xF, ByteField(d.PauseTime));

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
  d.SeparatorDigit = IsDtmfLetter(at(0x0)) ? at(0x0) : 14;
  d.GroupDigit = IsDtmfLetter(at(0x1)) ? at(0x1) : 255;
  d.DecodeResponse = at(0x2) > 2 ? 0 : at(0x2);
  d.PreSendDelay = at(0x3);
  d.FirstDigitDelay = at(0x4) > 250 ? 0 : at(0x4);
  d.ResetTime = at(0x5);
  std::string selfId;
  for (std::size_t i = 0x7; i <= 0x9; ++i) {
    if (at(i) > 9) {
      selfId = "000";
      break;
    }
    selfId.push_back(static_cast<char>('0' + at(i)));
  }
  d.SelfId.Assign(selfId);
  d.SideTone = at(0xD);
  d.PostSendDelay = at(0xE);
  d.PauseTime = at(0xF);

  DecodeDtmfCode(d.KillCode, rImage, 0x02F0);
  DecodeDtmfCode(d.StunCode, rImage, 0x02F8);
  DecodeDtmfCode(d.PttIdBeginCode, rImage, kDtmfPttIdAt);
  DecodeDtmfCode(d.PttIdEndCode, rImage, kDtmfPttIdAt + 0x10);
  for (std::size_t k = 0; k < d.CodeMemory.size(); ++k)
    DecodeDtmfCode(d.CodeMemory[k], rImage, kDtmfMemoriesAt + 16 * k);
}

}  // namespace px
