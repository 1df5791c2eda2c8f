#pragma once
// The optional-functions page: its nineteen lists, four switches, the power-on message
// and password. The page works on a scratch copy of OptionSettings; a list the user
// changes writes its slot at once, the work mode also sets the display lists it governs,
// and OK copies the scratch record back and clears the key assignments the options no
// longer allow.

#include <array>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "edit/choice_table.h"
#include "edit/page_fields.h"
#include "edit/report_section.h"

namespace px {

inline constexpr int kOptionLists = 19;          // Combo1(0) .. Combo1(18)
inline constexpr int kOptionSwitches = 4;        // Check1(0) .. Check1(3)
inline constexpr int kPowerOnMessageBoxes = 7;   // Text1(0) .. Text1(6)
inline constexpr int kPowerOnPasswordLength = 6;
inline constexpr int kWorkModeList = 0;
inline constexpr int kDisplayModeList = 1;
inline constexpr int kPowerOnChannelList = 2;
inline constexpr int kChannelDisplayList = 18;
// Labels that carry a text but belong to no list: Label1(19) .. Label1(23), 1720 .. 1724.
inline constexpr int kFreeLabelFirst = 19;
inline constexpr int kFreeLabelTextFirst = 1720;
inline constexpr int kFreeLabels = 5;
// Texts of the page that belong to no list.
inline constexpr int kTextOptionCaption = 1701;
inline constexpr int kTextPowerOnPasswordSwitch = 1737;
inline constexpr int kTextPowerOnPassword = 1738;
inline constexpr int kTextPowerOnMessage = 1739;
// The off / on texts of the option lists, which the DTMF page shows too.
inline constexpr int kTextOptionOff = 1755;
inline constexpr int kTextOptionOn = 1756;

// The page's fields: the lists in Combo1 order, then the switches in Check1 order.
PageFields OptionFields();
const PageField& OptionListAt(int rList);
const PageField& OptionSwitchAt(int rSwitch);

// The power-on channel list: the stored value of each entry, in list order. The memory
// channels of the table as the grid shows them (Number - 1), then 200 for PA and 201
// for PB when they exist; a table without channels offers the single entry 0.
std::vector<int> PowerOnChannelValues(const AppState& rState);
// "PA", "PB" or the number.
std::string PowerOnChannelText(int rStored);

// The entries of list rList in the current language.
std::vector<std::string> OptionListTexts(const AppState& rState, int rList);

struct OptionPage {
  OptionSettings Scratch;
  std::array<int, kOptionLists> Shown{};  // the position each list shows
  bool DisplayModeEnabled = true;         // Combo1(1)
  bool ChannelDisplayShown = false;       // Combo1(18)
  std::array<std::string, kPowerOnMessageBoxes> MessageBoxes;  // one byte each, "" for a space
  std::string Password;  // the power-on password switch is Scratch.OptionValue24
};

// What the page shows when it opens, with the work mode's corrections already in the
// scratch record (they reach the codeplug only by OK).
OptionPage LoadOptionPage(const AppState& rState);
// The user chose rPosition in list rList.
void ChooseOption(const AppState& rState, OptionPage& rPage, int rList, int rPosition);
void ChooseSwitch(OptionPage& rPage, int rSwitch, bool rOn);
void ChoosePasswordSwitch(OptionPage& rPage, bool rOn);
// Whether the power-on password box and its label are shown.
bool EnablePassWord(int rValue);

// OK: password (NUL after a shorter one), message (a space for each
// empty box), the scratch record into the codeplug, then the key rule.
void ApplyOptionPage(AppState& rState, const OptionPage& rPage);

ReportSection DescribeOptionsPage(const AppState& rState);

}  // namespace px
