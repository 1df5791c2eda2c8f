#pragma once
// The scan page's rules: its lists, the bytes the dialog shows for the stored ones, the
// revert entries each priority choice offers, which inputs are usable, and OK.
//
// The dialog works on a copy of the 14 bytes in which every byte holds the value its
// shown entry stores; the corrections made while opening reach the codeplug only by OK.

#include <vector>

#include "app/app_state.h"
#include "codeplug/scan_slots.h"
#include "edit/built_choices.h"
#include "edit/page_fields.h"
#include "edit/report_section.h"

namespace px {

inline constexpr int kTextScanCaption = 2400;

// The lists, each entry storing the value its byte keeps.
ChoiceTable ScanModeChoices();       // OFF, ON
ChoiceTable ScanTypeChoices();       // none, time, carrier, search operated
ChoiceTable LookBackChoices();       // 0.5 .. 5.0 s, stored 5 .. 50
ChoiceTable ResumeDelayChoices();    // 0.1 .. 5.0 s, stored 1 .. 50
ChoiceTable WaitTimeChoices();       // 50 .. 6375 ms, stored 2 .. 255
BuiltChoices ScanPriorityChoices(const AppState& rState);      // stored 0 .. 3
BuiltChoices ScanRevertMasterChoices(const AppState& rState);  // stored 0 .. 7
// The revert list of a priority choice: the master entries it offers, in master order.
// A priority outside the list offers nothing.
std::vector<int> RevertEntriesFor(int rPriority);
BuiltChoices ScanRevertChoices(const AppState& rState, int rPriority);

// The revert entry kept when the priority choice becomes rPriority: rRevert when still
// offered, else the first one offered (0 when none is).
int RevertAfterPriorityChange(int rPriority, int rRevert);

// Which inputs are usable: with the scan mode off only the mode itself; with it on all,
// but the priority channel boxes only for the priority channels chosen.
struct ScanEnabled {
  bool Others = false;    // priority, revert, times, type, wait time, entry tone
  bool Channel1 = false;
  bool Channel2 = false;
  bool operator==(const ScanEnabled&) const = default;
};
ScanEnabled ScanEnabling(int rMode, int rPriority);

// The page's fields in dialog order, then the group bytes no control shows.
PageFields ScanFields();

// The bytes as the dialog shows them for the stored page.
ScanSettings ShownScanPage(const AppState& rState);

// OK: the dialog's bytes become the page; the bytes no control shows (the groups) stay
// as stored.
void ApplyScanPage(AppState& rState, const ScanSettings& rShown);

ReportSection DescribeScanPage(const AppState& rState);

}  // namespace px
