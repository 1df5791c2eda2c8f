#pragma once
// The alert page's rules: its lists (the identification codes follow the code kind and
// the codeplug's DTMF code memories and 5-Tone codes), the bytes the dialog shows for
// the stored ones, which inputs are usable, and OK.
//
// The dialog works on a copy of the 12 bytes in which every byte holds the value its
// shown entry stores; nothing reaches the codeplug before OK.

#include "app/app_state.h"
#include "codeplug/alert_slots.h"
#include "edit/built_choices.h"
#include "edit/page_fields.h"
#include "edit/report_section.h"

namespace px {

inline constexpr int kTextAlertCaption = 2600;
inline constexpr int kTextLoneWorker = 2612;  // the lone-worker frame

ChoiceTable AlertKindChoices();           // local, remote, local + remote, silent
ChoiceTable AlertCodeKindChoices();       // none, "DTMF", "5Tone"
ChoiceTable AlertChannelSelectChoices();  // assigned channel, current channel
ChoiceTable AlertTimeChoices();           // "1" .. "255" s: alarm, transmit, receive time
ChoiceTable PreAlertTimeChoices();        // "1" .. "254" s
ChoiceTable LoneWorkerTimeChoices();      // "5" .. "255" s
BuiltChoices AlertCycleChoices(const AppState& rState);  // continuous, then "1" .. "255"

// The identification codes of a code kind: for DTMF the code memories that hold a code
// ("M1" .. "M16", stored 0 .. 15); for 5-Tone the codes in use by their number 0 .. 99,
// or the single entry "0" when none is; nothing for any other kind.
BuiltChoices AlertCodeChoices(const Codeplug& rPlug, int rCodeKind);

// Which inputs are usable. A local alarm has an alarm time; the others send a code and
// have transmit and receive times. The emergency channel only for the assigned channel.
struct AlertEnabled {
  bool AlarmTime = false;
  bool Code = false;     // code kind, code, transmit and receive time
  bool Channel = false;
  bool operator==(const AlertEnabled&) const = default;
};
AlertEnabled AlertEnabling(int rKind, int rChannelSelect);

// The page's fields in dialog order, the lone-worker frame last.
PageFields AlertFields();

// The bytes as the dialog shows them for the stored page.
AlertSettings ShownAlertPage(const AppState& rState);

// OK: the dialog's bytes become the page.
void ApplyAlertPage(AppState& rState, const AlertSettings& rShown);

ReportSection DescribeAlertPage(const AppState& rState);

}  // namespace px
