#pragma once
// The alert page: the emergency alarm (kind, identification code, times, emergency
// channel, cycle) and the lone-worker function. Nothing is stored before OK.

#include <QDialog>

#include "app/app_state.h"
#include "ui/settings/field_inputs.h"

namespace px {

class FrmAlert : public QDialog {
  Q_OBJECT

 public:
  explicit FrmAlert(AppState& rState, QWidget* rParent = nullptr);

 private:
  void LayOut();
  void OnCodeKindChanged();
  void UpdateEnabled();
  void OnOk();

  AppState& mState;
  const Byte mStoredCode;  // the code chosen again whenever the code kind changes
  FieldInputs mInputs;
};

}  // namespace px
