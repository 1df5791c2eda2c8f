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

constexpr OptionSpec kOutput = kOutputOption;
constexpr OptionSpec kYes = kYesOption;

constexpr std::string_view kBookUsage =
    "Usage: px4800 book export FILE.dat -o NAME.cb [--yes]\n"
    "       px4800 book import FILE.dat NAME.cb\n"
    "\n"
    "export writes the communication book of FILE.dat to the book file NAME.cb (1792\n"
    "bytes: 128 entries of 14 bytes). Like every other writer it replaces an existing\n"
    "NAME.cb only with --yes or when asked on a terminal (it used to replace it\n"
    "silently). FILE.dat \"-\" reads the JSON form from standard input; -o - writes the\n"
    "book to standard output.\n"
    "import reads NAME.cb into the book of FILE.dat and writes the codeplug pair\n"
    "(FILE.dat, FILE.fre) back; NAME.cb \"-\" reads standard input. A book file that is\n"
    "not exactly 1792 bytes is refused and nothing is written.\n"
    "\n"
    "  -o, --output NAME.cb  the book file to write (export)\n"
    "  -y, --yes             overwrite an existing file (needed without a terminal)\n";

int RunExport(CommandContext& rCtx, const std::vector<std::string>& rArgs) {
  const ParsedArgs args = ParseArguments(rArgs, {kOutput, kYes}, 1, 1);
  const auto out = args.Value(kOutput.Long);
  if (!out || out->empty()) throw UsageError("missing -o NAME.cb");
  AppState state = CommandState(rCtx, kEnglish);
  ReadCodeplugInto(args.Positionals[0], state, rCtx.Err);
  WriteBytesOutput(rCtx, args, *out, SerializeBook(state.Current.Book));
  return kExitSuccess;
}

int RunImport(CommandContext& rCtx, const std::vector<std::string>& rArgs) {
  const ParsedArgs args = ParseArguments(rArgs, {}, 2, 2);
  const std::string& target = args.Positionals[0];
  if (IsStandardStream(target)) throw UsageError("book import changes FILE.dat in place; name the file");
  AppState state = CommandState(rCtx, kEnglish);
  ReadCodeplugInto(target, state, rCtx.Err);
  std::string error;
  if (IsStandardStream(args.Positionals[1])) {
    const std::string text = ReadTextFile(args.Positionals[1], kBookFileSize);
    if (!ParseBook(std::vector<Byte>(text.begin(), text.end()), state.Current.Book))
      throw CommandError("standard input is not a book file: it holds " + std::to_string(text.size()) +
                         " bytes, a book file " + std::to_string(kBookFileSize) + "; " + target + " is unchanged");
  } else if (!ReadBookFile(args.Positionals[1], state.Current.Book, error)) {
    throw CommandError(error + "; " + target + " is unchanged");
  }
  if (!WriteCodeplugFiles(target, state.Current, state.Channels, error)) throw CommandError(error);
  Tell(rCtx, "wrote " + target + " and " + SideFilePath(target));
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
