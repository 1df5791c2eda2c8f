#pragma once
// The programming password dialog: up to four characters, kept for the rest of the run.

#include <QDialog>

#include <optional>
#include <string>

#include "app/app_state.h"

class QLineEdit;

namespace px {

class FrmPassWord : public QDialog {
  Q_OBJECT

 public:
  // rCurrent is shown in the box when the dialog opens.
  FrmPassWord(const AppState& rState, const std::string& rCurrent, QWidget* rParent = nullptr);

  // Set by OK only.
  bool Accepted() const { return mAccepted; }
  // What OK keeps of the box: cut at the first NUL, trailing spaces removed.
  std::string Entry() const;

 private:
  QLineEdit* mText;
  bool mAccepted = false;
};

// Runs the dialog modally; the cleaned entry after OK, nullopt after Cancel.
std::optional<std::string> AskPasswordWithDialog(const AppState& rState,
                                                 const std::string& rCurrent, QWidget* rParent);

}  // namespace px
