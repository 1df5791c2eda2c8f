#pragma once
// A list of a page as data: each entry is a language text (by id and section) or a fixed
// text, with the value the codeplug stores for it. The dialog's combo box, the stored ↔
// position mapping and the printed report all read the same table, so a list is written
// down once.

#include <span>
#include <string>
#include <string_view>

#include "app/language.h"

namespace px {

struct AppState;

struct Choice {
  int TextId = 0;                            // 0: the entry is Fixed
  std::string_view Fixed;                    // shown when TextId is 0, or when the text is absent
  int Stored = 0;                            // the value the codeplug keeps for this entry
  std::string_view Section = kSectionOther;  // section of TextId
};

using ChoiceTable = std::span<const Choice>;

// The position of the entry that stores rStored; rFallback when no entry does (a stored
// value out of range shows the list's first entry unless a page says otherwise).
int PositionOfStored(ChoiceTable rTable, int rStored, int rFallback = 0);
// The stored value of the entry at rPosition; the first entry's for a position out of range.
int StoredAtPosition(ChoiceTable rTable, int rPosition);
// The shown text of the entry at rPosition in the current language ("" out of range).
std::string ChoiceText(const AppState& rState, ChoiceTable rTable, int rPosition);
// The shown text of the entry that stores rStored, with the same fallback as PositionOfStored.
std::string ChoiceTextOfStored(const AppState& rState, ChoiceTable rTable, int rStored, int rFallback = 0);

}  // namespace px
