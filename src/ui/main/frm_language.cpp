#include "ui/main/frm_language.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "app/language.h"
#include "ui/kit/apply_language.h"
#include "ui/kit/dialog_frame.h"

namespace px {

FrmLanguage::FrmLanguage(AppState& rState, QWidget* rParent) : QDialog(rParent), mState(rState) {
  setObjectName(QStringLiteral("FrmLanguage"));
  SetTextId(this, 1503);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  auto* label = new QLabel;
  label->setObjectName(QStringLiteral("Label1"));
  SetTextId(label, 1503);
  mList = new QComboBox;
  mList->setObjectName(QStringLiteral("Combo1"));
  mList->addItems({QStringLiteral("1501"), QStringLiteral("1502")});
  SetItemTextIds(mList, {1501, 1502});
  mList->setMinimumContentsLength(14);
  label->setBuddy(mList);

  auto* content = new QVBoxLayout;
  content->addWidget(label);
  content->addWidget(mList);
  const auto [ok, cancel] = LayOutDialog(this, content);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &FrmLanguage::Accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  ApplyLanguage(this, mState);
  mList->setCurrentIndex(std::clamp<int>(mState.LanguageIndex - 1, 0, 1));
}

void FrmLanguage::Accept() {
  SetLanguage(mState, mList->currentIndex() + 1);
  accept();
}

bool OpenLanguageDialog(AppState& rState, QWidget* rParent) {
  FrmLanguage dialog(rState, rParent);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace px
