#pragma once
// Pieces the 5-Tone dialogs share: lists refilled from the core's choice tables,
// captions from the "OPTION" section and the key rule of the code boxes.

#include "edit/choice_table.h"
#include "ui/kit/dialog_text_filter.h"

class QComboBox;
class QLabel;
class QObject;
class QWidget;

namespace px {

struct AppState;

// The entries of rTable in the current language, replacing what rList held.
void FillChoices(QComboBox* rList, const AppState& rState, ChoiceTable rTable);
// rObject's caption is text rId of section "OPTION" (ApplyLanguage puts it on).
void SetOptionTextId(QObject* rObject, int rId);
QLabel* NewOptionLabel(QWidget* rParent, int rId);

// Code boxes take "0"-"9" and "A"-"F"; "a"-"f" enter as upper case.
KeyRule FiveToneCodeKeys();

}  // namespace px
