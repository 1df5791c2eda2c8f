#include "ui/settings/frm_option.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <string>

#include "ui/kit/apply_language.h"
#include "ui/kit/dialog_frame.h"
#include "ui/kit/widget_helpers.h"

namespace px {

namespace {

constexpr int kLeftColumnLists = 10;  // Combo1(0) .. (9) on the left, the rest on the right
constexpr int kLabelGap = 6;          // a label's right edge to its list

std::string Indexed(const char* rName, int rIndex) { return rName + std::string("_") + std::to_string(rIndex); }

// Texts of the codeplug: one byte to one character.
QString FromBytes(const std::string& rBytes) {
  return QString::fromLatin1(rBytes.data(), static_cast<qsizetype>(rBytes.size()));
}
std::string ToBytes(const QString& rText) { return rText.toLatin1().toStdString(); }

}  // namespace

FrmOption::FrmOption(AppState& rState, QWidget* rParent)
    : QDialog(rParent), mState(rState), mPage(LoadOptionPage(rState)) {
  setObjectName(QStringLiteral("FrmOption"));
  SetTextId(this, kTextOptionCaption);
  BuildControls();
  LayOut();
  ApplyLanguage(this, rState);
  ShowPage();
  Connect();
}

void FrmOption::BuildControls() {
  for (int i = 0; i < kOptionLists; ++i) {
    const PageField& field = OptionListAt(i);
    mLists[i] = NewList(this, std::string(field.Object).c_str(), OptionListTexts(mState, i));
    // The channel display sits beside the display list, under its label.
    if (i != kChannelDisplayList) mLabels[i] = NewLabel(this, field.LabelId);
  }
  for (int i = 0; i < kFreeLabels; ++i) {
    const int index = kFreeLabelFirst + i;
    QLabel* label = NewLabel(this, kFreeLabelTextFirst + i);
    label->hide();  // these texts belong to no list of this page
    mLabels[index] = label;
  }
  for (int i = 0; i < kOptionLists + kFreeLabels; ++i)
    if (mLabels[i] != nullptr) mLabels[i]->setObjectName(QString::fromStdString(Indexed("Label1", i)));
  for (int i = 0; i < kOptionSwitches; ++i)
    mSwitches[i] = NewCheck(this, std::string(OptionSwitchAt(i).Object).c_str(), OptionSwitchAt(i).LabelId);
  const int boxWidth = fontMetrics().horizontalAdvance(QStringLiteral("WW")) + 10;
  for (int i = 0; i < kPowerOnMessageBoxes; ++i) {
    mMessage[i] = NewText(this, Indexed("Text1", i).c_str(), 1, DialogTextFilter::Accept::NameChar);
    mMessage[i]->setFixedWidth(boxWidth);
    mMessage[i]->setAlignment(Qt::AlignCenter);
  }
  mMessageLabel = NewLabel(this, kTextPowerOnMessage);
  mMessageLabel->setObjectName(QStringLiteral("Label2"));
  mPasswordSwitch = NewCheck(this, "Check2", kTextPowerOnPasswordSwitch);
  mPasswordLabel = NewLabel(this, kTextPowerOnPassword);
  mPasswordLabel->setObjectName(QStringLiteral("Label3"));
  mPassword = NewText(this, "Text2", kPowerOnPasswordLength, DialogTextFilter::Accept::Digits);
  mPassword->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 12);
}

