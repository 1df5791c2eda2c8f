#include "app/program_folder.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "app/app_state.h"

namespace px {

namespace {

std::string WithoutTrailingSeparators(std::string rFolder) {
  while (rFolder.size() > 1 && rFolder.back() == '/') rFolder.pop_back();
  return rFolder;
}

bool HoldsLanguageFiles(const std::filesystem::path& rFolder) {
  std::error_code ec;
  return std::filesystem::is_regular_file(rFolder / "language" / "english.ini", ec);
}

std::string UserConfigFolder() {
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && *xdg == '/') {
    return JoinProgramPath(xdg, kInstalledDataName);
  }
  const char* home = std::getenv("HOME");
  return JoinProgramPath(JoinProgramPath(home != nullptr && *home != '\0' ? home : "/tmp", ".config"),
                         kInstalledDataName);
}

}  // namespace

void SeedSettingsFolder(const ProgramFolders& rFolders) {
  namespace fs = std::filesystem;
  if (rFolders.Settings == rFolders.Program) return;
  std::error_code ec;
  fs::create_directories(fs::path(rFolders.Settings) / "language", ec);
  const fs::path shipped = fs::path(rFolders.Program) / "language" / "mysetup.ini";
  const fs::path own = fs::path(rFolders.Settings) / "language" / "mysetup.ini";
  if (fs::is_regular_file(shipped, ec) && !fs::exists(own, ec)) fs::copy_file(shipped, own, ec);
}

ProgramFolders LocateProgramFolders(const std::string& rExecutable) {
  namespace fs = std::filesystem;
  const std::string folder = FindProgramFolder(rExecutable);
  const char* home = std::getenv(kProgramHomeVariable);
  const bool pointed = home != nullptr && *home != '\0';
  const fs::path data = fs::path(folder).parent_path() / "share" / kInstalledDataName;
  if (pointed || HoldsLanguageFiles(folder) || !HoldsLanguageFiles(data)) return {folder, folder};
  return {WithoutTrailingSeparators(data.lexically_normal().string()), UserConfigFolder()};
}

std::string FindProgramFolder(const std::string& rExecutable) {
  namespace fs = std::filesystem;
  if (const char* home = std::getenv(kProgramHomeVariable); home != nullptr && *home != '\0') {
    return WithoutTrailingSeparators(home);
  }
  std::error_code ec;
  fs::path exe = rExecutable;
  // A bare name was found on the search path; only the kernel knows where.
  if (exe.empty() || !exe.has_parent_path()) exe = "/proc/self/exe";
  fs::path resolved = fs::canonical(exe, ec);
  if (ec) resolved = fs::absolute(exe, ec);
  if (ec) resolved = exe;
  const std::string folder = resolved.parent_path().string();
  return folder.empty() ? std::string(".") : WithoutTrailingSeparators(folder);
}

std::string JoinProgramPath(const std::string& rFolder, const std::string& rRelative) {
  std::string relative = rRelative;
  for (char& c : relative) {
    if (c == '\\') c = '/';
  }
  const auto start = relative.find_first_not_of('/');
  relative = start == std::string::npos ? std::string() : relative.substr(start);
  std::string folder = WithoutTrailingSeparators(rFolder);
  if (relative.empty()) return folder;
  if (folder.empty()) return relative;
  if (folder.back() != '/') folder += '/';
  return folder + relative;
}

std::string ProgramPath(const AppState& rState, const std::string& rRelative) {
  return JoinProgramPath(rState.ProgramFolder, rRelative);
}

std::string SettingsPath(const AppState& rState, const std::string& rRelative) {
  return JoinProgramPath(rState.SettingsFolder.empty() ? rState.ProgramFolder : rState.SettingsFolder,
                         rRelative);
}

}  // namespace px
