#include "edit/five_tone_rules.h"

#include <algorithm>
#include <vector>

#include "app/language.h"
#include "codeplug/number_text.h"
#include "codeplug/text_formats.h"
#include "edit/codeplug_ops.h"
#include "edit/five_tone_standards.h"
#include "edit/generated_choices.h"

namespace px {
namespace {

constexpr int kTextOff = 1755;
constexpr int kTextOn = 1756;
constexpr int kTextOwnId = 3002;
constexpr int kTextPage = 60052;
constexpr int kTextNumber = 60053;
constexpr int kTextSpecialCall = 60062;
constexpr int kTextCode = 60079;
constexpr int kTextStandard = 60061;
constexpr int kTextDuration = 60080;
constexpr int kTextName = 60305;
constexpr int kTextSideTone = 60312;
constexpr int kTextPttIdBegin = 60302;
constexpr int kTextPttIdEnd = 60303;
constexpr int kTextInfoFrame = 60095;
constexpr int kTextDecodeFunction = 60306;
constexpr int kTextDecodeResponse = 60097;
constexpr int kTextInfoName = 60096;
constexpr int kTextToneFrequency = 60085;
constexpr int kTextUserToneTable = 3103;
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
                                     {Choice{kTextOff, "OFF", 0, kSectionOther}});
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
    {kTextOff, "OFF", 0, kSectionOther}, {0, "B", 11}, {0, "C", 12}, {0, "D", 13}, {0, "F", 15}};
constexpr Choice kSpecialTypes[] = {{60073, "Message", kSpecialMessage, kSectionOption},
                                    {0, "ANI", kSpecialAni},
                                    {0, "PTTID", kSpecialPttId}};
// "E" is the repeat digit and a decimal digit would end the called code, so only these
// can part the called code from the own ID.
constexpr Choice kSeparators[] = {{kTextOff, "OFF", 0, kSectionOther},
                                  {0, "A", 10}, {0, "B", 11}, {0, "C", 12}, {0, "D", 13}, {0, "F", 15}};