void FrmOption::LayOut() {
  auto* lists = new QGridLayout;
  lists->setHorizontalSpacing(kLabelGap);
  lists->setColumnMinimumWidth(2, 24);  // between the two columns of lists
  const auto place = [&](int rList, int rRow, int rColumn) {
    if (mLabels[rList] != nullptr) lists->addWidget(mLabels[rList], rRow, rColumn, Qt::AlignRight | Qt::AlignVCenter);
    if (rList == kDisplayModeList) {
      // The channel display belongs to the display list and is shown beside it.
      auto* pair = new QHBoxLayout;
      pair->setContentsMargins(0, 0, 0, 0);
      pair->addWidget(mLists[rList]);
      pair->addWidget(mLists[kChannelDisplayList]);
      pair->addStretch();
      lists->addLayout(pair, rRow, rColumn + 1);
    } else {
      lists->addWidget(mLists[rList], rRow, rColumn + 1);  // a column's lists share its width
    }
  };
  for (int i = 0; i < kChannelDisplayList; ++i) {
    if (i < kLeftColumnLists) place(i, i, 0);
    else place(i, i - kLeftColumnLists, 3);
  }

  auto* switches = new QHBoxLayout;
  for (QCheckBox* check : mSwitches) switches->addWidget(check);
  switches->addStretch();

  auto* texts = new QGridLayout;
  texts->setHorizontalSpacing(kLabelGap);
  auto* boxes = new QHBoxLayout;
  boxes->setSpacing(2);
  for (QLineEdit* box : mMessage) boxes->addWidget(box);
  boxes->addStretch();
  texts->addWidget(mMessageLabel, 0, 0, Qt::AlignRight | Qt::AlignVCenter);
  texts->addLayout(boxes, 0, 1);
  texts->setColumnMinimumWidth(2, 24);
  texts->addWidget(mPasswordSwitch, 0, 3);
  texts->addWidget(mPasswordLabel, 0, 4, Qt::AlignRight | Qt::AlignVCenter);
  texts->addWidget(mPassword, 0, 5, Qt::AlignLeft);
  texts->setColumnStretch(6, 1);

  auto* content = new QVBoxLayout;
  content->addLayout(lists);
  content->addSpacing(8);
  content->addLayout(switches);
  content->addSpacing(4);
  content->addLayout(texts);
  const DialogButtonPair buttons = LayOutDialog(this, content);
  for (QPushButton* button : {buttons.First, buttons.Second}) button->setAutoDefault(false);
  connect(buttons.First, &QPushButton::clicked, this, &FrmOption::OnOk);
  connect(buttons.Second, &QPushButton::clicked, this, &QDialog::reject);
}

void FrmOption::ShowPage() {
  for (int i = 0; i < kOptionLists; ++i) Choose(mLists[i], mPage.Shown[i]);
  ShowWorkModeLists();
  for (int i = 0; i < kOptionSwitches; ++i)
    mSwitches[i]->setChecked(mPage.Scratch.OptionValues[OptionSwitchAt(i).Slot] == 1);
  for (int i = 0; i < kPowerOnMessageBoxes; ++i) mMessage[i]->setText(FromBytes(mPage.MessageBoxes[i]));
  mPasswordSwitch->setChecked(mPage.Scratch.OptionValue24 == 1);
  mPassword->setText(FromBytes(mPage.Password));
  EnablePassWord(mPage.Scratch.OptionValue24);
}

void FrmOption::ShowWorkModeLists() {
  for (const int list : {kDisplayModeList, kChannelDisplayList}) {
    const QSignalBlocker block(mLists[list]);
    Choose(mLists[list], mPage.Shown[list]);
  }
  mLists[kDisplayModeList]->setEnabled(mPage.DisplayModeEnabled);
  mLists[kChannelDisplayList]->setVisible(mPage.ChannelDisplayShown);
}

void FrmOption::EnablePassWord(int rValue) {
  const bool shown = px::EnablePassWord(rValue);
  mPassword->setVisible(shown);
  mPasswordLabel->setVisible(shown);
}

void FrmOption::Connect() {
  for (int i = 0; i < kOptionLists; ++i) {
    connect(mLists[i], &QComboBox::currentIndexChanged, this, [this, i](int rPosition) {
      if (rPosition < 0) return;
      ChooseOption(mState, mPage, i, rPosition);
      if (i == kWorkModeList) ShowWorkModeLists();
    });
  }
  for (int i = 0; i < kOptionSwitches; ++i)
    connect(mSwitches[i], &QCheckBox::toggled, this, [this, i](bool rOn) { ChooseSwitch(mPage, i, rOn); });
  connect(mPasswordSwitch, &QCheckBox::toggled, this, [this](bool rOn) {
    ChoosePasswordSwitch(mPage, rOn);
    EnablePassWord(rOn ? 1 : 0);
  });
}

void FrmOption::OnOk() {
  for (int i = 0; i < kPowerOnMessageBoxes; ++i) mPage.MessageBoxes[i] = ToBytes(mMessage[i]->text());
  mPage.Password = ToBytes(mPassword->text());
  ApplyOptionPage(mState, mPage);
  accept();
}

}  // namespace px
