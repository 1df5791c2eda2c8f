#pragma once
// The desktop program's start over a temporary program folder that holds the two language
// files, as the installed program has. For its lifetime the per-user settings (the window
// geometry) go to that folder too, never to the user's own.

#include <QSettings>
#include <QStandardPaths>
#include <QString>

#include <filesystem>

#include "app/app_state.h"
#include "edit/startup.h"
#include "support/program_folder.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"

namespace px::test {

class StartedProgram {
 public:
  explicit StartedProgram(AppState& rState) {
    MakeProgramFolder(mDir.Path());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QString::fromStdString(mDir.File("settings")));
    StartOptions options;
    options.ProgramFolder = mDir.Path().string();
    ScriptedUi quiet;
    StartProgram(rState, quiet, options);
  }
  ~StartedProgram() {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
  }
  StartedProgram(const StartedProgram&) = delete;
  StartedProgram& operator=(const StartedProgram&) = delete;

  const TempDir& Dir() const { return mDir; }

 private:
  TempDir mDir;
};

}  // namespace px::test
