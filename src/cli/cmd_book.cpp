// The communication book commands: book export, book import.

#include <string>

#include "app/app_state.h"
#include "app/language.h"
#include "cli/cli_files.h"
#include "cli/commands.h"
#include "codeplug/book_file.h"
#include "codeplug/codeplug_file.h"

namespace px {
namespace {

constexpr OptionSpec kOutput{"--output", "-o", true};

constexpr std::string_view kBookUsage =
    "Usage: px4800 book export FILE.dat -o NAME.cb\n"
    "       px4800 book import FILE.dat NAME.cb\n"
    "\n"
    "export writes the communication book of FILE.dat to the book file NAME.cb (1792\n"
    "bytes: 128 entries of 14 bytes); an existing NAME.cb is replaced.\n"
    "import reads NAME.cb into the book of FILE.dat and writes the codeplug pair\n"
    "(FILE.dat, FILE.fre) back. A book file that is not exactly 1792 bytes is refused\n"
    "and nothing is written.\n"
    "\n"
    "  -o, --output NAME.cb  the book file to write (export)\n";

int RunExport(CommandContext& rCtx, const std::vector<std::string>& rArgs) {
  const ParsedArgs args = ParseArguments(rArgs, {kOutput}, 1, 1);
  const auto out = args.Value(kOutput.Long);
  if (!out || out->empty()) throw UsageError("missing -o NAME.cb");
  AppState state = CommandState(rCtx, kEnglish);
  ReadCodeplugInto(args.Positionals[0], state, rCtx.Err);
  std::string error;
  if (!WriteBookFile(*out, state.Current.Book, error)) throw CommandError(error);
  rCtx.Err << "px4800: wrote " << *out << "\n";
  return kExitSuccess;
}

int RunImport(CommandContext& rCtx, const std::vector<std::string>& rArgs) {
  const ParsedArgs args = ParseArguments(rArgs, {}, 2, 2);
  const std::string& target = args.Positionals[0];
  AppState state = CommandState(rCtx, kEnglish);
  ReadCodeplugInto(target, state, rCtx.Err);
  std::string error;
  if (!ReadBookFile(args.Positionals[1], state.Current.Book, error))
    throw CommandError(error + "; " + target + " is unchanged");
  if (!WriteCodeplugFiles(target, state.Current, state.Channels, error)) throw CommandError(error);
  rCtx.Err << "px4800: wrote " << target << " and " << SideFilePath(target) << "\n";
  return kExitSuccess;
}

int RunBook(CommandContext& rCtx) {
  if (rCtx.Args.empty()) throw UsageError("missing 'export' or 'import'");
  const std::vector<std::string> rest(rCtx.Args.begin() + 1, rCtx.Args.end());
  if (rCtx.Args[0] == "export") return RunExport(rCtx, rest);
  if (rCtx.Args[0] == "import") return RunImport(rCtx, rest);
  throw UsageError("unknown book command '" + rCtx.Args[0] + "'; use 'export' or 'import'");
}

const CommandRegistrar kBookCommands(15, {
    {"book", "export or import the communication book file (NAME.cb)", kBookUsage, RunBook},
});

}  // namespace
}  // namespace px
