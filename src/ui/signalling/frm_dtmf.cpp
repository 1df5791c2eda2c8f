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
#include "ui/kit/latin1_text.h"
#include "ui/kit/widget_helpers.h"
#include "ui/signalling/frm_dtmf_special.h"

namespace px {

namespace {

constexpr int kTextHint = 1603;
constexpr int kTextAni = 1740;
constexpr int kTextDigitTime = 1741;
constexpr int kTextPttIdMode = 1743;
constexpr int kTextOwnId = 3002;
constexpr int kTextSeparator = 1604;  // .. 1611 for the lists below it
constexpr int kTextSideTone = 1612;
constexpr int kTextSpecial = 3003;
// Labels of the PTT ID begin, end, kill and stun boxes, section "OPTION".
constexpr int kTextSpecialCodes[4] = {60302, 60303, 60069, 60093};

}  // namespace

FrmDTMF::FrmDTMF(AppState& rState, QWidget* rParent) : QDialog(rParent), mState(rState), mMessages(this) {
  setObjectName("FrmDTMF");
  setWindowTitle(QStringLiteral("DTMF"));
  BuildInputs();
  LayOut();
  ApplyLanguage(this, rState);
  LoadInputs(LoadDtmfInputs(rState.Current.Settings.Dtmf));
  mCurEditId = 0;
  connect(mSeparator, &QComboBox::activated, this, &FrmDTMF::OnSeparatorChosen);
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

  const AppState& state = mState;
  mAni = NewChoiceList(this, "Combo1_1", state, DtmfAniChoices());
  mDigitTime = NewList(this, "Combo1_2");
  for (int i = 0; i < static_cast<int>(DtmfDigitTimeChoices().size()); ++i)
    mDigitTime->addItem(ToQ(DtmfDigitTimeText(state, i)));
  mPttIdMode = NewChoiceList(this, "Combo1_3", state, DtmfPttIdModeChoices());
  mSeparator = NewChoiceList(this, "Combo1_5", state, DtmfSeparatorChoices());
  mGroup = NewChoiceList(this, "Combo1_6", state, DtmfGroupChoices());
  mDecodeResponse = NewChoiceList(this, "Combo1_7", state, DtmfDecodeResponseChoices());
  mFirstDigitDelay = NewChoiceList(this, "Combo1_8", state, DtmfFirstDigitDelayChoices());
  mPreSendDelay = NewChoiceList(this, "Combo1_9", state, DtmfSendDelayChoices());
  mResetTime = NewChoiceList(this, "Combo1_10", state, DtmfResetTimeChoices());
  mPostSendDelay = NewChoiceList(this, "Combo1_11", state, DtmfSendDelayChoices());
  mPauseTime = NewChoiceList(this, "Combo1_12", state, DtmfPauseTimeChoices());
  for (QComboBox* list : {mFirstDigitDelay, mPreSendDelay, mResetTime, mPostSendDelay, mPauseTime})
    list->setMaxVisibleItems(16);
  mSideTone = NewCheck(this, "Check1", kTextSideTone);
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
  addRow(NewLabel(this, kTextAni), mAni);
  addRow(NewLabel(this, kTextDigitTime), mDigitTime);
  addRow(NewLabel(this, kTextPttIdMode), mPttIdMode);
  addRow(NewLabel(this, kTextOwnId), mOwnId);
  QComboBox* const lists[] = {mSeparator,    mGroup,     mDecodeResponse, mFirstDigitDelay,
                              mPreSendDelay, mResetTime, mPostSendDelay,  mPauseTime};
  for (int i = 0; i < 8; ++i) addRow(NewLabel(this, kTextSeparator + i), lists[i]);
  settings->addWidget(mSideTone, settings->rowCount(), 1);
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
  for (QWidget* widget : std::initializer_list<QWidget*>{mAni, mDigitTime, mPttIdMode, mOwnId})
    order.push_back(widget);
  for (QComboBox* list : lists) order.push_back(list);
  for (QWidget* widget : std::initializer_list<QWidget*>{mSideTone, mSpecial, buttons.First, buttons.Second})
    order.push_back(widget);
  for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

void FrmDTMF::ShowCodes(const DtmfPageInputs& rIn) {
  for (std::size_t k = 0; k < mCodes.size(); ++k) mCodes[k]->setText(FromLatin1Bytes(rIn.Codes[k]));
}

void FrmDTMF::LoadInputs(const DtmfPageInputs& rIn) {
  ShowCodes(rIn);
  mOwnId->setText(FromLatin1Bytes(rIn.OwnId));
  Choose(mAni, rIn.Ani);
  Choose(mDigitTime, rIn.DigitTime);
  Choose(mPttIdMode, rIn.PttIdMode);
  Choose(mSeparator, rIn.Separator);
  Choose(mGroup, rIn.Group);
  Choose(mDecodeResponse, rIn.DecodeResponse);
  Choose(mFirstDigitDelay, rIn.FirstDigitDelay);
  Choose(mPreSendDelay, rIn.PreSendDelay);
  Choose(mResetTime, rIn.ResetTime);
  Choose(mPostSendDelay, rIn.PostSendDelay);
  Choose(mPauseTime, rIn.PauseTime);
  mSideTone->setChecked(rIn.SideTone);
}

DtmfPageInputs FrmDTMF::Inputs() const {
  DtmfPageInputs in;
  for (std::size_t k = 0; k < mCodes.size(); ++k) in.Codes[k] = ToLatin1Bytes(mCodes[k]->text());
  in.OwnId = ToLatin1Bytes(mOwnId->text());
  in.Ani = mAni->currentIndex();
  in.DigitTime = mDigitTime->currentIndex();
  in.PttIdMode = mPttIdMode->currentIndex();
  in.Separator = mSeparator->currentIndex();
  in.Group = mGroup->currentIndex();
  in.DecodeResponse = mDecodeResponse->currentIndex();
  in.FirstDigitDelay = mFirstDigitDelay->currentIndex();
  in.PreSendDelay = mPreSendDelay->currentIndex();
  in.ResetTime = mResetTime->currentIndex();
  in.PostSendDelay = mPostSendDelay->currentIndex();
  in.PauseTime = mPauseTime->currentIndex();
  in.SideTone = mSideTone->isChecked();
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
  ApplySeparatorChange(in, DtmfSeparatorChar(in.Separator));
  ShowCodes(in);
}

void FrmDTMF::OnOwnIdLeft() {
  DtmfPageInputs in = Inputs();
  ApplyOwnIdChange(in);
  mOwnId->setText(FromLatin1Bytes(in.OwnId));
  ShowCodes(in);
}

void FrmDTMF::OnSpecialCall() {
  if (mCurEditId > kDtmfLastSpecialCallBox) return;  // kill and stun take no special call
  const int target = mCurEditId;
  FrmDTMFSpecial special(mState, this);
  special.SetCallParts(DtmfSeparatorChar(mSeparator->currentIndex()), mOwnId->text());
  if (special.exec() != QDialog::Accepted) return;
  mCodes[static_cast<std::size_t>(target)]->setText(special.Result());
  mCurEditId = target;
}

void FrmDTMF::OnOk() {
  if (!ApplyDtmfPage(mState, Inputs(), mMessages)) return;  // the user was told why
  accept();
}

}  // namespace px
