#pragma once
// A timestamped hexadecimal log of every byte that goes over the cable, for finding out
// what a radio or a cable really does.

#include <chrono>
#include <cstdint>
#include <fstream>
#include <span>
#include <string>

namespace px {

class LinkTrace {
 public:
  // False when the file cannot be created.
  bool Open(const std::string& rPath);
  bool IsOpen() const { return mOut.is_open(); }

  void Sent(std::span<const std::uint8_t> rBytes) { Line("send", rBytes); }
  void Received(std::span<const std::uint8_t> rBytes) { Line("recv", rBytes); }
  void Note(const std::string& rText);

 private:
  void Stamp();
  void Line(const char* rWhat, std::span<const std::uint8_t> rBytes);

  std::ofstream mOut;
  std::chrono::steady_clock::time_point mStart;
};

}  // namespace px
