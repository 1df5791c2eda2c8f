#include "ui/settings/field_inputs.h"

#include <stdexcept>
#include <string>

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

#include "ui/kit/apply_language.h"
#include "ui/kit/choice_list.h"
#include "ui/kit/widget_helpers.h"
#include "ui/settings/page_form.h"

namespace px {

FieldInputs::FieldInputs(QWidget* rParent, const AppState& rState, PageFields rFields) {
  for (const PageField& field : rFields) {
    const std::string object(field.Object);
    Input input{&field};
    if (field.Control == FieldControl::List) {
      input.List = NewList(rParent, object.c_str());
      input.Label = NewLabel(rParent, field.LabelId);
      FillChoiceList(input.List, rState, field.Choices(rState));
    } else if (field.Control == FieldControl::Switch) {
      input.Switch = NewCheck(rParent, object.c_str(), field.LabelId);
    } else {
      continue;
    }
    if (field.LabelSection != kSectionOther) {
      QWidget* labelled = input.Label != nullptr ? static_cast<QWidget*>(input.Label) : input.Switch;
      const std::string section(field.LabelSection);
      labelled->setProperty(kTextSectionProperty, QString::fromLatin1(section.c_str()));
    }
    mInputs.push_back(input);
  }
}

void FieldInputs::LayOut(QGridLayout* rGrid, int rGroupId) const {
  for (const Input& input : mInputs) {
    if (input.Field->GroupId != rGroupId) continue;
    if (input.List != nullptr) {
      AddFormRow(rGrid, input.Label, input.List);
    } else if (rGroupId == 0) {
      rGrid->addWidget(input.Switch, rGrid->rowCount(), 1, Qt::AlignLeft);
    } else {
      rGrid->addWidget(input.Switch, rGrid->rowCount(), 0, 1, 2, Qt::AlignLeft);
    }
  }
}

const FieldInputs::Input& FieldInputs::InputOf(std::size_t rSlot) const {
  for (const Input& input : mInputs)
    if (input.Field->Slot == rSlot) return input;
  throw std::logic_error("no control for slot " + std::to_string(rSlot));
}

QComboBox* FieldInputs::List(std::size_t rSlot) const { return InputOf(rSlot).List; }
QLabel* FieldInputs::Label(std::size_t rSlot) const { return InputOf(rSlot).Label; }
QCheckBox* FieldInputs::Switch(std::size_t rSlot) const { return InputOf(rSlot).Switch; }
int FieldInputs::Value(std::size_t rSlot) const { return Stored(InputOf(rSlot)); }

void FieldInputs::Enable(std::size_t rSlot, bool rOn) const {
  const Input& input = InputOf(rSlot);
  if (input.List != nullptr) input.List->setEnabled(rOn);
  if (input.Label != nullptr) input.Label->setEnabled(rOn);
  if (input.Switch != nullptr) input.Switch->setEnabled(rOn);
}

void FieldInputs::Load(const Input& rInput, int rShown) {
  if (rInput.List != nullptr) ChooseStored(rInput.List, rShown);
  if (rInput.Switch != nullptr) rInput.Switch->setChecked(rShown == 1);
}

int FieldInputs::Stored(const Input& rInput) {
  if (rInput.List != nullptr) return StoredOfList(rInput.List);
  return rInput.Switch->isChecked() ? 1 : 0;
}

}  // namespace px
