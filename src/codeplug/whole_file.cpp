#include "codeplug/whole_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

namespace px {
namespace {

std::string SystemReason() { return std::strerror(errno); }

}  // namespace

bool ReadWholeFile(const std::string& rPath, std::vector<Byte>& rBytes, std::string& rError) {
  std::ifstream in(rPath, std::ios::binary);
  if (!in) {
    rError = "cannot open " + rPath + ": " + SystemReason();
    return false;
  }
  rBytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (in.bad()) {
    rError = "cannot read " + rPath + ": " + SystemReason();
    return false;
  }
  return true;
}

bool ReplaceFile(const std::string& rPath, const std::vector<Byte>& rBytes, std::string& rError) {
  const std::string temp = rPath + ".tmp~";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) {
      rError = "cannot write " + rPath + ": " + SystemReason();
      return false;
    }
    out.write(reinterpret_cast<const char*>(rBytes.data()),
              static_cast<std::streamsize>(rBytes.size()));
    out.flush();
    if (!out) {
      rError = "cannot write " + rPath + ": " + SystemReason();
      out.close();
      std::remove(temp.c_str());
      return false;
    }
  }
  if (std::rename(temp.c_str(), rPath.c_str()) != 0) {
    rError = "cannot replace " + rPath + ": " + SystemReason();
    std::remove(temp.c_str());
    return false;
  }
  return true;
}

}  // namespace px
