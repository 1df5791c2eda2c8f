#pragma once
// The scan page: scan mode, priority channels, revert channel, look-back, resume and
// wait times, scan type and the scan-entry tone. Nothing is stored before OK.

#include <array>

#include <QDialog>

#include "app/app_state.h"

class QCheckBox;
class QComboBox;
class QLabel;

namespace px {

class FrmScan : public QDialog {
  Q_OBJECT

 public:
  explicit FrmScan(AppState& rState, QWidget* rParent = nullptr);

 private:
  static constexpr int kLists = 13;  // Combo1(0) .. Combo1(12); (3) and (5) are not built

  void BuildInputs();
  void LayOut();
  void LoadInputs(const ScanSettings& rShown);
  void OnPriorityChanged();
  void UpdateEnabled();
  ScanSettings Inputs() const;
  void OnOk();

  AppState& mState;
  ScanSettings mCarried{};  // the page as opened, for what no input holds
  std::array<QComboBox*, kLists> mList{};
  std::array<QLabel*, kLists> mLabel{};
  QCheckBox* mEntryTone = nullptr;
};

}  // namespace px
