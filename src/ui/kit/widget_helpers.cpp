#include "ui/kit/widget_helpers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "ui/kit/apply_language.h"

namespace px {

QComboBox* NewList(QWidget* rParent, const char* rName) {
  auto* list = new QComboBox(rParent);
  list->setObjectName(rName);
  list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  EnterMovesFocus(list);
  return list;
}

QComboBox* NewList(QWidget* rParent, const char* rName, const std::vector<std::string>& rTexts) {
  QComboBox* list = NewList(rParent, rName);
  for (const auto& text : rTexts) list->addItem(ToQ(text));
  return list;
}

QComboBox* NewLangList(QWidget* rParent, const char* rName,
                       const std::vector<std::pair<int, const char*>>& rEntries) {
  QComboBox* list = NewList(rParent, rName);
  QVariantList ids;
  for (const auto& [id, text] : rEntries) {
    list->addItem(QString::fromUtf8(text));
    ids << id;
  }
  SetItemTextIds(list, ids);
  return list;
}

QComboBox* NewChoiceList(QWidget* rParent, const char* rName, const AppState& rState, ChoiceTable rTable) {
  QComboBox* list = NewList(rParent, rName);
  for (int i = 0; i < static_cast<int>(rTable.size()); ++i) list->addItem(ToQ(ChoiceText(rState, rTable, i)));
  return list;
}

QCheckBox* NewCheck(QWidget* rParent, const char* rName, int rTextId, const char* rFixed) {
  auto* check = new QCheckBox(QString::fromUtf8(rFixed), rParent);
  check->setObjectName(rName);
  if (rTextId > 0) SetTextId(check, rTextId);
  EnterMovesFocus(check);
  return check;
}

QLineEdit* NewText(QWidget* rParent, const char* rName, int rMaxLength, DialogTextFilter::Accept rAccept) {
  auto* edit = new QLineEdit(rParent);
  edit->setObjectName(rName);
  edit->setMaxLength(rMaxLength);
  DialogTextFilter::Install(edit, rAccept);
  return edit;
}

QLabel* NewLabel(QWidget* rParent, int rTextId, const char* rFixed) {
  auto* label = new QLabel(QString::fromUtf8(rFixed), rParent);
  if (rTextId > 0) SetTextId(label, rTextId);
  return label;
}

void Choose(QComboBox* rList, int rPosition) {
  rList->setCurrentIndex(rPosition >= 0 && rPosition < rList->count() ? rPosition : -1);
}

int DataIndex(const QComboBox* rList, int rValue) { return rList->findData(rValue); }

}  // namespace px
