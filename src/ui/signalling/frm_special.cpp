#include "ui/signalling/frm_special.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "app/language.h"
#include "ui/kit/apply_language.h"
#include "ui/kit/dialog_frame.h"
#include "ui/kit/fixed_text_widgets.h"
#include "ui/kit/message_service.h"
#include "ui/kit/widget_helpers.h"
#include "ui/signalling/five_tone_widgets.h"

namespace px {
namespace {

constexpr int kTextCallType = 60064;
constexpr int kTextCalledParty = 60318;
constexpr int kTextCalledId = 60076;
constexpr int kTextCallSettings = 60063;
constexpr int kTextSeparator = 60078;
constexpr int kTextMessageFrame = 60313;
constexpr int kTextMessageText = 60077;
constexpr const char* kOwnIdMessage = "900C";

QGroupBox* NewFrame(QWidget* rParent, const char* rName, int rTextId, QLayout* rContent) {
  auto* frame = new QGroupBox(rParent);
  frame->setObjectName(rName);
  SetOptionTextId(frame, rTextId);
  frame->setLayout(rContent);
  return frame;
}

}  // namespace

FrmSpecial::FrmSpecial(const AppState& rState, FiveTonePage& rPage, SpecialCallTarget rTarget, int rRow,
                       QWidget* rParent)
    : QDialog(rParent), mState(rState), mPage(rPage), mTarget(rTarget), mRow(rRow) {
  setObjectName("FrmSpecial");
  SetOptionTextId(this, kTextFiveToneSpecialCall);
  const SpecialCallInputs in = OpenSpecialCall(rPage);

  mType = NewList(this, "Combo1");
  FillChoices(mType, rState, SpecialCallTypeChoices());
  Choose(mType, in.Type);

  mCalled = NewText(this, "Text1", kOwnIdLength, DialogTextFilter::Accept::Digits);
  mCalled->installEventFilter(this);
  mSeparator = NewList(this, "Combo3");
  FillChoices(mSeparator, rState, AniSeparatorChoices());
  Choose(mSeparator, in.Separator);
  mMessage = NewText(this, "Text2", SpecialMessageMax(rTarget), DialogTextFilter::Accept::Ascii);
  mMessage->setMinimumWidth(mMessage->fontMetrics().horizontalAdvance(QString(18, QLatin1Char('W'))));

  auto* typeRow = new QFormLayout;
  typeRow->addRow(NewOptionLabel(this, kTextCallType), mType);
  auto* called = new QFormLayout;
  called->addRow(NewOptionLabel(this, kTextCalledId), mCalled);
  mCalledFrame = NewFrame(this, "Frame1", kTextCalledParty, called);
  auto* ani = new QFormLayout;
  ani->addRow(NewOptionLabel(this, kTextSeparator), mSeparator);
  mAniFrame = NewFrame(this, "Frame2", kTextCallSettings, ani);
  auto* message = new QFormLayout;
  message->addRow(NewOptionLabel(this, kTextMessageText), mMessage);
  mMessageFrame = NewFrame(this, "Frame3", kTextMessageFrame, message);

  auto* content = new QVBoxLayout;
  content->addLayout(typeRow);
  content->addWidget(mCalledFrame);
  content->addWidget(mAniFrame);
  content->addWidget(mMessageFrame);
  const auto [ok, cancel] = LayOutDialog(this, content);
  ok->setAutoDefault(false);
  cancel->setAutoDefault(false);
  connect(ok, &QPushButton::clicked, this, &FrmSpecial::OnOk);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(mType, &QComboBox::currentIndexChanged, this, &FrmSpecial::OnTypeChosen);
  ApplyLanguage(this, rState);
  OnTypeChosen();
}

// Only the parts the chosen call uses are offered; the dialog keeps its size.
void FrmSpecial::OnTypeChosen() {
  const int type = mType->currentIndex();
  mCalledFrame->setEnabled(type != kSpecialPttId);
  mAniFrame->setEnabled(type == kSpecialAni);
  mMessageFrame->setEnabled(type == kSpecialMessage);
}

bool FrmSpecial::eventFilter(QObject* rWatched, QEvent* rEvent) {
  // A called code of one to four digits is pointed out when the box is left; an empty
  // box is not, so that the dialog can still be cancelled.
  if (rWatched == mCalled && rEvent->type() == QEvent::FocusOut && !mTelling &&
      !mCalled->text().isEmpty() && mCalled->text().size() < kOwnIdLength) {
    mTelling = true;
    QTimer::singleShot(0, this, [this] {
      MessageService::TellUser(this, LangMsg(mState, std::string_view(kOwnIdMessage)));
      mCalled->setFocus();
      mTelling = false;
    });
  }
  return QDialog::eventFilter(rWatched, rEvent);
}

SpecialCallInputs FrmSpecial::Inputs() const {
  SpecialCallInputs in;
  in.Type = mType->currentIndex();
  in.Called = mCalled->text().toStdString();
  in.Separator = mSeparator->currentIndex();
  in.Message = FixedFromQ(mMessage->text());
  return in;
}

void FrmSpecial::OnOk() {
  if (mTelling) return;  // leaving the called box is already pointing it out
  MessageService messages(this);
  if (!ApplySpecialCall(mState, mPage, Inputs(), mTarget, mRow, messages)) {
    mCalled->setFocus();
    return;
  }
  accept();
}

}  // namespace px
