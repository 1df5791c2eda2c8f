// px4800: the command-line tool. The commands register themselves (see commands.h).

#include <iostream>
#include <string>
#include <vector>

#include "app/program_folder.h"
#include "cli/commands.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  const std::string folder = px::LocateProgramFolders(argc > 0 ? argv[0] : "/proc/self/exe").Program;
  const int status = px::RunCommandLine(args, folder, std::cout, std::cerr, argc, argv);
  std::cout.flush();
  return status;
}
