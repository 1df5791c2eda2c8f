#include "ui/signalling/frm_dtmf.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <string>

#include "ui/kit/apply_language.h"
#include "ui/kit/dialog_frame.h"
#include "ui/kit/fixed_text_widgets.h"
#include "ui/kit/widget_helpers.h"
#include "ui/signalling/frm_dtmf_special.h"

namespace px {

namespace {

constexpr int kTextHint = 1603;
constexpr int kTextSpecial = 3003;
// Labels of the PTT ID begin, end, kill and stun boxes, section "OPTION".
constexpr int kTextSpecialCodes[4] = {60302, 60303, 60069, 60093};

}  // namespace

FrmDTMF::FrmDTMF(AppState& rState, QWidget* rParent)
    : QDialog(rParent), mState(rState), mMessages(this), mFields(this, rState, DtmfFields()) {
  setObjectName("FrmDTMF");
  setWindowTitle(QStringLiteral("DTMF"));
  BuildInputs();
  LayOut();
  ApplyLanguage(this, rState);
  LoadInputs(LoadDtmfInputs(rState, rState.Current.Settings.Dtmf));
  mCurEditId = 0;
  connect(mFields.List(DtmfSlot::Separator), &QComboBox::activated, this, &FrmDTMF::OnSeparatorChosen);
  mCodes[0]->setFocus();
}

void FrmDTMF::BuildInputs() {
  const int codeWidth = fontMetrics().horizontalAdvance(QString(24, QLatin1Char('#'))) + 12;
  for (int k = 0; k < kDtmfCodeBoxes; ++k) {
    auto* box = new QLineEdit(this);
    box->setObjectName(QStringLiteral("Text2_%1").arg(k));
    box->setMaxLength(DtmfCodeMaxLength(k));
    box->setMinimumWidth(k >= kDtmfKillBox ? codeWidth * 14 / 24 + 12 : codeWidth);
    DialogTextFilter::Install(box, DtmfCodeKey);
    box->installEventFilter(this);
    mCodes[static_cast<std::size_t>(k)] = box;
  }
  mOwnId = new QLineEdit(this);
  mOwnId->setObjectName("Text3");
  mOwnId->setMaxLength(kDtmfOwnIdLength);
  mOwnId->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 16);
  DialogTextFilter::Install(mOwnId, DtmfDigitKey);
  mOwnId->installEventFilter(this);

  for (const std::size_t slot : {DtmfSlot::FirstDigitDelay, DtmfSlot::PreSendDelay, DtmfSlot::ResetTime,
                                  DtmfSlot::PostSendDelay, DtmfSlot::PauseTime})
    mFields.List(slot)->setMaxVisibleItems(16);
  mSpecial = new QPushButton(this);
  mSpecial->setObjectName("CommandSpecial");
  SetTextId(mSpecial, kTextSpecial);
  mSpecial->setAutoDefault(false);
  connect(mSpecial, &QPushButton::clicked, this, &FrmDTMF::OnSpecialCall);
}

