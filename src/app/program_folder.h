#pragma once
// The program folder: where the language files, the default codeplugs ("Init") and the
// two settings files live.

#include <string>

namespace px {

// The environment variable that points the program at another folder (tests, portable
// installs). When set and not empty it wins over the executable's folder.
inline constexpr const char* kProgramHomeVariable = "PX4800_HOME";

// The folder of rExecutable (argv[0] or "/proc/self/exe"), or PX4800_HOME when set.
// A bare program name without a folder falls back to "/proc/self/exe". The result
// is absolute where it can be made so, and never ends with a separator (except "/").
std::string FindProgramFolder(const std::string& rExecutable);

// Joins a folder and a relative path as given in the program's own terms
// ("\language\mysetup.ini" or "language/english.ini"): backslashes become "/", and
// exactly one "/" separates the parts.
std::string JoinProgramPath(const std::string& rFolder, const std::string& rRelative);

// Where the program reads its shipped files and where it keeps what it writes.
struct ProgramFolders {
  std::string Program;   // language files, Init/, manual/: read only
  std::string Settings;  // "Setting.ini" and "language/mysetup.ini"
};

// The name of the data folder of an installed program: <prefix>/share/px4800-cps.
inline constexpr const char* kInstalledDataName = "px4800-cps";

// A program run from its build folder, a portable folder or with PX4800_HOME keeps
// everything in one folder. An installed program (its executable in <prefix>/bin and
// no language files beside it) reads from <prefix>/share/px4800-cps and writes to the
// user's configuration folder ($XDG_CONFIG_HOME or ~/.config, then px4800-cps), where
// the desktop program seeds the shipped "language/mysetup.ini" on its first start.
ProgramFolders LocateProgramFolders(const std::string& rExecutable);

// Creates the settings folder and copies the shipped setup file into it unless the user
// has one already. Failures leave it as it is: the program then starts with the
// defaults and says so when it cannot keep its settings.
void SeedSettingsFolder(const ProgramFolders& rFolders);

}  // namespace px
