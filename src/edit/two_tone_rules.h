#pragma once
// The 2-Tone page's rules without widgets: the header's fields and their two byte orders,
// the tone and divisor arithmetic, what the page shows when it opens, the tone-box
// clamps, the code table's cell rules (a row starts with its first tone; clearing it
// frees the entry) and OK, which stores the page and renumbers the channels' references.

#include <array>
#include <string>
#include <string_view>
#include <utility>

#include "app/app_state.h"
#include "edit/choice_table.h"
#include "edit/page_fields.h"
#include "edit/report_section.h"

namespace px {

inline constexpr int kTwoToneTones = 4;      // tone boxes A..D
inline constexpr int kTwoToneFormats = 15;
inline constexpr int kTwoToneToneLength = 6;
inline constexpr int kTwoToneNameLength = 7;
inline constexpr double kTwoToneLowest = 288;
inline constexpr double kTwoToneHighest = 3116;
inline constexpr double kTwoToneOkLowest = 280;  // the check at OK lets a little more through
inline constexpr double kTwoToneNotANumber = 2000;
inline constexpr int kTwoToneDefaultDivisor = 1843;

// Code table columns.
inline constexpr int kTwoToneColumnNumber = 0;
inline constexpr int kTwoToneColumnFirst = 1;
inline constexpr int kTwoToneColumnSecond = 2;
inline constexpr int kTwoToneColumnName = 3;

// ---- Header fields -----------------------------------------------------------------

// The header bytes of the plain settings, by their index in the header. The others hold
// the two decode tones, their divisors and tones A..D, 16 bits each.
namespace TwoToneSlot {
enum : std::size_t {
  Format = 4,
  ResetTime = 9,
  DecodeOption = 10,
  SideTone = 11,
  FirstToneTime = 20,
  SecondToneTime = 21,
  LongToneTime = 22,
  ToneGap = 23,
};
}  // namespace TwoToneSlot

// The rows of the plain settings, in report order (the tones come after the decode
// response there, after the format in the dialog).
PageFields TwoToneFields();

// Decode tones and divisors are kept high byte first, tones A..D low byte first.
int DecodeTone(const TwoToneSettings& rPage, int rWhich);     // rWhich 0 or 1
int DecodeDivisor(const TwoToneSettings& rPage, int rWhich);
int ToneOf(const TwoToneSettings& rPage, int rTone);          // 0..3 = A..D, 0.1 Hz
void SetDecodeTone(TwoToneSettings& rPage, int rWhich, int rValue);
void SetDecodeDivisor(TwoToneSettings& rPage, int rWhich, int rValue);
void SetTone(TwoToneSettings& rPage, int rTone, int rValue);

// Entry fields, all high byte first.
int EntryDivisor(const TwoToneEntry& rEntry, int rWhich);
int EntryTone(const TwoToneEntry& rEntry, int rWhich);

// ---- Arithmetic ----------------------------------------------------------------------

// A frequency in Hz as the stored tenths, rounded halves to even (1000.25 -> 10002).
int ToneTenths(double rHz);
// The decode settings' divisor: the integer part of 9 600 000 / (2 f).
int HeaderDivisor(double rHz);
// A code's divisor: the integer part of 9 600 000 / (16 f).
int EntryDivisorOf(double rHz);
// Into 288 .. 3116 Hz.
double ClampTone(double rHz);

// ---- Lists ---------------------------------------------------------------------------

ChoiceTable TwoToneFormatChoices();        // "A-B" .. "Long C", store 0..14
ChoiceTable TwoToneSideToneChoices();      // OFF, ON
ChoiceTable TwoToneDecodeOptionChoices();  // OPTION 60057..60059
ChoiceTable TwoToneToneTimeChoices();      // Timing1..3: "0.5" .. "10.0" store 5..100
ChoiceTable TwoToneGapChoices();           // Timing4: "0" .. "2000" store 0..20
ChoiceTable TwoToneResetChoices();         // Timing5: "0.0" .. "25.0" store 0..250

// The tones (0..3 = A..D) a decode format listens for, first then second; the second is
// -1 for the "Long" formats. An unknown format gives A-B.
std::pair<int, int> FormatTones(int rFormat);
// Whether the tone box rTone is enabled for rFormat.
bool ToneBoxEnabled(int rFormat, int rTone);

// ---- The page ------------------------------------------------------------------------

// A row of the code table as shown.
struct TwoToneRow {
  std::string First;
  std::string Second;
  std::string Name;
  bool operator==(const TwoToneRow&) const = default;
};

struct TwoTonePageInputs {
  std::array<std::string, kTwoToneTones> Tones;  // box texts in Hz
  bool operator==(const TwoTonePageInputs&) const = default;
};

// What the dialog works on between opening and OK.
struct TwoTonePage {
  TwoToneSettings Scratch;  // the plain settings as shown, zero divisors corrected
  TwoTonePageInputs Inputs;
  std::array<TwoToneRow, kTwoToneEntries> Rows;
};

// An entry in use with a first divisor shows its tones ("#0.0") and name; any other
// entry an empty row.
TwoToneRow TwoToneRowOf(const TwoToneEntry& rEntry);
TwoTonePage OpenTwoTonePage(const AppState& rState);

// A tone box left: an empty box counts as 0, the value is clamped, shown plainly
// ("288", "1000.5"). Text that is no number becomes "2000", as OK would make it.
std::string LeaveToneBox(std::string_view rText);
// The check at OK: no number -> 2000, above 3116 -> 3116, below 280 -> 280.
double ToneAtOk(std::string_view rText);

// The cell actually entered for rColumn of a row: the tone and name columns of a row
// without a first tone send the cursor to the first tone.
int EnteredColumn(const TwoToneRow& rRow, int rColumn);
// Where Enter goes from a cell; rText is the editor's text. Tones move right, the name
// to the next row's first tone; an empty first tone moves down; the last row wraps.
struct TwoToneCell {
  int Row = 0;
  int Column = 0;
  bool operator==(const TwoToneCell&) const = default;
};
TwoToneCell EnterWalk(TwoToneCell rFrom, std::string_view rText);

// A cell's editor committed (column 1..3): the entry changes and the row shows the result.
// A first tone that is empty or no number frees the entry; a second one clears the
// second tone; a number is clamped and stored with its divisor; a name is trimmed. A
// first tone typed into an empty row starts the entry: second tone and name cleared.
void CommitTwoToneCell(TwoToneEntry& rEntry, TwoToneRow& rRow, int rColumn, std::string_view rText);

// OK: the tone boxes into the scratch header (with the decode tones of its format), the
// scratch page into rState.Current, then the channels that pointed at a freed entry are
// renumbered.
void StoreTwoToneInputs(const TwoTonePageInputs& rInputs, TwoToneSettings& rPage);
void ApplyTwoTonePage(AppState& rState, const TwoTonePage& rPage);

ReportSection DescribeTwoTonePage(const AppState& rState);

}  // namespace px