void FrmDTMF::LayOut() {
  // Code memories in two columns of eight, the four special codes below them.
  auto* memories = new QGridLayout;
  memories->setHorizontalSpacing(8);
  for (int k = 0; k < kCodeMemories; ++k) {
    const int row = k % 8;
    const int column = (k / 8) * 2;
    auto* label = new QLabel(QStringLiteral("M%1").arg(k + 1), this);
    memories->addWidget(label, row, column, Qt::AlignRight | Qt::AlignVCenter);
    memories->addWidget(mCodes[static_cast<std::size_t>(k)], row, column + 1);
  }
  const int specialRow = 8;
  for (int i = 0; i < 4; ++i) {
    QLabel* label = NewLabel(this, kTextSpecialCodes[i]);
    label->setProperty(kTextSectionProperty, QString::fromLatin1(kSectionOption));
    const int row = specialRow + i % 2;
    const int column = (i / 2) * 2;
    memories->addWidget(label, row, column, Qt::AlignRight | Qt::AlignVCenter);
    memories->addWidget(mCodes[static_cast<std::size_t>(kDtmfPttIdBeginBox + (i % 2) + (i / 2) * 2)], row, column + 1,
                        Qt::AlignLeft);
  }
  auto* codes = new QVBoxLayout;
  codes->addWidget(NewLabel(this, kTextHint));
  codes->addLayout(memories);
  codes->addStretch();

  auto* settings = new QGridLayout;
  settings->setHorizontalSpacing(8);
  const auto addRow = [&](QLabel* rLabel, QWidget* rInput) {
    const int row = settings->rowCount();
    settings->addWidget(rLabel, row, 0, Qt::AlignRight | Qt::AlignVCenter);
    settings->addWidget(rInput, row, 1);
  };
  // The lists from the top, the own ID after the PTT ID mode, the side tone below them.
  std::vector<QWidget*> inputs;
  for (std::size_t slot = DtmfSlot::Ani; slot < DtmfSlot::SideTone; ++slot) {
    if (slot == DtmfSlot::Separator) {
      addRow(NewLabel(this, kTextDtmfOwnId), mOwnId);
      inputs.push_back(mOwnId);
    }
    addRow(mFields.Label(slot), mFields.List(slot));
    inputs.push_back(mFields.List(slot));
  }
  settings->addWidget(mFields.Switch(DtmfSlot::SideTone), settings->rowCount(), 1);
  settings->addWidget(mSpecial, settings->rowCount(), 0, 1, 2);
  settings->setRowStretch(settings->rowCount(), 1);

  auto* columns = new QHBoxLayout;
  columns->addLayout(codes);
  columns->addSpacing(16);
  columns->addLayout(settings);
  const DialogButtonPair buttons = LayOutDialog(this, columns);
  for (QPushButton* button : {buttons.First, buttons.Second}) button->setAutoDefault(false);
  connect(buttons.First, &QPushButton::clicked, this, &FrmDTMF::OnOk);
  connect(buttons.Second, &QPushButton::clicked, this, &QDialog::reject);

  // Tab order: the codes as numbered, then the settings from the top, then the buttons.
  std::vector<QWidget*> order(mCodes.begin(), mCodes.end());
  order.insert(order.end(), inputs.begin(), inputs.end());
  for (QWidget* widget : std::initializer_list<QWidget*>{mFields.Switch(DtmfSlot::SideTone), mSpecial, buttons.First,
                                                         buttons.Second})
    order.push_back(widget);
  for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

void FrmDTMF::ShowCodes(const DtmfPageInputs& rIn) {
  for (std::size_t k = 0; k < mCodes.size(); ++k) mCodes[k]->setText(FixedQ(rIn.Codes[k]));
}

void FrmDTMF::LoadInputs(const DtmfPageInputs& rIn) {
  ShowCodes(rIn);
  mOwnId->setText(FixedQ(rIn.OwnId));
  mFields.Load(rIn.Values);
}

DtmfPageInputs FrmDTMF::Inputs() const {
  DtmfPageInputs in;
  for (std::size_t k = 0; k < mCodes.size(); ++k) in.Codes[k] = FixedFromQ(mCodes[k]->text());
  in.OwnId = FixedFromQ(mOwnId->text());
  mFields.Store(in.Values);
  return in;
}

bool FrmDTMF::eventFilter(QObject* rWatched, QEvent* rEvent) {
  if (rEvent->type() == QEvent::FocusIn) {
    for (std::size_t k = 0; k < mCodes.size(); ++k)
      if (rWatched == mCodes[k]) mCurEditId = static_cast<int>(k);
  } else if (rEvent->type() == QEvent::FocusOut && rWatched == mOwnId) {
    OnOwnIdLeft();
  }
  return QDialog::eventFilter(rWatched, rEvent);
}

void FrmDTMF::OnSeparatorChosen() {
  DtmfPageInputs in = Inputs();
  ApplySeparatorChange(in, DtmfSeparatorCharOf(in.Values[DtmfSlot::Separator]));
  ShowCodes(in);
}

void FrmDTMF::OnOwnIdLeft() {
  DtmfPageInputs in = Inputs();
  ApplyOwnIdChange(in);
  mOwnId->setText(FixedQ(in.OwnId));
  ShowCodes(in);
}

void FrmDTMF::OnSpecialCall() {
  if (mCurEditId > kDtmfLastSpecialCallBox) return;  // kill and stun take no special call
  const int target = mCurEditId;
  FrmDTMFSpecial special(mState, this);
  special.SetCallParts(DtmfSeparatorCharOf(mFields.Value(DtmfSlot::Separator)), mOwnId->text());
  if (special.exec() != QDialog::Accepted) return;
  mCodes[static_cast<std::size_t>(target)]->setText(special.Result());
  mCurEditId = target;
}

void FrmDTMF::OnOk() {
  if (!ApplyDtmfPage(mState, Inputs(), mMessages)) return;  // the user was told why
  accept();
}

}  // namespace px
