#include "ui/signalling/five_tone_widgets.h"

#include <QComboBox>
#include <QLabel>

#include "app/language.h"
#include "edit/five_tone_codes.h"
#include "ui/kit/apply_language.h"

namespace px {

void FillChoices(QComboBox* rList, const AppState& rState, ChoiceTable rTable) {
  rList->clear();
  for (std::size_t i = 0; i < rTable.size(); ++i) rList->addItem(ToQ(ChoiceText(rState, rTable, static_cast<int>(i))));
}

void SetOptionTextId(QObject* rObject, int rId) {
  SetTextId(rObject, rId);
  rObject->setProperty(kTextSectionProperty, QString::fromLatin1(kSectionOption));
}

QLabel* NewOptionLabel(QWidget* rParent, int rId) {
  auto* label = new QLabel(rParent);
  SetOptionTextId(label, rId);
  return label;
}

KeyRule FiveToneCodeKeys() {
  return [](char rChar) {
    const std::optional<char> entered = FilterCodeKey(static_cast<unsigned char>(rChar));
    return entered ? *entered : '\0';
  };
}

}  // namespace px
