#pragma once
// The px4800 command table. Every command file registers its commands with one
// CommandRegistrar at namespace scope, e.g. in cmd_file.cpp:
//
//   const CommandRegistrar kFileCommands(10, {
//       {"new", "create a new codeplug", kNewUsage, RunNew},
//       ...});
//
// main() dispatches on the first word. A handler returns an ExitStatus; it may also
// throw UsageError (status 2, the message and a usage hint on stderr) or CommandError
// (status 1, the message on stderr). "--help" anywhere after the command name prints
// the command's usage instead of running it, as does "px4800 help NAME". "--quiet"
// anywhere before "--" is taken by the tool itself and sets CommandContext::Quiet.

#include <cstddef>
#include <initializer_list>
#include <map>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace px {

enum ExitStatus : int { kExitSuccess = 0, kExitFailure = 1, kExitUsage = 2 };

class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class CommandError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct CommandContext {
  std::string ProgramFolder;       // where Init/ and language/ are looked up
  std::vector<std::string> Args;   // the words after the command name
  std::ostream& Out;
  std::ostream& Err;
  int& Argc;                       // main's arguments, for QCoreApplication
  char** Argv;
  bool Quiet = false;              // --quiet: no "wrote ..." or backup lines
};

using CommandHandler = int (*)(CommandContext& rCtx);

struct Command {
  std::string_view Name;
  std::string_view Summary;  // one line for the command list
  std::string_view Usage;    // "Usage: px4800 ..." line(s), then the options, for --help
  CommandHandler Handler;
  // Help lines made when help is shown, after Usage: texts drawn from tables that other
  // files fill, which do not exist yet while the registrars run.
  std::string (*UsageMore)() = nullptr;
};

class CommandRegistrar {
 public:
  // rRank orders the groups in the command list (files 10, image codec 20, radio 30).
  CommandRegistrar(int rRank, std::initializer_list<Command> rCommands);
};

// Every registered command, by rank and then in registration order.
std::vector<Command> AllCommands();
const Command* FindCommand(std::string_view rName);

// Options of one command. Long is "--output"; Short may be empty or "-o".
struct OptionSpec {
  std::string_view Long;
  std::string_view Short;
  bool TakesValue = false;
};

class ParsedArgs {
 public:
  std::vector<std::string> Positionals;

  bool Has(std::string_view rLong) const { return mValues.count(std::string(rLong)) != 0; }
  // The value given to an option that takes one, or nullopt when it was not given.
  std::optional<std::string> Value(std::string_view rLong) const;
  void Set(std::string_view rLong, std::string rValue) { mValues[std::string(rLong)] = std::move(rValue); }

 private:
  std::map<std::string, std::string> mValues;
};

// Splits rArgs into options and positionals ("--" ends the options; "--name=value" and
// "-oVALUE" are accepted for options with a value). Throws UsageError for an unknown option, a
// missing option value, or a positional count outside rMinPositionals..rMaxPositionals.
ParsedArgs ParseArguments(const std::vector<std::string>& rArgs,
                          std::initializer_list<OptionSpec> rOptions, std::size_t rMinPositionals,
                          std::size_t rMaxPositionals);

// --json: what a script reads, in the shape the manual page documents.
inline constexpr OptionSpec kJsonOption{"--json", "", false};

// The language option shared by commands that print interface texts:
// "--lang en" (default) gives 1, "--lang zh" gives 2; anything else is a UsageError.
short LanguageIndexOf(const ParsedArgs& rArgs);

// The tool's own help: the command list and what every command shares.
void PrintToolHelp(std::ostream& rOut);
// "px4800 NAME - summary", a blank line and the command's usage.
void PrintCommandHelp(const Command& rCommand, std::ostream& rOut);

// The whole tool: dispatch, help and exit status. rArgs are argv[1..].
int RunCommandLine(const std::vector<std::string>& rArgs, const std::string& rProgramFolder,
                   std::ostream& rOut, std::ostream& rErr, int& rArgc, char** rArgv);

}  // namespace px
