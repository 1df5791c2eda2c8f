#pragma once
// A temporary program folder holding the shipped language files, as an installation has
// them, for tests that check shown texts.

#include <filesystem>

#include "app/app_state.h"
#include "support/temp_dir.h"

namespace px::test {

class LanguageHome {
 public:
  LanguageHome() {
    namespace fs = std::filesystem;
    fs::create_directories(mDir.Path() / "language");
    for (const char* name : {"english.ini", "chinese.ini"})
      fs::copy_file(fs::path(PX_SOURCE_DIR) / "lang" / name, mDir.Path() / "language" / name);
  }
  std::string Folder() const { return mDir.Path().string(); }
  // A state whose program folder is this one, in rLanguage.
  AppState State(int rLanguage = kEnglish) const {
    AppState state;
    state.ProgramFolder = Folder();
    SetLanguage(state, rLanguage);
    return state;
  }

 private:
  TempDir mDir;
};

}  // namespace px::test