const std::vector<FiveToneList>& ListTable() {
  static const std::vector<FiveToneList> table = {
      {kFiveToneStandardList, 60061, FiveToneStandardChoices()},
      {kFiveToneResponseList, 60070, kResponses},
      {kFiveToneDurationList, 60071, DurationList().Table()},
      {kFiveTonePreSendList, 60081, TenMsList().Table()},
      {kFiveToneResetList, 60307, ResetList().Table()},
      {kFiveTonePostSendList, 60308, TenMsList().Table()},
      {kFiveToneRepeatList, 60309, RepeatList().Table()},
      {kFiveToneFirstDigitList, 60310, TenMsList().Table()},
      {kFiveTonePauseTimeList, 60311, ZeroTenMsList().Table()},
      {kFiveTonePauseDigitList, 60314, kPauseDigits},
      {kFiveToneLastToneList, 60315, LastToneList().Table()},
      {kFiveToneDecodeHoldList, 60316, DecodeHoldList().Table()},
  };
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

  auto set = [&page](int rList, int rStored) {
    page.Lists[static_cast<std::size_t>(rList)] = Position(FiveTonePageChoices(rList), rStored);
  };
  set(kFiveToneStandardList, five.PageBytes[2]);
  set(kFiveToneResponseList, five.PageBytes[1]);
  set(kFiveToneDurationList, ToneDurationOrDefault(five.PageBytes[4]));
  set(kFiveTonePreSendList, five.PageBytes2[1]);
  set(kFiveToneResetList, five.PageBytes2[0]);
  set(kFiveTonePostSendList, five.PageBytes2[2]);
  set(kFiveToneRepeatList, five.PageBytes2[3]);
  set(kFiveToneFirstDigitList, five.PageWords[0]);
  set(kFiveTonePauseTimeList, five.PageWords[1]);
  set(kFiveTonePauseDigitList, five.PageWords[2]);
  set(kFiveToneLastToneList, page.LastOption);
  set(kFiveToneDecodeHoldList, five.PageWords[3]);
  page.SideTone = five.PageWords[4] != 0;

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
  five.PageBytes[2] = ByteValue(StoredOf(rPage, kFiveToneStandardList));
  five.PageBytes[1] = ByteValue(StoredOf(rPage, kFiveToneResponseList));
  five.PageBytes[4] = ByteValue(StoredOf(rPage, kFiveToneDurationList));
  five.PageBytes2[0] = ByteValue(StoredOf(rPage, kFiveToneResetList));
  five.PageBytes2[1] = ByteValue(StoredOf(rPage, kFiveTonePreSendList));
  five.PageBytes2[2] = ByteValue(StoredOf(rPage, kFiveTonePostSendList));
  five.PageBytes2[3] = ByteValue(StoredOf(rPage, kFiveToneRepeatList));
  five.PageWords[0] = static_cast<Int16>(StoredOf(rPage, kFiveToneFirstDigitList));
  five.PageWords[2] = static_cast<Int16>(StoredOf(rPage, kFiveTonePauseDigitList));
  five.PageWords[1] = static_cast<Int16>(StoredOf(rPage, kFiveTonePauseTimeList));
  rPage.LastOption = ByteValue(StoredOf(rPage, kFiveToneLastToneList));
  five.PageWords[3] = static_cast<Int16>(StoredOf(rPage, kFiveToneDecodeHoldList));
  five.PageWords[4] = rPage.SideTone ? 1 : 0;

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
  section.Title = LangOption(rState, kTextPage);
  section.Rows.push_back({LangText(rState, kTextOwnId), page.OwnId});
  for (const FiveToneList& list : ListTable())
    section.Rows.push_back({LangOption(rState, list.LabelId),
                            ChoiceText(rState, list.Choices, page.Lists[static_cast<std::size_t>(list.Index)])});
  section.Rows.push_back({LangOption(rState, kTextSideTone), LangText(rState, page.SideTone ? kTextOn : kTextOff)});
  const int pttLabels[] = {kTextPttIdBegin, kTextPttIdEnd};
  for (std::size_t i = 0; i < page.PttId.size(); ++i) {
    const FiveTonePttIdInputs& ptt = page.PttId[i];
    section.Rows.push_back({LangOption(rState, pttLabels[i]),
                            ptt.Code + "  " + std::string(FiveToneStandardAt(ptt.Standard).Name) + "  " +
                                ChoiceText(rState, DurationList().Table(), ptt.Duration) + " ms"});
  }

  ReportTable codes;
  codes.Title = LangOption(rState, kTextCode);
  for (const int id : {kTextNumber, kTextSpecialCall, kTextCode, kTextStandard, kTextDuration, kTextName})
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
  infos.Title = LangOption(rState, kTextInfoFrame);
  for (const int id : {kTextNumber, kTextDecodeFunction, kTextDecodeResponse, kTextCode, kTextInfoName})
    infos.Header.push_back(LangOption(rState, id));
  for (int number = 1; number <= kFiveToneInfoCodes; ++number) {
    const InfoCodeInputs in = ShowInfoCode(page, number);
    infos.Rows.push_back({std::to_string(number), ChoiceText(rState, kDecodeFunctions, in.Function),
                          ChoiceText(rState, kResponses, in.Response), in.Code, Latin1ToUtf8(in.Name)});
  }
  section.Tables.push_back(std::move(infos));

  ReportTable tones;
  tones.Title = LangText(rState, kTextUserToneTable);
  tones.Header = {LangOption(rState, kTextCode), LangOption(rState, kTextToneFrequency) + "(Hz)"};
  static constexpr std::string_view kDigits = "0123456789ABCDEF";
  for (std::size_t i = 0; i < kDigits.size(); ++i)
    tones.Rows.push_back({std::string(1, kDigits[i]), ToneBoxText(page.Five.ToneTable[i])});
  section.Tables.push_back(std::move(tones));
  return section;
}

}  // namespace px
