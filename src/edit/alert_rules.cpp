#include "edit/alert_rules.h"

#include "edit/scan_rules.h"  // the off / on texts of the settings pages

namespace px {

namespace {

constexpr int kTextKind = 2602;
constexpr int kTextCodeKind = 2603;
constexpr int kTextCode = 2604;
constexpr int kTextAlarmTime = 2605;
constexpr int kTextTxTime = 2606;
constexpr int kTextRxTime = 2607;
constexpr int kTextChannelSelect = 2608;
constexpr int kTextChannel = 2610;
constexpr int kTextCycle = 2611;
constexpr int kTextAutomatic = 2613;
constexpr int kTextPreAlert = 2614;
constexpr int kTextLoneWorkerTime = 2615;
constexpr int kTextContinuous = 2636;

// Ranges of the timed bytes, in seconds.
constexpr int kAlertTimeMin = 1;
constexpr int kAlertTimeMax = 255;
constexpr int kAlertPreAlertMax = 254;
constexpr int kAlertLoneWorkerMin = 5;

constexpr Choice kKinds[] = {{2630, "Local Alarm", 0},
                             {2631, "Remote Alarm", 1},
                             {2632, "Local + Remote", 2},
                             {2633, "Silent Alarm", 3}};
constexpr Choice kCodeKinds[] = {{2436, "None", AlertCodeKind::None},
                                 {0, "DTMF", AlertCodeKind::Dtmf},
                                 {0, "5Tone", AlertCodeKind::FiveTone}};
constexpr Choice kChannelSelects[] = {{2634, "Assigned Channel", 0}, {2635, "Current Channel", 1}};
// The codes of the code kind the page shows.
BuiltChoices ShownKindCodeChoices(const AppState& rState) {
  const int kind = StoredAsShown(AlertCodeKindChoices(), rState.Current.Settings.Alert[AlertSlot::CodeKind]);
  return AlertCodeChoices(rState.Current, kind);
}

}  // namespace

ChoiceTable AlertKindChoices() { return kKinds; }
ChoiceTable AlertCodeKindChoices() { return kCodeKinds; }
ChoiceTable AlertChannelSelectChoices() { return kChannelSelects; }

ChoiceTable AlertTimeChoices() {
  static const BuiltChoices table = NumberChoices(kAlertTimeMin, kAlertTimeMax);
  return table;
}

ChoiceTable PreAlertTimeChoices() {
  static const BuiltChoices table = NumberChoices(kAlertTimeMin, kAlertPreAlertMax);
  return table;
}

ChoiceTable LoneWorkerTimeChoices() {
  static const BuiltChoices table = NumberChoices(kAlertLoneWorkerMin, kAlertTimeMax);
  return table;
}

BuiltChoices AlertCycleChoices(const AppState& rState) {
  BuiltChoices choices;
  choices.Add(LangText(rState, kTextContinuous), 0);
  for (int cycles = 1; cycles <= kAlertTimeMax; ++cycles) choices.Add(std::to_string(cycles), cycles);
  return choices;
}

BuiltChoices AlertCodeChoices(const Codeplug& rPlug, int rCodeKind) {
  BuiltChoices choices;
  if (rCodeKind == AlertCodeKind::Dtmf) {
    const auto& memories = rPlug.Settings.Dtmf.CodeMemory;
    for (int k = 0; k < kCodeMemories; ++k)
      if (memories[static_cast<std::size_t>(k)].Length > 0) choices.Add("M" + std::to_string(k + 1), k);
  } else if (rCodeKind == AlertCodeKind::FiveTone) {
    const auto& codes = rPlug.Settings.FiveTone.Codes;
    for (int i = 0; i < kFiveToneCodes; ++i)
      if (codes[static_cast<std::size_t>(i)].Empty == 0) choices.Add(std::to_string(i), i);
    if (choices.Empty()) choices.Add("0", 0);
  }
  return choices;
}

AlertEnabled AlertEnabling(int rKind, int rChannelSelect) {
  return {rKind == 0, rKind != 0, rChannelSelect == 0};
}

PageFields AlertFields() {
  using enum FieldControl;
  // The image keeps one unused byte before the channel.
  static const PageField fields[] = {
      {"Alert.Kind", AlertSlot::Kind, List, "Combo1_0", kTextKind, FixedChoices<AlertKindChoices>, ImageByte(0)},
      {"Alert.CodeKind", AlertSlot::CodeKind, List, "Combo1_1", kTextCodeKind, FixedChoices<AlertCodeKindChoices>,
       ImageByte(1)},
      {"Alert.Code", AlertSlot::Code, List, "Combo1_2", kTextCode, ShownKindCodeChoices, ImageByte(2)},
      {"Alert.AlarmTime", AlertSlot::AlarmTime, List, "Combo1_3", kTextAlarmTime, FixedChoices<AlertTimeChoices>,
       ImageByte(3)},
      {"Alert.TxTime", AlertSlot::TxTime, List, "Combo1_4", kTextTxTime, FixedChoices<AlertTimeChoices>, ImageByte(4)},
      {"Alert.RxTime", AlertSlot::RxTime, List, "Combo1_5", kTextRxTime, FixedChoices<AlertTimeChoices>, ImageByte(5)},
      {"Alert.ChannelSelect", AlertSlot::ChannelSelect, List, "Combo1_6", kTextChannelSelect,
       FixedChoices<AlertChannelSelectChoices>, ImageByte(6)},
      {"Alert.Channel", AlertSlot::Channel, List, "Combo1_8", kTextChannel, MemoryChannelChoices,
       ImageByteMinusOne(8)},
      {"Alert.Cycle", AlertSlot::Cycle, List, "Combo1_9", kTextCycle, AlertCycleChoices, ImageByte(9)},
      {"Alert.LoneWorker", AlertSlot::LoneWorker, Switch, "Check1", kTextAutomatic, FixedChoices<ScanModeChoices>,
       ImageByte(10), kTextLoneWorker},
      {"Alert.PreAlertTime", AlertSlot::PreAlertTime, List, "Combo2_0", kTextPreAlert,
       FixedChoices<PreAlertTimeChoices>, ImageByte(11), kTextLoneWorker},
      {"Alert.LoneWorkerTime", AlertSlot::LoneWorkerTime, List, "Combo2_1", kTextLoneWorkerTime,
       FixedChoices<LoneWorkerTimeChoices>, ImageByte(12), kTextLoneWorker},
  };
  return fields;
}

AlertSettings ShownAlertPage(const AppState& rState) {
  return ShownFields(rState, AlertFields(), rState.Current.Settings.Alert);
}

void ApplyAlertPage(AppState& rState, const AlertSettings& rShown) { rState.Current.Settings.Alert = rShown; }

ReportSection DescribeAlertPage(const AppState& rState) {
  ReportSection section;
  section.Key = "alert";
  section.Title = LangText(rState, kTextAlertCaption);
  DescribeFields(rState, AlertFields(), ShownAlertPage(rState), section);
  return section;
}

}  // namespace px
