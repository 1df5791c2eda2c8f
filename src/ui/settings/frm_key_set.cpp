#include "ui/settings/frm_key_set.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include <string>

#include "ui/kit/apply_language.h"
#include "ui/kit/dialog_frame.h"
#include "ui/kit/widget_helpers.h"

namespace px {

namespace {

constexpr int kLabelGap = 10;  // a label's right edge to its list

}  // namespace

FrmKeySet::FrmKeySet(AppState& rState, QWidget* rParent) : QDialog(rParent), mState(rState) {
  setObjectName(QStringLiteral("FrmKeySet"));
  SetTextId(this, kTextKeysCaption);

  std::vector<std::string> functions;
  const ChoiceTable choices = KeyFunctionChoices();
  for (std::size_t k = 0; k < choices.size(); ++k) functions.push_back(ChoiceText(rState, choices, static_cast<int>(k)));

  // Short press, long press and FUNC side by side, P1 .. P5 from the top.
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(kLabelGap);
  for (std::size_t i = 0; i < KeySlot::Count; ++i) {
    const int index = static_cast<int>(i);
    const PageField& field = KeyFields()[i];
    mLists[i] = NewList(this, std::string(field.Object).c_str(), functions);
    QLabel* label = NewLabel(this, field.LabelId);
    label->setObjectName(QString::fromStdString("Label1_" + std::to_string(i)));
    const int row = index % static_cast<int>(KeySlot::KeysPerKind);
    const int column = index / static_cast<int>(KeySlot::KeysPerKind) * 3;
    grid->addWidget(label, row, column, Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(mLists[i], row, column + 1, Qt::AlignLeft);
    if (column > 0) grid->setColumnMinimumWidth(column - 1, 16);
  }
  const DialogButtonPair buttons = LayOutDialog(this, grid);
  for (QPushButton* button : {buttons.First, buttons.Second}) button->setAutoDefault(false);
  connect(buttons.First, &QPushButton::clicked, this, &FrmKeySet::OnOk);
  connect(buttons.Second, &QPushButton::clicked, this, &QDialog::reject);
  ApplyLanguage(this, rState);

  const KeyPositions shown = LoadKeyPage(rState);
  for (std::size_t i = 0; i < KeySlot::Count; ++i) {
    Choose(mLists[i], shown[i]);
    connect(mLists[i], &QComboBox::currentIndexChanged, this, [this, i](int rPosition) {
      if (rPosition < 0) return;
      const int kept = ChooseKeyFunction(mState.Current.Settings.Options, i, rPosition);
      if (kept != rPosition) {
        const QSignalBlocker block(mLists[i]);
        Choose(mLists[i], kept);
      }
    });
  }
}

void FrmKeySet::OnOk() {
  KeyPositions positions{};
  for (std::size_t i = 0; i < KeySlot::Count; ++i) positions[i] = std::max(0, mLists[i]->currentIndex());
  ApplyKeyPage(mState, positions);
  accept();
}

}  // namespace px
