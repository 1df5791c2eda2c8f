#pragma once
// The about box: the program's title, model and version, and a button that shows the
// versions of the program, of Qt and of the system, for a report of a fault.

#include <QDialog>

#include <string>

#include "app/app_state.h"

namespace px {

// Program, model, Qt, operating system, kernel and processor, one per line.
QString SystemInformationText(const AppState& rState);

class frmAbout : public QDialog {
  Q_OBJECT

 public:
  explicit frmAbout(const AppState& rState, QWidget* rParent = nullptr);

 private:
  void OnSystemInfo();

  const AppState& mState;
};

}  // namespace px
