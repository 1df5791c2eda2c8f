#pragma once
// The optional-functions page: nineteen lists, four switches, the power-on message and
// password, on a scratch copy of the page (edit/option_rules.h holds the rules).

#include <QDialog>

#include <array>

#include "app/app_state.h"
#include "edit/option_rules.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace px {

class FrmOption : public QDialog {
  Q_OBJECT

 public:
  explicit FrmOption(AppState& rState, QWidget* rParent = nullptr);

  // Shows or hides the power-on password box and its label.
  void EnablePassWord(int rValue);

 private:
  void BuildControls();
  void LayOut();
  void ShowPage();
  void ShowWorkModeLists();
  void Connect();
  void OnOk();

  AppState& mState;
  OptionPage mPage;
  std::array<QComboBox*, kOptionLists> mLists{};
  std::array<QLabel*, kOptionLists + kFreeLabels> mLabels{};
  std::array<QCheckBox*, kOptionSwitches> mSwitches{};
  std::array<QLineEdit*, kPowerOnMessageBoxes> mMessage{};
  QLabel* mMessageLabel = nullptr;
  QCheckBox* mPasswordSwitch = nullptr;
  QLabel* mPasswordLabel = nullptr;
  QLineEdit* mPassword = nullptr;
};

}  // namespace px
