#pragma once
// A running px4800-sim on its pseudo-terminal, for tests that drive it from this process.
// Stopped with SIGTERM (which makes it save) when destroyed. PX_SIM names the program.

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

namespace px::test {

class SimProcess {
 public:
  explicit SimProcess(const std::vector<std::string>& rArgs) {
    int fds[2];
    if (pipe(fds) != 0) return;
    mPid = fork();
    if (mPid == 0) {
      dup2(fds[1], 1);
      close(fds[0]);
      std::vector<char*> argv{const_cast<char*>(PX_SIM)};
      for (const auto& a : rArgs) argv.push_back(const_cast<char*>(a.c_str()));
      argv.push_back(nullptr);
      execv(PX_SIM, argv.data());
      _exit(127);
    }
    close(fds[1]);
    // The first line it prints is its device.
    pollfd p{fds[0], POLLIN, 0};
    char c = 0;
    while (poll(&p, 1, 5000) == 1 && read(fds[0], &c, 1) == 1 && c != '\n') mDevice.push_back(c);
    close(fds[0]);
  }
  ~SimProcess() { Stop(); }
  SimProcess(const SimProcess&) = delete;
  SimProcess& operator=(const SimProcess&) = delete;

  const std::string& Device() const { return mDevice; }

  // Ends the radio (it saves first); its exit status, -1 when it had to be killed.
  int Stop() {
    if (mPid <= 0) return mStatus;
    kill(mPid, SIGTERM);
    int status = 0;
    pid_t done = 0;
    for (int i = 0; i < 1000 && (done = waitpid(mPid, &status, WNOHANG)) == 0; ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    if (done == mPid) {
      mStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    } else {
      kill(mPid, SIGKILL);
      waitpid(mPid, &status, 0);
      mStatus = -1;
    }
    mPid = -1;
    return mStatus;
  }

 private:
  pid_t mPid = -1;
  int mStatus = -1;
  std::string mDevice;
};

}  // namespace px::test
