#include "ui/main/frm_com_set.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
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

constexpr OwnText kPathLabel{"Device path:", "设备路径："};
constexpr OwnText kPathHint{"empty: the port chosen above; e.g. /dev/pts/3",
                            "留空：使用上面选择的端口；例如 /dev/pts/3"};
constexpr OwnText kFlowLabel{"Flow control:", "流控制："};
constexpr OwnText kFlowRtsCts{"RTS/CTS (hardware)", "RTS/CTS（硬件）"};
constexpr OwnText kFlowNone{"None (cable without CTS)", "无（电缆没有 CTS）"};

// The flow-control row, in the order of the FlowControl values.
QComboBox* NewFlowCombo(const AppState& rState, QWidget* rParent) {
  auto* combo = new QComboBox(rParent);
  combo->setObjectName("Combo2");
  combo->addItem(OwnQ(rState, kFlowRtsCts));
  combo->addItem(OwnQ(rState, kFlowNone));
  combo->setCurrentIndex(rState.Setup.Flow == FlowControl::None ? 1 : 0);
  return combo;
}

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

  auto* flowLabel = new QLabel(OwnQ(rState, kFlowLabel), this);
  flowLabel->setObjectName("Label2");
  mFlowCombo = NewFlowCombo(rState, this);

  auto* pathLabel = new QLabel(OwnQ(rState, kPathLabel), this);
  pathLabel->setObjectName("Label3");
  mPathText = new QLineEdit(ToQ(rState.Setup.PortPath), this);
  mPathText->setObjectName("Text1");
  mPathText->setPlaceholderText(OwnQ(rState, kPathHint));
  pathLabel->setBuddy(mPathText);

  auto* rows = new QGridLayout;
  rows->addWidget(label, 0, 0);
  rows->addWidget(mCombo, 0, 1);
  rows->addWidget(pathLabel, 1, 0);
  rows->addWidget(mPathText, 1, 1);
  rows->addWidget(flowLabel, 2, 0);
  rows->addWidget(mFlowCombo, 2, 1);
  rows->setColumnStretch(1, 1);
  const auto [ok, cancel] = LayOutDialog(this, rows);
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
  const std::string path = FromQ(mPathText->text().trimmed());
  if (path != mState.Setup.PortPath) {
    mState.Setup.PortPath = path;
    WritePortPath(mState);
  }
  const FlowControl flow = mFlowCombo->currentIndex() == 1 ? FlowControl::None : FlowControl::RtsCts;
  if (flow != mState.Setup.Flow) {
    mState.Setup.Flow = flow;
    WriteFlowControl(mState);
  }
  accept();
}

void FrmComSet::done(int rResult) {
  mTimer.stop();
  QDialog::done(rResult);
}

}  // namespace px
