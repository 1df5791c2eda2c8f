#include "ui/signalling/frm_dtmf_special.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "edit/dtmf_rules.h"
#include "ui/kit/apply_language.h"
#include "ui/kit/dialog_frame.h"
#include "ui/kit/fixed_text_widgets.h"
#include "ui/kit/widget_helpers.h"

namespace px {

FrmDTMFSpecial::FrmDTMFSpecial(AppState& rState, QWidget* rParent) : QDialog(rParent) {
  setObjectName("FrmDTMFSpecial");
  setWindowTitle(OwnQ(rState, OwnText{"DTMF Special Call", "DTMF 特殊呼叫"}));

  mKind = NewList(this, "Combo1", {"ANI", "PTTID"});
  auto* kindLabel = new QLabel(ToQ(LangOption(rState, 60064)), this);

  mCalled = new QLineEdit(QStringLiteral("000"), this);
  mCalled->setObjectName("Text1");
  mCalled->setMaxLength(kDtmfOwnIdLength);
  mCalled->setAlignment(Qt::AlignCenter);
  DialogTextFilter::Install(mCalled, DtmfDigitKey);
  mCalled->installEventFilter(this);
  mCalled->setFixedWidth(mCalled->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 16);

  mCalledFrame = new QGroupBox(this);
  mCalledFrame->setObjectName("Frame1");
  auto* called = new QHBoxLayout(mCalledFrame);
  called->addWidget(new QLabel(ToQ(LangOption(rState, 60076)), mCalledFrame));
  called->addWidget(mCalled);
  called->addStretch();
  // The frame keeps its room while hidden, so the dialog does not jump.
  QSizePolicy keep = mCalledFrame->sizePolicy();
  keep.setRetainSizeWhenHidden(true);
  mCalledFrame->setSizePolicy(keep);

  auto* kind = new QHBoxLayout;
  kind->addWidget(kindLabel);
  kind->addWidget(mKind, 1);
  auto* content = new QVBoxLayout;
  content->addLayout(kind);
  content->addWidget(mCalledFrame);
  const DialogButtonPair buttons = LayOutDialog(this, content);
  for (QPushButton* button : {buttons.First, buttons.Second}) button->setAutoDefault(false);

  ApplyLanguage(this, rState);
  mKind->setCurrentIndex(static_cast<int>(DtmfSpecialCall::Ani));
  connect(mKind, &QComboBox::currentIndexChanged, this, &FrmDTMFSpecial::OnKindChanged);
  connect(buttons.First, &QPushButton::clicked, this, &FrmDTMFSpecial::OnOk);
  connect(buttons.Second, &QPushButton::clicked, this, &QDialog::reject);
}

void FrmDTMFSpecial::SetCallParts(char rSeparator, const QString& rOwnId) {
  mSeparator = rSeparator;
  mOwnId = rOwnId;
}

void FrmDTMFSpecial::OnKindChanged() {
  mCalledFrame->setVisible(mKind->currentIndex() == static_cast<int>(DtmfSpecialCall::Ani));
}

bool FrmDTMFSpecial::eventFilter(QObject* rWatched, QEvent* rEvent) {
  if (rWatched == mCalled && rEvent->type() == QEvent::FocusOut)
    mCalled->setText(FixedQ(PadOwnId(FixedFromQ(mCalled->text()))));
  return QDialog::eventFilter(rWatched, rEvent);
}

void FrmDTMFSpecial::OnOk() {
  const auto kind = static_cast<DtmfSpecialCall>(mKind->currentIndex());
  mResult = FixedQ(DtmfSpecialCallCode(kind, FixedFromQ(mCalled->text()), mSeparator,
                                                FixedFromQ(mOwnId)));
  accept();
}

}  // namespace px
