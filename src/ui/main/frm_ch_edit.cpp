#include "ui/main/frm_ch_edit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <string>
#include <vector>

#include "codeplug/text_formats.h"
#include "app/messages.h"
#include "codeplug/number_text.h"
#include "edit/channel_choices.h"
#include "edit/channel_many.h"
#include "edit/channel_rows.h"
#include "ui/kit/apply_language.h"
#include "ui/kit/dialog_frame.h"
#include "ui/kit/dialog_text_filter.h"
#include "ui/kit/fixed_text_widgets.h"
#include "ui/kit/widget_helpers.h"

namespace px {

namespace {

constexpr int kTextCaption = 1300;
constexpr int kTextName = 1103;
constexpr int kTextStep = 1104;
constexpr int kTextBandwidth = 1106;
constexpr int kTextTxPower = 1109;
constexpr int kTextToneType = 1107;
constexpr int kTextDecode = 1112;
constexpr int kTextEncode = 1113;
constexpr int kTextInverted = 1301;
constexpr int kTextSignalling = 1110;
constexpr int kTextSquelch = 1745;
constexpr int kTextDtmfPttId = 1743;
constexpr int kTextFiveTonePttId = 1744;
constexpr int kTextScrambler = 1742;
constexpr int kTextBusyLock = 1717;
constexpr int kTextTxInhibit = 1105;
constexpr int kTextReverse = 1207;
constexpr int kTextTalkaround = 1114;
constexpr int kTextCompander = 1746;
constexpr int kTextScanSkip = 1111;
constexpr int kTextOff = 1206;
constexpr int kTextFirstSquelch = 1784;
constexpr int kFrequencyLength = 9;

}  // namespace

QString ChannelCaption(const AppState& rState, int rRow) {
  const QString label = ToQ(RowLabelOf(rRow));
  if (!IsMemoryChannel(rRow)) return label;
  return OwnQ(rState, OwnText{"Channel %1", "信道 %1"}).arg(label);
}

FrmCHEdit::FrmCHEdit(AppState& rState, int rRow, QWidget* rParent)
    : QDialog(rParent), mState(rState), mRow(rRow), mMessages(this) {
  const FormatContext ctx = EditFormatContext(rState, mMessages);
  Build(LoadEditInputs(rState, EditRecordFor(rState, rRow), ctx), ChannelCaption(rState, rRow));
}

FrmCHEdit::FrmCHEdit(AppState& rState, std::vector<int> rRows, QWidget* rParent)
    : QDialog(rParent), mState(rState), mRow(rRows.empty() ? 0 : rRows.front()), mRows(std::move(rRows)),
      mMessages(this) {
  std::vector<bool> shared;
  Build(SharedEditInputs(rState, mRows, shared), OwnQ(rState, OwnText{"%1 channels", "%1 个信道"}).arg(mRows.size()));
  // As the inputs read back, so that only what the user changes counts as changed.
  mShown = Inputs();
}

void FrmCHEdit::Build(const ChannelEditInputs& rInputs, const QString& rCaption) {
  setObjectName("FrmCHEdit");
  SetTextId(this, kTextCaption);
  BuildInputs();
  LayOut();
  SetTabOrder();
  ApplyLanguage(this, mState);
  setWindowTitle(windowTitle() + QStringLiteral(" - ") + rCaption);
  const QString blank = QStringLiteral(" ");
  mDecode.Label->setText(LangQ(mState, kTextToneType) + blank + LangQ(mState, kTextDecode));
  mEncode.Label->setText(LangQ(mState, kTextToneType) + blank + LangQ(mState, kTextEncode));
  mHidden = rInputs;
  LoadInputs(rInputs);
  Connect();
  UpdateEnabled();
  mRx->setFocus();
}

void FrmCHEdit::BuildInputs() {
  using Accept = DialogTextFilter::Accept;
  mRx = NewText(this, "RxFreq", kFrequencyLength, Accept::Frequency);
  mTx = NewText(this, "TxFreq", kFrequencyLength, Accept::Ascii);
  const int frequencyWidth = fontMetrics().horizontalAdvance(QStringLiteral("0000.000000"));
  mRx->setMinimumWidth(frequencyWidth);
  mTx->setMinimumWidth(frequencyWidth);
  for (int k = 0; k < kNameBoxes; ++k) {
    const std::string name = "Name" + std::to_string(k);
    mName[static_cast<std::size_t>(k)] = NewText(this, name.c_str(), 1, Accept::NameChar);
    mName[static_cast<std::size_t>(k)]->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("WW")) + 10);
    mName[static_cast<std::size_t>(k)]->setAlignment(Qt::AlignCenter);
  }
  mStep = NewList(this, "Step", ChannelStepTexts());
  mBandwidth = NewList(this, "Bandwidth", BandwidthTexts());
  std::vector<std::pair<int, const char*>> powers;
  for (const Choice& choice : TxPowerChoices()) powers.emplace_back(choice.TextId, choice.Fixed.data());
  mTxPower = NewLangList(this, "TxPower", powers);

  const auto toneSet = [this](ToneSet& rSet, const char* rType, const char* rCtcss, const char* rDcs,
                              const char* rInvert) {
    rSet.Label = NewLabel(this, 0);
    rSet.Type = NewLangList(this, rType, {{kTextOff, "OFF"}, {0, "CTCSS"}, {0, "DCS"}});
    rSet.Ctcss = NewList(this, rCtcss, CtcssTexts());
    rSet.Dcs = NewList(this, rDcs, DcsCodeTexts());
    rSet.Invert = NewCheck(this, rInvert, kTextInverted);
  };
  toneSet(mDecode, "ToneTypeB", "CtcssB", "DcsB", "DcsInvertB");
  toneSet(mEncode, "ToneTypeA", "CtcssA", "DcsA", "DcsInvertA");

  mSignalling = NewList(this, "Signalling");
  for (const SignallingKind kind : SignallingChoices(mState.Features)) {
    static const char* const kNames[] = {"", "DTMF", "2Tone", "5Tone"};
    const QString text = kind == SignallingKind::None ? LangQ(mState, kTextOff)
                                                       : QString::fromLatin1(kNames[static_cast<int>(kind)]);
    mSignalling->addItem(text, static_cast<int>(kind));
  }
  mDtmfCode = NewList(this, "DtmfCode");
  for (int i = 1; i <= kDtmfCodeEntries; ++i) mDtmfCode->addItem(QStringLiteral("M%1").arg(i));
  mTwoToneCode = NewList(this, "TwoToneCode");
  for (const int number : TwoToneCodeNumbers(mState.Current)) mTwoToneCode->addItem(QString::number(number));
  mFiveToneCode = NewList(this, "FiveToneCode");
  for (const int number : FiveToneCodeNumbers(mState.Current)) mFiveToneCode->addItem(QString::number(number));

  mSquelch = NewList(this, "Squelch");
  const std::vector<std::pair<int, const char*>> pttModes{
      {1755, "OFF"}, {1765, "Begin"}, {1766, "End"}, {1767, "Begin + End"}};
  mDtmfPttId = NewLangList(this, "DtmfPttId", pttModes);
  mFiveTonePttId = NewLangList(this, "FiveTonePttId", pttModes);
  mPttIdCode = NewText(this, "PttIdCode", kPttIdCodeLength, Accept::Digits);
  mPttIdCode->setMinimumWidth(frequencyWidth);
  mScrambler = NewLangList(this, "Scrambler", {{1755, "OFF"}, {1756, "ON"}});
  mBusyLock = NewLangList(this, "BusyLock", {{1755, "OFF"}, {0, "Repeater"}, {0, "Busy"}});

  mTxInhibit = NewCheck(this, "TxInhibit", kTextTxInhibit);
  mReverse = NewCheck(this, "Reverse", kTextReverse);
  mTalkaround = NewCheck(this, "Talkaround", kTextTalkaround);
  mCompander = NewCheck(this, "Compander", kTextCompander);
  mScanSkip = NewCheck(this, "ScanSkip", kTextScanSkip);
  mPttIdDecode = NewCheck(this, "PttIdDecode", 0, OwnTextOf(mState, OwnText{"PTTID Decode", "PTTID 解码"}).c_str());
}

