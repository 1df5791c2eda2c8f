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

constexpr Choice kKinds[] = {{2630, "Local Alarm", 0},
                             {2631, "Remote Alarm", 1},
                             {2632, "Local + Remote", 2},
                             {2633, "Silent Alarm", 3}};
constexpr Choice kCodeKinds[] = {{2436, "None", alert::CodeNone},
                                 {0, "DTMF", alert::CodeDtmf},
                                 {0, "5Tone", alert::CodeFiveTone}};
constexpr Choice kChannelSelects[] = {{2634, "Assigned Channel", 0}, {2635, "Current Channel", 1}};
constexpr Choice kOffOn[] = {{kTextOff, "OFF", 0}, {kTextOn, "ON", 1}};

}  // namespace

ChoiceTable AlertKindChoices() { return kKinds; }
ChoiceTable AlertCodeKindChoices() { return kCodeKinds; }
ChoiceTable AlertChannelSelectChoices() { return kChannelSelects; }

ChoiceTable AlertTimeChoices() {
  static const BuiltChoices table = NumberChoices(alert::kTimeMin, alert::kTimeMax);
  return table;
}

ChoiceTable PreAlertTimeChoices() {
  static const BuiltChoices table = NumberChoices(alert::kTimeMin, alert::kPreAlertMax);
  return table;
}

ChoiceTable LoneWorkerTimeChoices() {
  static const BuiltChoices table = NumberChoices(alert::kLoneWorkerMin, alert::kTimeMax);
  return table;
}

BuiltChoices AlertCycleChoices(const AppState& rState) {
  BuiltChoices choices;
  choices.Add(LangText(rState, kTextContinuous), 0);
  for (int cycles = 1; cycles <= alert::kTimeMax; ++cycles) choices.Add(std::to_string(cycles), cycles);
  return choices;
}

BuiltChoices AlertCodeChoices(const Codeplug& rPlug, int rCodeKind) {
  BuiltChoices choices;
  if (rCodeKind == alert::CodeDtmf) {
    const auto& memories = rPlug.Settings.Dtmf.CodeMemory;
    for (int k = 0; k < kCodeMemories; ++k)
      if (memories[static_cast<std::size_t>(k)].Length > 0) choices.Add("M" + std::to_string(k + 1), k);
  } else if (rCodeKind == alert::CodeFiveTone) {
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
  show(alert::Kind, AlertKindChoices());
  show(alert::CodeKind, AlertCodeKindChoices());
  show(alert::Code, AlertCodeChoices(rState.Current, shown[alert::CodeKind]));
  show(alert::AlarmTime, AlertTimeChoices());
  show(alert::TxTime, AlertTimeChoices());
  show(alert::RxTime, AlertTimeChoices());
  show(alert::ChannelSelect, AlertChannelSelectChoices());
  show(alert::Channel, MemoryChannelChoices(rState));
  show(alert::Cycle, AlertCycleChoices(rState));
  if (shown[alert::LoneWorker] > 1) shown[alert::LoneWorker] = 0;
  show(alert::PreAlertTime, PreAlertTimeChoices());
  show(alert::LoneWorkerTime, LoneWorkerTimeChoices());
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
  row(label(kTextFirstLabel + 0), AlertKindChoices(), alert::Kind);
  row(label(kTextFirstLabel + 1), AlertCodeKindChoices(), alert::CodeKind);
  row(label(kTextFirstLabel + 2), AlertCodeChoices(rState.Current, shown[alert::CodeKind]), alert::Code);
  row(label(kTextFirstLabel + 3), AlertTimeChoices(), alert::AlarmTime);
  row(label(kTextFirstLabel + 4), AlertTimeChoices(), alert::TxTime);
  row(label(kTextFirstLabel + 5), AlertTimeChoices(), alert::RxTime);
  row(label(kTextFirstLabel + 6), AlertChannelSelectChoices(), alert::ChannelSelect);
  row(label(kTextChannel), MemoryChannelChoices(rState), alert::Channel);
  row(label(kTextCycle), AlertCycleChoices(rState), alert::Cycle);
  const std::string loneWorker = label(kTextLoneWorker) + ": ";
  row(loneWorker + label(kTextAutomatic), kOffOn, alert::LoneWorker);
  row(loneWorker + label(kTextPreAlert), PreAlertTimeChoices(), alert::PreAlertTime);
  row(loneWorker + label(kTextLoneWorkerTime), LoneWorkerTimeChoices(), alert::LoneWorkerTime);
  return section;
}

}  // namespace px
