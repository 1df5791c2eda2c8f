#pragma once
// Runs the built px4800 in a temporary folder that is also its program folder, with
// standard input not a terminal, so that no question waits for an answer.

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "support/temp_dir.h"

namespace px::test {

struct CliResult {
  int Status = -1;
  std::string Out;
  std::string Err;
};

// rCommand runs in rDir; "px4800" in it stands for the built tool.
inline CliResult RunInFolder(const TempDir& rDir, const std::string& rProgram, const std::string& rArgs) {
  const std::string dir = rDir.Path().string();
  const std::string cmd = "cd '" + dir + "' && PX4800_HOME='" + dir + "' timeout 120 '" + rProgram +
                          "' " + rArgs + " >stdout.txt 2>stderr.txt </dev/null";
  const int raw = std::system(cmd.c_str());
  CliResult r;
  r.Status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  r.Out = ReadText(rDir.File("stdout.txt"));
  r.Err = ReadText(rDir.File("stderr.txt"));
  return r;
}

}  // namespace px::test
