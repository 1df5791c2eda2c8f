#pragma once
// Child processes of the link benchmarks: the programs beside the benchmark binary, run
// with a private program folder and killed when they overstay.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

namespace px::bench {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

inline std::string Sibling(const char* rName) {
  return (fs::read_symlink("/proc/self/exe").parent_path() / rName).string();
}

inline pid_t Spawn(const std::vector<std::string>& rArgs, int rStdout, const fs::path& rHome) {
  const pid_t pid = fork();
  if (pid == 0) {
    const int null = open("/dev/null", O_RDWR);
    dup2(null, 0);
    dup2(rStdout >= 0 ? rStdout : null, 1);
    dup2(null, 2);
    setenv("PX4800_HOME", rHome.c_str(), 1);
    setenv("XDG_DATA_HOME", (rHome / "data").c_str(), 1);
    std::vector<char*> argv;
    for (const auto& a : rArgs) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    _exit(127);
  }
  return pid;
}

inline int WaitFor(pid_t rPid, std::chrono::seconds rLimit) {
  const auto deadline = Clock::now() + rLimit;
  int status = 0;
  while (Clock::now() < deadline) {
    if (waitpid(rPid, &status, WNOHANG) == rPid) return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    usleep(2000);
  }
  kill(rPid, SIGKILL);
  waitpid(rPid, &status, 0);
  return -1;
}

// Starts px4800-sim with rArgs; returns its pid and the device path it printed.
inline pid_t StartSim(const std::vector<std::string>& rArgs, const fs::path& rHome, std::string& rDevice) {
  int out[2];
  if (pipe(out) != 0) return -1;
  std::vector<std::string> args{Sibling("px4800-sim")};
  args.insert(args.end(), rArgs.begin(), rArgs.end());
  const pid_t sim = Spawn(args, out[1], rHome);
  close(out[1]);
  rDevice.clear();
  char c = 0;
  pollfd p{out[0], POLLIN, 0};
  while (poll(&p, 1, 5000) == 1 && read(out[0], &c, 1) == 1 && c != '\n') rDevice.push_back(c);
  close(out[0]);
  return sim;
}

}  // namespace px::bench
