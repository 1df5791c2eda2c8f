// px4800 diff: the differences between two codeplugs, field by field.

#include <string>

#include "app/app_state.h"
#include "app/language.h"
#include "cli/commands.h"
#include "edit/codeplug_diff.h"
#include "link/codeplug_source.h"

namespace px {
namespace {

constexpr OptionSpec kLang{"--lang", "", true};

constexpr std::string_view kDiffUsage =
    "Usage: px4800 diff A B [--lang en|zh]\n"
    "\n"
    "Lists what differs between two codeplugs, one line per field: channels by their\n"
    "grid label with the values as the grid and the channel editor show them\n"
    "(channel 12 Rx Frequency: 145.50000 -> 145.52500), the other settings by record\n"
    "field. A and B are each a codeplug file (.dat with its .fre) or a 16384-byte memory\n"
    "image (.img), which is decoded as a read from the radio would be.\n"
    "Exit status: 0 the same, 1 different, 2 usage error or a file that cannot be read.\n"
    "\n"
    "  --lang en|zh  language of the labels (default en)\n";

AppState LoadCodeplug(const CommandContext& rCtx, const std::string& rPath, int rLanguage) {
  AppState state;
  state.ProgramFolder = rCtx.ProgramFolder;
  SetLanguage(state, rLanguage);
  std::string error;
  std::string warning;
  if (!LoadCodeplugOrImage(rPath, state, error, &warning)) throw CommandError(error);
  if (!warning.empty()) rCtx.Err << "px4800: warning: " << warning << "\n";
  return state;
}

int RunDiff(CommandContext& rCtx) {
  const ParsedArgs args = ParseArguments(rCtx.Args, {kLang}, 2, 2);
  const int language = LanguageIndexOf(args);
  AppState a, b;
  try {
    a = LoadCodeplug(rCtx, args.Positionals[0], language);
    b = LoadCodeplug(rCtx, args.Positionals[1], language);
  } catch (const CommandError& e) {
    // "different" must not be mistaken for "could not compare".
    rCtx.Err << "px4800 diff: " << e.what() << "\n";
    return kExitUsage;
  }
  const auto differences = DiffCodeplugs(a, b);
  for (const CodeplugDifference& d : differences) rCtx.Out << DifferenceLine(d) << "\n";
  return differences.empty() ? kExitSuccess : kExitFailure;
}

const CommandRegistrar kDiffCommands(16, {
    {"diff", "list the differences between two codeplugs (.dat or .img)", kDiffUsage, RunDiff},
});

}  // namespace
}  // namespace px
