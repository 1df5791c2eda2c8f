#include "ui/settings/frm_alert.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "edit/alert_rules.h"
#include "ui/kit/apply_language.h"
#include "ui/kit/choice_list.h"
#include "ui/kit/widget_helpers.h"
#include "ui/settings/page_form.h"

namespace px {

namespace {

constexpr int kTextCaption = 2600;
constexpr int kTextFirstLabel = 2602;  // Label1(i) of Combo1(i) is 2602 + i
constexpr int kTextLoneWorker = 2612;
constexpr int kTextAutomatic = 2613;
constexpr int kTextPreAlert = 2614;
constexpr int kTextLoneWorkerTime = 2615;

// The byte each list edits, by its index; (7) has none.
constexpr std::size_t kSlotOf[] = {AlertSlot::Kind,   AlertSlot::CodeKind,      AlertSlot::Code,    AlertSlot::AlarmTime,
                                   AlertSlot::TxTime, AlertSlot::RxTime,        AlertSlot::ChannelSelect, 0,
                                   AlertSlot::Channel, AlertSlot::Cycle};
constexpr bool Built(int rList) { return rList != 7; }

}  // namespace

FrmAlert::FrmAlert(AppState& rState, QWidget* rParent)
    : QDialog(rParent), mState(rState), mStoredCode(rState.Current.Settings.Alert[AlertSlot::Code]) {
  setObjectName("FrmAlert");
  SetTextId(this, kTextCaption);
  BuildInputs();
  LayOut();
  ApplyLanguage(this, rState);
  LoadInputs(ShownAlertPage(rState));
  connect(mList[0], &QComboBox::currentIndexChanged, this, &FrmAlert::UpdateEnabled);
  connect(mList[1], &QComboBox::currentIndexChanged, this, &FrmAlert::OnCodeKindChanged);
  connect(mList[6], &QComboBox::currentIndexChanged, this, &FrmAlert::UpdateEnabled);
  mList[0]->setFocus();
}

void FrmAlert::BuildInputs() {
  for (int i = 0; i < kLists; ++i) {
    if (!Built(i)) continue;
    const std::string name = "Combo1_" + std::to_string(i);
    mList[static_cast<std::size_t>(i)] = NewList(this, name.c_str());
    mLabel[static_cast<std::size_t>(i)] = NewLabel(this, kTextFirstLabel + i);
  }
  FillChoiceList(mList[0], mState, AlertKindChoices());
  FillChoiceList(mList[1], mState, AlertCodeKindChoices());
  for (const int i : {3, 4, 5}) FillChoiceList(mList[static_cast<std::size_t>(i)], mState, AlertTimeChoices());
  FillChoiceList(mList[6], mState, AlertChannelSelectChoices());
  FillChoiceList(mList[8], mState, MemoryChannelChoices(mState));
  FillChoiceList(mList[9], mState, AlertCycleChoices(mState));

  mLoneWorker = NewCheck(this, "Check1", kTextAutomatic);
  mLoneWorkerList[0] = NewList(this, "Combo2_0");
  mLoneWorkerList[1] = NewList(this, "Combo2_1");
  mLoneWorkerLabel[0] = NewLabel(this, kTextPreAlert);
  mLoneWorkerLabel[1] = NewLabel(this, kTextLoneWorkerTime);
  FillChoiceList(mLoneWorkerList[0], mState, PreAlertTimeChoices());
  FillChoiceList(mLoneWorkerList[1], mState, LoneWorkerTimeChoices());
}

void FrmAlert::LayOut() {
  QGridLayout* grid = NewFormGrid();
  for (int i = 0; i < kLists; ++i) {
    if (Built(i)) AddFormRow(grid, mLabel[static_cast<std::size_t>(i)], mList[static_cast<std::size_t>(i)]);
  }

  auto* frame = new QGroupBox(this);
  SetTextId(frame, kTextLoneWorker);
  QGridLayout* inner = NewFormGrid();
  frame->setLayout(inner);
  inner->addWidget(mLoneWorker, 0, 0, 1, 2, Qt::AlignLeft);
  for (std::size_t i = 0; i < mLoneWorkerList.size(); ++i) AddFormRow(inner, mLoneWorkerLabel[i], mLoneWorkerList[i]);

  auto* content = new QVBoxLayout;
  content->addLayout(grid);
  content->addWidget(frame);
  LayOutPageDialog(this, content, [this] { OnOk(); });
}

void FrmAlert::LoadInputs(const AlertSettings& rShown) {
  FillChoiceList(mList[2], mState, AlertCodeChoices(mState.Current, rShown[AlertSlot::CodeKind]));
  for (int i = 0; i < kLists; ++i) {
    if (Built(i)) ChooseStored(mList[static_cast<std::size_t>(i)], rShown[kSlotOf[i]]);
  }
  mLoneWorker->setChecked(rShown[AlertSlot::LoneWorker] == 1);
  ChooseStored(mLoneWorkerList[0], rShown[AlertSlot::PreAlertTime]);
  ChooseStored(mLoneWorkerList[1], rShown[AlertSlot::LoneWorkerTime]);
  UpdateEnabled();
}

void FrmAlert::OnCodeKindChanged() {
  FillChoiceList(mList[2], mState, AlertCodeChoices(mState.Current, StoredOfList(mList[1])));
  ChooseStored(mList[2], mStoredCode);
  UpdateEnabled();
}

void FrmAlert::UpdateEnabled() {
  const AlertEnabled enabled = AlertEnabling(StoredOfList(mList[0]), StoredOfList(mList[6]));
  const auto enable = [this](int rList, bool rOn) {
    mList[static_cast<std::size_t>(rList)]->setEnabled(rOn);
    mLabel[static_cast<std::size_t>(rList)]->setEnabled(rOn);
  };
  enable(3, enabled.AlarmTime);
  for (const int i : {1, 2, 4, 5}) enable(i, enabled.Code);
  enable(8, enabled.Channel);
}

AlertSettings FrmAlert::Inputs() const {
  AlertSettings bytes{};
  for (int i = 0; i < kLists; ++i) {
    if (Built(i)) bytes[kSlotOf[i]] = static_cast<Byte>(StoredOfList(mList[static_cast<std::size_t>(i)]));
  }
  bytes[AlertSlot::LoneWorker] = mLoneWorker->isChecked() ? 1 : 0;
  bytes[AlertSlot::PreAlertTime] = static_cast<Byte>(StoredOfList(mLoneWorkerList[0]));
  bytes[AlertSlot::LoneWorkerTime] = static_cast<Byte>(StoredOfList(mLoneWorkerList[1]));
  return bytes;
}

void FrmAlert::OnOk() {
  ApplyAlertPage(mState, Inputs());
  accept();
}

}  // namespace px
