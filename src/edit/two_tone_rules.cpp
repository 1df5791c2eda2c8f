#include "edit/two_tone_rules.h"

#include <algorithm>
#include <cstdlib>

#include "app/language.h"
#include "codeplug/number_text.h"
#include "edit/codeplug_ops.h"
#include "edit/generated_choices.h"
#include "edit/option_rules.h"

namespace px {

namespace {

constexpr double kClock = 9600000;
constexpr int kDefaultTones[kTwoToneTones] = {3217, 9281, 6265, 20438};  // 0.1 Hz
constexpr int kLongToneDefault = 10;  // 1.0 s, shown for a value the list lacks
constexpr int kToneGapDefault = 10;   // 1000 ms


constexpr Choice kFormats[kTwoToneFormats] = {
    {0, "A-B", 0},  {0, "A-C", 1},  {0, "A-D", 2},  {0, "B-A", 3},     {0, "B-C", 4},
    {0, "B-D", 5},  {0, "C-A", 6},  {0, "C-B", 7},  {0, "C-D", 8},     {0, "D-A", 9},
    {0, "D-B", 10}, {0, "D-C", 11}, {0, "Long A", 12}, {0, "Long B", 13}, {0, "Long C", 14}};
constexpr std::pair<int, int> kFormatTones[kTwoToneFormats] = {
    {0, 1}, {0, 2}, {0, 3}, {1, 0}, {1, 2}, {1, 3}, {2, 0}, {2, 1},
    {2, 3}, {3, 0}, {3, 1}, {3, 2}, {0, -1}, {1, -1}, {2, -1}};
constexpr Choice kDecodeOptions[] = {{60057, "None", 0, kSectionOption},
                                     {60058, "Alert Tone", 1, kSectionOption},
                                     {60059, "Alert + Transpond", 2, kSectionOption}};

constexpr Choice kSideTone[] = {{kTextOptionOff, "OFF", 0}, {kTextOptionOn, "ON", 1}};

int BigEndian(Byte rHigh, Byte rLow) { return rHigh << 8 | rLow; }
void PutBigEndian(Byte& rHigh, Byte& rLow, int rValue) {
  rHigh = static_cast<Byte>((rValue >> 8) & 0xFF);
  rLow = static_cast<Byte>(rValue & 0xFF);
}
std::size_t At(int rIndex) { return static_cast<std::size_t>(rIndex); }

std::string TrimSpaces(std::string_view rText) {
  const auto first = rText.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const auto last = rText.find_last_not_of(' ');
  return std::string(rText.substr(first, last - first + 1));
}

std::string ToneText(int rTenths) { return FormatTenthsText(rTenths / 10.0); }

}  // namespace

int DecodeTone(const TwoToneSettings& rPage, int rWhich) {
  const int base = rWhich == 0 ? 0 : 2;
  return BigEndian(rPage.Header[At(base)], rPage.Header[At(base + 1)]);
}
int DecodeDivisor(const TwoToneSettings& rPage, int rWhich) {
  const int base = rWhich == 0 ? 5 : 7;
  return BigEndian(rPage.Header[At(base)], rPage.Header[At(base + 1)]);
}
int ToneOf(const TwoToneSettings& rPage, int rTone) {
  const int base = 12 + 2 * rTone;
  return BigEndian(rPage.Header[At(base + 1)], rPage.Header[At(base)]);
}
void SetDecodeTone(TwoToneSettings& rPage, int rWhich, int rValue) {
  const int base = rWhich == 0 ? 0 : 2;
  PutBigEndian(rPage.Header[At(base)], rPage.Header[At(base + 1)], rValue);
}
void SetDecodeDivisor(TwoToneSettings& rPage, int rWhich, int rValue) {
  const int base = rWhich == 0 ? 5 : 7;
  PutBigEndian(rPage.Header[At(base)], rPage.Header[At(base + 1)], rValue);
}
void SetTone(TwoToneSettings& rPage, int rTone, int rValue) {
  const int base = 12 + 2 * rTone;
  PutBigEndian(rPage.Header[At(base + 1)], rPage.Header[At(base)], rValue);
}

int EntryDivisor(const TwoToneEntry& rEntry, int rWhich) {
  const int base = rWhich == 0 ? 0 : 2;
  return BigEndian(rEntry.ToneBytes[At(base)], rEntry.ToneBytes[At(base + 1)]);
}
int EntryTone(const TwoToneEntry& rEntry, int rWhich) {
  const int base = rWhich == 0 ? 4 : 6;
  return BigEndian(rEntry.ToneBytes[At(base)], rEntry.ToneBytes[At(base + 1)]);
}

int ToneTenths(double rHz) { return static_cast<int>(RoundScaled(rHz, 1, Rounding::HalfToEven)); }
int HeaderDivisor(double rHz) { return rHz > 0 ? static_cast<int>(kClock / (2 * rHz)) : 0; }
int EntryDivisorOf(double rHz) { return rHz > 0 ? static_cast<int>(kClock / (16 * rHz)) : 0; }
double ClampTone(double rHz) { return std::clamp(rHz, kTwoToneLowest, kTwoToneHighest); }

ChoiceTable TwoToneFormatChoices() { return kFormats; }
ChoiceTable TwoToneSideToneChoices() { return kSideTone; }
ChoiceTable TwoToneDecodeOptionChoices() { return kDecodeOptions; }

ChoiceTable TwoToneToneTimeChoices() {
  static const GeneratedChoices table(
      96, [](int i) { return FormatTenthsText((i + 5) / 10.0); }, [](int i) { return i + 5; });
  return table.Table();
}
ChoiceTable TwoToneGapChoices() {
  static const GeneratedChoices table(
      21, [](int i) { return std::to_string(i * 100); }, [](int i) { return i; });
  return table.Table();
}
ChoiceTable TwoToneResetChoices() {
  static const GeneratedChoices table(
      251, [](int i) { return FormatOneDecimal(i / 10.0); }, [](int i) { return i; });
  return table.Table();
}

PageFields TwoToneFields() {
  using enum FieldControl;
  // Places in the image: the radio keeps the header in its own order.
  static const PageField fields[] = {
      {"TwoTone.Format", TwoToneSlot::Format, List, "Combo2_0", 60049, FixedChoices<TwoToneFormatChoices>,
       ImageByte(15), 0, {}, kSectionOption},
      {"TwoTone.DecodeResponse", TwoToneSlot::DecodeOption, List, "Combo2_1", 60050,
       FixedChoices<TwoToneDecodeOptionChoices>, ImageByte(8), 0, {}, kSectionOption},
      {"TwoTone.FirstToneTime", TwoToneSlot::FirstToneTime, List, "Combo1_0", 60045,
       FixedChoices<TwoToneToneTimeChoices>, ImageByte(9), 0, {}, kSectionOption},
      {"TwoTone.SecondToneTime", TwoToneSlot::SecondToneTime, List, "Combo1_1", 60046,
       FixedChoices<TwoToneToneTimeChoices>, ImageByte(10), 0, {}, kSectionOption},
      {"TwoTone.LongToneTime", TwoToneSlot::LongToneTime, List, "Combo1_2", 60047,
       FixedChoices<TwoToneToneTimeChoices>, ImageByte(11), 0, {}, kSectionOption},
      {"TwoTone.ToneGap", TwoToneSlot::ToneGap, List, "Combo1_3", 60048, FixedChoices<TwoToneGapChoices>,
       ImageByte(12), 0, {}, kSectionOption},
      {"TwoTone.ResetTime", TwoToneSlot::ResetTime, List, "Combo1_4", 60307, FixedChoices<TwoToneResetChoices>,
       ImageByte(13), 0, {}, kSectionOption},
      {"TwoTone.SideTone", TwoToneSlot::SideTone, Switch, "Check1", 60312, FixedChoices<TwoToneSideToneChoices>,
       ImageByte(14), 0, {}, kSectionOption},
  };
  return fields;
}

std::pair<int, int> FormatTones(int rFormat) {
  return rFormat >= 0 && rFormat < kTwoToneFormats ? kFormatTones[rFormat] : kFormatTones[0];
}

bool ToneBoxEnabled(int rFormat, int rTone) {
  const auto [first, second] = FormatTones(rFormat);
  return rTone == first || rTone == second;
}

TwoToneRow TwoToneRowOf(const TwoToneEntry& rEntry) {
  TwoToneRow row;
  if (rEntry.Empty != 0 || EntryDivisor(rEntry, 0) == 0) return row;
  row.First = ToneText(EntryTone(rEntry, 0));
  if (EntryDivisor(rEntry, 1) != 0) row.Second = ToneText(EntryTone(rEntry, 1));
  row.Name = TrimSpaces(rEntry.Name.Display());
  return row;
}

TwoTonePage OpenTwoTonePage(const AppState& rState) {
  TwoTonePage page;
  page.Scratch = rState.Current.Settings.TwoTone;
  auto& header = page.Scratch.Header;
  for (int k = 0; k < kTwoToneEntries; ++k) page.Rows[At(k)] = TwoToneRowOf(page.Scratch.Entries[At(k)]);

  TwoTonePageInputs& in = page.Inputs;
  header = ShownFields(rState, TwoToneFields(), header);
  // Tone times the lists lack show these entries rather than the first.
  const auto& stored = rState.Current.Settings.TwoTone.Header;
  if (PositionOfStored(TwoToneToneTimeChoices(), stored[TwoToneSlot::LongToneTime], -1) < 0)
    header[TwoToneSlot::LongToneTime] = kLongToneDefault;
  if (PositionOfStored(TwoToneGapChoices(), stored[TwoToneSlot::ToneGap], -1) < 0)
    header[TwoToneSlot::ToneGap] = kToneGapDefault;
  for (int which = 0; which < 2; ++which)
    if (DecodeDivisor(page.Scratch, which) == 0) SetDecodeDivisor(page.Scratch, which, kTwoToneDefaultDivisor);

  for (int t = 0; t < kTwoToneTones; ++t) {
    const int tone = ToneOf(page.Scratch, t);
    in.Tones[At(t)] = ToneText(tone == 0 ? kDefaultTones[t] : tone);
  }
  return page;
}

std::string LeaveToneBox(std::string_view rText) {
  const std::string text = TrimSpaces(rText);
  if (text.empty()) return FormatPlainNumber(kTwoToneLowest);
  const auto value = ParseNumber(text);
  if (!value) return FormatPlainNumber(kTwoToneNotANumber);
  return FormatPlainNumber(ClampTone(*value));
}

double ToneAtOk(std::string_view rText) {
  const auto value = ParseNumber(rText);
  if (!value) return kTwoToneNotANumber;
  return std::clamp(*value, kTwoToneOkLowest, kTwoToneHighest);
}

int EnteredColumn(const TwoToneRow& rRow, int rColumn) {
  if (rColumn >= kTwoToneColumnSecond && rRow.First.empty()) return kTwoToneColumnFirst;
  return rColumn;
}

TwoToneCell EnterWalk(TwoToneCell rFrom, std::string_view rText) {
  const int nextRow = (rFrom.Row + 1) % kTwoToneEntries;
  switch (rFrom.Column) {
    case kTwoToneColumnFirst:
      if (!IsNumeric(rText)) return {nextRow, kTwoToneColumnFirst};
      return {rFrom.Row, kTwoToneColumnSecond};
    case kTwoToneColumnSecond: return {rFrom.Row, kTwoToneColumnName};
    case kTwoToneColumnName: return {nextRow, kTwoToneColumnFirst};
    default: return {rFrom.Row, kTwoToneColumnFirst};
  }
}

void CommitTwoToneCell(TwoToneEntry& rEntry, TwoToneRow& rRow, int rColumn, std::string_view rText) {
  if (rColumn == kTwoToneColumnName) {
    rRow.Name = TrimSpaces(rText);
    rEntry.Name.Assign(rRow.Name);
    return;
  }
  if (rColumn != kTwoToneColumnFirst && rColumn != kTwoToneColumnSecond) return;
  const int which = rColumn == kTwoToneColumnFirst ? 0 : 1;
  const auto value = ParseNumber(rText);
  if (!value) {
    if (which == 0) {
      // Without its first tone the entry is free, names and second tone included.
      rRow = {};
      rEntry.Empty = 1;
      rEntry.ToneBytes.fill(0);
      rEntry.Name.Assign("");
    } else {
      rRow.Second.clear();
      for (int b : {2, 3, 6, 7}) rEntry.ToneBytes[At(b)] = 0;
    }
    return;
  }
  if (which == 0 && rRow.First.empty()) {
    // A row that showed nothing starts afresh: a free entry may still hold bytes (from a
    // radio or another program) that were never shown and must not be stored now.
    rRow = {};
    rEntry.ToneBytes.fill(0);
    rEntry.Name.Assign("");
  }
  const double hz = ClampTone(*value);
  const int divisorBase = which == 0 ? 0 : 2;
  const int toneBase = which == 0 ? 4 : 6;
  PutBigEndian(rEntry.ToneBytes[At(divisorBase)], rEntry.ToneBytes[At(divisorBase + 1)], EntryDivisorOf(hz));
  PutBigEndian(rEntry.ToneBytes[At(toneBase)], rEntry.ToneBytes[At(toneBase + 1)], ToneTenths(hz));
  (which == 0 ? rRow.First : rRow.Second) = FormatTenthsText(hz);
  if (which == 0) rEntry.Empty = 0;
}

void StoreTwoToneInputs(const TwoTonePageInputs& rIn, TwoToneSettings& rPage) {
  std::array<double, kTwoToneTones> hz{};
  for (int t = 0; t < kTwoToneTones; ++t) hz[At(t)] = ToneAtOk(rIn.Tones[At(t)]);
  const auto [first, second] = FormatTones(rPage.Header[TwoToneSlot::Format]);
  const double f1 = hz[At(first)];
  const double f2 = second >= 0 ? hz[At(second)] : 0;
  const auto setDecode = [&rPage](int rWhich, double rHz) {
    const int tenths = rHz > 0 ? ToneTenths(rHz) : 0;
    const int divisor = HeaderDivisor(rHz);
    // A divisor one unit off for the same tone is that tone's rounded divisor (the
    // defaults hold such); it stays, so that an OK without change keeps the page.
    const bool rounded = tenths > 0 && DecodeTone(rPage, rWhich) == tenths &&
                         std::abs(DecodeDivisor(rPage, rWhich) - divisor) == 1;
    SetDecodeTone(rPage, rWhich, tenths);
    if (!rounded) SetDecodeDivisor(rPage, rWhich, divisor);
  };
  setDecode(0, f1);
  setDecode(1, f2);
  for (int t = 0; t < kTwoToneTones; ++t) SetTone(rPage, t, ToneTenths(hz[At(t)]));
}

void ApplyTwoTonePage(AppState& rState, const TwoTonePage& rPage) {
  TwoToneSettings page = rPage.Scratch;
  StoreTwoToneInputs(rPage.Inputs, page);
  rState.Current.Settings.TwoTone = page;
  RenumberTwoToneReferences(rState);
}

ReportSection DescribeTwoTonePage(const AppState& rState) {
  const TwoTonePage page = OpenTwoTonePage(rState);
  const TwoTonePageInputs& in = page.Inputs;
  ReportSection section;
  section.Key = "twotone";
  section.Title = LangOption(rState, 60051);
  // The tones follow the decode response.
  const PageFields fields = TwoToneFields();
  DescribeFields(rState, fields.first(2), page.Scratch.Header, section);
  for (int t = 0; t < kTwoToneTones; ++t)
    section.Rows.push_back({LangOption(rState, 60056) + static_cast<char>('A' + t), in.Tones[At(t)]});
  DescribeFields(rState, fields.subspan(2), page.Scratch.Header, section);

  ReportTable codes;
  codes.Header = {LangOption(rState, 60053), LangOption(rState, 60054), LangOption(rState, 60055),
                  LangOption(rState, 60304)};
  for (int k = 0; k < kTwoToneEntries; ++k) {
    const TwoToneRow& shown = page.Rows[At(k)];
    if (shown.First.empty()) continue;
    codes.Rows.push_back({std::to_string(k), shown.First, shown.Second, shown.Name});
  }
  section.Tables.push_back(std::move(codes));
  return section;
}

}  // namespace px
