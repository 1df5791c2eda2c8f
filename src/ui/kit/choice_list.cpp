#include "ui/kit/choice_list.h"

#include <QComboBox>
#include <QSignalBlocker>

#include "ui/kit/apply_language.h"

namespace px {

void FillChoiceList(QComboBox* rList, const AppState& rState, ChoiceTable rTable) {
  const QSignalBlocker block(rList);
  rList->clear();
  for (std::size_t i = 0; i < rTable.size(); ++i)
    rList->addItem(ToQ(ChoiceText(rState, rTable, static_cast<int>(i))), rTable[i].Stored);
  rList->setCurrentIndex(-1);
}

void ChooseStored(QComboBox* rList, int rStored) {
  const int index = rList->findData(rStored);
  rList->setCurrentIndex(index >= 0 ? index : (rList->count() > 0 ? 0 : -1));
}

int StoredOfList(const QComboBox* rList) {
  const QVariant data = rList->currentData();
  return data.isValid() ? data.toInt() : 0;
}

}  // namespace px
