#pragma once
// The DTMF page's rules without widgets: the range corrections when it opens, what its
// inputs show, the key rules of its boxes, the separator and own-ID consistency of the
// codes, the special-call forms, and OK from the inputs back to the page.
//
// Codes are held in display form ("*" and "#"); the page stores them in the digit form
// of the radio ("E" and "F").

#include <array>
#include <string>
#include <string_view>

#include "app/app_state.h"
#include "app/user_interface.h"
#include "edit/choice_table.h"
#include "edit/page_fields.h"
#include "edit/report_section.h"

namespace px {

inline constexpr int kDtmfCodeBoxes = 20;      // M1..M16, PTT ID begin, end, kill, stun
inline constexpr int kDtmfPttIdBeginBox = 16;
inline constexpr int kDtmfPttIdEndBox = 17;
inline constexpr int kDtmfKillBox = 18;
inline constexpr int kDtmfStunBox = 19;
inline constexpr int kDtmfLastSpecialCallBox = 17;  // kill and stun take no special call
inline constexpr int kDtmfOwnIdLength = 3;
inline constexpr int kTextKillEqualsStun = 3001;
inline constexpr int kTextDtmfOwnId = 3002;

// 24 digits for the code memories and PTT ID codes, 14 for kill and stun.
int DtmfCodeMaxLength(int rBox);

// The lists of the page, by stored value.
ChoiceTable DtmfAniChoices();
ChoiceTable DtmfDigitTimeChoices();     // shown with the unit of DtmfDigitTimeText
ChoiceTable DtmfPttIdModeChoices();
ChoiceTable DtmfSeparatorChoices();     // "A" .. "#" store 10 .. 15
ChoiceTable DtmfGroupChoices();         // off stores 255
ChoiceTable DtmfDecodeResponseChoices();
ChoiceTable DtmfFirstDigitDelayChoices();  // "0" .. "2500" store 0 .. 250
ChoiceTable DtmfSendDelayChoices();        // "10" .. "2500" store 1 .. 250
ChoiceTable DtmfResetTimeChoices();        // "0.0" .. "25.0" store 0 .. 250
ChoiceTable DtmfPauseTimeChoices();        // off stores 0, then "5" .. "75"
// A digit duration entry with its unit: "30 ms".
std::string DtmfDigitTimeText(const AppState& rState, int rPosition);

// The page's plain settings, by slot; each is a 16-bit member of DtmfSettings.
namespace DtmfSlot {
enum : std::size_t {
  Ani,
  DigitTime,
  PttIdMode,
  Separator,
  Group,
  DecodeResponse,
  FirstDigitDelay,
  PreSendDelay,
  ResetTime,
  PostSendDelay,
  PauseTime,
  SideTone,
  Count,
};
}  // namespace DtmfSlot
using DtmfValues = std::array<Int16, DtmfSlot::Count>;
DtmfValues DtmfValuesOf(const DtmfSettings& rPage);
void SetDtmfValues(const DtmfValues& rValues, DtmfSettings& rPage);

// The rows of the plain settings, in dialog order.
PageFields DtmfFields();
// The digit durations with their unit ("30 ms"), as the list shows them.
BuiltChoices DtmfDigitTimeShownChoices(const AppState& rState);

// What the dialog's inputs hold: codes in display form, the plain settings as the values
// their controls store.
struct DtmfPageInputs {
  std::array<std::string, kDtmfCodeBoxes> Codes;
  std::string OwnId;
  DtmfValues Values{};
  bool operator==(const DtmfPageInputs&) const = default;
};

// Values a damaged or older page may hold, replaced as the page opens: ANI, digit time,
// PTT ID mode, decode response, first digit delay and side tone above their lists give 0,
// a separator outside A..# gives "*", a group digit outside A..# gives off, a pause time
// of 4 or less gives off.
DtmfSettings CorrectDtmfRanges(DtmfSettings rPage);

// The own ID as shown: the stored digits, "0" in front up to three; "000" when the
// stored text is not all digits.
std::string OwnIdShown(const FixedText<3>& rStored);
// "0" in front until three characters ("7" -> "007").
std::string PadOwnId(std::string rText);

// The inputs for the page as stored (corrected first).
DtmfPageInputs LoadDtmfInputs(const AppState& rState, const DtmfSettings& rPage);

// Key rules: the character a typed one enters, 0 when refused. Codes take "0".."9",
// "*", "#" and "A".."D" ("a".."d" enter upper case); the own ID and the called code
// digits only.
char DtmfCodeKey(char rKey);
char DtmfDigitKey(char rKey);

// The separator's character for a separator position ("*" for 4).
char DtmfSeparatorChar(int rPosition);
// The same for the separator's stored value ("*" for 14).
char DtmfSeparatorCharOf(int rStored);

// A new separator chosen: codes 0..17 that are an ANI call to the own ID
// ("012*345", three digits, separator, the own ID) or a PTT ID of it ("*345") take the
// new separator.
void ApplySeparatorChange(DtmfPageInputs& rInputs, char rNewSeparator);
// The own ID box left: the own ID is padded to three digits, and codes 0..17 of the two
// forms above with the shown separator take the new own ID.
void ApplyOwnIdChange(DtmfPageInputs& rInputs);

// The special call's code: "ANI" gives the called code (padded to three digits), the
// separator and the own ID; "PTTID" the separator and the own ID.
enum class DtmfSpecialCall { Ani = 0, PttId = 1 };
std::string DtmfSpecialCallCode(DtmfSpecialCall rKind, std::string_view rCalled, char rSeparator,
                                std::string_view rOwnId);

// Kill and stun codes may not be the same unless both are empty.
bool KillEqualsStun(const DtmfPageInputs& rInputs);

// The inputs written over rPage (every field, codes in stored form).
void StoreDtmfInputs(const DtmfPageInputs& rInputs, DtmfSettings& rPage);

// OK of the page: refuses (telling the user text 3001) when kill equals stun, else
// stores the inputs into rState.Current. True when stored.
bool ApplyDtmfPage(AppState& rState, const DtmfPageInputs& rInputs, UserInterface& rUi);

// The page for the printed report.
ReportSection DescribeDtmfPage(const AppState& rState);

}  // namespace px
