#include "codeplug/output_file.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

namespace px {

std::string OutputTargetProblem(const std::string& rPath) {
  struct stat info {};
  if (::stat(rPath.c_str(), &info) != 0) {
    // Absent (a dangling link included) is fine; anything else the write will report.
    return {};
  }
  if (S_ISDIR(info.st_mode)) return "cannot write " + rPath + ": " + std::strerror(EISDIR);
  if (!S_ISREG(info.st_mode)) return rPath + " is not a regular file";
  return {};
}

}  // namespace px
