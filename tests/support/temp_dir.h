#pragma once
// A fresh folder under the system's temporary folder, removed with its contents at the end.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace px::test {

class TempDir {
 public:
  TempDir() {
    std::random_device rd;
    mPath = std::filesystem::temp_directory_path() /
            ("px4800-test-" + std::to_string(rd()) + std::to_string(rd()));
    std::filesystem::create_directories(mPath);
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(mPath, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& Path() const { return mPath; }
  std::string File(const std::string& rName) const { return (mPath / rName).string(); }

 private:
  std::filesystem::path mPath;
};

inline std::vector<unsigned char> ReadBytes(const std::string& rPath) {
  std::ifstream in(rPath, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A whole file as text; empty when it cannot be read.
inline std::string ReadText(const std::filesystem::path& rPath) {
  std::ifstream in(rPath, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::string& rPath, const std::vector<unsigned char>& rBytes) {
  std::ofstream out(rPath, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(rBytes.data()), static_cast<std::streamsize>(rBytes.size()));
}

}  // namespace px::test
