#pragma once
// Files that are not regular files, and huge files that take no disk space, made inside
// a test's temporary folder (never a real /dev node).

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cstdint>
#include <string>

namespace px::test {

inline bool MakeFifo(const std::string& rPath) { return ::mkfifo(rPath.c_str(), 0644) == 0; }

// A character device with the numbers of the endless zero device. Needs root; false
// when the system does not permit it.
inline bool MakeZeroDevice(const std::string& rPath) {
  return ::mknod(rPath.c_str(), S_IFCHR | 0644, makedev(1, 5)) == 0;
}

inline bool IsFifo(const std::string& rPath) {
  struct stat info {};
  return ::lstat(rPath.c_str(), &info) == 0 && S_ISFIFO(info.st_mode);
}

inline bool IsCharDevice(const std::string& rPath) {
  struct stat info {};
  return ::lstat(rPath.c_str(), &info) == 0 && S_ISCHR(info.st_mode);
}

// A file of rSize bytes that are all holes.
inline bool MakeSparse(const std::string& rPath, std::uint64_t rSize) {
  const int fd = ::open(rPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (fd < 0) return false;
  const bool sized = ::ftruncate(fd, static_cast<off_t>(rSize)) == 0;
  ::close(fd);
  return sized;
}

}  // namespace px::test
