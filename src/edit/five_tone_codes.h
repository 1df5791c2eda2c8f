#pragma once
// 5-Tone codes as the page shows and stores them: the kind of special call a code is,
// its text in the code list, the own ID and how codes follow it, and the keys a code box
// takes. The repeat-digit walk, the ANI-form test and the stored form themselves live
// with the other digit texts (codeplug/text_formats.h), since files and codec share them.

#include <optional>
#include <string>
#include <string_view>

#include "codeplug/records.h"

namespace px {

struct AppState;

inline constexpr int kOwnIdLength = 5;
inline constexpr int kListedCodeMax = 40;
inline constexpr int kPttIdCodeMax = 24;
inline constexpr int kInfoCodeMax = 12;
inline constexpr int kCodeNameMax = 7;
inline constexpr std::string_view kSelfIdPlaceholder = "SelfID";

enum class FiveToneCallType { None, Message, Ani, PttId };

// The digits a code sends: its text up to the first NUL, trailing spaces removed, cut to
// the length byte or padded to it with the repeat digit "E" (as the codec does).
std::string CodeInUse(const FiveToneCode& rCode);

// What kind of special call a code is, decided in this order: "E1" and at least 8
// characters a message call, then an ANI call (ending with the own ID or "SelfID"),
// then "E6" a PTT ID; anything else none. A message call is never taken for an ANI call,
// whatever its message bytes happen to end with.
FiveToneCallType CallTypeOf(std::string_view rCode, std::string_view rOwnId);
// The type column: text 60073, "ANI", "PTTID" or "".
std::string CallTypeText(const AppState& rState, FiveToneCallType rType);
// The code column: a message call's called code and text 60084, an ANI call's called
// code (repeat digits resolved), nothing for a PTT ID, else the digits.
std::string ShownCodeText(const AppState& rState, std::string_view rCode, FiveToneCallType rType);
// What the code cell's editor opens with: the code column without its decoration, so
// that the editor never carries the words of a message call into the code.
std::string EditedCodeText(std::string_view rCode, FiveToneCallType rType);

// Only the code alphabet: "0"-"9" and "A"-"F" ("a"-"f" as upper case); anything else
// is dropped, so that no text the radio cannot send is ever stored as a code.
std::string CodeAlphabetOnly(std::string_view rText);

// The own ID as stored by the page: exactly five decimal digits.
bool IsOwnIdComplete(std::string_view rOwnId);

// The code with the own ID filled in, as OK stores a listed code: "E2"/"E6" calls get
// the own ID behind the prefix; an ANI call gets it in place of "SelfID" or of its last
// five characters. Other codes (and codes of up to 2 characters) are returned unchanged.
std::string WithOwnId(std::string_view rCode, std::string_view rOwnId);
// The code after the own ID changed from rOldId to rNewId: "E2"/"E6" calls take the new
// ID (the prefix alone too, as made before there was an own ID), an ANI call ending with the old one gets the new one in its place (not yet in
// stored form; OK does that).
std::string WithNewOwnId(std::string_view rCode, std::string_view rOldId, std::string_view rNewId);

// Key filter of every code box: nullopt swallows the key. Ctrl+C/V/X and codes above 127
// are swallowed, other control characters pass, "0"-"9" and "A"-"F" pass, "a"-"f" become
// upper case, every other printable character is swallowed.
std::optional<char> FilterCodeKey(int rCode);

}  // namespace px
