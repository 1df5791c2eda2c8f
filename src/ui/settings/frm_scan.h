#pragma once
// The scan page: scan mode, priority channels, revert channel, look-back, resume and
// wait times, scan type and the scan-entry tone. Nothing is stored before OK.

#include <memory>

#include <QDialog>

#include "app/app_state.h"
#include "ui/settings/field_inputs.h"

namespace px {

class FrmScan : public QDialog {
  Q_OBJECT

 public:
  explicit FrmScan(AppState& rState, QWidget* rParent = nullptr);

 private:
  void LayOut();
  void LoadInputs(const ScanSettings& rShown);
  void OnPriorityChanged();
  void UpdateEnabled();
  void OnOk();

  AppState& mState;
  ScanSettings mCarried{};  // the page as opened, for what no input holds
  FieldInputs mInputs;
};

}  // namespace px
