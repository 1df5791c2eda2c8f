// px4800 diff: the differences between two codeplugs, field by field.

#include <string>

#include "app/app_state.h"
#include "app/language.h"
#include "cli/cli_files.h"
#include "cli/commands.h"
#include "codeplug/input_file.h"
#include "edit/codeplug_diff.h"
#include "link/codec.h"
#include "link/codeplug_source.h"

namespace px {
namespace {

constexpr OptionSpec kLang{"--lang", "", true};
constexpr OptionSpec kJson = kJsonOption;

constexpr std::string_view kDiffUsage =
    "Usage: px4800 diff A B [--lang en|zh] [--json]\n"
    "\n"
    "Lists what differs between two codeplugs, one line per field: channels by their\n"
    "grid label with the values as the grid and the channel editor show them\n"
    "(channel 12 Rx Frequency: 145.50000 -> 145.52500), the other settings by record\n"
    "field. A and B are each a codeplug file (.dat with its .fre) or a 16384-byte memory\n"
    "image (.img), which is decoded as a read from the radio would be. One of them may\n"
    "be \"-\": standard input, holding an image (16384 bytes) or the JSON form.\n"
    "Exit status: 0 the same, 1 different, 2 usage error or a file that cannot be read.\n"
    "\n"
    "  --lang en|zh  language of the labels (default en)\n"
    "  --json        print {\"same\": BOOL, \"differences\": [{\"where\": TEXT,\n"
    "                \"before\": TEXT, \"after\": TEXT}, ...]} (A is before, B after)\n";

AppState LoadCodeplug(const CommandContext& rCtx, const std::string& rPath, int rLanguage) {
  AppState state;
  state.ProgramFolder = rCtx.ProgramFolder;
  SetLanguage(state, rLanguage);
  if (IsStandardStream(rPath)) {
    const std::string bytes = ReadTextFile(rPath, kJsonCeiling);
    if (bytes.size() == kImageSize && !bytes.starts_with('{')) {
      DecodeCodeplug(state, RequireImageBytes(bytes, "standard input"));
    } else {
      ReadCodeplugJsonInto(bytes, "standard input", state);
    }
    return state;
  }
  std::string error;
  std::string warning;
  if (!LoadCodeplugOrImage(rPath, state, error, &warning)) throw CommandError(error);
  if (!warning.empty()) rCtx.Err << "px4800: warning: " << warning << "\n";
  return state;
}

int RunDiff(CommandContext& rCtx) {
  const ParsedArgs args = ParseArguments(rCtx.Args, {kLang, kJson}, 2, 2);
  const int language = LanguageIndexOf(args);
  if (IsStandardStream(args.Positionals[0]) && IsStandardStream(args.Positionals[1]))
    throw UsageError("only one of A and B can be standard input");
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
  if (args.Has(kJson.Long)) {
    nlohmann::ordered_json json;
    json["same"] = differences.empty();
    json["differences"] = nlohmann::ordered_json::array();
    for (const CodeplugDifference& d : differences)
      json["differences"].push_back({{"where", d.Where}, {"before", d.Before}, {"after", d.After}});
    rCtx.Out << JsonText(json);
  } else {
    for (const CodeplugDifference& d : differences) rCtx.Out << DifferenceLine(d) << "\n";
  }
  return differences.empty() ? kExitSuccess : kExitFailure;
}

const CommandRegistrar kDiffCommands(16, {
    {"diff", "list the differences between two codeplugs (.dat or .img)", kDiffUsage, RunDiff},
});

}  // namespace
}  // namespace px
