#pragma once
// The model dialog: the product name, the band table for reference, and the four band
// limits, corrected and applied to the channels on OK.

#include <QDialog>

#include "app/app_state.h"

class QComboBox;
class QLineEdit;

namespace px {

class FrmModel : public QDialog {
  Q_OBJECT

 public:
  FrmModel(AppState& rState, QWidget* rParent = nullptr);

  // True when OK stored new limits.
  bool Accepted() const { return mAccepted; }

 private:
  void OnOk();

  AppState& mState;
  QComboBox* mModel;
  QComboBox* mBand;
  QLineEdit* mText[4];
  bool mAccepted = false;
};

}  // namespace px
