#pragma once
// The programmable-keys page: one list per key and press (edit/key_rules.h holds the
// rules).

#include <QDialog>

#include <array>

#include "app/app_state.h"
#include "edit/key_rules.h"

class QComboBox;

namespace px {

class FrmKeySet : public QDialog {
  Q_OBJECT

 public:
  explicit FrmKeySet(AppState& rState, QWidget* rParent = nullptr);

 private:
  void OnOk();

  AppState& mState;
  std::array<QComboBox*, KeySlot::Count> mLists{};
};

}  // namespace px
