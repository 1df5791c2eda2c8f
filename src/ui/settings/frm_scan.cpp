#include "ui/settings/frm_scan.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

#include "edit/scan_rules.h"
#include "ui/kit/apply_language.h"
#include "ui/kit/choice_list.h"
#include "ui/kit/widget_helpers.h"
#include "ui/settings/page_form.h"

namespace px {

namespace {

constexpr int kTextCaption = 2400;
constexpr int kTextFirstLabel = 2402;
constexpr int kTextEntryTone = 2413;

// The byte each list edits, by its index; the group boxes (3) and (5) have none.
constexpr std::size_t kSlotOf[] = {ScanSlot::Mode,      ScanSlot::Priority, ScanSlot::Channel1, 0,
                                   ScanSlot::Channel2,  0,              ScanSlot::Revert,   ScanSlot::LookBackA,
                                   ScanSlot::LookBackB, ScanSlot::RxResume, ScanSlot::TxResume, ScanSlot::Type,
                                   ScanSlot::WaitTime};
constexpr bool Built(int rList) { return rList != 3 && rList != 5; }

// Label texts: (0) 2402, (1) 2403, (2) 2404, (4) 2405, (6) .. (12) 2406 .. 2412.
int LabelTextOf(int rList) {
  if (rList <= 2) return kTextFirstLabel + rList;
  if (rList == 4) return kTextFirstLabel + 3;
  return kTextFirstLabel + rList - 2;
}

}  // namespace

FrmScan::FrmScan(AppState& rState, QWidget* rParent)
    : QDialog(rParent), mState(rState), mCarried(rState.Current.Settings.Scan) {
  setObjectName("FrmScan");
  SetTextId(this, kTextCaption);
  BuildInputs();
  LayOut();
  ApplyLanguage(this, rState);
  LoadInputs(ShownScanPage(rState));
  connect(mList[0], &QComboBox::currentIndexChanged, this, &FrmScan::UpdateEnabled);
  connect(mList[1], &QComboBox::currentIndexChanged, this, &FrmScan::OnPriorityChanged);
  mList[0]->setFocus();
}

void FrmScan::BuildInputs() {
  for (int i = 0; i < kLists; ++i) {
    if (!Built(i)) continue;
    const std::string name = "Combo1_" + std::to_string(i);
    mList[static_cast<std::size_t>(i)] = NewList(this, name.c_str());
    mLabel[static_cast<std::size_t>(i)] = NewLabel(this, LabelTextOf(i));
  }
  FillChoiceList(mList[0], mState, ScanModeChoices());
  FillChoiceList(mList[1], mState, ScanPriorityChoices(mState));
  const BuiltChoices channels = MemoryChannelChoices(mState);
  FillChoiceList(mList[2], mState, channels);
  FillChoiceList(mList[4], mState, channels);
  FillChoiceList(mList[7], mState, LookBackChoices());
  FillChoiceList(mList[8], mState, LookBackChoices());
  FillChoiceList(mList[9], mState, ResumeDelayChoices());
  FillChoiceList(mList[10], mState, ResumeDelayChoices());
  FillChoiceList(mList[11], mState, ScanTypeChoices());
  FillChoiceList(mList[12], mState, WaitTimeChoices());
  mEntryTone = NewCheck(this, "Check1", kTextEntryTone);
}

void FrmScan::LayOut() {
  QGridLayout* grid = NewFormGrid();
  for (int i = 0; i < kLists; ++i) {
    if (Built(i)) AddFormRow(grid, mLabel[static_cast<std::size_t>(i)], mList[static_cast<std::size_t>(i)]);
  }
  grid->addWidget(mEntryTone, grid->rowCount(), 1, Qt::AlignLeft);
  LayOutPageDialog(this, grid, [this] { OnOk(); });
}

void FrmScan::LoadInputs(const ScanSettings& rShown) {
  for (int i = 0; i < kLists; ++i) {
    if (Built(i) && i != 6) ChooseStored(mList[static_cast<std::size_t>(i)], rShown[kSlotOf[i]]);
  }
  FillChoiceList(mList[6], mState, ScanRevertChoices(mState, rShown[ScanSlot::Priority]));
  ChooseStored(mList[6], rShown[ScanSlot::Revert]);
  mEntryTone->setChecked(rShown[ScanSlot::EntryTone] == 1);
  UpdateEnabled();
}

void FrmScan::OnPriorityChanged() {
  const int priority = StoredOfList(mList[1]);
  const int revert = RevertAfterPriorityChange(priority, StoredOfList(mList[6]));
  FillChoiceList(mList[6], mState, ScanRevertChoices(mState, priority));
  ChooseStored(mList[6], revert);
  UpdateEnabled();
}

void FrmScan::UpdateEnabled() {
  const ScanEnabled enabled = ScanEnabling(StoredOfList(mList[0]), StoredOfList(mList[1]));
  for (int i = 1; i < kLists; ++i) {
    if (!Built(i)) continue;
    const bool on = i == 2 ? enabled.Channel1 : i == 4 ? enabled.Channel2 : enabled.Others;
    mList[static_cast<std::size_t>(i)]->setEnabled(on);
    mLabel[static_cast<std::size_t>(i)]->setEnabled(on);
  }
  mEntryTone->setEnabled(enabled.Others);
}

ScanSettings FrmScan::Inputs() const {
  ScanSettings bytes = mCarried;
  for (int i = 0; i < kLists; ++i) {
    if (Built(i)) bytes[kSlotOf[i]] = static_cast<Byte>(StoredOfList(mList[static_cast<std::size_t>(i)]));
  }
  bytes[ScanSlot::EntryTone] = mEntryTone->isChecked() ? 1 : 0;
  return bytes;
}

void FrmScan::OnOk() {
  ApplyScanPage(mState, Inputs());
  accept();
}

}  // namespace px
