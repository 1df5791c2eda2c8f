#pragma once
// A program folder as the installed program has it, for core and window tests alike.

#include <filesystem>

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

}  // namespace px::test
