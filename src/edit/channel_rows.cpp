#include "edit/channel_rows.h"

#include "app/bands.h"
#include "app/language.h"
#include "codeplug/list_helpers.h"
#include "codeplug/number_text.h"
#include "codeplug/text_formats.h"
#include "edit/channel_choices.h"

namespace px {
namespace {

// A language text, or rFallback when the language files are not installed.
std::string TextOr(const AppState& rState, int rId, const std::string& rFallback) {
  std::string text = LangText(rState, rId);
  return text.empty() ? rFallback : text;
}

std::string Header(const AppState& rState, int rFirst, int rSecond, const char* rFallback,
                   const std::string& rLineBreak) {
  std::string text = LangText(rState, rFirst);
  // A line break inside a text would break a one-line table.
  if (rLineBreak.find('\n') == std::string::npos) {
    for (char& c : text)
      if (c == '\r' || c == '\n') c = ' ';
  }
  if (rSecond) {
    std::string second = LangText(rState, rSecond);
    if (!text.empty() && !second.empty()) text += rLineBreak;
    text += second;
  }
  return text.empty() ? rFallback : text;
}

std::string ToneText(const AppState& rState, int rType, int rCtcss, int rDcs, int rInvert) {
  if (rType == 1) {
    const auto& tones = CtcssTexts();
    if (rCtcss > 51 || rCtcss < 0) rCtcss = 0;
    return rCtcss < static_cast<int>(tones.size()) ? tones[static_cast<std::size_t>(rCtcss)] : "";
  }
  if (rType == 2) {
    if (rDcs > 511 || rDcs < 0) rDcs = 0;
    return "D" + DcsCodeText(rDcs) + (rInvert >= 1 ? "I" : "N");
  }
  return TextOr(rState, 1206, "-");
}

}  // namespace

std::string RowLabelOf(int rNumber) {
  if (IsMemoryChannel(rNumber)) return std::to_string(rNumber - 1);
  if (rNumber == kNumberPA) return "PA";
  if (rNumber == kNumberPB) return "PB";
  if (rNumber == kNumberVFO) return "VFO";
  return "";
}

ChannelRowTexts ChannelHeaderTexts(const AppState& rState, const std::string& rLineBreak) {
  const std::string& br = rLineBreak;
  return {Header(rState, 3006, 0, "CH", br),          Header(rState, kTextRxFrequency, 0, "RX freq", br),
          Header(rState, kTextTxFrequency, 0, "TX freq", br),     Header(rState, 1103, 0, "Name", br),
          Header(rState, 1104, 0, "Step", br),        Header(rState, 1106, 0, "Bandwidth", br),
          Header(rState, 1108, 0, "Spare2", br),      Header(rState, 1109, 0, "Power", br),
          Header(rState, 1107, 1112, "Decode", br),   Header(rState, 1107, 1113, "Encode", br),
          Header(rState, 1110, 0, "Signalling", br)};
}

std::string TransmitDisplayText(const ChannelRecord& rChannel, const std::string& rRxText,
                                const FormatContext& rCtx) {
  const std::string offset = ToDisplayOffset(rChannel.OffsetFreq.Raw(), rCtx);
  const int direction = rChannel.OffsetDirection;
  // Without a receive frequency there is nothing to offset from.
  if (offset.empty() || rRxText.empty() || (direction != 1 && direction != 2)) return rRxText;
  const double rx = NumberValue(rRxText);
  const double off = NumberValue(offset);
  return FormatLimitText(direction == 1 ? rx - off : rx + off);
}

ChannelRowTexts ChannelRowOf(const AppState& rState, const ChannelRecord& rChannel,
                             bool* rNotNumeric) {
  bool notNumeric = false;
  const FormatContext ctx = FormatContextOf(rState, [&notNumeric](FormatWarning rWarning) {
    if (rWarning == FormatWarning::NotNumeric) notNumeric = true;
  });
  ChannelRowTexts row;
  row[kColLabel] = RowLabelOf(rChannel.Number);
  row[kColRx] = ToDisplayFreq(rChannel.RxFreq.Raw(), ctx);

  row[kColTx] = TransmitDisplayText(rChannel, row[kColRx], ctx);

  row[kColName] = rChannel.Name.Display();
  row[kColStep] = ListItemAt(ChannelStepTexts(), rChannel.StepIndex);
  static const TextList kBandwidths = {"25K", "20K", "12.5K"};
  row[kColBandwidth] = rChannel.BandwidthIndex >= 0 && rChannel.BandwidthIndex <= 2
                           ? kBandwidths[static_cast<std::size_t>(rChannel.BandwidthIndex)]
                           : "20K";
  const int spare2 = rChannel.Spare2 == 1 ? 1 : 0;
  row[kColSpare2] = TextOr(rState, 1202 + spare2, std::to_string(spare2));
  // The grid shows a stored value outside the list as the first entry.
  row[kColPower] = ChoiceTextOfStored(rState, TxPowerChoices(), rChannel.TxPowerIndex);
  row[kColDecode] = ToneText(rState, rChannel.ToneTypeB, rChannel.CtcssIndexB, rChannel.DcsIndexB,
                             rChannel.DcsInvertB);
  row[kColEncode] = ToneText(rState, rChannel.ToneTypeA, rChannel.CtcssIndexA, rChannel.DcsIndexA,
                             rChannel.DcsInvertA);
  switch (rChannel.SignallingType) {
    case 1: row[kColSignalling] = "DTMF M" + std::to_string(rChannel.DtmfCodeIndex + 1); break;
    case 2: row[kColSignalling] = "2tone " + std::to_string(rChannel.TwoToneEntryNumber); break;
    case 3: row[kColSignalling] = "5tone " + std::to_string(rChannel.FiveToneEntryNumber); break;
    default: row[kColSignalling] = TextOr(rState, 1206, "-");
  }
  if (rNotNumeric) *rNotNumeric = notNumeric;
  return row;
}

}  // namespace px
