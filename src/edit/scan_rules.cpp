#include "edit/scan_rules.h"

#include <algorithm>

#include "codeplug/number_text.h"

namespace px {

namespace {

constexpr int kTextCaption = 2400;
constexpr int kTextMode = 2402;
constexpr int kTextPriority = 2403;
constexpr int kTextChannel1 = 2404;
constexpr int kTextChannel2 = 2405;
constexpr int kTextRevert = 2406;
constexpr int kTextLookBackA = 2407;
constexpr int kTextLookBackB = 2408;
constexpr int kTextRxResume = 2409;
constexpr int kTextTxResume = 2410;
constexpr int kTextType = 2411;
constexpr int kTextWaitTime = 2412;
constexpr int kTextEntryTone = 2413;
constexpr int kTextOff = 2430;
constexpr int kTextOn = 2431;
constexpr int kTextSelected = 2432;
constexpr int kTextTalkback = 2433;
constexpr int kTextLastCalled = 2434;
constexpr int kTextLastUsed = 2435;

constexpr Choice kModes[] = {{kTextOff, "OFF", 0}, {kTextOn, "ON", 1}};
constexpr Choice kTypes[] = {
    {2436, "None", 0}, {2437, "Time Operated", 1}, {2438, "Carrier Operated", 2}, {2439, "Search", 3}};

// Stored ranges of the timed bytes.
constexpr int kScanLookBackMin = 5;   // 0.5 s
constexpr int kScanResumeMin = 1;     // 0.1 s
constexpr int kScanTimeMax = 50;      // 5.0 s
constexpr int kScanWaitTimeMin = 2;   // 50 ms
constexpr int kScanWaitTimeMax = 255;
constexpr int kScanWaitTimeUnitMs = 25;

constexpr int kRevertEntries = 8;
constexpr int kPriorityEntries = 4;

std::string Tenths(int rValue) { return FormatOneDecimal(rValue / 10.0); }

}  // namespace

ChoiceTable ScanModeChoices() { return kModes; }
ChoiceTable ScanTypeChoices() { return kTypes; }

ChoiceTable LookBackChoices() {
  static const BuiltChoices table = NumberChoices(kScanLookBackMin, kScanTimeMax, Tenths);
  return table;
}

ChoiceTable ResumeDelayChoices() {
  static const BuiltChoices table = NumberChoices(kScanResumeMin, kScanTimeMax, Tenths);
  return table;
}

ChoiceTable WaitTimeChoices() {
  static const BuiltChoices table = NumberChoices(kScanWaitTimeMin, kScanWaitTimeMax, [](int rValue) {
    return std::to_string(rValue * kScanWaitTimeUnitMs);
  });
  return table;
}

BuiltChoices ScanPriorityChoices(const AppState& rState) {
  const std::string channel = LangText(rState, kTextPriority);
  BuiltChoices choices;
  choices.Add(LangText(rState, kTextOff), 0);
  choices.Add(channel + "1", 1);
  choices.Add(channel + "2", 2);
  choices.Add(channel + "1" + " + " + channel + "2", 3);
  return choices;
}

BuiltChoices ScanRevertMasterChoices(const AppState& rState) {
  const std::string channel = LangText(rState, kTextPriority);
  const std::string talkback = " + " + LangText(rState, kTextTalkback);
  BuiltChoices choices;
  choices.Add(LangText(rState, kTextSelected), 0);
  choices.Add(LangText(rState, kTextSelected) + talkback, 1);
  choices.Add(channel + "1", 2);
  choices.Add(channel + "2", 3);
  choices.Add(LangText(rState, kTextLastCalled), 4);
  choices.Add(LangText(rState, kTextLastUsed), 5);
  choices.Add(channel + "1" + talkback, 6);
  choices.Add(channel + "2" + talkback, 7);
  return choices;
}

std::vector<int> RevertEntriesFor(int rPriority) {
  switch (rPriority) {
    case 0: return {0, 1, 4, 5};
    case 1: return {0, 1, 2, 4, 5, 6};
    case 2: return {0, 1, 3, 4, 5, 7};
    case 3: return {0, 1, 2, 3, 4, 5, 6, 7};
    default: return {};
  }
}

BuiltChoices ScanRevertChoices(const AppState& rState, int rPriority) {
  const BuiltChoices master = ScanRevertMasterChoices(rState);
  BuiltChoices choices;
  for (const int entry : RevertEntriesFor(rPriority))
    choices.Add(ChoiceText(rState, master, entry), entry);
  return choices;
}

int RevertAfterPriorityChange(int rPriority, int rRevert) {
  const std::vector<int> offered = RevertEntriesFor(rPriority);
  if (offered.empty()) return 0;
  return std::find(offered.begin(), offered.end(), rRevert) != offered.end() ? rRevert : offered.front();
}

ScanEnabled ScanEnabling(int rMode, int rPriority) {
  if (rMode != 1) return {};
  return {true, rPriority == 1 || rPriority == 3, rPriority == 2 || rPriority == 3};
}

ScanSettings ShownScanPage(const AppState& rState) {
  const ScanSettings& stored = rState.Current.Settings.Scan;
  ScanSettings shown = stored;
  const auto show = [&](std::size_t rSlot, ChoiceTable rTable) {
    shown[rSlot] = static_cast<Byte>(StoredAsShown(rTable, stored[rSlot]));
  };
  const auto inList = [&](std::size_t rSlot, int rCount) {
    shown[rSlot] = stored[rSlot] < rCount ? stored[rSlot] : 0;
  };
  show(ScanSlot::Mode, ScanModeChoices());
  inList(ScanSlot::Priority, kPriorityEntries);
  inList(ScanSlot::Revert, kRevertEntries);
  shown[ScanSlot::Revert] = static_cast<Byte>(RevertAfterPriorityChange(shown[ScanSlot::Priority], shown[ScanSlot::Revert]));
  const BuiltChoices channels = MemoryChannelChoices(rState);
  show(ScanSlot::Channel1, channels);
  show(ScanSlot::Channel2, channels);
  show(ScanSlot::LookBackA, LookBackChoices());
  show(ScanSlot::LookBackB, LookBackChoices());
  show(ScanSlot::RxResume, ResumeDelayChoices());
  show(ScanSlot::TxResume, ResumeDelayChoices());
  show(ScanSlot::Type, ScanTypeChoices());
  show(ScanSlot::WaitTime, WaitTimeChoices());
  if (shown[ScanSlot::EntryTone] > 1) shown[ScanSlot::EntryTone] = 0;
  return shown;
}

void ApplyScanPage(AppState& rState, const ScanSettings& rShown) {
  ScanSettings& page = rState.Current.Settings.Scan;
  const Byte group1 = page[ScanSlot::Group1];
  const Byte group2 = page[ScanSlot::Group2];
  page = rShown;
  page[ScanSlot::Group1] = group1;
  page[ScanSlot::Group2] = group2;
}

ReportSection DescribeScanPage(const AppState& rState) {
  const ScanSettings shown = ShownScanPage(rState);
  const BuiltChoices channels = MemoryChannelChoices(rState);
  ReportSection section;
  section.Key = "scan";
  section.Title = LangText(rState, kTextCaption);
  const auto row = [&](int rLabel, ChoiceTable rTable, std::size_t rSlot) {
    section.Rows.push_back(ChoiceRow(rState, LangText(rState, rLabel), rTable, shown[rSlot]));
  };
  row(kTextMode, ScanModeChoices(), ScanSlot::Mode);
  row(kTextPriority, ScanPriorityChoices(rState), ScanSlot::Priority);
  row(kTextChannel1, channels, ScanSlot::Channel1);
  row(kTextChannel2, channels, ScanSlot::Channel2);
  row(kTextRevert, ScanRevertMasterChoices(rState), ScanSlot::Revert);
  row(kTextLookBackA, LookBackChoices(), ScanSlot::LookBackA);
  row(kTextLookBackB, LookBackChoices(), ScanSlot::LookBackB);
  row(kTextRxResume, ResumeDelayChoices(), ScanSlot::RxResume);
  row(kTextTxResume, ResumeDelayChoices(), ScanSlot::TxResume);
  row(kTextType, ScanTypeChoices(), ScanSlot::Type);
  row(kTextWaitTime, WaitTimeChoices(), ScanSlot::WaitTime);
  row(kTextEntryTone, ScanModeChoices(), ScanSlot::EntryTone);  // off / on
  return section;
}

}  // namespace px
