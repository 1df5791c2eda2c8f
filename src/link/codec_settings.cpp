// Key functions, scan, alert and the optional functions.

#include "codeplug/alert_slots.h"
#include "codeplug/scan_slots.h"
#include "edit/alert_rules.h"
#include "edit/key_rules.h"
#include "edit/option_rules.h"
#include "edit/scan_rules.h"
#include "link/codec_fields.h"
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

}  // namespace

void EncodeKeyFunctions(const Codeplug& rPlug, RadioImage& rImage) {
  EncodeFields(KeyFields(), rPlug.Settings.KeyFunctions, ImageArea(rImage, kKeyFunctionsAt, KeySlot::Count));
}

void DecodeKeyFunctions(Codeplug& rPlug, const RadioImage& rImage) {
  DecodeFields(KeyFields(), rImage, kKeyFunctionsAt, rPlug.Settings.KeyFunctions);
}

void EncodeScan(const Codeplug& rPlug, RadioImage& rImage) {
  EncodeFields(ScanFields(), rPlug.Settings.Scan, ImageArea(rImage, kScanAt, ScanSlot::Count));
}

void DecodeScan(Codeplug& rPlug, const RadioImage& rImage) {
  DecodeFields(ScanFields(), rImage, kScanAt, rPlug.Settings.Scan);
}

void EncodeAlert(const Codeplug& rPlug, RadioImage& rImage) {
  EncodeFields(AlertFields(), rPlug.Settings.Alert, ImageArea(rImage, kAlertAt, AlertSlot::Count + 1));
}

void DecodeAlert(Codeplug& rPlug, const RadioImage& rImage) {
  DecodeFields(AlertFields(), rImage, kAlertAt, rPlug.Settings.Alert);
}

void EncodeOptions(const Codeplug& rPlug, RadioImage& rImage) {
  const OptionSettings& options = rPlug.Settings.Options;
  const DtmfSettings& dtmf = rPlug.Settings.Dtmf;
  ImageArea area(rImage, kOptionsAt, 0x19);
  EncodeFields(OptionFields(), options.OptionValues, area);
  area.Put(0x09, 0);
  area.Put(0x0A, 0);
  area.Put(0x0D, 0);
  // The DTMF ANI switch shares its byte with two option switches.
  area.Put(0x10, static_cast<Byte>(area.Get(0x10) | BitField(dtmf.AniOn, 1, "AniOn") << 2));
  area.Put(0x12, ByteField(dtmf.DigitTimeIndex));
  area.Put(0x18, ByteField(options.OptionValue24));

  EncodePowerOnText(options.PowerOnMessage, ImageArea(rImage, kPowerOnMessageAt, 7));
  EncodePowerOnText(options.PowerOnPassword, ImageArea(rImage, kPowerOnPasswordAt, 6));
}

void DecodeOptions(Codeplug& rPlug, const RadioImage& rImage) {
  OptionSettings& options = rPlug.Settings.Options;
  auto& v = options.OptionValues;
  const auto at = [&rImage](std::size_t rOffset) { return rImage[kOptionsAt + rOffset]; };
  DecodeFields(OptionFields(), rImage, kOptionsAt, v);
  if (v[OptionSlot::ChannelDisplay] > 1) v[OptionSlot::ChannelDisplay] = 0;
  rPlug.Settings.Dtmf.AniOn = (at(0x10) >> 2) & 1;
  rPlug.Settings.Dtmf.DigitTimeIndex = at(0x12);
  options.OptionValue24 = at(0x18);

  DecodePowerOnText(options.PowerOnMessage, rImage, kPowerOnMessageAt);
  DecodePowerOnText(options.PowerOnPassword, rImage, kPowerOnPasswordAt);
}

}  // namespace px
