#include "edit/five_tone_rules.h"

#include <algorithm>
#include <vector>

#include "app/language.h"
#include "codeplug/number_text.h"
#include "codeplug/text_formats.h"
#include "edit/codeplug_ops.h"
#include "edit/five_tone_standards.h"
#include "edit/generated_choices.h"
#include "edit/option_rules.h"

namespace px {
namespace {

constexpr int kTextPttIdBegin = 60302;
constexpr int kTextPttIdEnd = 60303;
constexpr int kTextKillWithoutWakeUp = 60300;
constexpr int kTextInfoCodeTwice = 60301;
constexpr const char* kOwnIdMessage = "900C";
constexpr const char* kResetSpecialQuestion = "Reset Special Call of this channel,OK or Not?";

std::string Tens(int rValue) { return std::to_string(rValue * 10); }

const GeneratedChoices& TenMsList() {  // "10" .. "2550", stored 1 .. 255
  static const GeneratedChoices list(255, [](int i) { return Tens(i + 1); }, [](int i) { return i + 1; });
  return list;
}
const GeneratedChoices& ZeroTenMsList() {  // "0" .. "2550"
  static const GeneratedChoices list(256, Tens, [](int i) { return i; });
  return list;
}
const GeneratedChoices& ResetList() {  // "0.0" .. "25.0"
  static const GeneratedChoices list(251, [](int i) { return FormatOneDecimal(i / 10.0); }, [](int i) { return i; });
  return list;
}
const GeneratedChoices& RepeatList() {  // off, "5" .. "75"
  static const GeneratedChoices list(71, [](int i) { return std::to_string(i + 5); }, [](int i) { return i + 5; },
                                     {Choice{kTextOptionOff, "OFF", 0, kSectionOther}});
  return list;
}
const GeneratedChoices& LastToneList() {  // "0" .. "2000"
  static const GeneratedChoices list(201, Tens, [](int i) { return i; });
  return list;
}
const GeneratedChoices& DecodeHoldList() {  // "0" .. "2500"
  static const GeneratedChoices list(251, Tens, [](int i) { return i; });
  return list;
}
const GeneratedChoices& DurationList() {  // "30" .. "100" ms
  static const GeneratedChoices list(8, [](int i) { return std::to_string(30 + 10 * i); },
                                     [](int i) { return 30 + 10 * i; });
  return list;
}

constexpr Choice kResponses[] = {
    {60057, "None", 0, kSectionOption}, {60058, "Alert Tone", 1, kSectionOption},
    {60059, "Alert + Transpond", 2, kSectionOption}};
constexpr Choice kDecodeFunctions[] = {
    {60098, "None", 0, kSectionOption},        {60075, "Selective Call", 1, kSectionOption},
    {60074, "Group Call", 2, kSectionOption},  {60069, "Remote Kill", 3, kSectionOption},
    {60093, "Remote Stun", 4, kSectionOption}, {60082, "Wake Up", 5, kSectionOption},
    {60099, "Reset", 6, kSectionOption}};
constexpr Choice kPauseDigits[] = {
    {kTextOptionOff, "OFF", 0, kSectionOther}, {0, "B", 11}, {0, "C", 12}, {0, "D", 13}, {0, "F", 15}};
constexpr Choice kSpecialTypes[] = {{60073, "Message", kSpecialMessage, kSectionOption},
                                    {0, "ANI", kSpecialAni},
                                    {0, "PTTID", kSpecialPttId}};
// "E" is the repeat digit and a decimal digit would end the called code, so only these
// can part the called code from the own ID.
constexpr Choice kSeparators[] = {{kTextOptionOff, "OFF", 0, kSectionOther},
                                  {0, "A", 10}, {0, "B", 11}, {0, "C", 12}, {0, "D", 13}, {0, "F", 15}};

constexpr Choice kSideTone[] = {{kTextOptionOff, "OFF", 0}, {kTextOptionOn, "ON", 1}};

// The entries of the list in slot rSlot.
ChoiceTable ListChoices(std::size_t rSlot) {
  switch (rSlot) {
    case kFiveToneStandardList: return FiveToneStandardChoices();
    case kFiveToneResponseList: return kResponses;
    case kFiveToneDurationList: return DurationList().Table();
    case kFiveTonePreSendList:
    case kFiveTonePostSendList:
    case kFiveToneFirstDigitList: return TenMsList().Table();
    case kFiveToneResetList: return ResetList().Table();
    case kFiveToneRepeatList: return RepeatList().Table();
    case kFiveTonePauseTimeList: return ZeroTenMsList().Table();
    case kFiveTonePauseDigitList: return kPauseDigits;
    case kFiveToneLastToneList: return LastToneList().Table();
    case kFiveToneDecodeHoldList: return DecodeHoldList().Table();
    case FiveToneSlot::SideTone: return kSideTone;
    default: return {};
  }
}

template <std::size_t Slot>
BuiltChoices SlotChoices(const AppState&) {
  BuiltChoices choices;
  for (const Choice& entry : ListChoices(Slot)) choices.Add(entry);
  return choices;
}

// Where each slot's value lies.
enum class Held { None, PageByte, PageByte2, PageWord, LastOption };
struct Place {
  Held In = Held::None;
  std::size_t Index = 0;
};
constexpr Place kPlaces[FiveToneSlot::Count] = {
    {},
    {Held::PageByte, 2},  {Held::PageByte, 1},  {Held::PageByte, 4},  {Held::PageByte2, 1}, {Held::PageByte2, 0},
    {Held::PageByte2, 2}, {Held::PageByte2, 3}, {Held::PageWord, 0},  {Held::PageWord, 1},  {Held::PageWord, 2},
    {Held::LastOption, 0}, {Held::PageWord, 3}, {Held::PageWord, 4}};

const std::vector<FiveToneList>& ListTable() {
  static const std::vector<FiveToneList> table = [] {
    std::vector<FiveToneList> lists;
    for (const PageField& field : FiveToneFields())
      if (field.Control == FieldControl::List)
        lists.push_back({static_cast<int>(field.Slot), field.LabelId, ListChoices(field.Slot)});
    return lists;
  }();
  return table;
}

int Position(ChoiceTable rTable, int rStored) { return PositionOfStored(rTable, rStored, 0); }
int StoredOf(const FiveTonePage& rPage, int rList) {
  return StoredAtPosition(FiveTonePageChoices(rList), rPage.Lists[static_cast<std::size_t>(rList)]);
}
Byte ByteValue(int rValue) { return static_cast<Byte>(std::clamp(rValue, 0, 255)); }

template <std::size_t N>
void AssignIfChanged(FixedText<N>& rField, const std::string& rShown) {
  if (rField.Display() != rShown) rField.Assign(rShown);
}

// A code's digits and length byte, left alone when the code already sends rDigits.
void SetCodeDigits(FiveToneCode& rCode, const std::string& rDigits) {
  if (CodeInUse(rCode) != rDigits) rCode.Digits.Assign(rDigits);
  rCode.CodeBytes[2] = static_cast<Byte>(std::min<std::size_t>(rDigits.size(), rCode.Digits.Size));
}

// The corrections of opening that are also stored: a length beyond the field, a standard
// that does not exist. A duration the radio does not know is shown as 70 ms, and it is
// only written when another duration is chosen, since the radio reads it as 70 anyway.
void CorrectCode(FiveToneCode& rCode) {
  if (rCode.CodeBytes[2] > kListedCodeMax) rCode.CodeBytes[2] = 0;
  if (rCode.CodeBytes[1] >= kFiveToneStandardCount) rCode.CodeBytes[1] = 0;
}

void SetDuration(FiveToneCode& rCode, int rMs) {
  if (ToneDurationOrDefault(rCode.CodeBytes[3]) != ToneDurationOrDefault(rMs))
    rCode.CodeBytes[3] = ToneDurationOrDefault(rMs);
}

FiveToneCode& SpecialCode(FiveToneSettings& rFive, std::size_t rIndex) {
  return rIndex == 0 ? rFive.SpecialCodeA : rFive.SpecialCodeB;
}

void ShowPttIdCodes(FiveTonePage& rPage) {
  for (std::size_t i = 0; i < rPage.PttId.size(); ++i) {
    const FiveToneCode& code = SpecialCode(rPage.Five, i);
    rPage.PttId[i].Code = CodeInUse(code);
    rPage.PttId[i].Standard = code.CodeBytes[1];
    rPage.PttId[i].Duration = Position(DurationList().Table(), ToneDurationOrDefault(code.CodeBytes[3]));
  }
}

std::string InfoDigits(const FiveToneInfoCode& rInfo) {
  std::string code = rInfo.Code.Display();
  if (code.size() > rInfo.CodeBytes[2]) code.resize(rInfo.CodeBytes[2]);
  return code;
}

FiveToneCode& CodeAt(FiveTonePage& rPage, int rRow) {
  return rPage.Five.Codes[static_cast<std::size_t>(std::clamp(rRow, 1, kFiveToneCodes) - 1)];
}
FiveToneCodeRow& RowAt(FiveTonePage& rPage, int rRow) {
  return rPage.Rows[static_cast<std::size_t>(std::clamp(rRow, 1, kFiveToneCodes) - 1)];
}
void MarkEdited(FiveTonePage& rPage, int rRow) {
  rPage.RowEdited[static_cast<std::size_t>(std::clamp(rRow, 1, kFiveToneCodes) - 1)] = true;
}

}  // namespace

// ---- Page lists ----------------------------------------------------------------------

FiveToneValues FiveToneValuesOf(const FiveToneSettings& rFive, Byte rLastOption) {
  FiveToneValues values{};
  for (std::size_t slot = 0; slot < values.size(); ++slot) {
    const Place& place = kPlaces[slot];
    switch (place.In) {
      case Held::PageByte: values[slot] = rFive.PageBytes[place.Index]; break;
      case Held::PageByte2: values[slot] = rFive.PageBytes2[place.Index]; break;
      case Held::PageWord: values[slot] = rFive.PageWords[place.Index]; break;
      case Held::LastOption: values[slot] = rLastOption; break;
      case Held::None: break;
    }
  }
  return values;
}

void SetFiveToneValues(const FiveToneValues& rValues, FiveToneSettings& rFive, Byte& rLastOption) {
  for (std::size_t slot = 0; slot < rValues.size(); ++slot) {
    const Place& place = kPlaces[slot];
    switch (place.In) {
      case Held::PageByte: rFive.PageBytes[place.Index] = ByteValue(rValues[slot]); break;
      case Held::PageByte2: rFive.PageBytes2[place.Index] = ByteValue(rValues[slot]); break;
      case Held::PageWord: rFive.PageWords[place.Index] = static_cast<Int16>(rValues[slot]); break;
      case Held::LastOption: rLastOption = ByteValue(rValues[slot]); break;
      case Held::None: break;
    }
  }
}

PageFields FiveToneFields() {
  using enum FieldControl;
  // Places from the page's image address. The tone duration is kept in units of 10 ms,
  // which the codec converts itself.
  static const PageField fields[] = {
      {"FiveTone.Standard", kFiveToneStandardList, List, "Combo1_1", 60061, SlotChoices<kFiveToneStandardList>,
       ImageByte(0x02), 0, "Settings.FiveTone.PageBytes[2]", kSectionOption},
      {"FiveTone.DecodeResponse", kFiveToneResponseList, List, "Combo1_2", 60070, SlotChoices<kFiveToneResponseList>,
       ImageByte(0x01), 0, "Settings.FiveTone.PageBytes[1]", kSectionOption},
      {"FiveTone.ToneDuration", kFiveToneDurationList, List, "Combo1_3", 60071, SlotChoices<kFiveToneDurationList>,
       kNotInImage, 0, "Settings.FiveTone.PageBytes[4]", kSectionOption},
      {"FiveTone.PreSendDelay", kFiveTonePreSendList, List, "Combo1_4", 60081, SlotChoices<kFiveTonePreSendList>,
       ImageByte(0x0B), 0, "Settings.FiveTone.PageBytes2[1]", kSectionOption},
      {"FiveTone.ResetTime", kFiveToneResetList, List, "Combo1_5", 60307, SlotChoices<kFiveToneResetList>,
       ImageByte(0x0E), 0, "Settings.FiveTone.PageBytes2[0]", kSectionOption},
      {"FiveTone.PostSendDelay", kFiveTonePostSendList, List, "Combo1_6", 60308, SlotChoices<kFiveTonePostSendList>,
       ImageByte(0x0C), 0, "Settings.FiveTone.PageBytes2[2]", kSectionOption},
      {"FiveTone.RepeatInterval", kFiveToneRepeatList, List, "Combo1_7", 60309, SlotChoices<kFiveToneRepeatList>,
       ImageByte(0x0D), 0, "Settings.FiveTone.PageBytes2[3]", kSectionOption},
      {"FiveTone.FirstDigitDelay", kFiveToneFirstDigitList, List, "Combo1_8", 60310,
       SlotChoices<kFiveToneFirstDigitList>, ImageByte(0x0F), 0, "Settings.FiveTone.PageWords[0]", kSectionOption},
      {"FiveTone.PauseTime", kFiveTonePauseTimeList, List, "Combo1_9", 60311, SlotChoices<kFiveTonePauseTimeList>,
       ImageByte(0x13), 0, "Settings.FiveTone.PageWords[1]", kSectionOption},
      {"FiveTone.PauseDigit", kFiveTonePauseDigitList, List, "Combo1_10", 60314,
       SlotChoices<kFiveTonePauseDigitList>, ImageByte(0x12), 0, "Settings.FiveTone.PageWords[2]", kSectionOption},
      {"FiveTone.LastToneDuration", kFiveToneLastToneList, List, "Combo1_11", 60315,
       SlotChoices<kFiveToneLastToneList>, ImageByte(0x14), 0, "FiveToneLastOption", kSectionOption},
      {"FiveTone.DecodeHoldTime", kFiveToneDecodeHoldList, List, "Combo1_12", 60316,
       SlotChoices<kFiveToneDecodeHoldList>, ImageByte(0x15), 0, "Settings.FiveTone.PageWords[3]", kSectionOption},
      {"FiveTone.SideTone", FiveToneSlot::SideTone, Switch, "Check1", 60312, SlotChoices<FiveToneSlot::SideTone>,
       ImageByte(0x10), 0, "Settings.FiveTone.PageWords[4]", kSectionOption},
  };
  return fields;
}

std::span<const FiveToneList> FiveTonePageListTable() { return ListTable(); }

ChoiceTable FiveTonePageChoices(int rIndex) {
  for (const FiveToneList& list : ListTable())
    if (list.Index == rIndex) return list.Choices;
  return {};
}

ChoiceTable FiveToneDurationChoices() { return DurationList().Table(); }
ChoiceTable FiveToneResponseChoices() { return kResponses; }
ChoiceTable FiveToneDecodeFunctionChoices() { return kDecodeFunctions; }
ChoiceTable SpecialCallTypeChoices() { return kSpecialTypes; }
ChoiceTable AniSeparatorChoices() { return kSeparators; }

// ---- The page ------------------------------------------------------------------------

FiveTonePage OpenFiveTonePage(const AppState& rState) {
  FiveTonePage page;
  page.Five = rState.Current.Settings.FiveTone;
  page.LastOption = rState.Current.FiveToneLastOption;
  FiveToneSettings& five = page.Five;
  page.OwnId = five.PageText.Display();

  FiveToneValues stored = FiveToneValuesOf(five, page.LastOption);
  // A duration the radio does not know shows as the one it uses instead.
  stored[kFiveToneDurationList] = ToneDurationOrDefault(stored[kFiveToneDurationList]);
  for (const FiveToneList& list : ListTable())
    page.Lists[static_cast<std::size_t>(list.Index)] = Position(list.Choices, stored[static_cast<std::size_t>(list.Index)]);
  page.SideTone = stored[FiveToneSlot::SideTone] != 0;

  for (std::size_t i = 0; i < page.PttId.size(); ++i) CorrectCode(SpecialCode(five, i));
  ShowPttIdCodes(page);

  for (int row = 1; row <= kFiveToneCodes; ++row) {
    FiveToneCode& code = CodeAt(page, row);
    CorrectCode(code);
    FiveToneCodeRow& cells = RowAt(page, row);
    if (code.Empty == 0) {
      cells.Standard = code.CodeBytes[1];
      cells.DurationMs = ToneDurationOrDefault(code.CodeBytes[3]);
      cells.Name = code.Name.Display();
    }
    RefreshCodeRow(rState, page, row);
  }
  return page;
}

bool PauseTimeEnabled(const FiveTonePage& rPage) { return rPage.Lists[kFiveTonePauseDigitList] != 0; }

int DefaultDurationPosition(int rStandard) {
  return Position(DurationList().Table(), FiveToneStandardAt(rStandard).DefaultDurationMs);
}

void RefreshCodeRow(const AppState& rState, FiveTonePage& rPage, int rRow) {
  const FiveToneCode& code = CodeAt(rPage, rRow);
  FiveToneCodeRow& cells = RowAt(rPage, rRow);
  if (code.Empty != 0) {
    cells.Type.clear();
    cells.Code.clear();
    cells.Edit.clear();
    return;
  }
  const std::string digits = CodeInUse(code);
  const FiveToneCallType type = CallTypeOf(digits, rPage.OwnId);
  cells.Type = CallTypeText(rState, type);
  cells.Code = ShownCodeText(rState, digits, type);
  cells.Edit = EditedCodeText(digits, type);
}

void CommitCodeCell(const AppState& rState, FiveTonePage& rPage, int rRow, const std::string& rText) {
  if (rText == RowAt(rPage, rRow).Edit) return;
  FiveToneCode& code = CodeAt(rPage, rRow);
  const std::string stored = EncodeFiveToneCode(CodeAlphabetOnly(rText), rPage.OwnId);
  code.Digits.Assign(stored);
  code.CodeBytes[2] = static_cast<Byte>(std::min<std::size_t>(stored.size(), kListedCodeMax));
  code.Empty = stored.empty() ? 1 : 0;
  MarkEdited(rPage, rRow);
  RefreshCodeRow(rState, rPage, rRow);
}

void ChooseRowStandard(FiveTonePage& rPage, int rRow, int rStandard) {
  FiveToneCodeRow& cells = RowAt(rPage, rRow);
  cells.Standard = std::clamp(rStandard, 0, kFiveToneStandardCount - 1);
  cells.DurationMs = FiveToneStandardAt(cells.Standard).DefaultDurationMs;
  MarkEdited(rPage, rRow);
}

void CommitDurationCell(FiveTonePage& rPage, int rRow, int rDurationMs) {
  FiveToneCodeRow& cells = RowAt(rPage, rRow);
  if (cells.DurationMs == rDurationMs) return;
  cells.DurationMs = ToneDurationOrDefault(rDurationMs);
  MarkEdited(rPage, rRow);
}

void CommitNameCell(FiveTonePage& rPage, int rRow, const std::string& rName) {
  FiveToneCodeRow& cells = RowAt(rPage, rRow);
  const std::string name = TrimFixedText(rName.substr(0, kCodeNameMax));
  if (cells.Name == name) return;
  cells.Name = name;
  MarkEdited(rPage, rRow);
}

bool ResetSpecialCall(const AppState& rState, FiveTonePage& rPage, int rRow, UserInterface& rUi) {
  if (RowAt(rPage, rRow).Type.empty()) return false;
  if (rUi.Ask(kResetSpecialQuestion, MsgButtons::OkCancel, MsgIcon::Question) != MsgAnswer::Ok) return false;
  FiveToneCode& code = CodeAt(rPage, rRow);
  code.CodeBytes[2] = 0;
  code.Digits.Assign("");
  RefreshCodeRow(rState, rPage, rRow);
  return true;
}

void StoreFiveTonePage(FiveTonePage& rPage) {
  FiveToneSettings& five = rPage.Five;
  AssignIfChanged(five.PageText, rPage.OwnId);
  five.PageBytes[3] = ByteValue(static_cast<int>(rPage.OwnId.size()));
  FiveToneValues values = FiveToneValuesOf(five, rPage.LastOption);
  for (const FiveToneList& list : ListTable()) values[static_cast<std::size_t>(list.Index)] = StoredOf(rPage, list.Index);
  values[FiveToneSlot::SideTone] = rPage.SideTone ? 1 : 0;
  SetFiveToneValues(values, five, rPage.LastOption);

  for (std::size_t i = 0; i < rPage.PttId.size(); ++i) {
    FiveToneCode& code = SpecialCode(five, i);
    std::string stored = EncodeFiveToneCode(CodeAlphabetOnly(rPage.PttId[i].Code), rPage.OwnId);
    if (stored.size() > kPttIdCodeMax) stored.resize(kPttIdCodeMax);
    SetCodeDigits(code, stored);
    code.CodeBytes[1] = ByteValue(std::clamp(rPage.PttId[i].Standard, 0, kFiveToneStandardCount - 1));
    SetDuration(code, StoredAtPosition(DurationList().Table(), rPage.PttId[i].Duration));
  }

  for (int row = 1; row <= kFiveToneCodes; ++row) {
    FiveToneCode& code = CodeAt(rPage, row);
    std::string stored = EncodeFiveToneCode(CodeAlphabetOnly(WithOwnId(CodeInUse(code), rPage.OwnId)), rPage.OwnId);
    if (stored.size() > kListedCodeMax) stored.resize(kListedCodeMax);
    SetCodeDigits(code, stored);
    if (!rPage.RowEdited[static_cast<std::size_t>(row - 1)]) continue;
    const FiveToneCodeRow& cells = RowAt(rPage, row);
    code.CodeBytes[1] = ByteValue(cells.Standard);
    SetDuration(code, cells.DurationMs);
    AssignIfChanged(code.Name, cells.Name);
  }
}

void TakeOverOwnId(const AppState& rState, FiveTonePage& rPage, const std::string& rNewId) {
  const std::string oldId = rPage.Five.PageText.Display();
  rPage.OwnId = rNewId;
  if (oldId != rNewId) {
    for (FiveToneCode& code : rPage.Five.Codes) SetCodeDigits(code, WithNewOwnId(CodeInUse(code), oldId, rNewId));
    for (FiveTonePttIdInputs& ptt : rPage.PttId) ptt.Code = WithNewOwnId(ptt.Code, oldId, rNewId);
  }
  StoreFiveTonePage(rPage);
  ShowPttIdCodes(rPage);
  for (int row = 1; row <= kFiveToneCodes; ++row) RefreshCodeRow(rState, rPage, row);
}

// ---- Information codes -----------------------------------------------------------------

InfoCodeInputs ShowInfoCode(const FiveTonePage& rPage, int rNumber) {
  const FiveToneInfoCode& info = rPage.Five.InfoCodes[static_cast<std::size_t>(std::clamp(rNumber, 1, kFiveToneInfoCodes) - 1)];
  InfoCodeInputs in;
  in.Function = Position(kDecodeFunctions, info.CodeBytes[0]);
  in.Response = Position(kResponses, info.CodeBytes[1]);
  in.Code = InfoDigits(info);
  if (in.Function >= 1 && in.Function <= 5) in.Name = info.Name.Display();
  return in;
}

void SaveInfoCode(FiveTonePage& rPage, int rNumber) {
  if (rNumber < 1 || rNumber > kFiveToneInfoCodes) return;
  FiveToneInfoCode& info = rPage.Five.InfoCodes[static_cast<std::size_t>(rNumber - 1)];
  const InfoCodeInputs& in = rPage.Info;
  info.CodeBytes[0] = ByteValue(StoredAtPosition(kDecodeFunctions, in.Function));
  info.CodeBytes[1] = ByteValue(StoredAtPosition(kResponses, in.Response));
  const std::string code = CodeAlphabetOnly(in.Code).substr(0, kInfoCodeMax);
  if (InfoDigits(info) != code) info.Code.Assign(code);
  info.CodeBytes[2] = ByteValue(static_cast<int>(code.size()));
  AssignIfChanged(info.Name, in.Name.substr(0, kCodeNameMax));
}

void ChooseInfoCode(FiveTonePage& rPage, int rNumber) {
  if (rPage.ShownInfoCode > 0) SaveInfoCode(rPage, rPage.ShownInfoCode);
  rPage.ShownInfoCode = std::clamp(rNumber, 1, kFiveToneInfoCodes);
  rPage.Info = ShowInfoCode(rPage, rPage.ShownInfoCode);
  const DecodeFunctionEffect effect = DecodeFunctionReaction(rPage.Info.Function, rPage.Info.Response);
  rPage.Info.Response = effect.Response;
  if (effect.NameEmptied) rPage.Info.Name.clear();
}

DecodeFunctionEffect DecodeFunctionReaction(int rFunction, int rResponse) {
  DecodeFunctionEffect effect;
  effect.Response = std::clamp(rResponse, 0, 2);
  switch (rFunction) {
    case 2:
    case 6:
      effect.Response = 0;
      effect.ResponseEnabled = false;
      break;
    case 1:
      effect.ResponseEntries = 2;
      if (effect.Response >= 2) effect.Response = 0;
      break;
    case kDecodeKill:
    case kDecodeStun:
    case kDecodeWakeUp: effect.ResponseEnabled = false; break;
    default: break;
  }
  effect.NameEnabled = rFunction >= 1 && rFunction <= 5;
  effect.NameEmptied = !effect.NameEnabled;
  return effect;
}

bool IsInfoKillStunWakenOK(const AppState& rState, const FiveToneSettings& rFive, UserInterface& rUi) {
  const auto& infos = rFive.InfoCodes;
  const auto hasFunction = [&infos](auto rTest) {
    return std::any_of(infos.begin(), infos.end(), [&](const FiveToneInfoCode& i) { return rTest(i.CodeBytes[0]); });
  };
  bool ok = true;
  if (hasFunction([](int f) { return f == kDecodeKill || f == kDecodeStun; }) &&
      !hasFunction([](int f) { return f == kDecodeWakeUp; })) {
    rUi.Tell(LangOption(rState, kTextKillWithoutWakeUp), MsgIcon::Warning);
    ok = false;
  }
  for (const FiveToneInfoCode& guarded : infos) {
    const int function = guarded.CodeBytes[0];
    if (function < kDecodeKill || function > kDecodeWakeUp) continue;
    const bool clash = std::any_of(infos.begin(), infos.end(), [&](const FiveToneInfoCode& other) {
      return other.CodeBytes[0] != function && InfoDigits(other) == InfoDigits(guarded);
    });
    if (clash) {
      rUi.Tell(LangOption(rState, kTextInfoCodeTwice), MsgIcon::Warning);
      return false;
    }
  }
  return ok;
}

FiveToneApplyOutcome ApplyFiveTonePage(AppState& rState, FiveTonePage& rPage, UserInterface& rUi) {
  if (!IsOwnIdComplete(rPage.OwnId)) {
    rUi.Tell(LangMsg(rState, std::string_view(kOwnIdMessage)), MsgIcon::Warning);
    return FiveToneApplyOutcome::OwnIdIncomplete;
  }
  StoreFiveTonePage(rPage);
  if (rPage.ShownInfoCode > 0) SaveInfoCode(rPage, rPage.ShownInfoCode);
  if (!IsInfoKillStunWakenOK(rState, rPage.Five, rUi)) return FiveToneApplyOutcome::InfoCodesRefused;
  rState.Current.Settings.FiveTone = rPage.Five;
  rState.Current.FiveToneLastOption = rPage.LastOption;
  RenumberFiveToneReferences(rState);
  return FiveToneApplyOutcome::Stored;
}

// ---- Special calls -------------------------------------------------------------------

SpecialCallInputs OpenSpecialCall(const FiveTonePage& rPage) {
  SpecialCallInputs in;
  in.Separator = Position(kSeparators, rPage.Five.PageWords[5]);
  return in;
}

int SpecialMessageMax(SpecialCallTarget rTarget) {
  const int room = rTarget == SpecialCallTarget::CodeRow ? kListedCodeMax : kPttIdCodeMax;
  return (room - 8) / 2;  // "E1", the called code and "E" come first; two digits a character
}

std::optional<std::string> ComposeSpecialCall(const SpecialCallInputs& rInputs, SpecialCallTarget rTarget,
                                              const std::string& rOwnId) {
  const std::string self = rTarget == SpecialCallTarget::CodeRow ? std::string(kSelfIdPlaceholder) : rOwnId;
  if (rInputs.Type == kSpecialPttId) return "E6" + self;
  if (!IsOwnIdComplete(rInputs.Called)) return std::nullopt;
  if (rInputs.Type == kSpecialAni) {
    std::string separator;
    if (rInputs.Separator > 0 && rInputs.Separator < static_cast<int>(std::size(kSeparators)))
      separator = kSeparators[rInputs.Separator].Fixed;
    return rInputs.Called + separator + self;
  }
  std::string code = "E1" + rInputs.Called + "E";
  const std::size_t max = static_cast<std::size_t>(SpecialMessageMax(rTarget));
  for (std::size_t i = 0; i < rInputs.Message.size() && i < max; ++i)
    code += HexByte(static_cast<Byte>(rInputs.Message[i]));
  return code;
}

bool ApplySpecialCall(const AppState& rState, FiveTonePage& rPage, const SpecialCallInputs& rInputs,
                      SpecialCallTarget rTarget, int rRow, UserInterface& rUi) {
  const std::optional<std::string> call = ComposeSpecialCall(rInputs, rTarget, rPage.OwnId);
  if (!call) {
    rUi.Tell(LangMsg(rState, std::string_view(kOwnIdMessage)), MsgIcon::Warning);
    return false;
  }
  rPage.Five.PageWords[5] = static_cast<Int16>(StoredAtPosition(kSeparators, rInputs.Separator));
  const std::string stored = EncodeFiveToneCode(*call, rPage.OwnId);
  if (rTarget != SpecialCallTarget::CodeRow) {
    rPage.PttId[rTarget == SpecialCallTarget::PttIdBegin ? 0 : 1].Code = stored.substr(0, kPttIdCodeMax);
    return true;
  }
  FiveToneCode& code = CodeAt(rPage, rRow);
  code.Digits.Assign(stored);
  code.CodeBytes[2] = static_cast<Byte>(std::min<std::size_t>(stored.size(), kListedCodeMax));
  code.Empty = stored.empty() ? 1 : 0;
  MarkEdited(rPage, rRow);
  RefreshCodeRow(rState, rPage, rRow);
  return true;
}

// ---- User tone table -----------------------------------------------------------------

std::string ToneBoxText(Int16 rStored) { return FormatOneDecimal(rStored / 10.0); }

std::string CorrectToneBoxText(const std::string& rText) {
  const std::optional<double> value = ParseNumber(rText);
  if (!value || *value < kToneBoxMin) return FormatOneDecimal(kToneBoxMin);
  if (*value > kToneBoxMax) return FormatOneDecimal(kToneBoxMax);
  return rText;
}

std::optional<Int16> ToneBoxValue(const std::string& rText) {
  const std::optional<double> value = ParseNumber(rText);
  if (!value) return std::nullopt;
  return static_cast<Int16>(RoundScaled(std::clamp(*value, kToneBoxMin, kToneBoxMax), 1, Rounding::HalfToEven));
}

bool IsToneBoxKey(int rCode) {
  if (rCode == 3 || rCode == 22 || rCode == 24 || rCode < 0 || rCode > 127) return false;
  return rCode < 32 || (rCode >= '0' && rCode <= '9') || rCode == '.';
}

void ApplyToneTable(FiveToneSettings& rFive, const std::array<std::string, 16>& rBoxes) {
  for (std::size_t i = 0; i < rBoxes.size(); ++i)
    if (const std::optional<Int16> value = ToneBoxValue(rBoxes[i])) rFive.ToneTable[i] = *value;
}

// ---- Report --------------------------------------------------------------------------

ReportSection DescribeFiveTonePage(const AppState& rState) {
  const FiveTonePage page = OpenFiveTonePage(rState);
  ReportSection section;
  section.Key = "fivetone";
  section.Title = LangOption(rState, kTextFiveTonePage);
  section.Rows.push_back({LangText(rState, kTextFiveToneOwnId), page.OwnId});
  FiveToneValues shown{};
  for (const FiveToneList& list : ListTable()) shown[static_cast<std::size_t>(list.Index)] = StoredOf(page, list.Index);
  shown[FiveToneSlot::SideTone] = page.SideTone ? 1 : 0;
  DescribeFields(rState, FiveToneFields(), shown, section);
  const int pttLabels[] = {kTextPttIdBegin, kTextPttIdEnd};
  for (std::size_t i = 0; i < page.PttId.size(); ++i) {
    const FiveTonePttIdInputs& ptt = page.PttId[i];
    section.Rows.push_back({LangOption(rState, pttLabels[i]),
                            ptt.Code + "  " + std::string(FiveToneStandardAt(ptt.Standard).Name) + "  " +
                                ChoiceText(rState, DurationList().Table(), ptt.Duration) + " ms"});
  }

  ReportTable codes;
  codes.Title = LangOption(rState, kTextFiveToneCode);
  for (const int id : {kTextFiveToneNumber, kTextFiveToneSpecialCall, kTextFiveToneCode, kTextFiveToneStandard, kTextFiveToneDuration, kTextFiveToneName})
    codes.Header.push_back(LangOption(rState, id));
  for (int row = 1; row <= kFiveToneCodes; ++row) {
    if (page.Five.Codes[static_cast<std::size_t>(row - 1)].Empty != 0) continue;
    const FiveToneCodeRow& cells = page.Rows[static_cast<std::size_t>(row - 1)];
    codes.Rows.push_back({std::to_string(row - 1), cells.Type, cells.Code,
                          std::string(FiveToneStandardAt(cells.Standard).Name), std::to_string(cells.DurationMs),
                          Latin1ToUtf8(cells.Name)});
  }
  section.Tables.push_back(std::move(codes));

  ReportTable infos;
  infos.Title = LangOption(rState, kTextFiveToneInfoFrame);
  for (const int id : {kTextFiveToneNumber, kTextFiveToneDecodeFunction, kTextFiveToneDecodeResponse, kTextFiveToneCode, kTextFiveToneInfoName})
    infos.Header.push_back(LangOption(rState, id));
  for (int number = 1; number <= kFiveToneInfoCodes; ++number) {
    const InfoCodeInputs in = ShowInfoCode(page, number);
    infos.Rows.push_back({std::to_string(number), ChoiceText(rState, kDecodeFunctions, in.Function),
                          ChoiceText(rState, kResponses, in.Response), in.Code, Latin1ToUtf8(in.Name)});
  }
  section.Tables.push_back(std::move(infos));

  ReportTable tones;
  tones.Title = LangText(rState, kTextUserToneTable);
  tones.Header = {LangOption(rState, kTextFiveToneCode), LangOption(rState, kTextToneFrequency) + "(Hz)"};
  static constexpr std::string_view kDigits = "0123456789ABCDEF";
  for (std::size_t i = 0; i < kDigits.size(); ++i)
    tones.Rows.push_back({std::string(1, kDigits[i]), ToneBoxText(page.Five.ToneTable[i])});
  section.Tables.push_back(std::move(tones));
  return section;
}

}  // namespace px
