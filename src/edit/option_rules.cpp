#include "edit/option_rules.h"

#include <algorithm>

#include "edit/codeplug_ops.h"
#include "edit/key_rules.h"

namespace px {

namespace {

constexpr int kTextOff = 1755;
constexpr int kTextOn = 1756;
constexpr int kTextChannelDisplay = 1723;  // the report's label of the unlabelled list

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
constexpr Choice kVoxLevels[] = {{kTextOff, "OFF", 0}, {1768, "Low", 1}, {1769, "Middle", 2}, {1770, "High", 3}};
constexpr Choice kLanguages[] = {{1761, "English", 0}, {1762, "Chinese", 1}};
constexpr Choice kOffOn[] = {{kTextOff, "OFF", 0}, {kTextOn, "ON", 1}};
constexpr Choice kFmRadio[] = {{1794, "Disabled", 0}, {1795, "Enabled", 1}};
constexpr Choice kBusyLockout[] = {{kTextOff, "OFF", 0}, {0, "Repeater", 1}, {0, "Busy", 2}};
constexpr Choice kKeypadLock[] = {{kTextOff, "OFF", 0}, {3010, "Manual", 1}, {3011, "Auto", 2}};
constexpr Choice kPowerOnDisplay[] = {{1798, "Message", 0}, {1799, "Battery Voltage", 1}};
constexpr Choice kChannelDisplay[] = {{1796, "Channel Number", 0}, {1797, "Channel Name", 1}};

const std::array<OptionList, kOptionLists>& Lists() {
  static const std::vector<Choice> squelch = NumberChoices(0, 20);
  static const std::vector<Choice> volume = NumberChoices(0, 25);
  static const std::vector<Choice> micGain = NumberChoices(1, 32);
  static const std::vector<Choice> timer = NumberChoices(1, 30, {{kTextOff, "OFF", 0}});
  static const std::array<OptionList, kOptionLists> lists = {{
      {OptionSlot::WorkMode, 1702, kWorkModes},
      {OptionSlot::DisplayMode, 1703, kDisplayModes},
      {OptionSlot::PowerOnChannel, 1704, {}},
      {OptionSlot::SquelchLevel, 1705, squelch},
      {OptionSlot::VolumeLevel, 1706, volume},
      {OptionSlot::BatterySave, 1707, kBatterySave},
      {OptionSlot::DisplayColour, 1708, kColours},
      {OptionSlot::BacklightTime, 1709, kBacklight},
      {OptionSlot::MicGain, 1710, micGain},
      {OptionSlot::ToneBurst, 1711, kToneBurst},
      {OptionSlot::TimeOutTimer, 1712, timer, 1782},
      {OptionSlot::VoxLevel, 1713, kVoxLevels},
      {OptionSlot::VoiceLanguage, 1714, kLanguages},
      {OptionSlot::DualWatch, 1715, kOffOn},
      {OptionSlot::FmRadio, 1716, kFmRadio},
      {OptionSlot::BusyLockout, 1717, kBusyLockout},
      {OptionSlot::KeypadLock, 1718, kKeypadLock},
      {OptionSlot::PowerOnDisplay, 1719, kPowerOnDisplay},
      {OptionSlot::ChannelDisplay, 0, kChannelDisplay},
  }};
  return lists;
}

struct OptionSwitch {
  std::size_t Slot;
  int LabelId;
};
constexpr OptionSwitch kSwitches[kOptionSwitches] = {
    {OptionSlot::KeyBeep, 1730}, {OptionSlot::VoicePrompt, 1731},
    {OptionSlot::RogerBeep, 1732}, {OptionSlot::LowBatteryAlert, 1733}};

Int16& Slot(OptionPage& rPage, int rList) { return rPage.Scratch.OptionValues[Lists()[rList].Slot]; }

int PositionIn(int rStored, std::size_t rCount) {
  return rStored >= 0 && rStored < static_cast<int>(rCount) ? rStored : 0;
}

int ShownPosition(const AppState& rState, const OptionSettings& rOptions, int rList) {
  const Int16 stored = rOptions.OptionValues[Lists()[rList].Slot];
  if (rList != kPowerOnChannelList) return PositionIn(stored, Lists()[rList].Choices.size());
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

std::string OnOff(const AppState& rState, bool rOn) { return LangText(rState, rOn ? kTextOn : kTextOff); }

}  // namespace

const OptionList& OptionListAt(int rList) { return Lists().at(static_cast<std::size_t>(rList)); }
std::size_t OptionSwitchSlot(int rSwitch) { return kSwitches[rSwitch].Slot; }
int OptionSwitchLabelId(int rSwitch) { return kSwitches[rSwitch].LabelId; }

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
  std::vector<std::string> texts;
  if (rList == kPowerOnChannelList) {
    for (const int value : PowerOnChannelValues(rState)) texts.push_back(PowerOnChannelText(value));
    return texts;
  }
  const OptionList& list = OptionListAt(rList);
  const std::string suffix = list.SuffixId > 0 ? LangText(rState, list.SuffixId) : "";
  for (std::size_t i = 0; i < list.Choices.size(); ++i) {
    std::string text = ChoiceText(rState, list.Choices, static_cast<int>(i));
    if (list.Choices[i].TextId == 0) text += suffix;
    texts.push_back(std::move(text));
  }
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
  Slot(rPage, rList) = static_cast<Int16>(StoredAtPosition(OptionListAt(rList).Choices, rPosition));
  if (rList == kWorkModeList) FollowWorkMode(rPage);
}

void ChooseSwitch(OptionPage& rPage, int rSwitch, bool rOn) {
  rPage.Scratch.OptionValues[OptionSwitchSlot(rSwitch)] = rOn ? 1 : 0;
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
    const int label = OptionListAt(i).LabelId > 0 ? OptionListAt(i).LabelId : kTextChannelDisplay;
    if (i == kChannelDisplayList && !page.ChannelDisplayShown) continue;
    const std::vector<std::string> texts = OptionListTexts(rState, i);
    section.Rows.push_back({LangText(rState, label), texts.at(static_cast<std::size_t>(page.Shown[i]))});
  }
  for (int i = 0; i < kOptionSwitches; ++i)
    section.Rows.push_back({LangText(rState, kSwitches[i].LabelId),
                            OnOff(rState, page.Scratch.OptionValues[kSwitches[i].Slot] == 1)});
  std::string message;
  for (const std::string& box : page.MessageBoxes) message += box.empty() ? std::string(" ") : box;
  section.Rows.push_back({LangText(rState, kTextPowerOnMessage), BytesToUtf8(TrimFixedText(message))});
  const bool passwordOn = EnablePassWord(page.Scratch.OptionValue24);
  section.Rows.push_back({LangText(rState, kTextPowerOnPasswordSwitch), OnOff(rState, passwordOn)});
  if (passwordOn) section.Rows.push_back({LangText(rState, kTextPowerOnPassword), page.Password});
  return section;
}

}  // namespace px
