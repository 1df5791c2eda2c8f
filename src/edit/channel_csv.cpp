#include "edit/channel_csv.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <optional>
#include <set>

#include "app/bands.h"
#include "codeplug/fixed_text.h"
#include "app/language.h"
#include "app/text_fill.h"
#include "codeplug/csv_text.h"
#include "codeplug/number_text.h"
#include "codeplug/text_formats.h"
#include "edit/channel_choices.h"
#include "edit/channel_clipboard.h"
#include "edit/channel_edit_rules.h"
#include "edit/codeplug_ops.h"

namespace px {

namespace {

enum Column {
  kLocation, kName, kFrequency, kDuplex, kOffset, kTone, kRToneFreq, kCToneFreq, kDtcsCode,
  kDtcsPolarity, kRxDtcsCode, kCrossMode, kMode, kTStep, kSkip, kPower, kComment, kUrCall,
  kRpt1Call, kRpt2Call, kDvCode, kColumns
};

constexpr const char* kDefaultTone = "88.5";
constexpr const char* kNeutralDcs = "023";
constexpr double kStepsKhz[] = {2.5, 5, 6.25, 8.33, 10, 12.5, 20, 25, 30, 50};

// Reasons and notes; "%1" .. are the values.
constexpr OwnText kNoHeader{
    "The file has no header line with the columns Location and Frequency.",
    "文件没有包含 Location 和 Frequency 列的标题行。"};
constexpr OwnText kUnclosedQuote{"A quoted field that begins on line %1 is never closed.",
                                 "第 %1 行开始的引号字段没有结束。"};
constexpr OwnText kBadLocation{"location \"%1\" is not a channel 0 to 199",
                               "位置 \"%1\" 不是 0 到 199 的信道"};
constexpr OwnText kDuplicate{"location %1 appears again (line %2 counts)",
                             "位置 %1 重复出现（以第 %2 行为准）"};
constexpr OwnText kBadNumber{"%1 \"%2\" is not a number", "%1 \"%2\" 不是数字"};
constexpr OwnText kRxOutOfBand{"receive frequency %1 MHz is outside the band %2",
                               "接收频率 %1 MHz 超出频段 %2"};
constexpr OwnText kTxOutOfBand{"transmit frequency %1 MHz is outside the band %2",
                               "发射频率 %1 MHz 超出频段 %2"};
constexpr OwnText kUnknownDuplex{"unknown duplex \"%1\"", "未知的双工方式 \"%1\""};
constexpr OwnText kUnknownToneMode{"unknown tone mode \"%1\"", "未知的亚音方式 \"%1\""};
constexpr OwnText kUnknownCrossMode{"unknown cross mode \"%1\"", "未知的交叉方式 \"%1\""};
constexpr OwnText kUnknownTone{"unknown CTCSS tone \"%1\"", "未知的 CTCSS 亚音 \"%1\""};
constexpr OwnText kUnknownDcs{"unknown DCS code \"%1\"", "未知的 DCS 数码 \"%1\""};
constexpr OwnText kUnknownPolarity{"unknown DCS polarity \"%1\"", "未知的 DCS 极性 \"%1\""};
constexpr OwnText kUnknownMode{"unknown mode \"%1\"", "未知的模式 \"%1\""};
constexpr OwnText kUnknownStep{"unknown step \"%1\" kHz", "未知的步进 \"%1\" kHz"};
constexpr OwnText kUnknownSkip{"unknown skip \"%1\"", "未知的跳过标志 \"%1\""};
constexpr OwnText kUnknownPower{"unknown power \"%1\"", "未知的功率 \"%1\""};
constexpr OwnText kBadName{"name \"%1\" has a character the radio cannot hold",
                           "名称 \"%1\" 含有对讲机不能保存的字符"};
constexpr OwnText kNoFrequency{"no frequency", "没有频率"};
constexpr OwnText kRasterNote{"%1 %2 MHz moved onto the channel raster: %3 MHz",
                              "%1 %2 MHz 已按信道栅格修正为 %3 MHz"};
constexpr OwnText kTxOutsideNote{"transmit frequency %1 MHz is outside the band %2: the channel is receive-only",
                                  "发射频率 %1 MHz 超出频段 %2：该信道只接收"};
constexpr OwnText kWattsNote{"power %1 taken as %2 (rank among the file's %3 wattages)",
                             "功率 %1 按文件中 %3 种瓦数的排位取为 %2"};
constexpr OwnText kNameCut{"name cut to 7 characters: \"%1\"", "名称截为 7 个字符：\"%1\""};
constexpr OwnText kReceive{"receive frequency", "接收频率"};
constexpr OwnText kTransmit{"transmit frequency", "发射频率"};
constexpr OwnText kOffsetWord{"offset", "频差"};
constexpr OwnText kSummary{"%1 channels: %2 new, %3 replaced, %4 unchanged; %5 rows refused",
                           "%1 个信道：新增 %2，替换 %3，不变 %4；拒绝 %5 行"};
constexpr OwnText kRefusedLine{"line %1 (location %2): %3", "第 %1 行（位置 %2）：%3"};

// A row refused: the reason is thrown up to the row loop.
struct Refusal {
  std::string Reason;
};

std::string Lower(std::string_view rText) {
  std::string s(rText);
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

std::string Trimmed(std::string_view rText) {
  std::size_t b = 0, e = rText.size();
  while (b < e && (rText[b] == ' ' || rText[b] == '\t')) ++b;
  while (e > b && (rText[e - 1] == ' ' || rText[e - 1] == '\t')) --e;
  return std::string(rText.substr(b, e - b));
}

// Units of 10 Hz as MHz with six decimals.
std::string MhzText(std::int64_t rUnits) {
  const std::int64_t hz = rUnits * 10;
  std::string frac = std::to_string(hz % 1000000);
  frac.insert(0, 6 - frac.size(), '0');
  return std::to_string(hz / 1000000) + "." + frac;
}

std::int64_t StoredUnits(const FixedText<9>& rField) {
  const std::string text = rField.Display();
  if (text.empty() || text == "FFFFFFFFF") return 0;
  for (char c : text)
    if (c < '0' || c > '9') return 0;
  return std::stoll(text);
}

std::string CtcssText(int rIndex) {
  const auto& tones = CtcssTexts();
  return rIndex >= 0 && rIndex < static_cast<int>(tones.size()) ? tones[static_cast<std::size_t>(rIndex)]
                                                                  : kDefaultTone;
}

int ToneType(Int16 rType) { return rType == 1 || rType == 2 ? rType : 0; }

// The channel's transmit frequency in units (the receive frequency for no offset).
std::int64_t TxUnits(const ChannelRecord& rChannel) {
  const std::int64_t rx = StoredUnits(rChannel.RxFreq);
  const std::int64_t offset = StoredUnits(rChannel.OffsetFreq);
  if (rChannel.OffsetDirection == 1) return rx - offset;
  if (rChannel.OffsetDirection == 2) return rx + offset;
  return rx;
}

std::string StepText(Int16 rStep) {
  if (rStep < 0 || rStep >= static_cast<int>(std::size(kStepsKhz))) return "";
  return FormatFixed(kStepsKhz[rStep], 1, 2);
}

// ---- tones -------------------------------------------------------------------------

enum class ToneKind { None, Ctcss, Dcs };

struct ToneSide {
  ToneKind Kind = ToneKind::None;
  int Index = 0;  // CTCSS index or DCS number
  bool Inverted = false;
};

void WriteToneColumns(const ChannelRecord& rCh, std::vector<std::string>& rOut) {
  const int a = ToneType(rCh.ToneTypeA), b = ToneType(rCh.ToneTypeB);
  std::string mode, cross = "Tone->Tone";
  std::string rTone = CtcssText(rCh.CtcssIndexA), cTone = CtcssText(rCh.CtcssIndexB);
  const std::string dtcs = DcsCodeText(rCh.DcsIndexA), rxDtcs = DcsCodeText(rCh.DcsIndexB);
  if (a == 0 && b == 0) {
    mode = "";
  } else if (a == 1 && b == 0) {
    mode = "Tone";
  } else if (a == 1 && b == 1 && rCh.CtcssIndexA == rCh.CtcssIndexB) {
    mode = "TSQL";
  } else if (a == 2 && b == 2 && rCh.DcsIndexA == rCh.DcsIndexB) {
    mode = "DTCS";
  } else {
    mode = "Cross";
    const char* names[] = {"", "Tone", "DTCS"};
    cross = std::string(names[a]) + "->" + names[b];
  }
  rOut[kTone] = mode;
  rOut[kRToneFreq] = rTone;
  rOut[kCToneFreq] = cTone;
  // Where no DCS applies the code columns hold the layout's neutral code: readers of the
  // layout refuse a code outside the standard list, such as 000.
  const bool dcsA = a == 2, dcsB = b == 2;
  rOut[kDtcsCode] = dcsA ? dtcs : kNeutralDcs;
  rOut[kRxDtcsCode] = dcsB ? rxDtcs : kNeutralDcs;
  rOut[kDtcsPolarity] = std::string(rCh.DcsInvertA ? "R" : "N") + (rCh.DcsInvertB ? "R" : "N");
  rOut[kCrossMode] = cross;
}

int CtcssIndexOf(const AppState& rState, const std::string& rText) {
  const auto value = ParseNumber(rText);
  const auto& tones = CtcssTexts();
  if (value) {
    const auto tenths = RoundToInteger(*value * 10);
    for (std::size_t i = 0; i < tones.size(); ++i)
      if (RoundToInteger(NumberValue(tones[i]) * 10) == tenths) return static_cast<int>(i);
  }
  throw Refusal{FillText(OwnTextOf(rState, kUnknownTone), {rText})};
}

int DcsNumberOf(const AppState& rState, const std::string& rText) {
  std::string digits = rText;
  if (!digits.empty() && (digits.front() == 'D' || digits.front() == 'd')) digits.erase(0, 1);
  if (digits.size() >= 2 && (digits.back() == 'N' || digits.back() == 'I')) digits.pop_back();
  int number = 0;
  bool ok = !digits.empty() && digits.size() <= 3;
  for (char c : digits) {
    if (c < '0' || c > '7') ok = false;
    number = number * 8 + (c - '0');
  }
  if (!ok) throw Refusal{FillText(OwnTextOf(rState, kUnknownDcs), {rText})};
  return number;
}

ToneKind KindOfWord(const AppState& rState, const std::string& rWord, const std::string& rCross) {
  if (rWord.empty()) return ToneKind::None;
  if (rWord == "Tone") return ToneKind::Ctcss;
  if (rWord == "DTCS") return ToneKind::Dcs;
  throw Refusal{FillText(OwnTextOf(rState, kUnknownCrossMode), {rCross})};
}

// Transmit (A) and receive (B) tones of a row.
std::pair<ToneSide, ToneSide> ReadTones(const AppState& rState, const std::vector<std::string>& rRow) {
  const std::string mode = rRow[kTone];
  ToneKind tx = ToneKind::None, rx = ToneKind::None;
  // Which column each side takes its value from.
  int txTone = kRToneFreq, rxTone = kCToneFreq, rxDcs = kDtcsCode;
  if (mode.empty()) {
  } else if (mode == "Tone") {
    tx = ToneKind::Ctcss;
  } else if (mode == "TSQL") {
    tx = rx = ToneKind::Ctcss;
    txTone = kCToneFreq;
  } else if (mode == "DTCS") {
    tx = rx = ToneKind::Dcs;
  } else if (mode == "Cross") {
    const std::string cross = rRow[kCrossMode];
    const auto arrow = cross.find("->");
    if (arrow == std::string::npos)
      throw Refusal{FillText(OwnTextOf(rState, kUnknownCrossMode), {cross})};
    tx = KindOfWord(rState, cross.substr(0, arrow), cross);
    rx = KindOfWord(rState, cross.substr(arrow + 2), cross);
    rxDcs = kRxDtcsCode;
  } else {
    throw Refusal{FillText(OwnTextOf(rState, kUnknownToneMode), {mode})};
  }

  std::string polarity = rRow[kDtcsPolarity].empty() ? "NN" : rRow[kDtcsPolarity];
  const bool dcsUsed = tx == ToneKind::Dcs || rx == ToneKind::Dcs;
  const auto validPolarity = [&] {
    return polarity.size() == 2 && (polarity[0] == 'N' || polarity[0] == 'R') &&
           (polarity[1] == 'N' || polarity[1] == 'R');
  };
  if (dcsUsed && !validPolarity())
    throw Refusal{FillText(OwnTextOf(rState, kUnknownPolarity), {polarity})};

  ToneSide a, b;
  a.Kind = tx;
  b.Kind = rx;
  if (tx == ToneKind::Ctcss) a.Index = CtcssIndexOf(rState, rRow[static_cast<std::size_t>(txTone)]);
  if (rx == ToneKind::Ctcss) b.Index = CtcssIndexOf(rState, rRow[static_cast<std::size_t>(rxTone)]);
  if (tx == ToneKind::Dcs) {
    a.Index = DcsNumberOf(rState, rRow[kDtcsCode]);
    a.Inverted = polarity[0] == 'R';
  }
  if (rx == ToneKind::Dcs) {
    b.Index = DcsNumberOf(rState, rRow[static_cast<std::size_t>(rxDcs)]);
    b.Inverted = polarity[1] == 'R';
  }
  return {a, b};
}

// Only the fields of a tone in use are written, so the stored entries of the lists that
// are not shown stay as they were.
void StoreTone(const ToneSide& rSide, Int16& rType, Int16& rCtcss, Int16& rDcs, Int16& rInvert) {
  rType = static_cast<Int16>(rSide.Kind == ToneKind::Ctcss ? 1 : rSide.Kind == ToneKind::Dcs ? 2 : 0);
  if (rSide.Kind == ToneKind::Ctcss) rCtcss = static_cast<Int16>(rSide.Index);
  if (rSide.Kind == ToneKind::Dcs) {
    rDcs = static_cast<Int16>(rSide.Index);
    rInvert = rSide.Inverted ? 1 : 0;
  }
}

// ---- one row -------------------------------------------------------------------------

struct ColumnMap {
  std::map<int, std::size_t> Position;  // our column -> position in the file

  std::vector<std::string> Cells(const CsvRecord& rRecord) const {
    std::vector<std::string> cells(kColumns);
    for (const auto& [column, position] : Position)
      if (position < rRecord.Fields.size()) cells[static_cast<std::size_t>(column)] = Trimmed(rRecord.Fields[position]);
    // The older layout has one DCS code for both sides and no cross mode column.
    if (!Position.count(kRxDtcsCode)) cells[kRxDtcsCode] = cells[kDtcsCode];
    if (!Position.count(kCrossMode)) cells[kCrossMode] = "Tone->Tone";
    return cells;
  }
};

std::optional<ColumnMap> MapHeader(const CsvRecord& rHeader) {
  ColumnMap map;
  std::vector<std::string> names;
  for (const auto& column : ChannelCsvHeader()) names.push_back(Lower(column));
  for (std::size_t p = 0; p < rHeader.Fields.size(); ++p) {
    const std::string name = Lower(Trimmed(rHeader.Fields[p]));
    for (std::size_t c = 0; c < names.size(); ++c)
      if (names[c] == name && !map.Position.count(static_cast<int>(c)))
        map.Position[static_cast<int>(c)] = p;
  }
  if (!map.Position.count(kLocation) || !map.Position.count(kFrequency)) return std::nullopt;
  return map;
}

std::string BandText(double rMin, double rMax) {
  return FormatPlainNumber(rMin) + " - " + FormatPlainNumber(rMax) + " MHz";
}

// A checked frequency in units: numeric, inside [rMin, rMax], raster-corrected.
std::int64_t CheckedUnits(const AppState& rState, const std::string& rText, bool rReceive,
                          std::vector<std::string>& rNotes) {
  const BandLimits& limits = rState.Band.Limits;
  const double min = rReceive ? limits.MinRx : limits.MinTx;
  const double max = rReceive ? limits.MaxRx : limits.MaxTx;
  const auto value = ParseNumber(rText);
  const std::string what = OwnTextOf(rState, rReceive ? kReceive : kTransmit);
  if (!value) throw Refusal{FillText(OwnTextOf(rState, kBadNumber), {what, rText})};
  const std::int64_t units = FreqToUnits(*value);
  if (units < FreqToUnits(min) || units > FreqToUnits(max))
    throw Refusal{FillText(OwnTextOf(rState, rReceive ? kRxOutOfBand : kTxOutOfBand),
                           {MhzText(units), BandText(min, max)})};
  const FormatContext ctx = FormatContextOf(rState);
  const std::string corrected = rReceive ? ParseRxFreq(UnitsToFreqText(units), false, ctx)
                                         : ParseTxFreq(UnitsToFreqText(units), false, ctx);
  const std::int64_t result = FreqToUnits(NumberValue(corrected));
  if (result != units)
    rNotes.push_back(FillText(OwnTextOf(rState, kRasterNote), {what, MhzText(units), MhzText(result)}));
  return result;
}

// The number of a frequency cell in units, unchecked.
std::int64_t RawUnits(const AppState& rState, const std::string& rText, const OwnText& rWhat) {
  const auto value = ParseNumber(rText);
  if (!value || *value < 0)
    throw Refusal{FillText(OwnTextOf(rState, kBadNumber), {OwnTextOf(rState, rWhat), rText})};
  return FreqToUnits(*value);
}

// A channel whose frequencies the row leaves as they are is kept as stored, checked or
// not; only frequencies that change go through the band check and the raster.
void ReadFrequencies(const AppState& rState, const std::vector<std::string>& rRow,
                     ChannelRecord& rCh, std::vector<std::string>& rNotes) {
  if (rRow[kFrequency].empty()) throw Refusal{OwnTextOf(rState, kNoFrequency)};
  const bool existing = rCh.InUse == 1;
  const std::int64_t rawRx = RawUnits(rState, rRow[kFrequency], kReceive);
  const std::string duplex = Lower(rRow[kDuplex]);
  if (duplex == "off") {
    // Transmitting is inhibited; the offset the channel had stays for when it is allowed.
    if (!(existing && rawRx == StoredUnits(rCh.RxFreq))) {
      const std::int64_t rx = CheckedUnits(rState, rRow[kFrequency], true, rNotes);
      rCh.RxFreq.Assign(ToStoredFreq(UnitsToFreqText(rx)));
    }
    rCh.TxInhibit = 1;
    return;
  }
  const bool shifted = duplex == "+" || duplex == "-" || duplex == "split";
  if (!shifted && !duplex.empty())
    throw Refusal{FillText(OwnTextOf(rState, kUnknownDuplex), {rRow[kDuplex]})};
  const std::int64_t offset = shifted ? RawUnits(rState, rRow[kOffset].empty() ? "0" : rRow[kOffset], kOffsetWord) : 0;
  const auto txOf = [&](std::int64_t rRx) {
    return duplex == "+" ? rRx + offset : duplex == "-" ? rRx - offset : duplex == "split" ? offset : rRx;
  };
  if (existing && rCh.TxInhibit == 0 && rawRx == StoredUnits(rCh.RxFreq) && txOf(rawRx) == TxUnits(rCh))
    return;
  const std::int64_t rx = CheckedUnits(rState, rRow[kFrequency], true, rNotes);
  // A transmit frequency outside the band (other radios' lists hold such channels) makes
  // the channel receive-only instead of losing the row; its offset stays as it was.
  const std::int64_t wantedTx = std::max<std::int64_t>(0, txOf(rx));
  const BandLimits& limits = rState.Band.Limits;
  if (wantedTx < FreqToUnits(limits.MinTx) || wantedTx > FreqToUnits(limits.MaxTx)) {
    rNotes.push_back(FillText(OwnTextOf(rState, kTxOutsideNote),
                              {MhzText(wantedTx), BandText(limits.MinTx, limits.MaxTx)}));
    rCh.RxFreq.Assign(ToStoredFreq(UnitsToFreqText(rx)));
    rCh.TxInhibit = 1;
    return;
  }
  rCh.TxInhibit = 0;
  const std::int64_t tx = CheckedUnits(rState, MhzText(wantedTx), false, rNotes);
  const FormatContext ctx = FormatContextOf(rState);
  const std::string rxText = UnitsToFreqText(rx);
  const DerivedOffset derived = DeriveOffset(rxText, UnitsToFreqText(tx), ctx);
  rCh.RxFreq.Assign(ToStoredFreq(rxText));
  rCh.OffsetDirection = derived.Direction;
  rCh.OffsetFreq.Assign(derived.StoredOffset);
}

void ReadName(const AppState& rState, const std::string& rText, ChannelRecord& rCh,
              std::vector<std::string>& rNotes) {
  std::string name;
  if (!Utf8ToLatin1(rText, name)) throw Refusal{FillText(OwnTextOf(rState, kBadName), {rText})};
  if (name.size() > 7) {
    name.resize(7);
    rNotes.push_back(FillText(OwnTextOf(rState, kNameCut), {Latin1ToUtf8(name)}));
  }
  if (rCh.InUse == 1 && rCh.Name.Display() == name) return;
  rCh.Name.Assign(name);
}

void ReadMode(const AppState& rState, const std::string& rText, ChannelRecord& rCh) {
  const std::string mode = Lower(rText);
  if (mode.empty()) return;
  if (mode == "fm") {
    // 25 kHz and 20 kHz are both wide FM.
    if (rCh.BandwidthIndex != 0 && rCh.BandwidthIndex != 1) rCh.BandwidthIndex = 0;
  } else if (mode == "nfm") {
    rCh.BandwidthIndex = 2;
  } else if (mode == "25k" || mode == "20k" || mode == "12.5k") {
    // The grid's bandwidth words, as a spreadsheet copied from the grid holds them.
    rCh.BandwidthIndex = static_cast<Int16>(mode == "25k" ? 0 : mode == "20k" ? 1 : 2);
  } else {
    throw Refusal{FillText(OwnTextOf(rState, kUnknownMode), {rText})};
  }
}

void ReadStep(const AppState& rState, const std::string& rText, ChannelRecord& rCh) {
  if (rText.empty()) return;
  const auto value = ParseNumber(rText);
  if (value) {
    for (std::size_t i = 0; i < std::size(kStepsKhz); ++i)
      if (std::fabs(*value - kStepsKhz[i]) < 0.006) {
        rCh.StepIndex = static_cast<Int16>(i);
        return;
      }
  }
  throw Refusal{FillText(OwnTextOf(rState, kUnknownStep), {rText})};
}

void ReadSkip(const AppState& rState, const std::string& rText, ChannelRecord& rCh) {
  if (rText.empty() || rText == "P") rCh.ScanSkip = 0;
  else if (rText == "S") rCh.ScanSkip = rCh.ScanSkip != 0 ? rCh.ScanSkip : Int16{1};
  else throw Refusal{FillText(OwnTextOf(rState, kUnknownSkip), {rText})};
}

// A power in watts ("5.0W", "50 W"), or nullopt.
std::optional<double> Watts(const std::string& rText) {
  std::string number = rText;
  if (number.empty() || (number.back() != 'W' && number.back() != 'w')) return std::nullopt;
  number.pop_back();
  const auto value = ParseNumber(Trimmed(number));
  if (!value || *value < 0) return std::nullopt;
  return *value;
}

// The distinct wattages of a file, lowest first; a power in watts takes its level by
// rank: the highest High, the lowest Low, any between Middle, a single one High.
struct WattRanks {
  std::vector<double> Distinct;

  int LevelOf(double rWatts) const {
    if (Distinct.size() < 2 || rWatts >= Distinct.back()) return 0;
    return rWatts <= Distinct.front() ? 2 : 1;
  }
};

void ReadPower(const AppState& rState, const std::string& rText, ChannelRecord& rCh, const WattRanks& rRanks,
               std::vector<std::string>& rNotes) {
  if (rText.empty()) return;
  int power = -1;
  if (const auto level = TxPowerOfWord(rText)) {
    power = *level;
  } else if (const auto watts = Watts(rText)) {
    power = rRanks.LevelOf(*watts);
    rNotes.push_back(FillText(OwnTextOf(rState, kWattsNote),
                              {rText, ChoiceTextOfStored(rState, TxPowerChoices(), power),
                               std::to_string(rRanks.Distinct.size())}));
  }
  if (power < 0) throw Refusal{FillText(OwnTextOf(rState, kUnknownPower), {rText})};
  // The editor shows a stored 3 as "Low" too.
  if (power == 2 && rCh.TxPowerIndex == 3) return;
  rCh.TxPowerIndex = static_cast<Int16>(power);
}

std::optional<int> LocationOf(const std::string& rText) {
  if (rText.empty() || rText.size() > 3) return std::nullopt;
  int value = 0;
  for (char c : rText) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (value >= kMemoryChannels) return std::nullopt;
  return value;
}

}  // namespace

const std::vector<std::string>& ChannelCsvHeader() {
  static const std::vector<std::string> header{
      "Location", "Name", "Frequency", "Duplex", "Offset", "Tone", "rToneFreq",
      "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode", "TStep",
      "Skip", "Power", "Comment", "URCALL", "RPT1CALL", "RPT2CALL", "DVCODE"};
  return header;
}

bool Utf8ToLatin1(std::string_view rText, std::string& rOut) {
  rOut.clear();
  for (std::size_t i = 0; i < rText.size(); ++i) {
    const auto c = static_cast<unsigned char>(rText[i]);
    if (c < 0x80) {
      rOut.push_back(static_cast<char>(c));
      continue;
    }
    // Two-byte forms of U+0080 .. U+00FF only.
    if ((c == 0xC2 || c == 0xC3) && i + 1 < rText.size()) {
      const auto next = static_cast<unsigned char>(rText[i + 1]);
      if ((next & 0xC0) == 0x80) {
        rOut.push_back(static_cast<char>(((c & 0x03) << 6) | (next & 0x3F)));
        ++i;
        continue;
      }
    }
    return false;
  }
  return true;
}

std::vector<std::string> ChannelCsvFields(const ChannelRecord& rChannel) {
  std::vector<std::string> row(kColumns);
  row[kLocation] = std::to_string(rChannel.Number - 1);
  row[kName] = Latin1ToUtf8(rChannel.Name.Display());
  const std::int64_t rx = StoredUnits(rChannel.RxFreq);
  row[kFrequency] = MhzText(rx);
  const std::int64_t offset = StoredUnits(rChannel.OffsetFreq);
  row[kOffset] = MhzText(rChannel.OffsetDirection == 1 || rChannel.OffsetDirection == 2 ? offset : 0);
  if (rChannel.TxInhibit != 0) row[kDuplex] = "off";
  else if (rChannel.OffsetDirection == 1) row[kDuplex] = "-";
  else if (rChannel.OffsetDirection == 2) row[kDuplex] = "+";
  WriteToneColumns(rChannel, row);
  row[kMode] = rChannel.BandwidthIndex == 2 ? "NFM" : "FM";
  row[kTStep] = StepText(rChannel.StepIndex);
  row[kSkip] = rChannel.ScanSkip != 0 ? "S" : "";
  const ChoiceTable powers = TxPowerChoices();
  const int power = PositionOfStored(powers, ShownTxPower(rChannel.TxPowerIndex), -1);
  row[kPower] = power >= 0 ? std::string(powers[static_cast<std::size_t>(power)].Fixed) : "";
  return row;
}

std::string ExportChannelsCsv(const AppState& rState, const std::vector<int>& rNumbers) {
  std::string text = CsvLine(ChannelCsvHeader());
  for (const int number : rNumbers) {
    const int slot = FindChannelSlot(rState.Current, rState.Channels, number);
    if (!IsMemoryChannel(number) || slot < 0) continue;
    const ChannelRecord& channel = rState.Channels[static_cast<std::size_t>(slot)];
    if (channel.InUse == 1) text += CsvLine(ChannelCsvFields(channel));
  }
  return text;
}

std::string ExportChannelsCsv(const AppState& rState) {
  std::vector<int> numbers;
  for (int n = 1; n <= kMemoryChannels; ++n) numbers.push_back(n);
  return ExportChannelsCsv(rState, numbers);
}

int ChannelImportPlan::Added() const {
  return static_cast<int>(std::count_if(Channels.begin(), Channels.end(),
                                        [](const auto& c) { return !c.Replaces; }));
}
int ChannelImportPlan::Replaced() const {
  return static_cast<int>(std::count_if(Channels.begin(), Channels.end(),
                                        [](const auto& c) { return c.Replaces && c.Changes; }));
}
int ChannelImportPlan::Unchanged() const {
  return static_cast<int>(std::count_if(Channels.begin(), Channels.end(),
                                        [](const auto& c) { return !c.Changes; }));
}

ChannelImportPlan PlanChannelImport(const AppState& rState, std::string_view rCsvText) {
  ChannelImportPlan plan;
  const CsvParseResult parsed = ParseCsv(rCsvText);
  if (parsed.UnclosedQuoteLine) {
    plan.Error = FillText(OwnTextOf(rState, kUnclosedQuote), {std::to_string(*parsed.UnclosedQuoteLine)});
    return plan;
  }
  const auto map = parsed.Records.empty() ? std::nullopt : MapHeader(parsed.Records.front());
  if (!map) {
    plan.Error = OwnTextOf(rState, kNoHeader);
    return plan;
  }
  WattRanks ranks;
  if (const auto power = map->Position.find(kPower); power != map->Position.end()) {
    std::set<double> watts;
    for (std::size_t r = 1; r < parsed.Records.size(); ++r) {
      const auto& fields = parsed.Records[r].Fields;
      if (power->second >= fields.size()) continue;
      if (const auto value = Watts(Trimmed(fields[power->second]))) watts.insert(*value);
    }
    ranks.Distinct.assign(watts.begin(), watts.end());
  }
  std::map<int, int> seen;  // Location -> line that counts
  for (std::size_t r = 1; r < parsed.Records.size(); ++r) {
    const CsvRecord& record = parsed.Records[r];
    const std::vector<std::string> row = map->Cells(record);
    try {
      const auto location = LocationOf(row[kLocation]);
      if (!location) throw Refusal{FillText(OwnTextOf(rState, kBadLocation), {row[kLocation]})};
      if (const auto it = seen.find(*location); it != seen.end())
        throw Refusal{FillText(OwnTextOf(rState, kDuplicate),
                               {std::to_string(*location), std::to_string(it->second)})};
      const int number = *location + 1;
      CsvImportedChannel channel;
      channel.Line = record.Line;
      channel.Number = static_cast<Int16>(number);
      channel.Replaces = HasRecord(rState, number);
      ChannelRecord& ch = channel.Record;
      ch = EditRecordFor(rState, number);
      const ChannelRecord before = ch;
      ReadFrequencies(rState, row, ch, channel.Notes);
      ReadName(rState, row[kName], ch, channel.Notes);
      const auto [encode, decode] = ReadTones(rState, row);
      StoreTone(encode, ch.ToneTypeA, ch.CtcssIndexA, ch.DcsIndexA, ch.DcsInvertA);
      StoreTone(decode, ch.ToneTypeB, ch.CtcssIndexB, ch.DcsIndexB, ch.DcsInvertB);
      ReadMode(rState, row[kMode], ch);
      ReadStep(rState, row[kTStep], ch);
      ReadSkip(rState, row[kSkip], ch);
      ReadPower(rState, row[kPower], ch, ranks, channel.Notes);
      ch.InUse = 1;
      ch.Number = static_cast<Int16>(number);
      channel.Changes = !channel.Replaces || !(ch == before);
      seen[*location] = record.Line;
      plan.Channels.push_back(std::move(channel));
    } catch (const Refusal& refusal) {
      plan.Refused.push_back({record.Line, row[kLocation], refusal.Reason});
    }
  }
  return plan;
}

int ApplyChannelImport(AppState& rState, const ChannelImportPlan& rPlan) {
  int stored = 0;
  for (const CsvImportedChannel& channel : rPlan.Channels) {
    if (!channel.Changes) continue;
    const int slot = FindChannelSlot(rState.Current, rState.Channels, channel.Number);
    if (slot >= 0) {
      rState.Channels[static_cast<std::size_t>(slot)] = channel.Record;
    } else {
      const int count = rState.Current.ChannelCount;
      if (count < 0 || count >= kChannelSlots) continue;
      rState.Channels[static_cast<std::size_t>(count)] = channel.Record;
      rState.Current.ChannelCount = static_cast<Int16>(count + 1);
    }
    ++stored;
  }
  if (stored > 0) RepairChannelReferences(rState);
  return stored;
}

std::string ImportSummaryText(const AppState& rState, const ChannelImportPlan& rPlan) {
  return FillText(OwnTextOf(rState, kSummary),
                  {std::to_string(rPlan.Channels.size()), std::to_string(rPlan.Added()),
                   std::to_string(rPlan.Replaced()), std::to_string(rPlan.Unchanged()),
                   std::to_string(rPlan.Refused.size())});
}

std::string RefusedRowText(const AppState& rState, const CsvRefusedRow& rRow) {
  return FillText(OwnTextOf(rState, kRefusedLine), {std::to_string(rRow.Line), rRow.Location, rRow.Reason});
}

}  // namespace px
