#include "app/bands.h"

#include <algorithm>
#include <numeric>
#include <utility>

#include "codeplug/number_text.h"
#include "codeplug/text_formats.h"

namespace px {

namespace {

constexpr std::array<std::string_view, kBandCount> kBandTexts{
    "Rx(26 - 45.9950 MHz) Tx(26 - 45.9950 MHz)",
    "Rx(33 - 42.9950 MHz) Tx(33 - 42.9950 MHz)",
    "Rx(136 - 173.99750 MHz) Tx(144 - 145.99750 MHz)",
    "Rx(136 - 173.99750 MHz) Tx(136 - 173.99750 MHz)",
    "Rx(144 - 145.99750 MHz) Tx(144 - 145.99750 MHz)",
    "Rx(136 - 173.99750 MHz) Tx(144 - 147.99750 MHz)",
    "Rx(144 - 147.99750 MHz) Tx(144 - 147.99750 MHz)",
    "Rx(136 - 173.99750 MHz) Tx(136 - 173.99750 MHz)",
    "Rx(245 - 245.9875 MHz) Tx(245 - 245.9875 MHz)",
    "Rx(220 - 259.9950 MHz) Tx(220 - 259.9950 MHz)",
    "Rx(200 - 229.9950 MHz) Tx(200 - 229.9950 MHz)",
    "Rx(230 - 249.9950 MHz) Tx(230 - 249.9950 MHz)",
    "Rx(200 - 299.9950 MHz) Tx(200 - 299.9950 MHz)",
    "Rx(200 - 299.9950 MHz) Tx(200 - 299.9950 MHz)",
    "Rx(216 - 279.9950 MHz) Tx(222 - 224.9950 MHz)",
    "Rx(216 - 279.9950 MHz) Tx(220 - 259.9950 MHz)",
    "Rx(300 - 399.9950 MHz) Tx(300 - 399.9950 MHz)",
    "Rx(350 - 369.9950 MHz) Tx(350 - 369.9950 MHz)",
    "Rx(350 - 389.9950 MHz) Tx(350 - 389.9950 MHz)",
    "Rx(300 - 399.9950 MHz) Tx(300 - 399.9950 MHz)",
    "Rx(300 - 399.9950 MHz) Tx(300 - 399.9950 MHz)",
    "Rx(300 - 399.9950 MHz) Tx(300 - 399.9950 MHz)",
    "Rx(300 - 399.9950 MHz) Tx(300 - 399.9950 MHz)",
    "Rx(300 - 399.9950 MHz) Tx(300 - 399.9950 MHz)",
    "Rx(400 - 469.9950 MHz) Tx(400 - 469.9950 MHz)",
    "Rx(400 - 489.9950 MHz) Tx(400 - 489.9950 MHz)",
    "Rx(430 - 439.9950 MHz) Tx(430 - 439.9950 MHz)",
    "Rx(420 - 449.9950 MHz) Tx(420 - 449.9950 MHz)",
    "Rx(350 - 511.9950 MHz) Tx(400 - 489.9950 MHz)",
    "Rx(440 - 511.9950 MHz) Tx(440 - 511.9950 MHz)",
    "Rx(410 - 429.9950 MHz) Tx(410 - 429.9950 MHz)",
    "Rx(400 - 429.9950 MHz) Tx(400 - 429.9950 MHz)",
};

constexpr std::array<BandRange, kBandRangeCount> kBandRanges{{
    {136, 174, 136, 174},
    {180, 240, 180, 240},
    {216, 280, 220, 260},
    {350, 390, 350, 390},
    {400, 490, 400, 490},
}};

std::string RangeText(double rLow, double rHigh) {
  return FormatPlainNumber(rLow) + " - " + FormatPlainNumber(rHigh) + " MHz";
}

bool HasFrequency(std::string_view rStored) {
  const std::string text = TrimFixedText(rStored);
  return !text.empty() && text != "FFFFFFFFF";
}

bool IsStoredNumber(std::string_view rStored) {
  const std::string text = TrimFixedText(rStored);
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::int64_t UnitsOfText(std::string_view rText) { return FreqToUnits(NumberValue(rText)); }

// Steps 2 and 3 for one channel: receive into the band, transmit re-derived from it.
void ApplyLimitsToChannel(ChannelRecord& rChannel, const FormatContext& rCtx) {
  if (!HasFrequency(rChannel.RxFreq.Raw())) return;  // an empty channel stays empty
  const std::string rx = ParseRxFreq(ToDisplayFreq(rChannel.RxFreq.Raw(), rCtx), false, rCtx);
  rChannel.RxFreq.Assign(ToStoredFreq(rx));
  if (!IsStoredNumber(rChannel.OffsetFreq.Raw())) return;

  const std::int64_t rxUnits = UnitsOfText(rx);
  const std::int64_t offsetUnits = UnitsOfText(ToDisplayOffset(rChannel.OffsetFreq.Raw(), rCtx));
  std::int64_t txUnits = rxUnits;
  if (rChannel.OffsetDirection == 1) txUnits -= offsetUnits;
  if (rChannel.OffsetDirection == 2) txUnits += offsetUnits;
  const std::int64_t checked = UnitsOfText(ParseTxFreq(UnitsToFreqText(txUnits), false, rCtx));

  const int direction = checked == rxUnits ? 0 : (checked < rxUnits ? 1 : 2);
  const std::int64_t distance = checked < rxUnits ? rxUnits - checked : checked - rxUnits;
  const std::string offset = FormatDistanceText(NumberValue(UnitsToFreqText(distance)));
  rChannel.OffsetDirection = static_cast<Int16>(direction);
  rChannel.OffsetFreq.Assign(ToStoredFreq(ComputeOffset(offset, rx, direction, rCtx)));
}

}  // namespace

std::string ProductNameOf(std::string_view rModel) {
  return rModel == kModelString ? std::string(kProductName) : std::string();
}

std::string_view BandText(int rIndex) {
  if (rIndex < 0 || rIndex >= kBandCount) return {};
  return kBandTexts[static_cast<std::size_t>(rIndex)];
}

const std::vector<std::string>& BandTexts() {
  static const std::vector<std::string> kTexts(kBandTexts.begin(), kBandTexts.end());
  return kTexts;
}

BandRange BandRangeOf(int rRange) {
  if (rRange < 1 || rRange > kBandRangeCount) rRange = 1;
  return kBandRanges[static_cast<std::size_t>(rRange - 1)];
}

std::string JustSingleFre(std::string_view rData, double rLower, double rUpper, int rType) {
  const auto value = ParseNumber(rData);
  if (value && *value >= rLower && *value <= rUpper) return FormatLimitText(*value);
  return FormatLimitText(rType == 0 ? rLower : rUpper);
}

void JustBandFre(std::string& rMinRxFre, std::string& rMaxRxFre, std::string& rMinTxFre,
                 std::string& rMaxTxFre, int rBand) {
  const BandRange range = BandRangeOf(rBand);
  rMinRxFre = JustSingleFre(rMinRxFre, range.MinRx, range.MaxRx, 0);
  rMaxRxFre = JustSingleFre(rMaxRxFre, range.MinRx, range.MaxRx, 1);
  rMinTxFre = JustSingleFre(rMinTxFre, range.MinTx, range.MaxTx, 0);
  rMaxTxFre = JustSingleFre(rMaxTxFre, range.MinTx, range.MaxTx, 1);
}

int IsFre(std::string& rMinRxFre, std::string& rMaxRxFre, std::string& rMinTxFre,
          std::string& rMaxTxFre) {
  std::array<int, kBandRangeCount + 1> counts{};
  const auto count = [&counts](const std::string& rText, bool rTransmit) {
    const auto value = ParseNumber(rText);
    bool inAny = false;
    for (int r = 1; value && r <= kBandRangeCount; ++r) {
      const BandRange range = BandRangeOf(r);
      const double low = rTransmit ? range.MinTx : range.MinRx;
      const double high = rTransmit ? range.MaxTx : range.MaxRx;
      if (*value >= low && *value <= high) {
        ++counts[static_cast<std::size_t>(r)];
        inAny = true;
      }
    }
    if (!inAny) ++counts[0];
  };
  count(rMinRxFre, false);
  count(rMaxRxFre, false);
  count(rMinTxFre, true);
  count(rMaxTxFre, true);

  std::array<int, kBandRangeCount + 1> ranking{};
  std::iota(ranking.begin(), ranking.end(), 0);
  std::stable_sort(ranking.begin(), ranking.end(), [&counts](int a, int b) {
    return counts[static_cast<std::size_t>(a)] > counts[static_cast<std::size_t>(b)];
  });
  const int chosen = ranking[0] == 0 ? ranking[1] : ranking[0];
  JustBandFre(rMinRxFre, rMaxRxFre, rMinTxFre, rMaxTxFre, chosen);
  return chosen;
}

void RebuildBandTexts(AppState& rState) {
  const Codeplug& plug = rState.Current;
  BandState& band = rState.Band;
  band.RxRangeText = RangeText(plug.MinRxFreq, plug.MaxRxFreq);
  band.TxRangeText = RangeText(plug.MinTxFreq, plug.MaxTxFreq);
  band.Text = "Rx(" + band.RxRangeText + ") Tx(" + band.TxRangeText + ")";
  band.Limits = BandLimits{plug.MinRxFreq, plug.MaxRxFreq, plug.MinTxFreq, plug.MaxTxFreq};
}

FormatContext FormatContextOf(const AppState& rState, std::function<void(FormatWarning)> rWarn) {
  return FormatContext{rState.Band.Limits, std::move(rWarn)};
}

void ApplyLimitsToChannels(AppState& rState) {
  RebuildBandTexts(rState);
  const FormatContext ctx = FormatContextOf(rState);  // moving channels is silent
  const int count = std::clamp<int>(rState.Current.ChannelCount, 0, kChannelSlots);
  for (int i = 0; i < count; ++i) ApplyLimitsToChannel(rState.Channels[static_cast<std::size_t>(i)], ctx);
}

void ApplyModelDialogLimits(AppState& rState, std::array<std::string, 4>& rTexts) {
  IsFre(rTexts[0], rTexts[1], rTexts[2], rTexts[3]);
  if (NumberValue(rTexts[0]) > NumberValue(rTexts[1])) std::swap(rTexts[0], rTexts[1]);
  if (NumberValue(rTexts[2]) > NumberValue(rTexts[3])) std::swap(rTexts[2], rTexts[3]);
  Codeplug& plug = rState.Current;
  plug.MinRxFreq = NumberValue(rTexts[0]);
  plug.MaxRxFreq = NumberValue(rTexts[1]);
  plug.MinTxFreq = NumberValue(rTexts[2]);
  plug.MaxTxFreq = NumberValue(rTexts[3]);
  ApplyLimitsToChannels(rState);
}

}  // namespace px
