// px4800-sim: a virtual radio on a pseudo-terminal. It echoes every byte it receives, as
// the programming cable does, and answers the programming protocol from a memory image,
// optionally at the pace of a real line and with seeded faults.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/signalfd.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <fstream>
#include <iostream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "codeplug/file_bytes.h"
#include "link/radio_image.h"
#include "link/radio_responder.h"
#include "app/program_version.h"
#include "sim/sim_options.h"

namespace px::sim {
namespace {

using Clock = std::chrono::steady_clock;

struct TimedByte {
  Clock::time_point Due;
  std::uint8_t Value;
};

bool LoadImage(const std::string& rPath, RadioImage& rImage) {
  std::vector<Byte> bytes;
  std::string error;
  if (ReadFileBytes(rPath, bytes, error, rImage.size()) != FileRead::Read) return false;
  if (bytes.size() != rImage.size()) return false;
  for (std::size_t i = 0; i < bytes.size(); ++i) rImage[i] = bytes[i];
  return true;
}

bool SaveImage(const std::string& rPath, const RadioImage& rImage) {
  std::string error;
  return ReplaceFileBytes(rPath, rImage, error);
}

// The master side of a fresh pseudo-terminal. The slave is kept open here too, raw, so
// that the program may open and close it as often as it likes.
struct Pty {
  int Master = -1;
  int Slave = -1;
  std::string Path;
};

Pty OpenPty() {
  Pty p;
  p.Master = posix_openpt(O_RDWR | O_NOCTTY);
  if (p.Master < 0 || grantpt(p.Master) != 0 || unlockpt(p.Master) != 0)
    throw std::runtime_error(std::string("cannot create a pseudo-terminal: ") + std::strerror(errno));
  const char* name = ptsname(p.Master);
  if (!name) throw std::runtime_error("cannot name the pseudo-terminal");
  p.Path = name;
  p.Slave = open(name, O_RDWR | O_NOCTTY);
  if (p.Slave < 0) throw std::runtime_error("cannot open " + p.Path + ": " + std::strerror(errno));
  termios t{};
  tcgetattr(p.Slave, &t);
  cfmakeraw(&t);
  tcsetattr(p.Slave, TCSANOW, &t);
  fcntl(p.Master, F_SETFL, fcntl(p.Master, F_GETFL) | O_NONBLOCK);
  return p;
}

// A cable without CTS: while the program's side of the line asks for RTS/CTS
// handshaking, its output is stopped, so that what it writes stays in its port.
class MissingCts {
 public:
  explicit MissingCts(int rSlave) : mSlave(rSlave) {}

  // Follows the program's setting; true while its output is held.
  bool Update() {
    termios t{};
    const bool handshaking = tcgetattr(mSlave, &t) == 0 && (t.c_cflag & CRTSCTS) != 0;
    if (handshaking != mStopped) {
      tcflow(mSlave, handshaking ? TCOOFF : TCOON);
      mStopped = handshaking;
    }
    return mStopped;
  }

 private:
  int mSlave;
  bool mStopped = false;
};

class VirtualRadio {
 public:
  VirtualRadio(const SimOptions& rOptions, RadioImage& rMemory)
      : mOptions(rOptions), mMemory(rMemory), mResponder(rOptions.Profile, rMemory),
        mRandom(rOptions.Seed) {
    if (rOptions.Baud > 0)
      mByteTime = std::chrono::duration_cast<Clock::duration>(
          std::chrono::duration<double>(10.0 / rOptions.Baud));
  }

  // Bytes the program wrote: echoed, and answered once a packet is complete.
  void Receive(const std::uint8_t* rBytes, std::size_t rCount) {
    auto t = std::max(Clock::now(), mLineFree);
    for (std::size_t i = 0; i < rCount; ++i) {
      t += mByteTime;
      mOut.push_back({t, rBytes[i]});  // the cable's echo
    }
    mLineFree = t;
    for (auto& e : mResponder.Receive(std::span(rBytes, rCount))) Handle(e);
  }

  // Writes what is due; returns the time until the next byte is due (negative: none).
  Clock::duration Flush(int rFd) {
    const auto now = Clock::now();
    std::vector<std::uint8_t> due;
    while (!mOut.empty() && mOut.front().Due <= now) {
      due.push_back(mOut.front().Value);
      mOut.pop_front();
    }
    if (!due.empty() && write(rFd, due.data(), due.size()) < 0 && errno != EAGAIN) {
      std::perror("px4800-sim: write");
    }
    if (mOut.empty()) return Clock::duration(-1);
    return std::max(Clock::duration::zero(), mOut.front().Due - now);
  }

  bool Save() {
    if (mOptions.SavePath.empty()) return true;
    if (SaveImage(mOptions.SavePath, mMemory)) return true;
    std::cerr << "px4800-sim: cannot write " << mOptions.SavePath << "\n";
    return false;
  }

  int RefusedWrites() const { return mRefusedWrites; }

