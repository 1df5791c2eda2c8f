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

}  // namespace px
