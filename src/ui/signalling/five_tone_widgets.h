#pragma once
// Pieces the 5-Tone dialogs share: lists filled from the core's choice tables, captions
// from the "OPTION" section, fixed texts shown byte for byte, and the code key filter.

#include <string>

#include <QObject>
#include <QString>

#include "edit/choice_table.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace px {

struct AppState;

// The entries of rTable in the current language; the selection is left to the caller.
void FillChoices(QComboBox* rList, const AppState& rState, ChoiceTable rTable);
// rObject's caption is text rId of section "OPTION" (ApplyLanguage puts it on).
void SetOptionTextId(QObject* rObject, int rId);
QLabel* NewOptionLabel(QWidget* rParent, int rId);

// Fixed-text bytes one to one as characters (Latin-1) and back; characters beyond
// Latin-1 become "?".
QString Latin1Q(const std::string& rBytes);
std::string FromLatin1(const QString& rText);

// Code boxes take "0"-"9" and "A"-"F" ("a"-"f" become upper case); no clipboard keys,
// no context menu, nothing dropped in.
class CodeKeyFilter : public QObject {
 public:
  using QObject::QObject;
  static void Install(QLineEdit* rEdit);

 protected:
  bool eventFilter(QObject* rWatched, QEvent* rEvent) override;
};

}  // namespace px
