#pragma once
// The 5-Tone page's rules without a widget: what the dialog shows when it opens (with
// the corrections), the reactions between its controls, the cells of the code list, the
// information codes, the special calls, OK from the inputs into the codeplug, the user
// tone table dialog and the page's report section.

#include <array>
#include <optional>
#include <span>
#include <string>

#include "app/app_state.h"
#include "app/user_interface.h"
#include "codeplug/text_formats.h"
#include "edit/choice_table.h"
#include "edit/five_tone_codes.h"
#include "edit/page_fields.h"
#include "edit/report_section.h"

namespace px {

// ---- Texts of the page and its dialogs (section "OPTION" unless noted) ----------------

inline constexpr int kTextFiveTonePage = 60052;
inline constexpr int kTextFiveToneNumber = 60053;
inline constexpr int kTextFiveToneStandard = 60061;
inline constexpr int kTextFiveToneSpecialCall = 60062;
inline constexpr int kTextFiveToneCode = 60079;
inline constexpr int kTextFiveToneDuration = 60080;
inline constexpr int kTextFiveToneInfoFrame = 60095;
inline constexpr int kTextFiveToneInfoName = 60096;
inline constexpr int kTextFiveToneDecodeResponse = 60097;
inline constexpr int kTextFiveToneName = 60305;
inline constexpr int kTextFiveToneDecodeFunction = 60306;
inline constexpr int kTextUserToneTable = 3103;  // section "OTHER"
inline constexpr int kTextFiveToneOwnId = 3002;  // section "OTHER"

// ---- Page lists ----------------------------------------------------------------------

// The page's lists Combo1(1) .. Combo1(12), by that index.
inline constexpr int kFiveToneStandardList = 1;
inline constexpr int kFiveToneResponseList = 2;
inline constexpr int kFiveToneDurationList = 3;
inline constexpr int kFiveTonePreSendList = 4;
inline constexpr int kFiveToneResetList = 5;
inline constexpr int kFiveTonePostSendList = 6;
inline constexpr int kFiveToneRepeatList = 7;
inline constexpr int kFiveToneFirstDigitList = 8;
inline constexpr int kFiveTonePauseTimeList = 9;
inline constexpr int kFiveTonePauseDigitList = 10;
inline constexpr int kFiveToneLastToneList = 11;
inline constexpr int kFiveToneDecodeHoldList = 12;
inline constexpr int kFiveTonePageLists = 12;

// The page's plain settings by slot: the lists by their index, then the side tone. Their
// values lie in the page's byte and word arrays and in the codeplug's last tone byte.
namespace FiveToneSlot {
enum : std::size_t { SideTone = kFiveTonePageLists + 1, Count };
}  // namespace FiveToneSlot
using FiveToneValues = std::array<int, FiveToneSlot::Count>;  // slot 0 unused
FiveToneValues FiveToneValuesOf(const FiveToneSettings& rFive, Byte rLastOption);
void SetFiveToneValues(const FiveToneValues& rValues, FiveToneSettings& rFive, Byte& rLastOption);

// The rows of the plain settings, in slot order.
PageFields FiveToneFields();

struct FiveToneList {
  int Index = 0;    // n of Combo1(n)
  int LabelId = 0;  // section "OPTION"
  ChoiceTable Choices;
};
// The twelve lists in index order, from the page's rows.
std::span<const FiveToneList> FiveTonePageListTable();
ChoiceTable FiveTonePageChoices(int rIndex);

ChoiceTable FiveToneDurationChoices();        // "30" .. "100", stored in ms
ChoiceTable FiveToneResponseChoices();        // texts 60057, 60058, 60059
ChoiceTable FiveToneDecodeFunctionChoices();  // texts 60098, 60075, 60074, 60069, 60093, 60082, 60099

// ---- The page ------------------------------------------------------------------------

struct FiveTonePttIdInputs {
  std::string Code;
  int Standard = 0;  // position in the standard list
  int Duration = 0;  // position in FiveToneDurationChoices
};

// One row of the code list as its cells show it.
struct FiveToneCodeRow {
  std::string Type;
  std::string Code;
  std::string Edit;  // what the code cell's editor opens with: Code without decoration
  int Standard = 0;
  int DurationMs = kDefaultToneDurationMs;
  std::string Name;  // raw bytes, shown one to one
};

struct InfoCodeInputs {
  int Function = 0;  // position in FiveToneDecodeFunctionChoices
  int Response = 0;  // position in FiveToneResponseChoices
  std::string Code;
  std::string Name;  // raw bytes
};

inline constexpr int kDecodeKill = 3;
inline constexpr int kDecodeStun = 4;
inline constexpr int kDecodeWakeUp = 5;

// The dialog's scratch copy with what its controls hold.
struct FiveTonePage {
  FiveToneSettings Five;
  Byte LastOption = 0;
  std::string OwnId;
  std::array<int, kFiveTonePageLists + 1> Lists{};  // positions, by Combo1 index (0 unused)
  bool SideTone = false;
  std::array<FiveTonePttIdInputs, 2> PttId;          // 0 begin, 1 end
  std::array<FiveToneCodeRow, kFiveToneCodes> Rows;  // Rows[r - 1] shows Codes[r - 1]
  std::array<bool, kFiveToneCodes> RowEdited{};      // a cell of the row was committed
  int ShownInfoCode = 0;                             // 1..8, 0 none
  InfoCodeInputs Info;
};

// Opening: the scratch copy of the page with the corrections for showing it.
FiveTonePage OpenFiveTonePage(const AppState& rState);

// The pause time list is offered only while a pause digit is chosen.
bool PauseTimeEnabled(const FiveTonePage& rPage);
// The duration a standard list sets when a standard is chosen in it.
int DefaultDurationPosition(int rStandard);

// Code list cells; rRow is 1..100.
void RefreshCodeRow(const AppState& rState, FiveTonePage& rPage, int rRow);
// The code cell left with rText: its stored form (with the own ID) becomes the code, and
// the row is in use while the code is not empty. A text equal to what the editor opened
// with changes nothing, so that entering and leaving a special call's cell keeps the
// call. Characters outside the code alphabet never reach the code.
void CommitCodeCell(const AppState& rState, FiveTonePage& rPage, int rRow, const std::string& rText);
// A standard chosen in the row's standard cell: the row's duration becomes its default.
void ChooseRowStandard(FiveTonePage& rPage, int rRow, int rStandard);
void CommitDurationCell(FiveTonePage& rPage, int rRow, int rDurationMs);
void CommitNameCell(FiveTonePage& rPage, int rRow, const std::string& rName);
// Double click on the code cell of a special call: after the user's OK the call is
// emptied (the row stays in use, its type and code cells empty); an editor still open on
// that cell must then be closed without committing. False when the row holds no special call or the user
// cancelled.
bool ResetSpecialCall(const AppState& rState, FiveTonePage& rPage, int rRow, UserInterface& rUi);

// Step 2 of OK (also run when a new own ID is taken over): the inputs into the scratch
// copy, the codes in their stored form with the own ID filled in.
void StoreFiveTonePage(FiveTonePage& rPage);
// The own ID box left with five digits: codes that carry the own ID follow the new one,
// then the page is stored and shown again.
void TakeOverOwnId(const AppState& rState, FiveTonePage& rPage, const std::string& rNewId);

// Information codes, numbered 1..8.
InfoCodeInputs ShowInfoCode(const FiveTonePage& rPage, int rNumber);
void SaveInfoCode(FiveTonePage& rPage, int rNumber);
// Choosing number rNumber in the information code list: the shown code is saved first.
void ChooseInfoCode(FiveTonePage& rPage, int rNumber);

// How the decode response list and the name box follow the decode function.
struct DecodeFunctionEffect {
  int ResponseEntries = 3;
  bool ResponseEnabled = true;
  int Response = 0;  // the position the response list keeps
  bool NameEnabled = true;
  bool NameEmptied = false;
};
DecodeFunctionEffect DecodeFunctionReaction(int rFunction, int rResponse);

// Kill or stun needs a wake-up code (message 60300); a kill, stun or wake-up code must
// differ from the codes of the other functions (60301). Each message is shown once.
bool IsInfoKillStunWakenOK(const AppState& rState, const FiveToneSettings& rFive, UserInterface& rUi);

enum class FiveToneApplyOutcome { Stored, OwnIdIncomplete, InfoCodesRefused };
// OK: the own ID check (message "900C"), the page stored, the shown information code
// saved, the information code check; then the page into the codeplug and the channels'
// and the alert page's 5-Tone references renumbered.
FiveToneApplyOutcome ApplyFiveTonePage(AppState& rState, FiveTonePage& rPage, UserInterface& rUi);

// ---- Special calls -------------------------------------------------------------------

enum class SpecialCallTarget { CodeRow, PttIdBegin, PttIdEnd };
inline constexpr int kSpecialMessage = 0;
inline constexpr int kSpecialAni = 1;
inline constexpr int kSpecialPttId = 2;

ChoiceTable SpecialCallTypeChoices();   // text 60073, "ANI", "PTTID"
ChoiceTable AniSeparatorChoices();      // off, then "A" .. "D", "F", stored as their value

struct SpecialCallInputs {
  int Type = kSpecialMessage;
  std::string Called;
  int Separator = 0;  // position in AniSeparatorChoices
  std::string Message;
};

SpecialCallInputs OpenSpecialCall(const FiveTonePage& rPage);
// The longest message text that still fits the target's code.
int SpecialMessageMax(SpecialCallTarget rTarget);
// The code the inputs make (not yet in stored form); nullopt while a message or ANI call
// has no five-digit called code.
std::optional<std::string> ComposeSpecialCall(const SpecialCallInputs& rInputs, SpecialCallTarget rTarget,
                                              const std::string& rOwnId);
// OK of the special call dialog: the separator kept in the page, the call placed in the
// PTT ID box or in code row rRow. False (message "900C", nothing changed) while the
// called code is incomplete.
bool ApplySpecialCall(const AppState& rState, FiveTonePage& rPage, const SpecialCallInputs& rInputs,
                      SpecialCallTarget rTarget, int rRow, UserInterface& rUi);

// ---- User tone table -----------------------------------------------------------------

inline constexpr double kToneBoxMin = 288.5;
inline constexpr double kToneBoxMax = 3106.0;

std::string ToneBoxText(Int16 rStored);  // tenths of Hz as Hz with one decimal
// A box left: below the range (or not numeric) the lowest value, above it the highest.
std::string CorrectToneBoxText(const std::string& rText);
// OK: a numeric box (corrected into the range) as tenths of Hz, halves to even.
std::optional<Int16> ToneBoxValue(const std::string& rText);
bool IsToneBoxKey(int rCode);
void ApplyToneTable(FiveToneSettings& rFive, const std::array<std::string, 16>& rBoxes);

// ---- Report --------------------------------------------------------------------------

ReportSection DescribeFiveTonePage(const AppState& rState);

}  // namespace px
