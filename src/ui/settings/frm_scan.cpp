#include "ui/settings/frm_scan.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>

#include "edit/scan_rules.h"
#include "ui/kit/apply_language.h"
#include "ui/kit/choice_list.h"
#include "ui/kit/widget_helpers.h"
#include "ui/settings/page_form.h"

namespace px {

FrmScan::FrmScan(AppState& rState, QWidget* rParent)
    : QDialog(rParent),
      mState(rState),
      mCarried(rState.Current.Settings.Scan),
      mInputs(this, rState, ScanFields()) {
  setObjectName("FrmScan");
  SetTextId(this, kTextScanCaption);
  LayOut();
  ApplyLanguage(this, rState);
  LoadInputs(ShownScanPage(rState));
  connect(mInputs.List(ScanSlot::Mode), &QComboBox::currentIndexChanged, this, &FrmScan::UpdateEnabled);
  connect(mInputs.List(ScanSlot::Priority), &QComboBox::currentIndexChanged, this, &FrmScan::OnPriorityChanged);
  mInputs.List(ScanSlot::Mode)->setFocus();
}

void FrmScan::LayOut() {
  QGridLayout* grid = NewFormGrid();
  mInputs.LayOut(grid, 0);
  LayOutPageDialog(this, grid, [this] { OnOk(); });
}

void FrmScan::LoadInputs(const ScanSettings& rShown) {
  // The revert list offers only the entries of the priority shown.
  FillChoiceList(mInputs.List(ScanSlot::Revert), mState, ScanRevertChoices(mState, rShown[ScanSlot::Priority]));
  mInputs.Load(rShown);
  UpdateEnabled();
}

void FrmScan::OnPriorityChanged() {
  const int priority = mInputs.Value(ScanSlot::Priority);
  const int revert = RevertAfterPriorityChange(priority, mInputs.Value(ScanSlot::Revert));
  QComboBox* list = mInputs.List(ScanSlot::Revert);
  FillChoiceList(list, mState, ScanRevertChoices(mState, priority));
  ChooseStored(list, revert);
  UpdateEnabled();
}

void FrmScan::UpdateEnabled() {
  const ScanEnabled enabled = ScanEnabling(mInputs.Value(ScanSlot::Mode), mInputs.Value(ScanSlot::Priority));
  for (const PageField& field : ScanFields()) {
    if (field.Control == FieldControl::Carried || field.Slot == ScanSlot::Mode) continue;
    const bool on = field.Slot == ScanSlot::Channel1   ? enabled.Channel1
                    : field.Slot == ScanSlot::Channel2 ? enabled.Channel2
                                                        : enabled.Others;
    mInputs.Enable(field.Slot, on);
  }
}

void FrmScan::OnOk() {
  ScanSettings bytes = mCarried;
  mInputs.Store(bytes);
  ApplyScanPage(mState, bytes);
  accept();
}

}  // namespace px
