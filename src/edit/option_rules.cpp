#include "edit/option_rules.h"

#include <algorithm>

#include "edit/codeplug_ops.h"
#include "edit/key_rules.h"

namespace px {

namespace {

constexpr int kTextChannelDisplay = 1723;  // the report's label of the unlabelled list
constexpr int kTextMinutes = 1782;
using enum FieldControl;

constexpr std::string_view kNumbers[] = {
    "0",  "1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",  "10", "11",
    "12", "13", "14", "15", "16", "17", "18", "19", "20", "21", "22", "23",
    "24", "25", "26", "27", "28", "29", "30", "31", "32"};

// rFirst .. rLast as fixed texts, stored from rStored on.
std::vector<Choice> NumberChoices(int rFirst, int rLast, std::vector<Choice> rLead = {}) {
  for (int n = rFirst; n <= rLast; ++n)
    rLead.push_back({0, kNumbers[n], static_cast<int>(rLead.size())});
  return rLead;
}

constexpr Choice kWorkModes[] = {{1750, "Frequency Mode", 0}, {1751, "Channel Mode", 1}, {1752, "Mixed Mode", 2}};
constexpr Choice kDisplayModes[] = {{1753, "Frequency", 0}, {1754, "Channel", 1}};
constexpr Choice kBatterySave[] = {{1747, "1:1", 0}, {1748, "1:2", 1}, {1749, "1:4", 2}};
constexpr Choice kColours[] = {{1790, "Blue", 0}, {1791, "Orange", 1}, {1792, "Purple", 2}};
constexpr Choice kBacklight[] = {{0, "0s", 0}, {0, "1s", 1}, {0, "2s", 2}, {0, "3s", 3}, {0, "Always", 4}};
constexpr Choice kToneBurst[] = {{0, "1750Hz", 0}, {0, "2100Hz", 1}, {0, "1000Hz", 2}, {0, "1450Hz", 3}};
constexpr Choice kVoxLevels[] = {{kTextOptionOff, "OFF", 0}, {1768, "Low", 1}, {1769, "Middle", 2}, {1770, "High", 3}};
constexpr Choice kLanguages[] = {{1761, "English", 0}, {1762, "Chinese", 1}};
constexpr Choice kOffOn[] = {{kTextOptionOff, "OFF", 0}, {kTextOptionOn, "ON", 1}};
constexpr Choice kFmRadio[] = {{1794, "Disabled", 0}, {1795, "Enabled", 1}};
constexpr Choice kBusyLockout[] = {{kTextOptionOff, "OFF", 0}, {0, "Repeater", 1}, {0, "Busy", 2}};
constexpr Choice kKeypadLock[] = {{kTextOptionOff, "OFF", 0}, {3010, "Manual", 1}, {3011, "Auto", 2}};
constexpr Choice kPowerOnDisplay[] = {{1798, "Message", 0}, {1799, "Battery Voltage", 1}};
constexpr Choice kChannelDisplay[] = {{1796, "Channel Number", 0}, {1797, "Channel Name", 1}};

template <int First, int Last>
ChoiceTable Numbers() {
  static const std::vector<Choice> table = NumberChoices(First, Last);
  return table;
}

ChoiceTable Timers() {
  static const std::vector<Choice> table = NumberChoices(1, 30, {{kTextOptionOff, "OFF", 0}});
  return table;
}

// The time-out timer's minutes carry their unit.
BuiltChoices TimerChoices(const AppState& rState) {
  const std::string unit = LangText(rState, kTextMinutes);
  BuiltChoices choices;
  for (const Choice& entry : Timers()) {
    if (entry.TextId != 0) choices.Add(entry);
    else choices.Add(std::string(entry.Fixed) + unit, entry.Stored);
  }
  return choices;
}

BuiltChoices PowerOnChannelChoices(const AppState& rState) {
  BuiltChoices choices;
  for (const int value : PowerOnChannelValues(rState)) choices.Add(PowerOnChannelText(value), value);
  return choices;
}

template <const auto& Table>
BuiltChoices TableChoices(const AppState&) {
  BuiltChoices choices;
  for (const Choice& entry : Table) choices.Add(entry);
  return choices;
}

// The nineteen lists as Combo1(0) .. (18), then the four switches as Check1(0) .. (3).
// The volume, colour and dual-watch lists are not kept by the radio.
const PageField kFields[] = {
    {"Options.WorkMode", OptionSlot::WorkMode, List, "Combo1_0", 1702, TableChoices<kWorkModes>, ImageByte(0x00)},
    {"Options.DisplayMode", OptionSlot::DisplayMode, List, "Combo1_1", 1703, TableChoices<kDisplayModes>,
     ImageByte(0x01)},
    {"Options.PowerOnChannel", OptionSlot::PowerOnChannel, List, "Combo1_2", 1704, PowerOnChannelChoices,
     ImageByte(0x02)},
    {"Options.SquelchLevel", OptionSlot::SquelchLevel, List, "Combo1_3", 1705, FixedChoices<Numbers<0, 20>>,
     ImageByte(0x03)},
    {"Options.VolumeLevel", OptionSlot::VolumeLevel, List, "Combo1_4", 1706, FixedChoices<Numbers<0, 25>>,
     kNotInImage},
    {"Options.BatterySave", OptionSlot::BatterySave, List, "Combo1_5", 1707, TableChoices<kBatterySave>,
     ImageByte(0x05)},
    {"Options.DisplayColour", OptionSlot::DisplayColour, List, "Combo1_6", 1708, TableChoices<kColours>, kNotInImage},
    {"Options.BacklightTime", OptionSlot::BacklightTime, List, "Combo1_7", 1709, TableChoices<kBacklight>,
     ImageByte(0x07)},
    {"Options.MicGain", OptionSlot::MicGain, List, "Combo1_8", 1710, FixedChoices<Numbers<1, 32>>, ImageByte(0x08)},
    {"Options.ToneBurst", OptionSlot::ToneBurst, List, "Combo1_9", 1711, TableChoices<kToneBurst>, ImageByte(0x0B)},
    {"Options.TimeOutTimer", OptionSlot::TimeOutTimer, List, "Combo1_10", 1712, TimerChoices, ImageByte(0x0C)},
    {"Options.VoxLevel", OptionSlot::VoxLevel, List, "Combo1_11", 1713, TableChoices<kVoxLevels>, ImageByte(0x0E)},
    {"Options.VoiceLanguage", OptionSlot::VoiceLanguage, List, "Combo1_12", 1714, TableChoices<kLanguages>,
     ImageByte(0x0F)},
    {"Options.DualWatch", OptionSlot::DualWatch, List, "Combo1_13", 1715, TableChoices<kOffOn>, kNotInImage},
    {"Options.FmRadio", OptionSlot::FmRadio, List, "Combo1_14", 1716, TableChoices<kFmRadio>, ImageBits(0x10, 0, 1)},
    {"Options.BusyLockout", OptionSlot::BusyLockout, List, "Combo1_15", 1717, TableChoices<kBusyLockout>,
     ImageByte(0x11)},
    {"Options.KeypadLock", OptionSlot::KeypadLock, List, "Combo1_16", 1718, TableChoices<kKeypadLock>,
     ImageByte(0x14)},
    {"Options.PowerOnDisplay", OptionSlot::PowerOnDisplay, List, "Combo1_17", 1719, TableChoices<kPowerOnDisplay>,
     ImageByte(0x15)},
    // Shown beside the display list, without a label of its own; the report names it.
    {"Options.ChannelDisplay", OptionSlot::ChannelDisplay, List, "Combo1_18", kTextChannelDisplay,
     TableChoices<kChannelDisplay>, ImageByte(0x06)},
    {"Options.KeyBeep", OptionSlot::KeyBeep, Switch, "Check1_0", 1730, TableChoices<kOffOn>, ImageBits(0x13, 0, 1)},
    {"Options.VoicePrompt", OptionSlot::VoicePrompt, Switch, "Check1_1", 1731, TableChoices<kOffOn>,
     ImageBits(0x13, 1, 1)},
    {"Options.RogerBeep", OptionSlot::RogerBeep, Switch, "Check1_2", 1732, TableChoices<kOffOn>,
     ImageBits(0x13, 3, 1)},
    {"Options.LowBatteryAlert", OptionSlot::LowBatteryAlert, Switch, "Check1_3", 1733, TableChoices<kOffOn>,
     ImageBits(0x10, 1, 1)},
};

Int16& Slot(OptionPage& rPage, int rList) { return rPage.Scratch.OptionValues[OptionListAt(rList).Slot]; }

int PositionIn(int rStored, std::size_t rCount) {
  return rStored >= 0 && rStored < static_cast<int>(rCount) ? rStored : 0;
}

int ShownPosition(const AppState& rState, const OptionSettings& rOptions, int rList) {
  const Int16 stored = rOptions.OptionValues[OptionListAt(rList).Slot];
  if (rList != kPowerOnChannelList) return PositionIn(stored, OptionListAt(rList).Choices(rState).Table().size());
  const std::vector<int> values = PowerOnChannelValues(rState);
  const auto at = std::find(values.begin(), values.end(), stored);
  return at == values.end() ? 0 : static_cast<int>(at - values.begin());
}

// The work mode governs the display lists; setting one this way stores it too.
void FollowWorkMode(OptionPage& rPage) {
  const int mode = rPage.Shown[kWorkModeList];
  rPage.DisplayModeEnabled = mode != 1;
  rPage.ChannelDisplayShown = mode == 1;
  rPage.Shown[kDisplayModeList] = mode == 0 ? 0 : 1;
  Slot(rPage, kDisplayModeList) = static_cast<Int16>(rPage.Shown[kDisplayModeList]);
  if (mode != 1) {
    rPage.Shown[kChannelDisplayList] = 0;
    Slot(rPage, kChannelDisplayList) = 0;
  }
}

// The text up to its first NUL without trailing spaces.
template <std::size_t N>
std::string UpToNul(const FixedText<N>& rText) {
  std::string text(rText.Raw().substr(0, rText.Raw().find('\0')));
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

std::string OnOff(const AppState& rState, bool rOn) { return LangText(rState, rOn ? kTextOptionOn : kTextOptionOff); }

}  // namespace

PageFields OptionFields() { return kFields; }
const PageField& OptionListAt(int rList) { return kFields[static_cast<std::size_t>(rList)]; }
const PageField& OptionSwitchAt(int rSwitch) { return kFields[static_cast<std::size_t>(kOptionLists + rSwitch)]; }

std::vector<int> PowerOnChannelValues(const AppState& rState) {
  std::vector<int> values;
  for (int number = 1; number <= kMemoryChannels; ++number)
    if (ChannelExists(rState.Current, rState.Channels, number)) values.push_back(number - 1);
  if (ChannelExists(rState.Current, rState.Channels, kNumberPA)) values.push_back(kNumberPA - 1);
  if (ChannelExists(rState.Current, rState.Channels, kNumberPB)) values.push_back(kNumberPB - 1);
  if (values.empty()) values.push_back(0);
  return values;
}

std::string PowerOnChannelText(int rStored) {
  if (rStored == kNumberPA - 1) return "PA";
  if (rStored == kNumberPB - 1) return "PB";
  return std::to_string(rStored);
}

std::vector<std::string> OptionListTexts(const AppState& rState, int rList) {
  const BuiltChoices choices = OptionListAt(rList).Choices(rState);
  std::vector<std::string> texts;
  for (std::size_t i = 0; i < choices.Table().size(); ++i) texts.push_back(ChoiceText(rState, choices, static_cast<int>(i)));
  return texts;
}

OptionPage LoadOptionPage(const AppState& rState) {
  OptionPage page;
  page.Scratch = rState.Current.Settings.Options;
  for (int i = 0; i < kOptionLists; ++i) page.Shown[i] = ShownPosition(rState, page.Scratch, i);
  FollowWorkMode(page);
  std::string message = UpToNul(page.Scratch.PowerOnMessage);
  message.resize(kPowerOnMessageBoxes, ' ');
  for (int i = 0; i < kPowerOnMessageBoxes; ++i)
    page.MessageBoxes[i] = message[i] == ' ' ? "" : std::string(1, message[i]);
  page.Password = UpToNul(page.Scratch.PowerOnPassword);
  return page;
}

void ChooseOption(const AppState& rState, OptionPage& rPage, int rList, int rPosition) {
  rPage.Shown[rList] = rPosition;
  if (rList == kPowerOnChannelList) {
    const std::vector<int> values = PowerOnChannelValues(rState);
    Slot(rPage, rList) = static_cast<Int16>(values[static_cast<std::size_t>(PositionIn(rPosition, values.size()))]);
    return;
  }
  Slot(rPage, rList) = static_cast<Int16>(StoredAtPosition(OptionListAt(rList).Choices(rState), rPosition));
  if (rList == kWorkModeList) FollowWorkMode(rPage);
}

void ChooseSwitch(OptionPage& rPage, int rSwitch, bool rOn) {
  rPage.Scratch.OptionValues[OptionSwitchAt(rSwitch).Slot] = rOn ? 1 : 0;
}

void ChoosePasswordSwitch(OptionPage& rPage, bool rOn) { rPage.Scratch.OptionValue24 = rOn ? 1 : 0; }

bool EnablePassWord(int rValue) { return rValue == 1; }

void ApplyOptionPage(AppState& rState, const OptionPage& rPage) {
  OptionSettings options = rPage.Scratch;
  std::string password = rPage.Password.substr(0, kPowerOnPasswordLength);
  if (password.size() < kPowerOnPasswordLength) password.push_back('\0');
  options.PowerOnPassword.Assign(password);
  std::string message;
  for (const std::string& box : rPage.MessageBoxes) message += box.empty() ? std::string(" ") : box.substr(0, 1);
  options.PowerOnMessage.Assign(message);
  rState.Current.Settings.Options = options;
  ClearRefusedKeyFunctions(rState.Current.Settings);
}

ReportSection DescribeOptionsPage(const AppState& rState) {
  ReportSection section{"options", LangText(rState, kTextOptionCaption), {}, {}};
  const OptionPage page = LoadOptionPage(rState);
  for (int i = 0; i < kOptionLists; ++i) {
    if (i == kChannelDisplayList && !page.ChannelDisplayShown) continue;
    const std::vector<std::string> texts = OptionListTexts(rState, i);
    section.Rows.push_back({FieldLabel(rState, OptionListAt(i)), texts.at(static_cast<std::size_t>(page.Shown[i]))});
  }
  for (int i = 0; i < kOptionSwitches; ++i)
    section.Rows.push_back({FieldLabel(rState, OptionSwitchAt(i)),
                            OnOff(rState, page.Scratch.OptionValues[OptionSwitchAt(i).Slot] == 1)});
  std::string message;
  for (const std::string& box : page.MessageBoxes) message += box.empty() ? std::string(" ") : box;
  section.Rows.push_back({LangText(rState, kTextPowerOnMessage), Latin1ToUtf8(TrimFixedText(message))});
  const bool passwordOn = EnablePassWord(page.Scratch.OptionValue24);
  section.Rows.push_back({LangText(rState, kTextPowerOnPasswordSwitch), OnOff(rState, passwordOn)});
  if (passwordOn) section.Rows.push_back({LangText(rState, kTextPowerOnPassword), page.Password});
  return section;
}

}  // namespace px
