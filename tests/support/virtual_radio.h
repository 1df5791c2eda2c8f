#pragma once
// px4800-sim as a child process of a test: it prints its device path as its first line,
// serves that pseudo-terminal, and saves its image when stopped with SIGTERM.

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

namespace px::test {

// The exit status of rPid, or -1 when it ended by a signal or had to be killed at rDeadline.
inline int WaitOrKill(pid_t rPid, std::chrono::steady_clock::time_point rDeadline) {
  int status = 0;
  while (std::chrono::steady_clock::now() < rDeadline) {
    const pid_t done = waitpid(rPid, &status, WNOHANG);
    if (done == rPid) return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  kill(rPid, SIGKILL);
  waitpid(rPid, &status, 0);
  return -1;
}

class VirtualRadio {
 public:
  VirtualRadio(const char* rProgram, const std::vector<std::string>& rArgs) {
    int fds[2];
    if (pipe(fds) != 0) return;
    mPid = fork();
    if (mPid == 0) {
      dup2(fds[1], 1);
      close(fds[0]);
      std::vector<char*> argv{const_cast<char*>(rProgram)};
      for (const auto& a : rArgs) argv.push_back(const_cast<char*>(a.c_str()));
      argv.push_back(nullptr);
      execv(rProgram, argv.data());
      _exit(127);
    }
    close(fds[1]);
    pollfd p{fds[0], POLLIN, 0};
    char c = 0;
    while (poll(&p, 1, 5000) == 1 && read(fds[0], &c, 1) == 1 && c != '\n') mDevice.push_back(c);
    close(fds[0]);
  }
  VirtualRadio(const VirtualRadio&) = delete;
  VirtualRadio& operator=(const VirtualRadio&) = delete;
  ~VirtualRadio() { Stop(); }

  const std::string& Device() const { return mDevice; }

  // Ends the radio; returns its exit status.
  // The radio gone at once, as a process killed or a radio switched off.
  void Kill() {
    if (mPid <= 0) return;
    kill(mPid, SIGKILL);
    mStatus = WaitOrKill(mPid, std::chrono::steady_clock::now() + std::chrono::seconds(10));
    mPid = -1;
  }

  int Stop() {
    if (mPid <= 0) return mStatus;
    kill(mPid, SIGTERM);
    mStatus = WaitOrKill(mPid, std::chrono::steady_clock::now() + std::chrono::seconds(10));
    mPid = -1;
    return mStatus;
  }

 private:
  pid_t mPid = -1;
  int mStatus = -1;
  std::string mDevice;
};

}  // namespace px::test
