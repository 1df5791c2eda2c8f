#include "platform/trace.h"

#include <ctime>
#include <iomanip>

namespace px {

bool LinkTrace::Open(const std::string& rPath) {
  mOut.open(rPath, std::ios::out | std::ios::trunc);
  if (!mOut) return false;
  mStart = std::chrono::steady_clock::now();
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  mOut << "# px4800 link trace, started " << std::put_time(&local, "%Y-%m-%d %H:%M:%S")
       << "; times in seconds from the start\n";
  return true;
}

void LinkTrace::Stamp() {
  const auto elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - mStart);
  mOut << std::fixed << std::setprecision(6) << std::setw(11) << elapsed.count() << ' ';
}

void LinkTrace::Note(const std::string& rText) {
  if (!mOut.is_open()) return;
  Stamp();
  mOut << "note " << rText << '\n';
  mOut.flush();
}

void LinkTrace::Line(const char* rWhat, std::span<const std::uint8_t> rBytes) {
  if (!mOut.is_open()) return;
  Stamp();
  mOut << rWhat << ' ' << std::setw(3) << std::setfill(' ') << std::dec << rBytes.size() << ':';
  for (auto b : rBytes)
    mOut << ' ' << std::hex << std::uppercase << std::setw(2) << std::setfill('0')
         << static_cast<int>(b) << std::setfill(' ') << std::dec;
  mOut << '\n';
  mOut.flush();
}

}  // namespace px
