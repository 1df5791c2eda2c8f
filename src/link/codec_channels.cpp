// Channels, their bit maps and PTT ID codes, and the band limits.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "edit/codeplug_ops.h"
#include "codeplug/number_text.h"
#include "codeplug/text_formats.h"
#include "link/codec_parts.h"
#include "link/image_bytes.h"

namespace px {
namespace {

constexpr std::size_t kVfoSlot = kChannelSlots - 1;

std::size_t RecordAddress(int rNumber) {
  switch (rNumber) {
    case kNumberPA: return kChannelPAAt;
    case kNumberPB: return kChannelPBAt;
    case kNumberVFO: return kChannelVFOAt;
    default: return kMemoryChannelsAt + kChannelRecordBytes * static_cast<std::size_t>(rNumber - 1);
  }
}

// The 8 stored digits of a frequency text: padded with "0", the 10 Hz digit dropped.
std::string FrequencyDigits(std::string rText) {
  if (rText.size() < 8) rText.append(8 - rText.size(), '0');
  return rText.substr(0, 8);
}

// Offset code of the radio: direction 0 -> 0, 1 ("-") -> 2, 2 ("+") -> 3.
Byte OffsetCode(int rDirection) {
  switch (rDirection) {
    case 0: return 0;
    case 1: return 2;
    case 2: return 3;
    default: throw EncodeFailure("OffsetDirection \"" + std::to_string(rDirection) + "\": not 0, 1 or 2");
  }
}

Int16 DirectionOfCode(int rCode) { return static_cast<Int16>(rCode <= 1 ? 0 : rCode - 1); }

// A limit as the user would recognise it, NaN and infinities included.
std::string LimitValueText(double rMHz) {
  char text[40];
  std::snprintf(text, sizeof text, "%.10g", rMHz);
  return text;
}

// Runs rEncode; a failure inside it names rField and its value.
template <class Fn>
void InField(const char* rField, const std::string& rValue, Fn rEncode) {
  try {
    rEncode();
  } catch (const EncodeFailure& e) {
    throw EncodeFailure(std::string(rField) + " \"" + rValue + "\": " + e.what());
  }
}

void EncodeChannelRecord(const ChannelRecord& rCh, ImageArea rRec) {
  std::string rx = TextUpToNul(rCh.RxFreq);
  if (rx.empty()) rx = "FFFFFFFF";
  InField("RxFreq", rCh.RxFreq.Display(), [&] { PutBcd8(rRec, 0, FrequencyDigits(rx)); });
  InField("OffsetFreq", rCh.OffsetFreq.Display(),
          [&] { PutBcd8(rRec, 4, FrequencyDigits(std::string(rCh.OffsetFreq.Raw()))); });
  rRec.Put(8, ByteField(rCh.StepIndex, "StepIndex"));

  const int dcsA = rCh.DcsIndexA;
  const int dcsB = rCh.DcsIndexB;
  if (dcsA < 0 || dcsA > 511 || dcsB < 0 || dcsB > 511) throw EncodeFailure("DcsIndexA/DcsIndexB \"" + std::to_string(dcsA) + "/" +
                                                                  std::to_string(dcsB) + "\": above 511");
  rRec.Put(9, static_cast<Byte>(BitField(rCh.TxInhibit, 1, "TxInhibit") | BitField(rCh.Reverse, 1, "Reverse") << 1 |
                                BitField(rCh.BandwidthIndex, 2, "BandwidthIndex") << 2 |
                                BitField(rCh.DcsInvertA, 1, "DcsInvertA") << 4 | (dcsA >> 8) << 5 |
                                BitField(rCh.PttIdDecode, 2, "PttIdDecode") << 6));
  rRec.Put(10, static_cast<Byte>(OffsetCode(rCh.OffsetDirection) |
                                 BitField(rCh.TxPowerIndex, 2, "TxPowerIndex") << 2 |
                                 BitField(rCh.DcsInvertB, 1, "DcsInvertB") << 4 | (dcsB >> 8) << 5 |
                                 BitField(rCh.Compander, 1, "Compander") << 6 |
                                 BitField(rCh.Talkaround, 1, "Talkaround") << 7));
  rRec.Put(11, static_cast<Byte>(BitField(rCh.ToneTypeA, 2, "ToneTypeA") | BitField(rCh.ToneTypeB, 2, "ToneTypeB") << 2 |
                                 BitField(rCh.DtmfCodeIndex, 4, "DtmfCodeIndex") << 4));
  rRec.Put(12, ByteField(rCh.CtcssIndexA, "CtcssIndexA"));
  rRec.Put(13, ByteField(rCh.CtcssIndexB, "CtcssIndexB"));
  rRec.Put(14, static_cast<Byte>(dcsA & 0xFF));
  rRec.Put(15, static_cast<Byte>(dcsB & 0xFF));
  rRec.Put(16, ByteField(rCh.SignallingType, "SignallingType"));
  rRec.Put(17, ByteField(rCh.TwoToneEntryNumber, "TwoToneEntryNumber"));
  rRec.Put(18, ByteField(rCh.FiveToneEntryNumber, "FiveToneEntryNumber"));

  const std::string name = TextUpToNul(rCh.Name);
  for (std::size_t i = 0; i < 7; ++i)
    rRec.Put(19 + i, name.empty() ? Byte{0x00}
                     : i < name.size() ? static_cast<Byte>(name[i])
                                       : Byte{0x20});
  rRec.Put(26, ByteField(rCh.BusyLockIndex, "BusyLockIndex"));
  rRec.Put(27, ByteField(rCh.Spare8, "Spare8"));
  rRec.Put(28, static_cast<Byte>(BitField(rCh.DtmfPttIdMode, 4, "DtmfPttIdMode") |
                                 BitField(rCh.FiveTonePttIdMode, 4, "FiveTonePttIdMode") << 4));
  rRec.Put(29, ByteField(rCh.SquelchModeIndex, "SquelchModeIndex"));
  rRec.Put(30, ByteField(rCh.ScramblerIndex, "ScramblerIndex"));
}

void EncodePttIdCode(const ChannelRecord& rCh, ImageArea rCode) {
  std::string code = TextUpToNul(rCh.PttIdCode);
  if (code.size() < kPttIdCodeBytes) code.append(kPttIdCodeBytes - code.size(), '0');
  PutDigitBytes(rCode, 0, std::string_view(code).substr(0, kPttIdCodeBytes));
}

// A stored frequency from 8 image digits and the ninth digit the radio leaves out.
std::string WithTenHertzDigit(std::string rDigits8) {
  char ninth = '0';
  switch (rDigits8[7]) {
    case '2': ninth = '5'; break;
    case '3': ninth = '3'; break;
    case '6': ninth = '6'; break;
    case '7': ninth = '5'; break;
    default: break;
  }
  return rDigits8 + ninth;
}

void DecodeChannelRecord(const RadioImage& rImage, std::size_t rAt, ChannelRecord& rCh) {
  const auto at = [&](std::size_t rOffset) { return rImage[rAt + rOffset]; };
  rCh.RxFreq.Assign(WithTenHertzDigit(GetBcd8(rImage, rAt)));
  std::string offset = GetBcd8(rImage, rAt + 4);
  if (!IsDecimalText(offset)) offset = "00000000";
  rCh.OffsetFreq.Assign(WithTenHertzDigit(offset));
  rCh.StepIndex = at(8);

  const Byte b9 = at(9);
  rCh.TxInhibit = b9 & 1;
  rCh.Reverse = (b9 >> 1) & 1;
  rCh.BandwidthIndex = (b9 >> 2) & 3;
  rCh.DcsInvertA = (b9 >> 4) & 1;
  rCh.Spare1 = (b9 >> 5) & 1;
  rCh.PttIdDecode = (b9 >> 6) & 3;
  const Byte b10 = at(10);
  rCh.OffsetDirection = DirectionOfCode(b10 & 3);
  rCh.TxPowerIndex = static_cast<Int16>(std::min((b10 >> 2) & 3, 2));
  rCh.DcsInvertB = (b10 >> 4) & 1;
  rCh.Spare5 = (b10 >> 5) & 1;
  rCh.Compander = (b10 >> 6) & 1;
  rCh.Talkaround = (b10 >> 7) & 1;
  const Byte b11 = at(11);
  rCh.ToneTypeA = b11 & 3;
  rCh.ToneTypeB = (b11 >> 2) & 3;
  rCh.DtmfCodeIndex = (b11 >> 4) & 0x0F;
  rCh.CtcssIndexA = at(12);
  rCh.CtcssIndexB = at(13);
  rCh.DcsIndexA = static_cast<Int16>(rCh.Spare1 * 256 + at(14));
  rCh.DcsIndexB = static_cast<Int16>(rCh.Spare5 * 256 + at(15));
  rCh.SignallingType = at(16);
  rCh.TwoToneEntryNumber = at(17);
  rCh.FiveToneEntryNumber = at(18);

  std::string name(7, '\0');
  for (std::size_t i = 0; i < name.size(); ++i) name[i] = static_cast<char>(at(19 + i));
  AssignWithNul(rCh.Name, TrimRight(name.substr(0, name.find('\0'))));
  rCh.BusyLockIndex = at(26);
  rCh.Spare8 = at(27);
  rCh.DtmfPttIdMode = at(28) & 0x0F;
  rCh.FiveTonePttIdMode = at(28) >> 4;
  rCh.SquelchModeIndex = at(29);
  rCh.ScramblerIndex = at(30);
}

// One hex digit per byte; a byte above 0F is no digit the radio sends and reads as 0.
std::string DecodePttIdCode(const RadioImage& rImage, std::size_t rAt) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string code(kPttIdCodeBytes, '0');
  for (std::size_t i = 0; i < kPttIdCodeBytes; ++i) {
    const Byte b = rImage[rAt + i];
    code[i] = kDigits[b > 0x0F ? 0 : b];
  }
  return code;
}

}  // namespace