void FrmCHEdit::LayOut() {
  auto* left = new QGridLayout;
  auto* right = new QGridLayout;
  for (QGridLayout* grid : {left, right}) {
    grid->setHorizontalSpacing(8);  // about the 100 twips between a label and its input
    grid->setColumnStretch(1, 1);
  }
  const auto addRow = [this](QGridLayout* rGrid, QLabel* rLabel, QWidget* rInput, QLayout* rInputs = nullptr) {
    const int row = rGrid->rowCount();
    rGrid->addWidget(rLabel, row, 0, Qt::AlignRight | Qt::AlignVCenter);
    if (rInput) rGrid->addWidget(rInput, row, 1, Qt::AlignLeft);
    if (rInputs) rGrid->addLayout(rInputs, row, 1, Qt::AlignLeft);
    mLabels.push_back(rLabel);
  };
  const auto line = [](std::initializer_list<QWidget*> rWidgets) {
    auto* box = new QHBoxLayout;
    box->setContentsMargins(0, 0, 0, 0);
    for (QWidget* widget : rWidgets) box->addWidget(widget);
    box->addStretch();
    return box;
  };

  addRow(left, NewLabel(this, kTextRxFrequency), mRx);
  addRow(left, NewLabel(this, kTextTxFrequency), mTx);
  auto* names = new QHBoxLayout;
  names->setContentsMargins(0, 0, 0, 0);
  names->setSpacing(2);
  for (QLineEdit* box : mName) names->addWidget(box);
  addRow(left, NewLabel(this, kTextName), nullptr, names);
  addRow(left, NewLabel(this, kTextStep), mStep);
  addRow(left, NewLabel(this, kTextBandwidth), mBandwidth);
  addRow(left, NewLabel(this, kTextTxPower), mTxPower);
  for (ToneSet* set : {&mDecode, &mEncode})
    addRow(left, set->Label, nullptr, line({set->Type, set->Ctcss, set->Dcs, set->Invert}));
  addRow(left, NewLabel(this, kTextSignalling), nullptr,
         line({mSignalling, mDtmfCode, mTwoToneCode, mFiveToneCode}));

  addRow(right, NewLabel(this, kTextSquelch), mSquelch);
  mDtmfPttIdLabel = NewLabel(this, kTextDtmfPttId);
  addRow(right, mDtmfPttIdLabel, mDtmfPttId);
  mFiveTonePttIdLabel = NewLabel(this, kTextFiveTonePttId);
  addRow(right, mFiveTonePttIdLabel, mFiveTonePttId);
  mPttIdCodeLabel = NewLabel(this, 0, OwnTextOf(mState, OwnText{"PTTID Code", "PTTID 编码"}).c_str());
  addRow(right, mPttIdCodeLabel, mPttIdCode);
  addRow(right, NewLabel(this, kTextScrambler), mScrambler);
  addRow(right, NewLabel(this, kTextBusyLock), mBusyLock);
  auto* checks = new QGridLayout;
  QCheckBox* const order[] = {mTxInhibit, mReverse, mTalkaround, mCompander, mScanSkip, mPttIdDecode};
  for (int i = 0; i < 6; ++i) checks->addWidget(order[i], i / 2, i % 2);
  right->addLayout(checks, right->rowCount(), 0, 1, 2);
  right->setRowStretch(right->rowCount(), 1);

  const bool dtmf = mState.Features.DtmfEnabled;
  const bool fiveTone = mState.Features.FiveToneEnabled;
  mDtmfPttIdLabel->setVisible(dtmf);
  mDtmfPttId->setVisible(dtmf);
  mFiveTonePttIdLabel->setVisible(fiveTone);
  mFiveTonePttId->setVisible(fiveTone);

  auto* columns = new QHBoxLayout;
  columns->addLayout(left);
  columns->addSpacing(16);
  columns->addLayout(right);
  const DialogButtonPair buttons = LayOutDialog(this, columns);
  mOk = buttons.First;
  mCancel = buttons.Second;
  for (QPushButton* button : {mOk, mCancel}) {
    button->setAutoDefault(false);  // Enter moves on; it never presses a button
    EnterMovesFocus(button);
  }
}

