#include "codeplug/text_formats.h"

#include <algorithm>
#include <limits>
#include <optional>

#include "codeplug/number_text.h"

namespace px {

namespace {

// Ten thousand million MHz: far beyond any band, small enough that differences of two
// unit counts never overflow, whatever a damaged file puts into the limits.
constexpr std::int64_t kUnitsLimit = 1'000'000'000'000'000;
constexpr std::int64_t kMaxStoredUnits = 999'999'999;
constexpr std::string_view kNoFrequency = "FFFFFFFFF";

// A stored frequency as a number of MHz: its first four characters, ".", the rest.
// Numeric is the one test the whole program uses (blanks and a sign allowed); a text
// that is not, whose spliced form is not, or whose value is negative is damaged.
std::optional<double> StoredFreqValue(const std::string& rStored) {
  if (!IsNumeric(rStored)) return std::nullopt;
  const std::string text = rStored.substr(0, 4) + "." + rStored.substr(std::min<std::size_t>(4, rStored.size()));
  const auto value = ParseNumber(text);
  if (!value || *value < 0) return std::nullopt;
  return value;
}

std::string PaddedDecimal(std::uint64_t rValue, std::size_t rWidth) {
  std::string digits = std::to_string(rValue);
  if (digits.size() < rWidth) digits.insert(0, rWidth - digits.size(), '0');
  return digits;
}

std::string ParseFreq(std::string_view rText, bool rWarn, const FormatContext& rCtx,
                      double rLowest, double rHighest) {
  const auto value = ParseNumber(rText);
  double result = rLowest;
  if (value && *value >= rLowest) {
    if (*value <= rHighest) {
      return UnitsToFreqText(RasterCorrectUnits(FreqToUnits(*value), FreqToUnits(rLowest)));
    }
    result = rHighest;
  }
  if (rWarn) rCtx.Raise(FormatWarning::OutOfBand);
  return UnitsToFreqText(FreqToUnits(result));
}

bool IsHexLetter(char c) { return c >= 'A' && c <= 'F'; }

// The repeat-digit walk over an already prepared text. rKeepAniSeparator copies the
// 6th and 7th characters unchanged (an 11-character ANI code).
std::string WalkRepeatDigits(std::string_view rText, bool rKeepAniSeparator) {
  if (rText.empty()) return {};
  const bool longCall = rText.starts_with("E1");
  std::string out(1, rText.front());
  for (std::size_t i = 2; i <= rText.size(); ++i) {  // 1-based positions
    const char c = rText[i - 1];
    const bool keep = (longCall && i > 8) || (rKeepAniSeparator && (i == 6 || i == 7));
    out.push_back(!keep && c == out.back() ? 'E' : c);
  }
  return out;
}

}  // namespace

// ---- Frequencies -------------------------------------------------------------------

std::int64_t FreqToUnits(double rMhz) {
  return std::clamp(RoundScaled(rMhz, 5), -kUnitsLimit, kUnitsLimit);
}

std::string UnitsToFreqText(std::int64_t rUnits) {
  // Negated as unsigned so that even the most negative count has a magnitude.
  const std::uint64_t magnitude = rUnits < 0 ? 0 - static_cast<std::uint64_t>(rUnits)
                                             : static_cast<std::uint64_t>(rUnits);
  std::string out = rUnits < 0 ? "-" : "";
  out += PaddedDecimal(magnitude / kUnitsPerMhz, 3);
  out += '.';
  out += PaddedDecimal(magnitude % kUnitsPerMhz, 5);
  return out;
}

std::string ToStoredFreq(std::string_view rText) {
  const auto value = ParseNumber(rText);
  if (!value) return {};
  const std::int64_t units = std::clamp<std::int64_t>(FreqToUnits(*value), 0, kMaxStoredUnits);
  return PaddedDecimal(static_cast<std::uint64_t>(units), 9);
}

std::string ToDisplayFreq(std::string_view rStored, const FormatContext& rCtx) {
  const std::string stored = TrimFixedText(rStored);
  if (stored.empty() || stored == kNoFrequency) return {};
  const auto value = StoredFreqValue(stored);
  if (!value) {
    rCtx.Raise(FormatWarning::NotNumeric);
    return FormatPlainNumber(rCtx.Limits.MinRx);
  }
  return FormatFreqText(*value);
}

std::string ToDisplayOffset(std::string_view rStored, const FormatContext& rCtx) {
  const std::string stored = TrimFixedText(rStored);
  if (stored.empty() || stored == kNoFrequency) return "0.00000";
  const auto value = StoredFreqValue(stored);
  if (!value) {
    rCtx.Raise(FormatWarning::NotNumeric);
    return "0.00000";
  }
  return FormatOffsetText(*value);
}

std::int64_t RasterCorrectUnits(std::int64_t rUnits, std::int64_t rLowestUnits) {
  const auto floorMod = [](std::int64_t a, std::int64_t m) { return ((a % m) + m) % m; };
  const std::int64_t d = rUnits - rLowestUnits;
  const std::int64_t in25k = floorMod(d, 2500);
  if (floorMod(d, 250) != 0 && floorMod(d, 625) != 0 && in25k % 833 != 0) {
    return rUnits - floorMod(d, 250);
  }
  if (in25k == 2499) return rUnits + 1;
  return rUnits;
}

double RasterCorrect(double rMhz, double rLowestMhz) {
  const std::int64_t units = RasterCorrectUnits(FreqToUnits(rMhz), FreqToUnits(rLowestMhz));
  return NumberValue(UnitsToFreqText(units));
}

std::string ParseRxFreq(std::string_view rText, bool rWarn, const FormatContext& rCtx) {
  return ParseFreq(rText, rWarn, rCtx, rCtx.Limits.MinRx, rCtx.Limits.MaxRx);
}

std::string ParseTxFreq(std::string_view rText, bool rWarn, const FormatContext& rCtx) {
  return ParseFreq(rText, rWarn, rCtx, rCtx.Limits.MinTx, rCtx.Limits.MaxTx);
}

std::string ComputeOffset(std::string_view rOffset, std::string_view rRx, int rDirection,
                          const FormatContext& rCtx) {
  const auto offset = ParseNumber(rOffset);
  const auto rx = ParseNumber(rRx);
  if (!offset || !rx) return "000.00000";
  const std::int64_t rxUnits = FreqToUnits(*rx);
  const std::int64_t offsetUnits = FreqToUnits(*offset);
  const bool below = rDirection == 1;
  const std::int64_t txUnits = below ? rxUnits - offsetUnits : rxUnits + offsetUnits;
  const std::int64_t checked = FreqToUnits(NumberValue(ParseTxFreq(UnitsToFreqText(txUnits), true, rCtx)));
  return UnitsToFreqText(below ? rxUnits - checked : checked - rxUnits);
}

// ---- Lists of the channel page -------------------------------------------------------

const std::vector<std::string>& ChannelStepTexts() {
  static const std::vector<std::string> kTexts{"2.5K", "5K",  "6.25K", "8.33K", "10K",
                                               "12.5K", "20K", "25K",  "30K",   "50K"};
  return kTexts;
}

const std::vector<std::string>& BandwidthTexts() {
  static const std::vector<std::string> kTexts{"25KHz", "20KHz", "12.5KHz"};
  return kTexts;
}

const std::vector<std::string>& CtcssTexts() {
  static const std::vector<std::string> kTexts{
      "62.5",  "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",
      "88.5",  "91.5",  "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8",
      "118.8", "123.0", "127.3", "131.8", "136.5", "141.3", "146.2", "151.4", "156.7",
      "159.8", "162.2", "165.5", "167.9", "171.3", "173.8", "177.3", "179.9", "183.5",
      "186.2", "189.9", "192.8", "196.6", "199.5", "203.5", "206.5", "210.7", "218.1",
      "225.7", "229.1", "233.6", "241.8", "250.3", "254.1"};
  return kTexts;
}

std::string DcsCodeText(int rCode) {
  if (rCode < 0 || rCode > 511) return "000";
  std::string text(3, '0');
  for (int i = 2; i >= 0; --i) {
    text[static_cast<std::size_t>(i)] = static_cast<char>('0' + (rCode & 7));
    rCode >>= 3;
  }
  return text;
}

const std::vector<std::string>& DcsCodeTexts() {
  static const std::vector<std::string> kTexts = [] {
    std::vector<std::string> texts;
    for (int code = 0; code <= 511; ++code) texts.push_back(DcsCodeText(code));
    return texts;
  }();
  return kTexts;
}

// ---- Digit texts ---------------------------------------------------------------------

std::string DtmfToStored(std::string_view rText) {
  std::string out(rText);
  for (char& c : out) {
    if (c == '*') c = 'E';
    else if (c == '#') c = 'F';
  }
  return out;
}

std::string DtmfToDisplay(std::string_view rText) {
  std::string out(rText);
  for (char& c : out) {
    if (c == 'E') c = '*';
    else if (c == 'F') c = '#';
  }
  return out;
}

std::string InsertRepeatDigits(std::string_view rCode, std::string_view rContext) {
  std::string text = TrimFixedText(rCode);
  if (text.empty()) return {};
  const bool withContext = !rContext.empty() && rContext != "X";
  if (withContext) text.insert(text.begin(), rContext.front());
  std::string out = WalkRepeatDigits(text, false);
  if (withContext) out.erase(0, 1);
  return out;
}

bool EndsWithOwnId(std::string_view rCode, std::string_view rOwnId) {
  const std::string code = TrimFixedText(rCode);
  const std::string ownId = TrimFixedText(rOwnId);
  const std::size_t n = code.size();
  if (n <= 9) return false;
  if (code.ends_with("SelfID")) return n == 11 || (n == 12 && IsHexLetter(code[5]));
  if (ownId.size() != 5) return false;
  const std::string_view last5 = std::string_view(code).substr(n - 5);
  const bool matches = last5 == ownId || last5 == InsertRepeatDigits(ownId, "X") ||
                       last5 == InsertRepeatDigits(ownId, std::string_view(&code[n - 6], 1));
  if (!matches) return false;
  return n == 10 || (n == 11 && IsHexLetter(code[5]));
}

std::string EncodeFiveToneCode(std::string_view rCode, std::string_view rOwnId) {
  const std::string code = TrimFixedText(rCode);
  const bool aniWithSeparator = code.size() == 11 && EndsWithOwnId(code, rOwnId);
  return WalkRepeatDigits(code, aniWithSeparator);
}

std::string Mid5ToneNoE(std::string_view rCode, int rStart, int rLen) {
  std::string out;
  for (int i = 0; i < rLen; ++i) {
    const long long position = static_cast<long long>(rStart) + i;  // 1-based
    if (position < 1 || position > static_cast<long long>(rCode.size())) continue;
    const auto at = static_cast<std::size_t>(position - 1);
    out.push_back(rCode[at] == 'E' && at > 0 ? rCode[at - 1] : rCode[at]);
  }
  return out;
}

// ---- Numbers and names ----------------------------------------------------------------

Byte ByteOf(Int16 rValue) {
  if (rValue < 0) return 255;
  if (rValue > 255) return 0;
  return static_cast<Byte>(rValue);
}

std::string HexByte(Byte rValue) {
  constexpr char kHex[] = "0123456789ABCDEF";
  return {kHex[rValue >> 4], kHex[rValue & 0x0F]};
}

std::int32_t NumberOrDefault(std::string_view rText, std::int32_t rDefault) {
  const auto value = ParseNumber(rText);
  if (!value) return rDefault;
  const std::int64_t whole = RoundToInteger(*value, Rounding::HalfToEven);
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      whole, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

std::string FileNameOf(std::string_view rPath) {
  const std::size_t sep = rPath.find_last_of("\\/");
  return std::string(sep == std::string_view::npos ? rPath : rPath.substr(sep + 1));
}

std::optional<double> FallbackBandLimit(int rIndex) {
  switch (rIndex) {
    case 0:
    case 2:
      return 100.0;
    case 1:
    case 3:
      return 500.0;
    default:
      return std::nullopt;
  }
}

}  // namespace px
