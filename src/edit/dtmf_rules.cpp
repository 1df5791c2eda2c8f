#include "edit/dtmf_rules.h"

#include <algorithm>
#include <cctype>

#include "app/language.h"
#include "codeplug/number_text.h"
#include "codeplug/text_formats.h"
#include "edit/generated_choices.h"
#include "edit/option_rules.h"

namespace px {

namespace {

constexpr int kTextMs = 1780;
constexpr int kSeparatorStoredFirst = 10;  // "A"
constexpr int kSeparatorDefault = 14;      // "*"
constexpr int kGroupOff = 255;
constexpr char kSeparatorChars[] = "ABCD*#";
constexpr int kSpecialCallBoxes = kDtmfLastSpecialCallBox + 1;
constexpr OwnText kCodeHeader{"Code", "代码"};

constexpr Choice kAni[] = {{kTextOptionOff, "OFF", 0}, {kTextOptionOn, "ON", 1}};
constexpr Choice kDigitTime[] = {{0, "30", 0},  {0, "50", 1},  {0, "100", 2},
                                 {0, "200", 3}, {0, "300", 4}, {0, "500", 5}};
constexpr Choice kPttIdMode[] = {
    {kTextOptionOff, "OFF", 0}, {1765, "Begin", 1}, {1766, "End", 2}, {1767, "Begin + End", 3}};
constexpr Choice kSeparator[] = {{0, "A", 10}, {0, "B", 11}, {0, "C", 12},
                                 {0, "D", 13}, {0, "*", 14}, {0, "#", 15}};
constexpr Choice kGroup[] = {{kTextOptionOff, "OFF", kGroupOff}, {0, "A", 10}, {0, "B", 11}, {0, "C", 12},
                             {0, "D", 13}, {0, "*", 14}, {0, "#", 15}};
constexpr Choice kDecodeResponse[] = {
    {1650, "None", 0}, {1651, "Alert Tone", 1}, {1653, "Alert + Transpond", 2}};

bool AllDigits(std::string_view rText) {
  return std::all_of(rText.begin(), rText.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// "012*345": three digits, a separator that is no digit, three digits.
bool IsAniForm(const std::string& rCode) {
  return rCode.size() == 7 && AllDigits(rCode.substr(0, 3)) && AllDigits(rCode.substr(4, 3));
}
// "*345": a separator, three digits.
bool IsPttIdForm(const std::string& rCode) { return rCode.size() == 4 && AllDigits(rCode.substr(1, 3)); }
bool IsDigit(char rChar) { return rChar >= '0' && rChar <= '9'; }

template <std::size_t N>
std::string Shown(const DtmfCodeField<N>& rField) {
  const auto length = static_cast<std::size_t>(std::clamp<int>(rField.Length, 0, static_cast<int>(N)));
  return DtmfToDisplay(TrimFixedText(rField.Digits.Raw().substr(0, length)));
}

// An unchanged code keeps its bytes (a code read from the radio ends with a NUL).
template <std::size_t N>
void Store(const std::string& rShown, DtmfCodeField<N>& rField) {
  if (rShown == Shown(rField) && rField.Length == static_cast<Int16>(rShown.size())) return;
  const std::string code = DtmfToStored(rShown.substr(0, N));
  rField.Digits.Assign(code);
  rField.Length = static_cast<Int16>(code.size());
}

// The member each slot is, in slot order.
constexpr Int16 DtmfSettings::*kMembers[DtmfSlot::Count] = {
    &DtmfSettings::AniOn,           &DtmfSettings::DigitTimeIndex, &DtmfSettings::PttIdMode,
    &DtmfSettings::SeparatorDigit,  &DtmfSettings::GroupDigit,     &DtmfSettings::DecodeResponse,
    &DtmfSettings::FirstDigitDelay, &DtmfSettings::PreSendDelay,   &DtmfSettings::ResetTime,
    &DtmfSettings::PostSendDelay,   &DtmfSettings::PauseTime,      &DtmfSettings::SideTone};

}  // namespace

DtmfValues DtmfValuesOf(const DtmfSettings& rPage) {
  DtmfValues values{};
  for (std::size_t slot = 0; slot < values.size(); ++slot) values[slot] = rPage.*kMembers[slot];
  return values;
}

void SetDtmfValues(const DtmfValues& rValues, DtmfSettings& rPage) {
  for (std::size_t slot = 0; slot < rValues.size(); ++slot) rPage.*kMembers[slot] = rValues[slot];
}

BuiltChoices DtmfDigitTimeShownChoices(const AppState& rState) {
  BuiltChoices choices;
  for (int i = 0; i < static_cast<int>(std::size(kDigitTime)); ++i)
    choices.Add(DtmfDigitTimeText(rState, i), kDigitTime[i].Stored);
  return choices;
}

PageFields DtmfFields() {
  using enum FieldControl;
  // The ANI switch and the digit time share the options' bytes, where the options' codec
  // keeps them; the PTT ID mode is not kept by the radio.
  static const PageField fields[] = {
      {"Dtmf.Ani", DtmfSlot::Ani, List, "Combo1_1", 1740, FixedChoices<DtmfAniChoices>, kNotInImage, 0,
       "Settings.Dtmf.AniOn"},
      {"Dtmf.DigitTime", DtmfSlot::DigitTime, List, "Combo1_2", 1741, DtmfDigitTimeShownChoices, kNotInImage, 0,
       "Settings.Dtmf.DigitTimeIndex"},
      {"Dtmf.PttIdMode", DtmfSlot::PttIdMode, List, "Combo1_3", 1743, FixedChoices<DtmfPttIdModeChoices>,
       kNotInImage, 0, "Settings.Dtmf.PttIdMode"},
      {"Dtmf.Separator", DtmfSlot::Separator, List, "Combo1_5", 1604, FixedChoices<DtmfSeparatorChoices>,
       ImageByte(0x0), 0, "Settings.Dtmf.SeparatorDigit"},
      {"Dtmf.Group", DtmfSlot::Group, List, "Combo1_6", 1605, FixedChoices<DtmfGroupChoices>, ImageByte(0x1), 0,
       "Settings.Dtmf.GroupDigit"},
      {"Dtmf.DecodeResponse", DtmfSlot::DecodeResponse, List, "Combo1_7", 1606,
       FixedChoices<DtmfDecodeResponseChoices>, ImageByte(0x2), 0, "Settings.Dtmf.DecodeResponse"},
      {"Dtmf.FirstDigitDelay", DtmfSlot::FirstDigitDelay, List, "Combo1_8", 1607,
       FixedChoices<DtmfFirstDigitDelayChoices>, ImageByte(0x4), 0, "Settings.Dtmf.FirstDigitDelay"},
      {"Dtmf.PreSendDelay", DtmfSlot::PreSendDelay, List, "Combo1_9", 1608, FixedChoices<DtmfSendDelayChoices>,
       ImageByte(0x3), 0, "Settings.Dtmf.PreSendDelay"},
      {"Dtmf.ResetTime", DtmfSlot::ResetTime, List, "Combo1_10", 1609, FixedChoices<DtmfResetTimeChoices>,
       ImageByte(0x5), 0, "Settings.Dtmf.ResetTime"},
      {"Dtmf.PostSendDelay", DtmfSlot::PostSendDelay, List, "Combo1_11", 1610, FixedChoices<DtmfSendDelayChoices>,
       ImageByte(0xE), 0, "Settings.Dtmf.PostSendDelay"},
      {"Dtmf.PauseTime", DtmfSlot::PauseTime, List, "Combo1_12", 1611, FixedChoices<DtmfPauseTimeChoices>,
       ImageByte(0xF), 0, "Settings.Dtmf.PauseTime"},
      {"Dtmf.SideTone", DtmfSlot::SideTone, Switch, "Check1", 1612, FixedChoices<DtmfAniChoices>, ImageByte(0xD), 0,
       "Settings.Dtmf.SideTone"},
  };
  return fields;
}

int DtmfCodeMaxLength(int rBox) { return rBox >= kDtmfKillBox ? 14 : 24; }

ChoiceTable DtmfAniChoices() { return kAni; }
ChoiceTable DtmfDigitTimeChoices() { return kDigitTime; }
ChoiceTable DtmfPttIdModeChoices() { return kPttIdMode; }
ChoiceTable DtmfSeparatorChoices() { return kSeparator; }
ChoiceTable DtmfGroupChoices() { return kGroup; }
ChoiceTable DtmfDecodeResponseChoices() { return kDecodeResponse; }

ChoiceTable DtmfFirstDigitDelayChoices() {
  static const GeneratedChoices table(
      251, [](int i) { return std::to_string(i * 10); }, [](int i) { return i; });
  return table.Table();
}

ChoiceTable DtmfSendDelayChoices() {
  static const GeneratedChoices table(
      250, [](int i) { return std::to_string((i + 1) * 10); }, [](int i) { return i + 1; });
  return table.Table();
}

ChoiceTable DtmfResetTimeChoices() {
  static const GeneratedChoices table(
      251, [](int i) { return FormatTenthsText(i / 10.0); }, [](int i) { return i; });
  return table.Table();
}

ChoiceTable DtmfPauseTimeChoices() {
  static const GeneratedChoices table(
      71, [](int i) { return std::to_string(i + 5); }, [](int i) { return i + 5; },
      {Choice{kTextOptionOff, "OFF", 0}});
  return table.Table();
}

std::string DtmfDigitTimeText(const AppState& rState, int rPosition) {
  return ChoiceText(rState, kDigitTime, rPosition) + LangText(rState, kTextMs);
}

DtmfSettings CorrectDtmfRanges(DtmfSettings rPage) {
  if (rPage.AniOn > 1) rPage.AniOn = 0;
  if (rPage.DigitTimeIndex > 5) rPage.DigitTimeIndex = 0;
  if (rPage.PttIdMode > 3) rPage.PttIdMode = 0;
  if (rPage.SeparatorDigit < 10 || rPage.SeparatorDigit > 15) rPage.SeparatorDigit = kSeparatorDefault;
  if (rPage.GroupDigit < 10 || rPage.GroupDigit > 15) rPage.GroupDigit = kGroupOff;
  if (rPage.DecodeResponse > 2) rPage.DecodeResponse = 0;
  if (rPage.FirstDigitDelay > 250) rPage.FirstDigitDelay = 0;
  if (rPage.PauseTime <= 4) rPage.PauseTime = 0;
  if (rPage.SideTone >= 2) rPage.SideTone = 0;
  return rPage;
}

std::string PadOwnId(std::string rText) {
  const auto length = static_cast<std::size_t>(kDtmfOwnIdLength);
  if (rText.size() >= length) return rText;
  return std::string(length - rText.size(), '0') + rText;
}

std::string OwnIdShown(const FixedText<3>& rStored) {
  const std::string text = rStored.Display();
  // Only digits: anything else could not be sent, and the radio holds one digit a byte.
  if (text.empty() || !AllDigits(text)) return "000";
  return PadOwnId(text);
}

DtmfPageInputs LoadDtmfInputs(const AppState& rState, const DtmfSettings& rStored) {
  const DtmfSettings page = CorrectDtmfRanges(rStored);
  DtmfPageInputs in;
  for (int k = 0; k < kCodeMemories; ++k) in.Codes[static_cast<std::size_t>(k)] = Shown(page.CodeMemory[static_cast<std::size_t>(k)]);
  in.Codes[kDtmfPttIdBeginBox] = Shown(page.PttIdBeginCode);
  in.Codes[kDtmfPttIdEndBox] = Shown(page.PttIdEndCode);
  in.Codes[kDtmfKillBox] = Shown(page.KillCode);
  in.Codes[kDtmfStunBox] = Shown(page.StunCode);
  in.OwnId = OwnIdShown(page.SelfId);
  in.Values = ShownFields(rState, DtmfFields(), DtmfValuesOf(page));
  return in;
}

char DtmfCodeKey(char rKey) {
  if (IsDigit(rKey) || rKey == '*' || rKey == '#') return rKey;
  if (rKey >= 'A' && rKey <= 'D') return rKey;
  if (rKey >= 'a' && rKey <= 'd') return static_cast<char>(rKey - 'a' + 'A');
  return 0;
}

char DtmfDigitKey(char rKey) { return IsDigit(rKey) ? rKey : 0; }

char DtmfSeparatorChar(int rPosition) {
  return rPosition >= 0 && rPosition < 6 ? kSeparatorChars[rPosition] : kSeparatorChars[4];
}

char DtmfSeparatorCharOf(int rStored) { return DtmfSeparatorChar(rStored - kSeparatorStoredFirst); }

void ApplySeparatorChange(DtmfPageInputs& rInputs, char rNewSeparator) {
  const std::string& ownId = rInputs.OwnId;
  for (int k = 0; k < kSpecialCallBoxes; ++k) {
    std::string& code = rInputs.Codes[static_cast<std::size_t>(k)];
    if (IsAniForm(code) && code.substr(4, 3) == ownId && !IsDigit(code[3]))
      code[3] = rNewSeparator;
    else if (IsPttIdForm(code) && code.substr(1, 3) == ownId && !IsDigit(code[0]))
      code[0] = rNewSeparator;
  }
}

void ApplyOwnIdChange(DtmfPageInputs& rInputs) {
  rInputs.OwnId = PadOwnId(rInputs.OwnId);
  const char separator = DtmfSeparatorCharOf(rInputs.Values[DtmfSlot::Separator]);
  for (int k = 0; k < kSpecialCallBoxes; ++k) {
    std::string& code = rInputs.Codes[static_cast<std::size_t>(k)];
    if (IsAniForm(code) && code[3] == separator)
      code.replace(4, 3, rInputs.OwnId);
    else if (IsPttIdForm(code) && code[0] == separator)
      code.replace(1, 3, rInputs.OwnId);
  }
}

std::string DtmfSpecialCallCode(DtmfSpecialCall rKind, std::string_view rCalled, char rSeparator,
                                std::string_view rOwnId) {
  std::string code;
  if (rKind == DtmfSpecialCall::Ani) code = PadOwnId(std::string(rCalled));
  code += rSeparator;
  code += rOwnId;
  return code;
}

bool KillEqualsStun(const DtmfPageInputs& rInputs) {
  const std::string kill = TrimFixedText(rInputs.Codes[kDtmfKillBox]);
  return !kill.empty() && kill == TrimFixedText(rInputs.Codes[kDtmfStunBox]);
}

void StoreDtmfInputs(const DtmfPageInputs& rIn, DtmfSettings& rPage) {
  SetDtmfValues(rIn.Values, rPage);
  rPage.SelfId.Assign(PadOwnId(rIn.OwnId));
  Store(rIn.Codes[kDtmfPttIdBeginBox], rPage.PttIdBeginCode);
  Store(rIn.Codes[kDtmfPttIdEndBox], rPage.PttIdEndCode);
  Store(rIn.Codes[kDtmfKillBox], rPage.KillCode);
  Store(rIn.Codes[kDtmfStunBox], rPage.StunCode);
  for (int k = 0; k < kCodeMemories; ++k)
    Store(rIn.Codes[static_cast<std::size_t>(k)], rPage.CodeMemory[static_cast<std::size_t>(k)]);
}

bool ApplyDtmfPage(AppState& rState, const DtmfPageInputs& rInputs, UserInterface& rUi) {
  if (KillEqualsStun(rInputs)) {
    rUi.Tell(LangText(rState, kTextKillEqualsStun), MsgIcon::Warning);
    return false;
  }
  StoreDtmfInputs(rInputs, rState.Current.Settings.Dtmf);
  return true;
}

ReportSection DescribeDtmfPage(const AppState& rState) {
  const DtmfPageInputs in = LoadDtmfInputs(rState, rState.Current.Settings.Dtmf);
  ReportSection section;
  section.Key = "dtmf";
  section.Title = "DTMF";
  // The own ID sits between the PTT ID mode and the separator, as in the dialog.
  const PageFields fields = DtmfFields();
  DescribeFields(rState, fields.first(DtmfSlot::Separator), in.Values, section);
  section.Rows.push_back({LangText(rState, kTextDtmfOwnId), in.OwnId});
  DescribeFields(rState, fields.subspan(DtmfSlot::Separator), in.Values, section);

  ReportTable codes;
  codes.Header = {"", OwnTextOf(rState, kCodeHeader)};
  for (int k = 0; k < kCodeMemories; ++k)
    codes.Rows.push_back({"M" + std::to_string(k + 1), in.Codes[static_cast<std::size_t>(k)]});
  codes.Rows.push_back({LangOption(rState, 60302), in.Codes[kDtmfPttIdBeginBox]});
  codes.Rows.push_back({LangOption(rState, 60303), in.Codes[kDtmfPttIdEndBox]});
  codes.Rows.push_back({LangOption(rState, 60069), in.Codes[kDtmfKillBox]});
  codes.Rows.push_back({LangOption(rState, 60093), in.Codes[kDtmfStunBox]});
  section.Tables.push_back(std::move(codes));
  return section;
}

}  // namespace px
