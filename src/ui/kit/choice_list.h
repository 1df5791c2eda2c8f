#pragma once
// Combo boxes filled from a core choice table: each entry's text in the current language,
// its stored value as the item's data, so that reading a list gives the byte to store.

#include "edit/choice_table.h"

class QComboBox;

namespace px {

struct AppState;

// Replaces the entries; nothing is chosen afterwards.
void FillChoiceList(QComboBox* rList, const AppState& rState, ChoiceTable rTable);
// Chooses the entry that stores rStored, else the first; nothing in an empty list.
void ChooseStored(QComboBox* rList, int rStored);
// The stored value of the chosen entry; 0 when nothing is chosen.
int StoredOfList(const QComboBox* rList);

}  // namespace px
