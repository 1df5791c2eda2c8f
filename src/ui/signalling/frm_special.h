#pragma once
// The special call dialog of the 5-Tone page: a message call, an ANI call or a PTT ID,
// composed for one code list row or for one of the two PTT ID codes of the page's
// scratch copy.

#include <QDialog>

#include "app/app_state.h"
#include "edit/five_tone_rules.h"

class QComboBox;
class QGroupBox;
class QLineEdit;

namespace px {

class FrmSpecial : public QDialog {
  Q_OBJECT

 public:
  // rRow (1..100) names the code list row when rTarget is CodeRow.
  FrmSpecial(const AppState& rState, FiveTonePage& rPage, SpecialCallTarget rTarget, int rRow,
             QWidget* rParent = nullptr);

 protected:
  bool eventFilter(QObject* rWatched, QEvent* rEvent) override;

 private:
  void OnTypeChosen();
  void OnOk();
  SpecialCallInputs Inputs() const;

  const AppState& mState;
  FiveTonePage& mPage;
  SpecialCallTarget mTarget;
  int mRow;
  QComboBox* mType = nullptr;
  QLineEdit* mCalled = nullptr;
  QComboBox* mSeparator = nullptr;
  QLineEdit* mMessage = nullptr;
  QGroupBox* mCalledFrame = nullptr;
  QGroupBox* mAniFrame = nullptr;
  QGroupBox* mMessageFrame = nullptr;
  bool mTelling = false;
};

}  // namespace px
