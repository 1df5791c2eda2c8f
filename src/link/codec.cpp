#include "link/codec.h"

#include "app/bands.h"
#include "edit/codeplug_ops.h"
#include "link/codec_parts.h"

namespace px {
namespace {

struct Encoder {
  const char* Message;  // told when the encoder fails
  void (*Run)(AppState& rState, RadioImage& rImage);
};

// The radio's order. The first four have no failure of their own but share the channel
// encoder's message, should one ever occur.
constexpr Encoder kEncoders[] = {
    {"SetCommDataByFrequencyError",
     [](AppState& s, RadioImage& i) { EncodeKeyFunctions(s.Current, i); }},
    {"SetCommDataByFrequencyError", [](AppState& s, RadioImage& i) { EncodeScan(s.Current, i); }},
    {"SetCommDataByFrequencyError", [](AppState& s, RadioImage& i) { EncodeAlert(s.Current, i); }},
    {"SetCommDataByFrequencyError",
     [](AppState& s, RadioImage& i) { EncodeChannels(s.Current, s.Channels, i); }},
    {"SetCommDataByOptionError", [](AppState& s, RadioImage& i) { EncodeOptions(s.Current, i); }},
    {"SetCommDataBy5ToneError", [](AppState& s, RadioImage& i) { EncodeFiveTone(s.Current, i); }},
    {"SetCommDataBy2ToneError", [](AppState& s, RadioImage& i) { EncodeTwoTone(s.Current, i); }},
    {"SetCommDataByDTMFError", [](AppState& s, RadioImage& i) { EncodeDtmf(s.Current, i); }},
    {"SetCommDataByDTMFCommuBookError",
     [](AppState& s, RadioImage& i) { EncodeBook(s.Current, i); }},
};

}  // namespace

bool EncodeCodeplug(AppState& rState, RadioImage& rImage, UserInterface& rUi) {
  PreFillImage(rImage);
  for (const Encoder& encoder : kEncoders) {
    try {
      encoder.Run(rState, rImage);
    } catch (const EncodeFailure&) {
      rUi.Tell(encoder.Message, MsgIcon::None);
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
