#include "codeplug/input_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>

namespace px {
namespace {

std::string CannotRead(const std::string& rPath, int rErrno) {
  return "cannot read " + rPath + ": " + std::strerror(rErrno);
}

std::string TooLargeText(const std::string& rWhat, std::uintmax_t rSize, std::size_t rCeiling) {
  return rWhat + " is " + std::to_string(rSize) + " bytes long; at most " + std::to_string(rCeiling) +
         " bytes are read";
}

// Reads until end of file or rLimit bytes; false with errno set on a read error.
bool ReadUpTo(int rFd, std::size_t rLimit, std::vector<Byte>& rBytes) {
  Byte chunk[16384];
  while (rBytes.size() < rLimit) {
    const std::size_t want = std::min(sizeof chunk, rLimit - rBytes.size());
    const ssize_t got = ::read(rFd, chunk, want);
    if (got < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (got == 0) break;
    rBytes.insert(rBytes.end(), chunk, chunk + got);
  }
  return true;
}

class Descriptor {
 public:
  explicit Descriptor(int rFd) : mFd(rFd) {}
  ~Descriptor() {
    if (mFd >= 0) ::close(mFd);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int Get() const { return mFd; }

 private:
  int mFd;
};

}  // namespace

InputFile ReadInputFile(const std::string& rPath, std::size_t rCeiling) {
  InputFile file;
  // O_NONBLOCK: opening a pipe nobody writes to returns at once instead of waiting.
  const Descriptor fd(::open(rPath.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (fd.Get() < 0) {
    const int error = errno;
    file.Error = CannotRead(rPath, error);
    file.Result = error == ENOENT ? InputRead::Missing : InputRead::Failed;
    return file;
  }
  struct stat info {};
  if (::fstat(fd.Get(), &info) != 0) {
    file.Error = CannotRead(rPath, errno);
    return file;
  }
  if (S_ISDIR(info.st_mode)) {
    file.Error = CannotRead(rPath, EISDIR);
    return file;
  }
  if (!S_ISREG(info.st_mode)) {
    file.Error = rPath + " is not a regular file";
    return file;
  }
  file.Size = static_cast<std::uintmax_t>(info.st_size);
  if (file.Size > rCeiling) {
    file.Result = InputRead::TooLarge;
    file.Error = TooLargeText(rPath, file.Size, rCeiling);
    return file;
  }
  const int flags = ::fcntl(fd.Get(), F_GETFL);
  if (flags >= 0) ::fcntl(fd.Get(), F_SETFL, flags & ~O_NONBLOCK);
  try {
    file.Bytes.reserve(static_cast<std::size_t>(file.Size));
    // One byte past the ceiling tells a file that grew since fstat.
    if (!ReadUpTo(fd.Get(), rCeiling + 1, file.Bytes)) {
      file.Error = CannotRead(rPath, errno);
      file.Bytes.clear();
      return file;
    }
  } catch (const std::bad_alloc&) {
    file.Bytes = {};
    file.Error = CannotRead(rPath, ENOMEM);
    return file;
  }
  if (file.Bytes.size() > rCeiling) {
    file.Bytes = {};
    file.Result = InputRead::TooLarge;
    file.Size = std::max<std::uintmax_t>(file.Size, rCeiling + 1);
    file.Error = TooLargeText(rPath, file.Size, rCeiling);
    return file;
  }
  file.Size = file.Bytes.size();
  file.Result = InputRead::Read;
  return file;
}

InputFile ReadStandardInput(std::size_t rCeiling) {
  InputFile file;
  try {
    if (!ReadUpTo(STDIN_FILENO, rCeiling + 1, file.Bytes)) {
      file.Error = std::string("cannot read standard input: ") + std::strerror(errno);
      file.Bytes.clear();
      return file;
    }
  } catch (const std::bad_alloc&) {
    file.Bytes = {};
    file.Error = std::string("cannot read standard input: ") + std::strerror(ENOMEM);
    return file;
  }
  file.Size = file.Bytes.size();
  if (file.Size > rCeiling) {
    file.Bytes = {};
    file.Result = InputRead::TooLarge;
    file.Error = "standard input is larger than " + std::to_string(rCeiling) + " bytes, the most that is read";
    return file;
  }
  file.Result = InputRead::Read;
  return file;
}

}  // namespace px
