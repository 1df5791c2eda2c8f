#include "ui/main/frm_fleet.h"

#include <QAction>
#include <QCheckBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <utility>

#include "app/language.h"
#include "app/reason_text.h"
#include "codeplug/input_file.h"
#include "link/ports.h"
#include "platform/port_discovery.h"
#include "ui/kit/apply_language.h"
#include "ui/main/radio_commands.h"

namespace px {
namespace {

constexpr OwnText kTitle{"Program a fleet", "批量写频"};
constexpr OwnText kMenuText{"Program a fleet…", "批量写频…"};
constexpr OwnText kPortsBox{"Radios (one port each)", "电台（每台一个端口）"};
constexpr OwnText kAddPort{"Add", "添加"};
constexpr OwnText kTypedHint{"a device path, e.g. /dev/ttyUSB3", "设备路径，例如 /dev/ttyUSB3"};
constexpr OwnText kIdsBox{"Identities", "身份"};
constexpr OwnText kKeepIds{"As in the codeplug", "按写频数据"};
constexpr OwnText kNumberIds{"Numbered in port order from", "按端口顺序编号，起始于"};
constexpr OwnText kRegisterIds{"From a register by serial number", "按序列号取自登记表"};
constexpr OwnText kDtmfId{"DTMF ID", "DTMF 本机码"};
constexpr OwnText kFiveToneId{"5-Tone ID", "五音本机码"};
constexpr OwnText kBrowse{"Browse…", "浏览…"};
constexpr OwnText kVerify{"Verify after write", "写入后校验"};
constexpr OwnText kLog{"Delivery record (CSV)", "交付记录（CSV）"};
constexpr OwnText kStart{"Write", "写入"};
constexpr OwnText kCancelAll{"Cancel all", "全部取消"};
constexpr OwnText kClose{"Close", "关闭"};
constexpr OwnText kColPort{"Port", "端口"};
constexpr OwnText kColProgress{"Progress", "进度"};
constexpr OwnText kColSerial{"Serial number", "序列号"};
constexpr OwnText kColResult{"Result", "结果"};
constexpr OwnText kNoPorts{"Tick at least one port.", "请至少勾选一个端口。"};
constexpr OwnText kNoRegister{"Choose the register file.", "请选择登记表文件。"};
constexpr OwnText kNoStart{"Give a start value for the DTMF ID or the 5-Tone ID.", "请输入 DTMF 或五音本机码的起始值。"};
constexpr OwnText kRegisterRefused{"The register is refused:", "登记表有误："};
constexpr OwnText kRunning{"Writing…", "正在写入…"};
constexpr OwnText kDone{"Done: %1 of %2 radios written.", "完成：%2 台电台中 %1 台已写入。"};
constexpr OwnText kLogFailed{"The delivery record could not be written: %1", "交付记录无法写入：%1"};
constexpr OwnText kRegisterFilter{"CSV (*.csv);;All files (*)", "CSV (*.csv);;所有文件 (*)"};
constexpr OwnText kStepWaiting{"waiting", "等待"};
constexpr OwnText kStepSerial{"serial number", "读序列号"};
constexpr OwnText kStepWrite{"writing", "写入中"};
constexpr OwnText kStepVerify{"verifying", "校验中"};
constexpr OwnText kStepRead{"reading", "读取中"};
constexpr OwnText kFailed{"FAILED: ", "失败："};

enum Column { kPortColumn, kProgressColumn, kSerialColumn, kDtmfColumn, kFiveToneColumn, kResultColumn, kColumns };

}  // namespace

FrmFleet::FrmFleet(AppState& rState, RadioContext& rRadio, QWidget* rParent)
    : QDialog(rParent), mState(rState), mRadio(rRadio) {
  setObjectName(QStringLiteral("FrmFleet"));
  auto* layout = new QVBoxLayout(this);

  auto* portsBox = new QGroupBox;
  portsBox->setObjectName(QStringLiteral("FramePorts"));
  auto* portsLayout = new QVBoxLayout(portsBox);
  mPorts = new QListWidget;
  mPorts->setObjectName(QStringLiteral("ListPorts"));
  const std::vector<PresentPort> present = mRadio.PresentPorts ? mRadio.PresentPorts() : DiscoverSerialPorts();
  for (const PortListEntry& entry : PresentPortEntries(present)) {
    auto* item = new QListWidgetItem(ToQ(entry.Text + "   " + entry.Device + "   " + entry.Description), mPorts);
    item->setData(Qt::UserRole, ToQ(entry.Device));
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
  }
  portsLayout->addWidget(mPorts);
  auto* typedRow = new QHBoxLayout;
  mTypedPort = new QLineEdit;
  mTypedPort->setObjectName(QStringLiteral("TextPortPath"));
  mAddPort = new QPushButton;
  mAddPort->setObjectName(QStringLiteral("CommandAddPort"));
  typedRow->addWidget(mTypedPort, 1);
  typedRow->addWidget(mAddPort);
  portsLayout->addLayout(typedRow);
  layout->addWidget(portsBox);

  auto* idsBox = new QGroupBox;
  idsBox->setObjectName(QStringLiteral("FrameIds"));
  auto* idsLayout = new QFormLayout(idsBox);
  mKeepIds = new QRadioButton;
  mKeepIds->setObjectName(QStringLiteral("OptionKeepIds"));
  mKeepIds->setChecked(true);
  mNumberIds = new QRadioButton;
  mNumberIds->setObjectName(QStringLiteral("OptionNumberIds"));
  mRegisterIds = new QRadioButton;
  mRegisterIds->setObjectName(QStringLiteral("OptionRegisterIds"));
  mDtmfStart = new QLineEdit;
  mDtmfStart->setObjectName(QStringLiteral("TextDtmfStart"));
  mDtmfStart->setMaxLength(3);
  mFiveToneStart = new QLineEdit;
  mFiveToneStart->setObjectName(QStringLiteral("TextFiveToneStart"));
  mFiveToneStart->setMaxLength(5);
  mRegisterPath = new QLineEdit;
  mRegisterPath->setObjectName(QStringLiteral("TextRegister"));
  mRegisterBrowse = new QPushButton;
  mRegisterBrowse->setObjectName(QStringLiteral("CommandRegister"));
  idsLayout->addRow(mKeepIds);
  auto* numbered = new QHBoxLayout;
  auto* dtmfLabel = new QLabel;
  dtmfLabel->setObjectName(QStringLiteral("LabelDtmfStart"));
  auto* fiveLabel = new QLabel;
  fiveLabel->setObjectName(QStringLiteral("LabelFiveToneStart"));
  numbered->addWidget(mNumberIds);
  numbered->addWidget(dtmfLabel);
  numbered->addWidget(mDtmfStart);
  numbered->addWidget(fiveLabel);
  numbered->addWidget(mFiveToneStart);
  idsLayout->addRow(numbered);
  auto* registered = new QHBoxLayout;
  registered->addWidget(mRegisterIds);
  registered->addWidget(mRegisterPath, 1);
  registered->addWidget(mRegisterBrowse);
  idsLayout->addRow(registered);
  layout->addWidget(idsBox);

  auto* options = new QHBoxLayout;
  mVerify = new QCheckBox;
  mVerify->setObjectName(QStringLiteral("CheckVerify"));
  auto* logLabel = new QLabel;
  logLabel->setObjectName(QStringLiteral("LabelLog"));
  mLogPath = new QLineEdit;
  mLogPath->setObjectName(QStringLiteral("TextLog"));
  mLogBrowse = new QPushButton;
  mLogBrowse->setObjectName(QStringLiteral("CommandLog"));
  options->addWidget(mVerify);
  options->addWidget(logLabel);
  options->addWidget(mLogPath, 1);
  options->addWidget(mLogBrowse);
  layout->addLayout(options);

  mTable = new QTableWidget(0, kColumns);
  mTable->setObjectName(QStringLiteral("GridRadios"));
  mTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
  mTable->horizontalHeader()->setStretchLastSection(true);
  mTable->verticalHeader()->hide();
  layout->addWidget(mTable, 1);

  mStatus = new QLabel;
  mStatus->setObjectName(QStringLiteral("LabelStatus"));
  mStatus->setWordWrap(true);
  layout->addWidget(mStatus);

  auto* buttons = new QHBoxLayout;
  mStart = new QPushButton;
  mStart->setObjectName(QStringLiteral("CommandStart"));
  mCancelAll = new QPushButton;
  mCancelAll->setObjectName(QStringLiteral("CommandCancelAll"));
  mClose = new QPushButton;
  mClose->setObjectName(QStringLiteral("CommandClose"));
  buttons->addStretch(1);
  buttons->addWidget(mStart);
  buttons->addWidget(mCancelAll);
  buttons->addWidget(mClose);
  layout->addLayout(buttons);

  if (!mRadio.PortPath.empty()) {
    mTypedPort->setText(ToQ(mRadio.PortPath));
    AddTypedPort();
  }
  connect(mAddPort, &QPushButton::clicked, this, &FrmFleet::AddTypedPort);
  connect(mTypedPort, &QLineEdit::returnPressed, this, &FrmFleet::AddTypedPort);
  connect(mRegisterBrowse, &QPushButton::clicked, this, &FrmFleet::ChooseRegister);
  connect(mLogBrowse, &QPushButton::clicked, this, &FrmFleet::ChooseLog);
  connect(mStart, &QPushButton::clicked, this, &FrmFleet::StartFleet);
  connect(mCancelAll, &QPushButton::clicked, this, [this] {
    if (mEngine) mEngine->CancelAll();
  });
  connect(mClose, &QPushButton::clicked, this, &FrmFleet::reject);
  for (QRadioButton* option : {mKeepIds, mNumberIds, mRegisterIds})
    connect(option, &QRadioButton::toggled, this, &FrmFleet::UpdateEnabled);

  // Text fields stay as typed; language texts for the rest.
  for (auto [label, text] : {std::pair{dtmfLabel, kDtmfId}, std::pair{fiveLabel, kFiveToneId}, std::pair{logLabel, kLog}})
    label->setText(OwnQ(mState, text));
  portsBox->setTitle(OwnQ(mState, kPortsBox));
  idsBox->setTitle(OwnQ(mState, kIdsBox));
  ApplyTexts();
  UpdateEnabled();
  resize(760, 520);
}

FrmFleet::~FrmFleet() = default;

void FrmFleet::ApplyTexts() {
  setWindowTitle(OwnQ(mState, kTitle));
  mAddPort->setText(OwnQ(mState, kAddPort));
  mTypedPort->setPlaceholderText(OwnQ(mState, kTypedHint));
  mKeepIds->setText(OwnQ(mState, kKeepIds));
  mNumberIds->setText(OwnQ(mState, kNumberIds));
  mRegisterIds->setText(OwnQ(mState, kRegisterIds));
  mRegisterBrowse->setText(OwnQ(mState, kBrowse));
  mLogBrowse->setText(OwnQ(mState, kBrowse));
  mVerify->setText(OwnQ(mState, kVerify));
  mStart->setText(OwnQ(mState, kStart));
  mCancelAll->setText(OwnQ(mState, kCancelAll));
  mClose->setText(OwnQ(mState, kClose));
  mTable->setHorizontalHeaderLabels({OwnQ(mState, kColPort), OwnQ(mState, kColProgress), OwnQ(mState, kColSerial),
                                     OwnQ(mState, kDtmfId), OwnQ(mState, kFiveToneId), OwnQ(mState, kColResult)});
}

void FrmFleet::UpdateEnabled() {
  const bool idle = !Running();
  for (QWidget* w : std::initializer_list<QWidget*>{mPorts, mTypedPort, mAddPort, mKeepIds, mNumberIds, mRegisterIds,
                                                    mVerify, mLogPath, mLogBrowse, mStart, mClose})
    w->setEnabled(idle);
  mDtmfStart->setEnabled(idle && mNumberIds->isChecked());
  mFiveToneStart->setEnabled(idle && mNumberIds->isChecked());
  mRegisterPath->setEnabled(idle && mRegisterIds->isChecked());
  mRegisterBrowse->setEnabled(idle && mRegisterIds->isChecked());
  mCancelAll->setEnabled(!idle);
}

void FrmFleet::AddTypedPort() {
  const QString path = mTypedPort->text().trimmed();
  if (path.isEmpty()) return;
  auto* item = new QListWidgetItem(path, mPorts);
  item->setData(Qt::UserRole, path);
  item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
  item->setCheckState(Qt::Checked);
  mTypedPort->clear();
}

void FrmFleet::ChooseRegister() {
  const QString path = QFileDialog::getOpenFileName(this, OwnQ(mState, kRegisterIds), mRegisterPath->text(),
                                                    OwnQ(mState, kRegisterFilter));
  if (!path.isEmpty()) mRegisterPath->setText(path);
}

void FrmFleet::ChooseLog() {
  const QString path = QFileDialog::getSaveFileName(this, OwnQ(mState, kLog), mLogPath->text(),
                                                    OwnQ(mState, kRegisterFilter), nullptr,
                                                    QFileDialog::DontConfirmOverwrite);  // the record is appended to
  if (!path.isEmpty()) mLogPath->setText(path);
}

std::vector<std::string> FrmFleet::CheckedPorts() const {
  std::vector<std::string> ports;
  for (int i = 0; i < mPorts->count(); ++i)
    if (mPorts->item(i)->checkState() == Qt::Checked) ports.push_back(FromQ(mPorts->item(i)->data(Qt::UserRole).toString()));
  return ports;
}

void FrmFleet::Refuse(const QString& rWhy) { mStatus->setText(rWhy); }

bool FrmFleet::Running() const { return mEngine && !mEngine->Finished(); }

bool FrmFleet::StartFleet() {
  if (Running()) return false;
  const std::vector<std::string> ports = CheckedPorts();
  if (ports.empty()) {
    Refuse(OwnQ(mState, kNoPorts));
    return false;
  }
  FleetPlan plan;
  plan.Write = true;
  plan.Base = mState;
  plan.Source = mState.Untitled || mState.FilePath.empty() ? std::string("the codeplug") : mState.FilePath;
  plan.Verify = mVerify->isChecked();
  plan.Password = mRadio.EnteredPassword;
  std::string error;
  if (mNumberIds->isChecked()) {
    const std::string dtmf = FromQ(mDtmfStart->text().trimmed()), five = FromQ(mFiveToneStart->text().trimmed());
    if (dtmf.empty() && five.empty()) {
      Refuse(OwnQ(mState, kNoStart));
      return false;
    }
    if (!dtmf.empty() && !(plan.NumberFrom.Dtmf = DtmfOwnIdOf(dtmf, error))) {
      Refuse(ToQ(error));
      return false;
    }
    if (!five.empty() && !(plan.NumberFrom.FiveTone = FiveToneOwnIdOf(five, error))) {
      Refuse(ToQ(error));
      return false;
    }
    plan.Identities = FleetIdentities::Numbered;
  } else if (mRegisterIds->isChecked()) {
    const std::string path = FromQ(mRegisterPath->text().trimmed());
    if (path.empty()) {
      Refuse(OwnQ(mState, kNoRegister));
      return false;
    }
    // Opened as every input is: a pipe or a device in its place is refused, not waited on.
    const InputFile file = ReadInputFile(path, kCsvCeiling);
    const bool readable = file.Result == InputRead::Read;
    std::vector<std::string> errors;
    const auto reg = readable ? ParseRegister(std::string(file.Bytes.begin(), file.Bytes.end()), errors)
                              : std::nullopt;
    if (!readable) errors.push_back(LocalReason(mState, file.Error));
    if (!reg) {
      QString why = OwnQ(mState, kRegisterRefused);
      for (const std::string& e : errors) why += QStringLiteral("\n") + ToQ(e);
      Refuse(why);
      return false;
    }
    plan.Register = *reg;
    plan.Identities = FleetIdentities::Register;
  }
  plan.LogPath = FromQ(mLogPath->text().trimmed());
  plan.ReadSerial = !plan.LogPath.empty();

  auto engine = std::make_unique<FleetEngine>(std::move(plan), ports, *this);
  if (!engine->Prepare(error)) {
    Refuse(ToQ(error));
    return false;
  }
  mEngine = std::move(engine);
  mTable->setRowCount(static_cast<int>(mEngine->Count()));
  for (int row = 0; row < mTable->rowCount(); ++row) {
    for (int col = 0; col < kColumns; ++col)
      if (col != kProgressColumn) mTable->setItem(row, col, new QTableWidgetItem);
    auto* bar = new QProgressBar;
    bar->setRange(0, 100);
    mTable->setCellWidget(row, kProgressColumn, bar);
    RadioChanged(static_cast<std::size_t>(row));
  }
  mStatus->setText(OwnQ(mState, kRunning));
  UpdateEnabled();
  mEngine->Start();
  return true;
}

void FrmFleet::RadioChanged(std::size_t rIndex) {
  if (!mEngine || static_cast<int>(rIndex) >= mTable->rowCount()) return;
  const FleetRadio& radio = mEngine->Radio(rIndex);
  const int row = static_cast<int>(rIndex);
  const auto set = [&](int rCol, const std::string& rText) {
    if (QTableWidgetItem* item = mTable->item(row, rCol)) item->setText(ToQ(rText));
  };
  set(kPortColumn, radio.Device);
  set(kSerialColumn, radio.Serial);
  set(kDtmfColumn, radio.Ids.Dtmf.value_or(""));
  set(kFiveToneColumn, radio.Ids.FiveTone.value_or(""));
  QString result;
  switch (radio.Step) {
    case FleetStep::Waiting: result = OwnQ(mState, kStepWaiting); break;
    case FleetStep::Identifying: result = OwnQ(mState, kStepSerial); break;
    case FleetStep::Writing: result = OwnQ(mState, kStepWrite); break;
    case FleetStep::Verifying: result = OwnQ(mState, kStepVerify); break;
    case FleetStep::Reading: result = OwnQ(mState, kStepRead); break;
    case FleetStep::Done: result = radio.Succeeded ? ToQ(radio.Detail) : OwnQ(mState, kFailed) + ToQ(radio.Detail); break;
  }
  set(kResultColumn, FromQ(result));
  if (auto* bar = qobject_cast<QProgressBar*>(mTable->cellWidget(row, kProgressColumn)))
    bar->setValue(radio.Step == FleetStep::Done ? 100 : radio.Percent);
}

void FrmFleet::FleetFinished() {
  int written = 0;
  for (std::size_t i = 0; i < mEngine->Count(); ++i) written += mEngine->Radio(i).Succeeded ? 1 : 0;
  QString text = OwnQ(mState, kDone).arg(written).arg(mEngine->Count());
  if (!mEngine->LogError().empty()) text += QStringLiteral("\n") + OwnQ(mState, kLogFailed).arg(ToQ(mEngine->LogError()));
  mStatus->setText(text);
  UpdateEnabled();
}

void FrmFleet::reject() {
  // Radios half written are not left behind by a closed window: Cancel all first.
  if (Running()) return;
  QDialog::reject();
}

QAction* AddFleetCommand(AppState& rState, RadioContext& rRadio, QMenu* rProgramMenu, QWidget* rParent) {
  auto* action = new QAction(rParent);
  action->setObjectName(QStringLiteral("MnuProFleet"));
  ApplyFleetCommandText(action, rState);
  rProgramMenu->addAction(action);
  AppState* state = &rState;
  RadioContext* radio = &rRadio;
  QObject::connect(action, &QAction::triggered, rParent, [state, radio, rParent] {
    if (radio->Busy) return;
    radio->Busy = true;
    FrmFleet window(*state, *radio, rParent);
    window.exec();
    radio->Busy = false;
  });
  return action;
}

void ApplyFleetCommandText(QAction* rAction, const AppState& rState) { rAction->setText(OwnQ(rState, kMenuText)); }

}  // namespace px
