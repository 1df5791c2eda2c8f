#include "ui/settings/frm_alert.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

#include "edit/alert_rules.h"
#include "ui/kit/apply_language.h"
#include "ui/kit/choice_list.h"
#include "ui/kit/widget_helpers.h"
#include "ui/settings/page_form.h"

namespace px {

FrmAlert::FrmAlert(AppState& rState, QWidget* rParent)
    : QDialog(rParent),
      mState(rState),
      mStoredCode(rState.Current.Settings.Alert[AlertSlot::Code]),
      mInputs(this, rState, AlertFields()) {
  setObjectName("FrmAlert");
  SetTextId(this, kTextAlertCaption);
  LayOut();
  ApplyLanguage(this, rState);
  mInputs.Load(ShownAlertPage(rState));
  UpdateEnabled();
  connect(mInputs.List(AlertSlot::Kind), &QComboBox::currentIndexChanged, this, &FrmAlert::UpdateEnabled);
  connect(mInputs.List(AlertSlot::CodeKind), &QComboBox::currentIndexChanged, this, &FrmAlert::OnCodeKindChanged);
  connect(mInputs.List(AlertSlot::ChannelSelect), &QComboBox::currentIndexChanged, this, &FrmAlert::UpdateEnabled);
  mInputs.List(AlertSlot::Kind)->setFocus();
}

void FrmAlert::LayOut() {
  QGridLayout* grid = NewFormGrid();
  mInputs.LayOut(grid, 0);

  auto* frame = new QGroupBox(this);
  SetTextId(frame, kTextLoneWorker);
  QGridLayout* inner = NewFormGrid();
  frame->setLayout(inner);
  mInputs.LayOut(inner, kTextLoneWorker);

  auto* content = new QVBoxLayout;
  content->addLayout(grid);
  content->addWidget(frame);
  LayOutPageDialog(this, content, [this] { OnOk(); });
}

void FrmAlert::OnCodeKindChanged() {
  QComboBox* codes = mInputs.List(AlertSlot::Code);
  FillChoiceList(codes, mState, AlertCodeChoices(mState.Current, mInputs.Value(AlertSlot::CodeKind)));
  ChooseStored(codes, mStoredCode);
  UpdateEnabled();
}

void FrmAlert::UpdateEnabled() {
  const AlertEnabled enabled = AlertEnabling(mInputs.Value(AlertSlot::Kind), mInputs.Value(AlertSlot::ChannelSelect));
  mInputs.Enable(AlertSlot::AlarmTime, enabled.AlarmTime);
  for (const std::size_t slot : {AlertSlot::CodeKind, AlertSlot::Code, AlertSlot::TxTime, AlertSlot::RxTime})
    mInputs.Enable(slot, enabled.Code);
  mInputs.Enable(AlertSlot::Channel, enabled.Channel);
}

void FrmAlert::OnOk() {
  AlertSettings bytes = mState.Current.Settings.Alert;
  mInputs.Store(bytes);
  ApplyAlertPage(mState, bytes);
  accept();
}

}  // namespace px