void FrmCHEdit::SetTabOrder() {
  // Down the left column, down the right one, then the buttons.
  std::vector<QWidget*>& order = mFocusOrder;
  order = {mRx, mTx};
  for (QLineEdit* box : mName) order.push_back(box);
  order.insert(order.end(), {mStep, mBandwidth, mTxPower});
  for (const ToneSet* set : {&mDecode, &mEncode})
    order.insert(order.end(), {set->Type, set->Ctcss, set->Dcs, set->Invert});
  order.insert(order.end(), {mSignalling, mDtmfCode, mTwoToneCode, mFiveToneCode, mSquelch, mDtmfPttId,
                             mFiveTonePttId, mPttIdCode, mScrambler, mBusyLock, mTxInhibit, mReverse,
                             mTalkaround, mCompander, mScanSkip, mPttIdDecode, mOk, mCancel});
  for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void FrmCHEdit::Connect() {
  connect(mRx, &QLineEdit::textChanged, this, &FrmCHEdit::UpdateEnabled);
  for (ToneSet* set : {&mDecode, &mEncode})
    connect(set->Type, &QComboBox::activated, this, [this, set] { OnToneTypeChanged(*set); });
  connect(mSignalling, &QComboBox::activated, this, &FrmCHEdit::OnSignallingChanged);
  connect(mReverse, &QCheckBox::toggled, this, [this](bool rOn) {
    if (rOn) mTalkaround->setChecked(false);
    RebuildSquelch();
  });
  connect(mTalkaround, &QCheckBox::toggled, this, [this](bool rOn) {
    if (rOn) mReverse->setChecked(false);
    RebuildSquelch();
  });
  connect(mDtmfPttId, &QComboBox::activated, this, [this](int rIndex) {
    if (rIndex > 0) mFiveTonePttId->setCurrentIndex(0);
  });
  connect(mFiveTonePttId, &QComboBox::activated, this, [this](int rIndex) {
    if (rIndex > 0) mDtmfPttId->setCurrentIndex(0);
  });
  connect(mOk, &QPushButton::clicked, this, &FrmCHEdit::OnOk);
  connect(mCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void FrmCHEdit::LoadInputs(const ChannelEditInputs& rIn) {
  mRx->setText(ToQ(rIn.RxText));
  mTx->setText(ToQ(rIn.TxText));
  for (std::size_t k = 0; k < mName.size(); ++k) mName[k]->setText(FixedQ(rIn.NameBoxes[k]));
  Choose(mStep, rIn.Step);
  Choose(mBandwidth, rIn.Bandwidth);
  Choose(mTxPower, rIn.TxPower);
  const auto loadSet = [](const ToneSet& rSet, int rType, int rCtcss, int rDcs, bool rInvert) {
    Choose(rSet.Type, rType);
    Choose(rSet.Ctcss, rCtcss);
    Choose(rSet.Dcs, rDcs);
    rSet.Invert->setChecked(rInvert);
  };
  loadSet(mDecode, rIn.ToneTypeB, rIn.CtcssB, rIn.DcsB, rIn.DcsInvertB);
  loadSet(mEncode, rIn.ToneTypeA, rIn.CtcssA, rIn.DcsA, rIn.DcsInvertA);
  ShowToneSet(mDecode, rIn.ToneTypeB);
  ShowToneSet(mEncode, rIn.ToneTypeA);

  Choose(mSignalling, DataIndex(mSignalling, static_cast<int>(rIn.Signalling)));
  Choose(mDtmfCode, rIn.DtmfCode);
  mTwoToneCode->setCurrentIndex(mTwoToneCode->findText(ToQ(rIn.TwoToneCode)));
  mFiveToneCode->setCurrentIndex(mFiveToneCode->findText(ToQ(rIn.FiveToneCode)));
  ShowCodeList(rIn.Signalling);

  Choose(mDtmfPttId, rIn.DtmfPttId);
  Choose(mFiveTonePttId, rIn.FiveTonePttId);
  mPttIdCode->setText(FixedQ(rIn.PttIdCode));
  Choose(mScrambler, rIn.Scrambler);
  Choose(mBusyLock, rIn.BusyLock);
  // The squelch list is rebuilt once, below, not on each of these.
  const QSignalBlocker reverse(mReverse);
  const QSignalBlocker talkaround(mTalkaround);
  mTxInhibit->setChecked(rIn.TxInhibit);
  mReverse->setChecked(rIn.Reverse);
  mTalkaround->setChecked(rIn.Talkaround);
  mCompander->setChecked(rIn.Compander);
  mScanSkip->setChecked(rIn.ScanSkip);
  mPttIdDecode->setChecked(rIn.PttIdDecode);

  FillSquelch(rIn.Squelch);
}

ChannelEditInputs FrmCHEdit::Inputs() const {
  ChannelEditInputs in = mHidden;
  in.RxText = FromQ(mRx->text());
  in.TxText = FromQ(mTx->text());
  for (std::size_t k = 0; k < mName.size(); ++k) in.NameBoxes[k] = FixedFromQ(mName[k]->text());
  in.Step = mStep->currentIndex();
  in.Bandwidth = mBandwidth->currentIndex();
  in.TxPower = mTxPower->currentIndex();
  in.ToneTypeB = mDecode.Type->currentIndex();
  in.CtcssB = mDecode.Ctcss->currentIndex();
  in.DcsB = mDecode.Dcs->currentIndex();
  in.DcsInvertB = mDecode.Invert->isChecked();
  in.ToneTypeA = mEncode.Type->currentIndex();
  in.CtcssA = mEncode.Ctcss->currentIndex();
  in.DcsA = mEncode.Dcs->currentIndex();
  in.DcsInvertA = mEncode.Invert->isChecked();
  const QVariant kind = mSignalling->currentData();
  in.Signalling = kind.isValid() ? static_cast<SignallingKind>(kind.toInt()) : SignallingKind::None;
  in.DtmfCode = mDtmfCode->currentIndex();
  in.TwoToneCode = FromQ(mTwoToneCode->currentText());
  in.FiveToneCode = FromQ(mFiveToneCode->currentText());
  const QVariant squelch = mSquelch->currentData();
  in.Squelch = squelch.isValid() ? squelch.toInt() : 0;
  in.DtmfPttId = mDtmfPttId->currentIndex();
  in.FiveTonePttId = mFiveTonePttId->currentIndex();
  in.PttIdCode = FixedFromQ(mPttIdCode->text());
  in.Scrambler = mScrambler->currentIndex();
  in.BusyLock = mBusyLock->currentIndex();
  in.TxInhibit = mTxInhibit->isChecked();
  in.Reverse = mReverse->isChecked();
  in.Talkaround = mTalkaround->isChecked();
  in.Compander = mCompander->isChecked();
  in.ScanSkip = mScanSkip->isChecked();
  in.PttIdDecode = mPttIdDecode->isChecked();
  return in;
}

void FrmCHEdit::ShowToneSet(const ToneSet& rSet, int rType) {
  rSet.Ctcss->setVisible(rType == 1);
  rSet.Dcs->setVisible(rType == 2);
  rSet.Invert->setVisible(rType == 2);
}

void FrmCHEdit::OnToneTypeChanged(const ToneSet& rSet) {
  const int type = rSet.Type->currentIndex();
  // A new tone type starts from its first tone.
  if (type == 1) rSet.Ctcss->setCurrentIndex(0);
  if (type == 2) {
    rSet.Dcs->setCurrentIndex(0);
    rSet.Invert->setChecked(false);
    rSet.Invert->setEnabled(true);
  }
  ShowToneSet(rSet, type);
  RebuildSquelch();
}

void FrmCHEdit::ShowCodeList(SignallingKind rKind) {
  mDtmfCode->setVisible(rKind == SignallingKind::Dtmf);
  mTwoToneCode->setVisible(rKind == SignallingKind::TwoTone);
  mFiveToneCode->setVisible(rKind == SignallingKind::FiveTone);
}

void FrmCHEdit::OnSignallingChanged() {
  const SignallingKind kind = Inputs().Signalling;
  QComboBox* list = kind == SignallingKind::Dtmf       ? mDtmfCode
                    : kind == SignallingKind::TwoTone  ? mTwoToneCode
                    : kind == SignallingKind::FiveTone ? mFiveToneCode
                                                       : nullptr;
  if (list) {
    list->setCurrentIndex(list->count() > 0 ? 0 : -1);
    list->setEnabled(true);
  }
  ShowCodeList(kind);
  RebuildSquelch();
}

void FrmCHEdit::RebuildSquelch() { FillSquelch(Inputs().Squelch); }

void FrmCHEdit::FillSquelch(int rRemembered) {
  const std::vector<int> choices = SquelchChoices(Inputs());
  const int chosen = KeepSquelchChoice(choices, rRemembered);
  const QSignalBlocker block(mSquelch);
  mSquelch->clear();
  for (const int mode : choices) mSquelch->addItem(LangQ(mState, kTextFirstSquelch + mode), mode);
  mSquelch->setCurrentIndex(DataIndex(mSquelch, chosen));
}

void FrmCHEdit::UpdateEnabled() {
  // OK stays usable: with the receive box emptied it removes the channel.
  const bool enabled = EditInputsEnabled(FromQ(mRx->text()));
  for (QWidget* input : mFocusOrder)
    if (input != mRx && input != mOk && input != mCancel) input->setEnabled(enabled);
  for (std::size_t i = 1; i < mLabels.size(); ++i) mLabels[i]->setEnabled(enabled);
  const bool pttId = enabled && PttIdInputsEnabled(mRow);
  mPttIdCode->setEnabled(pttId);
  mPttIdDecode->setEnabled(pttId);
  mPttIdCodeLabel->setEnabled(pttId);
}

void FrmCHEdit::OnOkMany() {
  const ChannelEditInputs edited = Inputs();
  if (!edited.RxText.empty() && !IsNumeric(edited.RxText)) {
    mMessages.Tell(MessageText(mState, Message::RxNotFrequency), MsgIcon::Warning);
    mRx->setFocus();
    mRx->selectAll();
    return;
  }
  mChanged = !ApplyEditPatch(mState, mRows, PatchBetween(mShown, edited), mMessages).empty();
  accept();
}

void FrmCHEdit::OnOk() {
  if (!mRows.empty()) {
    OnOkMany();
    return;
  }
  ChannelEditInputs inputs = Inputs();
  const EditOutcome outcome = ApplyChannelEdit(mState, mRow, inputs, mMessages);
  if (outcome == EditOutcome::RxNotFrequency) {
    // Everything stays as the user typed it, ready to correct the receive text.
    mRx->setFocus();
    mRx->selectAll();
    return;
  }
  // The boxes show what was stored: the corrected frequencies, the filled-up code.
  const QSignalBlocker block(mRx);
  mRx->setText(ToQ(inputs.RxText));
  mTx->setText(ToQ(inputs.TxText));
  mPttIdCode->setText(FixedQ(inputs.PttIdCode));
  switch (outcome) {
    case EditOutcome::Stored:
    case EditOutcome::Cleared:
      mChanged = true;
      accept();
      return;
    case EditOutcome::VfoNeedsFrequency:
    case EditOutcome::RxNotFrequency:
      mRx->setFocus();
      return;
    case EditOutcome::Failed:
      return;  // the user was told; the inputs stay for Cancel
  }
}

bool OpenChannelsEditor(AppState& rState, const std::vector<int>& rNumbers, QWidget* rParent) {
  FrmCHEdit dialog(rState, rNumbers, rParent);
  dialog.exec();
  return dialog.Changed();
}

bool OpenChannelEditor(AppState& rState, int rNumber, QWidget* rParent) {
  FrmCHEdit dialog(rState, rNumber, rParent);
  dialog.exec();
  return dialog.Changed();
}

}  // namespace px
