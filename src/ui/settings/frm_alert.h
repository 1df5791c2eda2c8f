#pragma once
// The alert page: the emergency alarm (kind, identification code, times, emergency
// channel, cycle) and the lone-worker function. Nothing is stored before OK.

#include <array>

#include <QDialog>

#include "app/app_state.h"

class QCheckBox;
class QComboBox;
class QLabel;

namespace px {

class FrmAlert : public QDialog {
  Q_OBJECT

 public:
  explicit FrmAlert(AppState& rState, QWidget* rParent = nullptr);

 private:
  static constexpr int kLists = 10;  // Combo1(0) .. Combo1(9); (7) is not built

  void BuildInputs();
  void LayOut();
  void LoadInputs(const AlertSettings& rShown);
  void OnCodeKindChanged();
  void UpdateEnabled();
  AlertSettings Inputs() const;
  void OnOk();

  AppState& mState;
  const Byte mStoredCode;  // the code chosen again whenever the code kind changes
  std::array<QComboBox*, kLists> mList{};
  std::array<QLabel*, kLists> mLabel{};
  QCheckBox* mLoneWorker = nullptr;
  std::array<QComboBox*, 2> mLoneWorkerList{};  // Combo2(0), Combo2(1)
  std::array<QLabel*, 2> mLoneWorkerLabel{};
};

}  // namespace px
