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

}  // namespace

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

}  // namespace px
