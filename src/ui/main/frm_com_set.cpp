#include "ui/main/frm_com_set.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "edit/startup.h"
#include "ui/kit/apply_language.h"
#include "ui/kit/dialog_frame.h"

namespace px {

namespace {

constexpr int kTextCaption = 1401;
constexpr int kTextPortLabel = 1402;
constexpr int kRefreshMilliseconds = 1000;

}  // namespace

QString FrmComSet::EntryCaption(const PortListEntry& rEntry) {
  QString caption = ToQ(rEntry.Text);
  if (!rEntry.Device.empty()) caption += QStringLiteral("   ") + ToQ(rEntry.Device);
  if (!rEntry.Description.empty()) caption += QStringLiteral("   ") + ToQ(rEntry.Description);
  return caption;
}

FrmComSet::FrmComSet(AppState& rState, PortListMode rMode, PresentPortsSource rPorts,
                     QWidget* rParent)
    : QDialog(rParent), mState(rState), mPorts(std::move(rPorts)) {
  setObjectName("FrmComSet");
  SetTextId(this, kTextCaption);

  auto* label = new QLabel(this);
  label->setObjectName("Label1");
  SetTextId(label, kTextPortLabel);
  mCombo = new QComboBox(this);
  mCombo->setObjectName("Combo1");
  mCombo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  mCombo->setMinimumContentsLength(24);

  auto* row = new QHBoxLayout;
  row->addWidget(label);
  row->addWidget(mCombo, 1);
  const auto [ok, cancel] = LayOutDialog(this, row);
  ok->setDefault(true);

  mDialog = OpenPortDialog(rMode, mPorts ? mPorts() : std::vector<PresentPort>{},
                           rState.Setup.ComPort);
  FillCombo();

  connect(mCombo, qOverload<int>(&QComboBox::activated), this,
          [this](int rIndex) { SelectPortEntry(mDialog, rIndex); });
  connect(ok, &QPushButton::clicked, this, &FrmComSet::OnOk);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  mTimer.setObjectName("ReShowComPortTimer");
  mTimer.setInterval(kRefreshMilliseconds);
  connect(&mTimer, &QTimer::timeout, this, &FrmComSet::ReShowComPort);
  if (rMode == PortListMode::Present) mTimer.start();

  ApplyLanguage(this, rState);
}

void FrmComSet::FillCombo() {
  // Refilling must not count as the user's choice.
  const QSignalBlocker block(mCombo);
  mCombo->clear();
  for (const auto& entry : mDialog.Entries) mCombo->addItem(EntryCaption(entry));
  mCombo->setCurrentIndex(mDialog.Selected);
}

void FrmComSet::ReShowComPort() {
  if (mDialog.Mode != PortListMode::Present) return;
  // An open drop-down would change under the user's pointer; wait for the next tick.
  if (mCombo->view() && mCombo->view()->isVisible()) return;
  RefreshPortDialog(mDialog, mPorts ? mPorts() : std::vector<PresentPort>{});
  FillCombo();
}

void FrmComSet::OnOk() {
  SelectPortEntry(mDialog, mCombo->currentIndex());
  mChoice = AcceptPortDialog(mDialog);
  if (mChoice) {
    mState.Setup.ComPort = mChoice->ComPort;
    if (mChoice->Store) WriteComPort(mState);
  }
  accept();
}

void FrmComSet::done(int rResult) {
  mTimer.stop();
  QDialog::done(rResult);
}

}  // namespace px
