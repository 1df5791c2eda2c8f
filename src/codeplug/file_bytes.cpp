#include "codeplug/file_bytes.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace px {
namespace {

std::string Reason(int rErrno) { return std::strerror(rErrno); }

std::string TempPathOf(const std::string& rPath) { return rPath + ".tmp~"; }

// The target must not be a folder: renaming over one would fail only at the end, and an
// empty folder would even be replaced.
bool IsFolder(const std::string& rPath) {
  std::error_code ec;
  return std::filesystem::is_directory(rPath, ec);
}

}  // namespace

FileRead ReadFileBytes(const std::string& rPath, std::vector<Byte>& rBytes, std::string& rError) {
  rBytes.clear();
  std::FILE* file = std::fopen(rPath.c_str(), "rb");
  if (!file) {
    const int error = errno;
    rError = "cannot read " + rPath + ": " + Reason(error);
    return error == ENOENT ? FileRead::Missing : FileRead::Failed;
  }
  Byte chunk[8192];
  for (;;) {
    const std::size_t got = std::fread(chunk, 1, sizeof chunk, file);
    rBytes.insert(rBytes.end(), chunk, chunk + got);
    if (got < sizeof chunk) break;
  }
  const int error = errno;
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) {
    rBytes.clear();
    rError = "cannot read " + rPath + ": " + Reason(error);
    return FileRead::Failed;
  }
  return FileRead::Read;
}

bool ReplaceFileBytes(const std::string& rPath, std::span<const Byte> rBytes, std::string& rError) {
  if (IsFolder(rPath)) {
    rError = "cannot write " + rPath + ": " + Reason(EISDIR);
    return false;
  }
  const std::string temp = TempPathOf(rPath);
  std::FILE* file = std::fopen(temp.c_str(), "wb");
  if (!file) {
    rError = "cannot write " + rPath + ": " + Reason(errno);
    return false;
  }
  // An empty side file is a file too; fwrite must not see the null data of an empty span.
  const bool written = rBytes.empty() || std::fwrite(rBytes.data(), 1, rBytes.size(), file) == rBytes.size();
  int error = errno;
  const bool closed = std::fclose(file) == 0;
  if (written && !closed) error = errno;
  if (!written || !closed) {
    std::remove(temp.c_str());
    rError = "cannot write " + rPath + ": " + Reason(error);
    return false;
  }
  if (std::rename(temp.c_str(), rPath.c_str()) != 0) {
    error = errno;
    std::remove(temp.c_str());
    rError = "cannot write " + rPath + ": " + Reason(error);
    return false;
  }
  return true;
}

std::string OutputProblem(const std::string& rPath) {
  if (IsFolder(rPath)) return "cannot write " + rPath + ": " + Reason(EISDIR);
  // Trying is the only sure test: permissions, read-only mounts and missing folders all
  // show up here.
  const std::string temp = TempPathOf(rPath);
  std::FILE* file = std::fopen(temp.c_str(), "wb");
  if (!file) return "cannot write " + rPath + ": " + Reason(errno);
  std::fclose(file);
  std::remove(temp.c_str());
  return {};
}

}  // namespace px