 private:
  void Handle(RadioResponder::Event& rEvent) {
    switch (rEvent.What) {
      case RadioResponder::Event::Ended:
        Save();
        return;
      case RadioResponder::Event::WriteRefused:
        ++mRefusedWrites;
        std::fprintf(stderr, "px4800-sim: write block at 0x%04X refused (only 0x0100-0x3FF0)\n",
                     rEvent.Address);
        return;
      case RadioResponder::Event::Reply:
        break;
    }
    const long index = mReplies++;
    // Every reply draws the same numbers whatever is enabled, so a seed always gives
    // the same faults.
    std::uniform_real_distribution<double> chance(0.0, 1.0);
    const double drop = chance(mRandom), nak = chance(mRandom), corrupt = chance(mRandom);
    const std::size_t where = mRandom();
    const auto flip = static_cast<std::uint8_t>(1 + mRandom() % 255);
    if (Silent(index) || drop < mOptions.Drop) return;
    Packet reply = std::move(rEvent.Bytes);
    if (rEvent.Request == 0x57 && reply == Packet{kAckByte} && nak < mOptions.Nak)
      reply = {kResendByte};
    if (rEvent.Request == 0x57 && reply == Packet{kAckByte} && mOptions.StoreFaults > 0) {
      // Drawn only when asked for, so the other faults of a seed stay where they were.
      const bool damage = chance(mRandom) < mOptions.StoreFaults;
      const auto cell = static_cast<std::size_t>(rEvent.Address) + mRandom() % 16;
      if (damage && cell < mMemory.size()) mMemory[cell] ^= flip;
    }
    // The identification record carries no check the program could apply, so only
    // replies that can be checked are damaged.
    if (rEvent.Request != 0x02 && corrupt < mOptions.Corrupt) reply[where % reply.size()] ^= flip;
    auto t = mLineFree + std::chrono::microseconds(mOptions.Baud > 0 ? mOptions.TurnaroundMicros : 0);
    t = std::max(t, Clock::now());
    for (auto b : reply) {
      t += mByteTime;
      mOut.push_back({t, b});
    }
    mLineFree = t;
  }

  bool Silent(long rIndex) const {
    if (mOptions.SilentAfter < 0 || rIndex < mOptions.SilentAfter) return false;
    return mOptions.SilentFor < 0 || rIndex < mOptions.SilentAfter + mOptions.SilentFor;
  }

  const SimOptions& mOptions;
  RadioImage& mMemory;
  RadioResponder mResponder;
  std::mt19937 mRandom;
  Clock::duration mByteTime = Clock::duration::zero();
  Clock::time_point mLineFree = Clock::now();
  std::deque<TimedByte> mOut;
  long mReplies = 0;
  int mRefusedWrites = 0;
};

int Run(const SimOptions& rOptions) {
  RadioImage memory{};
  if (rOptions.ImagePath.empty()) {
    PreFillImage(memory);
  } else if (!LoadImage(rOptions.ImagePath, memory)) {
    std::cerr << "px4800-sim: " << rOptions.ImagePath << " is not a 16384-byte image\n";
    return 2;
  }
  if (rOptions.Password) SetRadioPassword(memory, *rOptions.Password);

  sigset_t signals;
  sigemptyset(&signals);
  sigaddset(&signals, SIGTERM);
  sigaddset(&signals, SIGINT);
  sigaddset(&signals, SIGHUP);
  sigprocmask(SIG_BLOCK, &signals, nullptr);
  const int signalFd = signalfd(-1, &signals, SFD_NONBLOCK);

  // Bytes are due to the microsecond; the default timer slack would make every wait
  // of the line's pacing up to 50 us late.
  prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
  const Pty pty = OpenPty();
  std::cout << pty.Path << std::endl;

  VirtualRadio radio(rOptions, memory);
  MissingCts missingCts(pty.Slave);
  std::vector<std::uint8_t> buffer(4096);
  for (;;) {
    // Nanosecond waits: a line byte lasts about a millisecond at 9600 baud. Without
    // CTS the program's settings are followed every millisecond.
    const auto wait = radio.Flush(pty.Master);
    const bool held = rOptions.NoCts && missingCts.Update();
    auto idle = wait.count() < 0 ? Clock::duration(std::chrono::seconds(1)) : wait;
    if (rOptions.NoCts) idle = std::min<Clock::duration>(idle, std::chrono::milliseconds(1));
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(idle).count();
    const timespec timeout{static_cast<time_t>(ns / 1000000000), static_cast<long>(ns % 1000000000)};
    pollfd fds[2] = {{pty.Master, POLLIN, 0}, {signalFd, POLLIN, 0}};
    const int ready = ppoll(fds, 2, &timeout, nullptr);
    if (ready < 0 && errno != EINTR) break;
    if (fds[1].revents & POLLIN) break;
    if (fds[0].revents & POLLIN) {
      const ssize_t n = read(pty.Master, buffer.data(), buffer.size());
      // Bytes written before the stop took hold would not have passed the real line.
      const bool stillHeld = rOptions.NoCts && (held || missingCts.Update());
      if (n > 0 && !stillHeld) radio.Receive(buffer.data(), static_cast<std::size_t>(n));
    }
  }
  const bool saved = radio.Save();
  return !saved ? 1 : radio.RefusedWrites() > 0 ? 3 : 0;
}

}  // namespace
}  // namespace px::sim

int main(int argc, char** argv) {
  try {
    const auto options = px::sim::ParseSimOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (options.Help) {
      std::cout << px::sim::kSimUsage;
      return 0;
    }
    if (options.Version) {
      std::cout << "px4800-sim " << px::ProgramVersion() << "\n";
      return 0;
    }
    return px::sim::Run(options);
  } catch (const std::invalid_argument& e) {
    std::cerr << "px4800-sim: " << e.what() << "\n" << px::sim::kSimUsage;
    return 2;
  } catch (const std::exception& e) {
    std::cerr << "px4800-sim: " << e.what() << "\n";
    return 1;
  }
}