std::string BandLimitDigits(double rMHz) {
  if (!std::isfinite(rMHz) || rMHz < 0 || rMHz >= 10000)
    throw EncodeFailure("band limit outside 0..9999.9999 MHz");
  const std::int64_t units = RoundScaled(rMHz, 4, Rounding::HalfToEven);
  if (units > 99999999) throw EncodeFailure("band limit outside 0..9999.9999 MHz");
  const std::string digits = std::to_string(units);
  return std::string(8 - digits.size(), '0') + digits;
}

double BandLimitOf(const std::string& rDigits8, int rIndex) {
  if (IsDecimalText(rDigits8))
    return NumberValue(rDigits8.substr(0, 4) + "." + rDigits8.substr(4, 4));
  return FallbackBandLimit(rIndex).value_or(0);
}

void EncodeChannels(const Codeplug& rPlug, const ChannelTable& rChannels, RadioImage& rImage) {
  ImageArea limits(rImage, kBandLimitsAt, 16);
  const double values[] = {rPlug.MinRxFreq, rPlug.MaxRxFreq, rPlug.MinTxFreq, rPlug.MaxTxFreq};
  static constexpr const char* kLimitNames[] = {"MinRxFreq", "MaxRxFreq", "MinTxFreq", "MaxTxFreq"};
  for (std::size_t i = 0; i < 4; ++i)
    InField(kLimitNames[i], LimitValueText(values[i]),
            [&] { PutBcd8(limits, 4 * i, BandLimitDigits(values[i])); });

  ImageArea inUse(rImage, kInUseMap, kSlotMapSize);
  ImageArea scanSkip(rImage, kScanSkipMap, kSlotMapSize);
  const int count = std::clamp<int>(rPlug.ChannelCount, 0, kChannelSlots);
  for (int slot = 0; slot < count; ++slot) {
    const ChannelRecord& ch = rChannels[static_cast<std::size_t>(slot)];
    if (ch.Number < 1 || ch.Number > kNumberVFO)
      throw EncodeFailure("Number \"" + std::to_string(ch.Number) + "\": not 1.." +
                          std::to_string(kNumberVFO) + " (slot " + std::to_string(slot) + ")");
    const int s = ch.Number - 1;
    try {
      if (ch.InUse == 1) MarkSlotUsed(inUse, s);
      if (ch.ScanSkip == 0) MarkSlotUsed(scanSkip, s);
      // Byte 31 of a record is not the codec's.
      EncodeChannelRecord(ch, ImageArea(rImage, RecordAddress(ch.Number), kChannelRecordBytes - 1));
      if (IsMemoryChannel(ch.Number))
        InField("PttIdCode", ch.PttIdCode.Display(), [&] {
          EncodePttIdCode(ch, ImageArea(rImage, kPttIdCodesAt + kPttIdCodeBytes * static_cast<std::size_t>(s),
                                        kPttIdCodeBytes));
        });
    } catch (const EncodeFailure& e) {
      throw EncodeFailure(e.what(), ch.Number);
    }
  }
}

