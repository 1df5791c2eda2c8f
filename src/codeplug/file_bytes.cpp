#include "codeplug/file_bytes.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "codeplug/input_file.h"
#include "codeplug/output_file.h"

namespace px {
namespace {

std::string Reason(int rErrno) { return std::strerror(rErrno); }

std::string TempPathOf(const std::string& rPath) { return rPath + ".tmp~"; }

std::string CannotWrite(const std::string& rPath, int rErrno) {
  return "cannot write " + rPath + ": " + Reason(rErrno);
}

}  // namespace

FileRead ReadFileBytes(const std::string& rPath, std::vector<Byte>& rBytes, std::string& rError,
                       std::size_t rCeiling, std::uintmax_t* rSize) {
  InputFile file = ReadInputFile(rPath, rCeiling);
  rBytes = std::move(file.Bytes);
  if (rSize) *rSize = file.Size;
  if (file.Result != InputRead::Read) rError = file.Error;
  switch (file.Result) {
    case InputRead::Read: return FileRead::Read;
    case InputRead::Missing: return FileRead::Missing;
    case InputRead::TooLarge: return FileRead::TooLarge;
    case InputRead::Failed: break;
  }
  return FileRead::Failed;
}

bool WriteTemporaryFor(const std::string& rPath, std::span<const Byte> rBytes, std::string& rError) {
  if (std::string problem = OutputTargetProblem(rPath); !problem.empty()) {
    rError = std::move(problem);
    return false;
  }
  const std::string temp = TempPathOf(rPath);
  // A pipe or device left under the temporary name must not be written into either.
  if (!OutputTargetProblem(temp).empty()) {
    rError = temp + " is not a regular file";
    return false;
  }
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
  if (fd < 0) {
    rError = CannotWrite(rPath, errno);
    return false;
  }
  std::size_t done = 0;
  int error = 0;
  while (done < rBytes.size()) {
    const ssize_t put = ::write(fd, rBytes.data() + done, rBytes.size() - done);
    if (put < 0) {
      if (errno == EINTR) continue;
      error = errno;
      break;
    }
    done += static_cast<std::size_t>(put);
  }
  // On the disk before any rename, so that a crash after it finds the new bytes.
  if (error == 0 && ::fsync(fd) != 0) error = errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error != 0) {
    std::remove(temp.c_str());
    rError = CannotWrite(rPath, error);
    return false;
  }
  return true;
}

bool RenameTemporaryOver(const std::string& rPath, std::string& rError) {
  const std::string temp = TempPathOf(rPath);
  if (std::rename(temp.c_str(), rPath.c_str()) != 0) {
    const int error = errno;
    std::remove(temp.c_str());
    rError = CannotWrite(rPath, error);
    return false;
  }
  return true;
}

void DiscardTemporaryFor(const std::string& rPath) { std::remove(TempPathOf(rPath).c_str()); }

bool ReplaceFileBytes(const std::string& rPath, std::span<const Byte> rBytes, std::string& rError) {
  return WriteTemporaryFor(rPath, rBytes, rError) && RenameTemporaryOver(rPath, rError);
}

std::string OutputProblem(const std::string& rPath) {
  if (std::string problem = OutputTargetProblem(rPath); !problem.empty()) return problem;
  // Trying is the only sure test: permissions, read-only mounts and missing folders all
  // show up here.
  const std::string temp = TempPathOf(rPath);
  if (!OutputTargetProblem(temp).empty()) return temp + " is not a regular file";
  std::FILE* file = std::fopen(temp.c_str(), "wb");
  if (!file) return CannotWrite(rPath, errno);
  std::fclose(file);
  std::remove(temp.c_str());
  return {};
}

}  // namespace px
