#pragma once
// The model dialog: the product name, the band table for reference, and the four band
// limits, corrected and applied to the channels on OK.

#include <QDialog>

#include "app/app_state.h"

class QComboBox;
class QLineEdit;

namespace px {

// Text boxes of the shell dialogs: Enter moves on like Tab, the clipboard keys and every
// character above code 127 are ignored, and a frequency box takes digits and "." only.
class DialogTextFilter : public QObject {
 public:
  enum class Accept { Frequency, Ascii };
  DialogTextFilter(Accept rAccept, QObject* rParent) : QObject(rParent), mAccept(rAccept) {}
  // Filters rEdit; getting the focus then selects the whole text.
  static void Install(QLineEdit* rEdit, Accept rAccept);

 protected:
  bool eventFilter(QObject* rWatched, QEvent* rEvent) override;

 private:
  Accept mAccept;
};

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
