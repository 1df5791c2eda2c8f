#pragma once
// FrmLanguage: the choice between English and Chinese.

#include <QDialog>

#include "app/app_state.h"

class QComboBox;

namespace px {

class FrmLanguage : public QDialog {
  Q_OBJECT

 public:
  FrmLanguage(AppState& rState, QWidget* rParent = nullptr);

 private:
  void Accept();

  AppState& mState;
  QComboBox* mList = nullptr;
};

// Modal; true after OK, when the language index may have changed and the caller
// redraws its window.
bool OpenLanguageDialog(AppState& rState, QWidget* rParent);

}  // namespace px
