#include "edit/scan_rules.h"

#include <algorithm>

#include "codeplug/number_text.h"

namespace px {

namespace {

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

PageFields ScanFields() {
  using enum FieldControl;
  static const PageField fields[] = {
      {"Scan.Mode", ScanSlot::Mode, List, "Combo1_0", kTextMode, FixedChoices<ScanModeChoices>, ImageByte(0)},
      {"Scan.Priority", ScanSlot::Priority, List, "Combo1_1", kTextPriority, ScanPriorityChoices, ImageByte(1)},
      {"Scan.PriorityChannel1", ScanSlot::Channel1, List, "Combo1_2", kTextChannel1, MemoryChannelChoices,
       ImageByteMinusOne(11)},
      {"Scan.PriorityChannel2", ScanSlot::Channel2, List, "Combo1_4", kTextChannel2, MemoryChannelChoices,
       ImageByteMinusOne(13)},
      // The report names the entry from the master list; the dialog offers the priority's part.
      {"Scan.Revert", ScanSlot::Revert, List, "Combo1_6", kTextRevert, ScanRevertMasterChoices, ImageByte(2)},
      {"Scan.LookBackA", ScanSlot::LookBackA, List, "Combo1_7", kTextLookBackA, FixedChoices<LookBackChoices>,
       ImageByte(3)},
      {"Scan.LookBackB", ScanSlot::LookBackB, List, "Combo1_8", kTextLookBackB, FixedChoices<LookBackChoices>,
       ImageByte(4)},
      {"Scan.RxResume", ScanSlot::RxResume, List, "Combo1_9", kTextRxResume, FixedChoices<ResumeDelayChoices>,
       ImageByte(5)},
      {"Scan.TxResume", ScanSlot::TxResume, List, "Combo1_10", kTextTxResume, FixedChoices<ResumeDelayChoices>,
       ImageByte(6)},
      {"Scan.Type", ScanSlot::Type, List, "Combo1_11", kTextType, FixedChoices<ScanTypeChoices>, ImageByte(7)},
      {"Scan.WaitTime", ScanSlot::WaitTime, List, "Combo1_12", kTextWaitTime, FixedChoices<WaitTimeChoices>,
       ImageByte(9)},
      {"Scan.EntryTone", ScanSlot::EntryTone, Switch, "Check1", kTextEntryTone, FixedChoices<ScanModeChoices>,
       ImageByte(8)},
      {"Scan.Group1", ScanSlot::Group1, Carried, "", 0, nullptr, ImageByteMinusOne(10)},
      {"Scan.Group2", ScanSlot::Group2, Carried, "", 0, nullptr, ImageByteMinusOne(12)},
  };
  return fields;
}

ScanSettings ShownScanPage(const AppState& rState) {
  ScanSettings shown = ShownFields(rState, ScanFields(), rState.Current.Settings.Scan);
  shown[ScanSlot::Revert] = static_cast<Byte>(RevertAfterPriorityChange(shown[ScanSlot::Priority], shown[ScanSlot::Revert]));
  return shown;
}

void ApplyScanPage(AppState& rState, const ScanSettings& rShown) {
  ScanSettings& page = rState.Current.Settings.Scan;
  ScanSettings next = rShown;
  for (const PageField& field : ScanFields())
    if (field.Control == FieldControl::Carried) next[field.Slot] = page[field.Slot];
  page = next;
}

ReportSection DescribeScanPage(const AppState& rState) {
  ReportSection section;
  section.Key = "scan";
  section.Title = LangText(rState, kTextScanCaption);
  DescribeFields(rState, ScanFields(), ShownScanPage(rState), section);
  return section;
}

}  // namespace px
