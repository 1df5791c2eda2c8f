#include "link/codec.h"

#include "app/bands.h"
#include "app/language.h"
#include "edit/channel_rows.h"
#include "edit/codeplug_ops.h"
#include "link/codec_parts.h"

namespace px {
namespace {

struct Encoder {
  const char* Message;  // told when the encoder fails
  const char* Page[2];  // what it encodes, English and Chinese
  void (*Run)(AppState& rState, RadioImage& rImage);
};

// The radio's order. The first four have no failure of their own but share the channel
// encoder's message, should one ever occur.
constexpr Encoder kEncoders[] = {
    {"SetCommDataByFrequencyError", {"Key functions", "按键功能"},
     [](AppState& s, RadioImage& i) { EncodeKeyFunctions(s.Current, i); }},
    {"SetCommDataByFrequencyError", {"Scan", "扫描"},
     [](AppState& s, RadioImage& i) { EncodeScan(s.Current, i); }},
    {"SetCommDataByFrequencyError", {"Alert", "告警"},
     [](AppState& s, RadioImage& i) { EncodeAlert(s.Current, i); }},
    {"SetCommDataByFrequencyError", {"Channels", "信道"},
     [](AppState& s, RadioImage& i) { EncodeChannels(s.Current, s.Channels, i); }},
    {"SetCommDataByOptionError", {"Optional functions", "可选功能"},
     [](AppState& s, RadioImage& i) { EncodeOptions(s.Current, i); }},
    {"SetCommDataBy5ToneError", {"5-Tone", "五音"},
     [](AppState& s, RadioImage& i) { EncodeFiveTone(s.Current, i); }},
    {"SetCommDataBy2ToneError", {"2-Tone", "两音"},
     [](AppState& s, RadioImage& i) { EncodeTwoTone(s.Current, i); }},
    {"SetCommDataByDTMFError", {"DTMF", "DTMF"},
     [](AppState& s, RadioImage& i) { EncodeDtmf(s.Current, i); }},
    {"SetCommDataByDTMFCommuBookError", {"Communication book", "通讯录"},
     [](AppState& s, RadioImage& i) { EncodeBook(s.Current, i); }},
};

// The routine's name, then where and what: "channel 4" as the grid shows it, or the page.
std::string FailureText(const AppState& rState, const Encoder& rEncoder, const EncodeFailure& rFailure) {
  const bool chinese = rState.LanguageIndex == kChinese;
  std::string where;
  if (rFailure.ChannelNumber != 0)
    where = (chinese ? "信道 " : "Channel ") + RowLabelOf(rFailure.ChannelNumber);
  else
    where = rEncoder.Page[chinese ? 1 : 0];
  return std::string(rEncoder.Message) + "\r\n" + where + (chinese ? "：" : ": ") + rFailure.what();
}

}  // namespace

bool EncodeCodeplug(AppState& rState, RadioImage& rImage, UserInterface& rUi) {
  PreFillImage(rImage);
  for (const Encoder& encoder : kEncoders) {
    try {
      encoder.Run(rState, rImage);
    } catch (const EncodeFailure& e) {
      rUi.Tell(FailureText(rState, encoder, e), MsgIcon::None);
      return false;
    }
  }
  return true;
}

void DecodeCodeplug(AppState& rState, const RadioImage& rImage, EmbeddedInfo& rInfo) {
  ResetToDefaults(rState.Current);
  DecodeChannels(rState, rImage);
  RebuildBandTexts(rState);
  DecodeKeyFunctions(rState.Current, rImage);
  DecodeScan(rState.Current, rImage);
  DecodeAlert(rState.Current, rImage);
  rInfo = DecodeEmbeddedInfo(rImage);
  DecodeOptions(rState.Current, rImage);
  DecodeFiveTone(rState.Current, rImage);
  DecodeTwoTone(rState.Current, rImage);
  DecodeDtmf(rState.Current, rImage);
  DecodeBook(rState.Current, rImage);
}

void DecodeCodeplug(AppState& rState, const RadioImage& rImage) {
  EmbeddedInfo ignored;
  DecodeCodeplug(rState, rImage, ignored);
}

}  // namespace px
