#include "edit/alert_rules.h"

namespace px {

namespace {

constexpr int kTextCaption = 2600;
constexpr int kTextFirstLabel = 2602;  // the label of list i is 2602 + i
constexpr int kTextChannel = 2610;
constexpr int kTextCycle = 2611;
constexpr int kTextLoneWorker = 2612;
constexpr int kTextAutomatic = 2613;
constexpr int kTextPreAlert = 2614;
constexpr int kTextLoneWorkerTime = 2615;
constexpr int kTextContinuous = 2636;
constexpr int kTextOff = 2430;
constexpr int kTextOn = 2431;

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
constexpr Choice kOffOn[] = {{kTextOff, "OFF", 0}, {kTextOn, "ON", 1}};

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

AlertSettings ShownAlertPage(const AppState& rState) {
  const AlertSettings& stored = rState.Current.Settings.Alert;
  AlertSettings shown = stored;
  const auto show = [&](std::size_t rSlot, ChoiceTable rTable) {
    shown[rSlot] = static_cast<Byte>(StoredAsShown(rTable, stored[rSlot]));
  };
  show(AlertSlot::Kind, AlertKindChoices());
  show(AlertSlot::CodeKind, AlertCodeKindChoices());
  show(AlertSlot::Code, AlertCodeChoices(rState.Current, shown[AlertSlot::CodeKind]));
  show(AlertSlot::AlarmTime, AlertTimeChoices());
  show(AlertSlot::TxTime, AlertTimeChoices());
  show(AlertSlot::RxTime, AlertTimeChoices());
  show(AlertSlot::ChannelSelect, AlertChannelSelectChoices());
  show(AlertSlot::Channel, MemoryChannelChoices(rState));
  show(AlertSlot::Cycle, AlertCycleChoices(rState));
  if (shown[AlertSlot::LoneWorker] > 1) shown[AlertSlot::LoneWorker] = 0;
  show(AlertSlot::PreAlertTime, PreAlertTimeChoices());
  show(AlertSlot::LoneWorkerTime, LoneWorkerTimeChoices());
  return shown;
}

void ApplyAlertPage(AppState& rState, const AlertSettings& rShown) { rState.Current.Settings.Alert = rShown; }

ReportSection DescribeAlertPage(const AppState& rState) {
  const AlertSettings shown = ShownAlertPage(rState);
  ReportSection section;
  section.Key = "alert";
  section.Title = LangText(rState, kTextCaption);
  const auto row = [&](const std::string& rLabel, ChoiceTable rTable, std::size_t rSlot) {
    section.Rows.push_back(ChoiceRow(rState, rLabel, rTable, shown[rSlot]));
  };
  const auto label = [&](int rId) { return LangText(rState, rId); };
  row(label(kTextFirstLabel + 0), AlertKindChoices(), AlertSlot::Kind);
  row(label(kTextFirstLabel + 1), AlertCodeKindChoices(), AlertSlot::CodeKind);
  row(label(kTextFirstLabel + 2), AlertCodeChoices(rState.Current, shown[AlertSlot::CodeKind]), AlertSlot::Code);
  row(label(kTextFirstLabel + 3), AlertTimeChoices(), AlertSlot::AlarmTime);
  row(label(kTextFirstLabel + 4), AlertTimeChoices(), AlertSlot::TxTime);
  row(label(kTextFirstLabel + 5), AlertTimeChoices(), AlertSlot::RxTime);
  row(label(kTextFirstLabel + 6), AlertChannelSelectChoices(), AlertSlot::ChannelSelect);
  row(label(kTextChannel), MemoryChannelChoices(rState), AlertSlot::Channel);
  row(label(kTextCycle), AlertCycleChoices(rState), AlertSlot::Cycle);
  const std::string loneWorker = label(kTextLoneWorker) + ": ";
  row(loneWorker + label(kTextAutomatic), kOffOn, AlertSlot::LoneWorker);
  row(loneWorker + label(kTextPreAlert), PreAlertTimeChoices(), AlertSlot::PreAlertTime);
  row(loneWorker + label(kTextLoneWorkerTime), LoneWorkerTimeChoices(), AlertSlot::LoneWorkerTime);
  return section;
}

}  // namespace px