void DecodeChannels(AppState& rState, const RadioImage& rImage) {
  Codeplug& plug = rState.Current;
  for (int i = 0; i < 4; ++i) {
    const double limit = BandLimitOf(GetBcd8(rImage, kBandLimitsAt + 4 * static_cast<std::size_t>(i)), i);
    (i == 0 ? plug.MinRxFreq : i == 1 ? plug.MaxRxFreq : i == 2 ? plug.MinTxFreq : plug.MaxTxFreq) = limit;
  }

  // Every decoded channel starts from the default channel record, so that nothing of
  // what the table held before the read survives in the fields the radio does not keep.
  CreateDefaultChannel(plug, rState.Channels);
  const ChannelRecord blank = rState.Channels[0];
  rState.Channels.fill(ChannelRecord{});
  plug.ChannelCount = 0;

  for (std::size_t s = 0; s < kChannelSlots; ++s) {
    const int slot = static_cast<int>(s);
    if (s < kVfoSlot && IsSlotFree(rImage, kInUseMap, slot)) continue;
    const int number = slot + 1;
    const std::size_t at = RecordAddress(number);
    const std::string rx = GetBcd8(rImage, at);
    if (!IsDecimalText(rx)) continue;  // not numeric counts as FFFFFFFF: no channel

    ChannelRecord& ch = rState.Channels[static_cast<std::size_t>(plug.ChannelCount++)];
    ch = blank;
    ch.Number = static_cast<Int16>(number);
    ch.InUse = 1;
    if (s < kVfoSlot) ch.ScanSkip = IsSlotFree(rImage, kScanSkipMap, slot) ? 1 : 0;
    DecodeChannelRecord(rImage, at, ch);
    if (IsMemoryChannel(number))
      ch.PttIdCode.Assign(DecodePttIdCode(rImage, kPttIdCodesAt + kPttIdCodeBytes * s));
  }
}

}  // namespace px
