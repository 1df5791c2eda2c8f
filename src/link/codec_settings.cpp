// Key functions, scan, alert and the optional functions.

#include "codeplug/alert_slots.h"
#include "codeplug/scan_slots.h"
#include "link/codec_parts.h"
#include "link/image_bytes.h"

namespace px {
namespace {

// The power-on texts: the text up to its NUL without trailing spaces, then 0x00.
template <std::size_t N>
void EncodePowerOnText(const FixedText<N>& rText, ImageArea rArea) {
  const std::string text = TextUpToNul(rText);
  for (std::size_t i = 0; i < N; ++i)
    rArea.Put(i, i < text.size() ? static_cast<Byte>(text[i]) : Byte{0x00});
}

template <std::size_t N>
void DecodePowerOnText(FixedText<N>& rText, const RadioImage& rImage, std::size_t rAt) {
  AssignWithNul(rText, GetImageText(rImage, rAt, N, true));
}

// Option bytes as offsets from 0x0220, with the OptionValues slot stored there.
struct OptionByte {
  std::size_t Offset;
  std::size_t Slot;
};
constexpr OptionByte kOptionBytes[] = {
    {0x00, OptionSlot::WorkMode},      {0x01, OptionSlot::DisplayMode},
    {0x02, OptionSlot::PowerOnChannel}, {0x03, OptionSlot::SquelchLevel},
    {0x05, OptionSlot::BatterySave},   {0x06, OptionSlot::ChannelDisplay},
    {0x07, OptionSlot::BacklightTime}, {0x08, OptionSlot::MicGain},
    {0x0B, OptionSlot::ToneBurst},     {0x0C, OptionSlot::TimeOutTimer},
    {0x0E, OptionSlot::VoxLevel},      {0x0F, OptionSlot::VoiceLanguage},
    {0x11, OptionSlot::BusyLockout},   {0x14, OptionSlot::KeypadLock},
    {0x15, OptionSlot::PowerOnDisplay}};

}  // namespace

void EncodeKeyFunctions(const Codeplug& rPlug, RadioImage& rImage) {
  ImageArea area(rImage, kKeyFunctionsAt, KeySlot::Count);
  const auto& keys = rPlug.Settings.KeyFunctions;
  for (std::size_t i = 0; i < keys.size(); ++i) area.Put(i, keys[i]);
}

void DecodeKeyFunctions(Codeplug& rPlug, const RadioImage& rImage) {
  auto& keys = rPlug.Settings.KeyFunctions;
  for (std::size_t i = 0; i < keys.size(); ++i) keys[i] = rImage[kKeyFunctionsAt + i];
}

void EncodeScan(const Codeplug& rPlug, RadioImage& rImage) {
  ImageArea area(rImage, kScanAt, ScanSlot::Count);
  const auto& bytes = rPlug.Settings.Scan;
  for (std::size_t i = ScanSlot::Mode; i < ScanSlot::Group1; ++i) area.Put(i, bytes[i]);
  // The groups and priority channels are kept by the radio one below the value.
  for (std::size_t i = ScanSlot::Group1; i < ScanSlot::Count; ++i) area.Put(i, ToRadioByte(bytes[i] - 1));
}

void DecodeScan(Codeplug& rPlug, const RadioImage& rImage) {
  auto& bytes = rPlug.Settings.Scan;
  for (std::size_t i = ScanSlot::Mode; i < ScanSlot::Group1; ++i) bytes[i] = rImage[kScanAt + i];
  for (std::size_t i = ScanSlot::Group1; i < ScanSlot::Count; ++i)
    bytes[i] = FromRadioByteMinusOne(rImage[kScanAt + i]);
}

namespace {
// The alert bytes lie in order from 0x03A0, with one unused byte before the channel.
std::size_t AlertImageOffset(std::size_t rSlot) { return rSlot < AlertSlot::Channel ? rSlot : rSlot + 1; }
}  // namespace

void EncodeAlert(const Codeplug& rPlug, RadioImage& rImage) {
  ImageArea area(rImage, kAlertAt, AlertSlot::Count + 1);
  const auto& bytes = rPlug.Settings.Alert;
  for (std::size_t i = 0; i < AlertSlot::Count; ++i) {
    const Byte value = i == AlertSlot::Channel ? ToRadioByte(bytes[i] - 1) : bytes[i];
    area.Put(AlertImageOffset(i), value);
  }
}

void DecodeAlert(Codeplug& rPlug, const RadioImage& rImage) {
  auto& bytes = rPlug.Settings.Alert;
  for (std::size_t i = 0; i < AlertSlot::Count; ++i) {
    const Byte value = rImage[kAlertAt + AlertImageOffset(i)];
    bytes[i] = i == AlertSlot::Channel ? FromRadioByteMinusOne(value) : value;
  }
}

void EncodeOptions(const Codeplug& rPlug, RadioImage& rImage) {
  const OptionSettings& options = rPlug.Settings.Options;
  const auto& v = options.OptionValues;
  const DtmfSettings& dtmf = rPlug.Settings.Dtmf;
  ImageArea area(rImage, kOptionsAt, 0x19);
  for (const OptionByte& b : kOptionBytes) area.Put(b.Offset, ByteField(v[b.Slot]));
  area.Put(0x09, 0);
  area.Put(0x0A, 0);
  area.Put(0x0D, 0);
  // The switches share two bytes; a value other than 0 or 1 would spill into the next bit.
  area.Put(0x10, static_cast<Byte>(BitField(v[OptionSlot::FmRadio], 1) |
                                   BitField(v[OptionSlot::LowBatteryAlert], 1) << 1 |
                                   BitField(dtmf.AniOn, 1) << 2));
  area.Put(0x12, ByteField(dtmf.DigitTimeIndex));
  area.Put(0x13, static_cast<Byte>(BitField(v[OptionSlot::KeyBeep], 1) |
                                   BitField(v[OptionSlot::VoicePrompt], 1) << 1 |
                                   BitField(v[OptionSlot::RogerBeep], 1) << 3));
  area.Put(0x18, ByteField(options.OptionValue24));

  EncodePowerOnText(options.PowerOnMessage, ImageArea(rImage, kPowerOnMessageAt, 7));
  EncodePowerOnText(options.PowerOnPassword, ImageArea(rImage, kPowerOnPasswordAt, 6));
}

void DecodeOptions(Codeplug& rPlug, const RadioImage& rImage) {
  OptionSettings& options = rPlug.Settings.Options;
  auto& v = options.OptionValues;
  const auto at = [&rImage](std::size_t rOffset) { return rImage[kOptionsAt + rOffset]; };
  for (const OptionByte& b : kOptionBytes) v[b.Slot] = at(b.Offset);
  if (v[OptionSlot::ChannelDisplay] > 1) v[OptionSlot::ChannelDisplay] = 0;
  v[OptionSlot::FmRadio] = at(0x10) & 1;
  v[OptionSlot::LowBatteryAlert] = (at(0x10) >> 1) & 1;
  rPlug.Settings.Dtmf.AniOn = (at(0x10) >> 2) & 1;
  rPlug.Settings.Dtmf.DigitTimeIndex = at(0x12);
  v[OptionSlot::KeyBeep] = at(0x13) & 1;
  v[OptionSlot::VoicePrompt] = (at(0x13) >> 1) & 1;
  v[OptionSlot::RogerBeep] = (at(0x13) >> 3) & 1;
  options.OptionValue24 = at(0x18);

  DecodePowerOnText(options.PowerOnMessage, rImage, kPowerOnMessageAt);
  DecodePowerOnText(options.PowerOnPassword, rImage, kPowerOnPasswordAt);
}

}  // namespace px
