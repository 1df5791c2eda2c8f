#pragma once
// The about box: the program's title, model and version, and a button that starts the
// system's own information program where there is one.

#include <QDialog>

#include <functional>
#include <string>

#include "app/app_state.h"

namespace px {

// Starts the system information program; false when the system has none.
using SystemInfoStarter = std::function<bool()>;

// The usual desktop tools for this, looked up on PATH and started detached.
bool StartSystemInformation();

class frmAbout : public QDialog {
  Q_OBJECT

 public:
  frmAbout(const AppState& rState, QWidget* rParent = nullptr,
           SystemInfoStarter rStarter = StartSystemInformation);

 private:
  void OnSystemInfo();

  SystemInfoStarter mStarter;
};

// Shown when no system information program can be started.
inline constexpr const char* kNoSystemInformation = "此时系统信息不可用";

}  // namespace px
