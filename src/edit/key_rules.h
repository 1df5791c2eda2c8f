#pragma once
// The programmable-keys page: the function list every key offers, what each key shows
// when the page opens, the choices refused while the FM radio is disabled, and OK.

#include <array>

#include "app/app_state.h"
#include "edit/choice_table.h"
#include "edit/page_fields.h"
#include "edit/report_section.h"

namespace px {

inline constexpr int kTextKeysCaption = 6000;

// Positions in the function list, one per key (KeySlot order).
using KeyPositions = std::array<int, KeySlot::Count>;

// Texts 6050 .. 6070, the same list for every key.
ChoiceTable KeyFunctionChoices();
// One list per key, in KeySlot order: P1 .. P5 short press, long press, FUNC +.
PageFields KeyFields();

// The shown position of every key: its stored function, or the first entry for a value
// outside the list.
KeyPositions LoadKeyPage(const AppState& rState);

// The FM-radio function on a short-press key needs the FM radio; long-press and FUNC
// assignments are not restricted.
bool KeyFunctionAllowed(const OptionSettings& rOptions, std::size_t rKey, int rFunction);
// The position a list shows after the user chose rPosition: a refused choice goes back
// to the first entry.
int ChooseKeyFunction(const OptionSettings& rOptions, std::size_t rKey, int rPosition);
// The same rule from the optional-functions side: every refused assignment becomes 0.
void ClearRefusedKeyFunctions(RadioSettings& rSettings);

// OK: every key stores its shown position.
void ApplyKeyPage(AppState& rState, const KeyPositions& rPositions);

ReportSection DescribeKeysPage(const AppState& rState);

}  // namespace px
