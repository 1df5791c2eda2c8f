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
#include "support/scripted_ui.h"
#include "support/temp_dir.h"

namespace px::test {

// The language files and the manual of the source tree copied into rFolder.
inline void MakeProgramFolder(const std::filesystem::path& rFolder) {
  namespace fs = std::filesystem;
  fs::create_directories(rFolder / "language");
  for (const char* name : {"english.ini", "chinese.ini"})
    fs::copy_file(fs::path(PX_SOURCE_DIR) / "lang" / name, rFolder / "language" / name,
                  fs::copy_options::overwrite_existing);
  fs::copy(fs::path(PX_SOURCE_DIR) / "manual", rFolder / "manual",
           fs::copy_options::recursive | fs::copy_options::overwrite_existing);
}

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
