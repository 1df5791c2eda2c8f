#pragma once
// Small constructors for the controls every dialog builds: each one named, tagged with
// its text id for ApplyLanguage, and with Enter moving on to the next input.

#include <string>
#include <utility>
#include <vector>

#include "edit/choice_table.h"
#include "ui/kit/dialog_text_filter.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace px {

QComboBox* NewList(QWidget* rParent, const char* rName);
QComboBox* NewList(QWidget* rParent, const char* rName, const std::vector<std::string>& rTexts);
// A list whose entries are language texts (id > 0) or fixed texts (id 0).
QComboBox* NewLangList(QWidget* rParent, const char* rName,
                       const std::vector<std::pair<int, const char*>>& rEntries);
// A list of a choice table's entries in the current language, by position.
QComboBox* NewChoiceList(QWidget* rParent, const char* rName, const AppState& rState, ChoiceTable rTable);
QCheckBox* NewCheck(QWidget* rParent, const char* rName, int rTextId, const char* rFixed = "");
QLineEdit* NewText(QWidget* rParent, const char* rName, int rMaxLength, DialogTextFilter::Accept rAccept);
QLabel* NewLabel(QWidget* rParent, int rTextId, const char* rFixed = "");

// Selects rPosition, or nothing when the list has no such entry.
void Choose(QComboBox* rList, int rPosition);
int DataIndex(const QComboBox* rList, int rValue);

}  // namespace px
