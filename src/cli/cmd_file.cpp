// The codeplug file commands: new, show, to-json, from-json.

#include <ostream>

#include "app/app_state.h"
#include "app/bands.h"
#include "app/language.h"
#include "edit/startup.h"
#include "cli/cli_files.h"
#include "cli/codeplug_json.h"
#include "cli/codeplug_report.h"
#include "cli/commands.h"
#include "codeplug/codeplug_file.h"
#include "codeplug/input_file.h"
#include "edit/codeplug_ops.h"
#include "edit/file_commands.h"
#include "codeplug/json_form.h"

namespace px {
namespace {

constexpr OptionSpec kOutput = kOutputOption;
constexpr OptionSpec kYes = kYesOption;
constexpr OptionSpec kLang{"--lang", "", true};
constexpr OptionSpec kJson = kJsonOption;

constexpr std::string_view kNewUsage =
    "Usage: px4800 new -o FILE.dat [--yes]\n"
    "\n"
    "Creates a codeplug as File > New does in the desktop program: the defaults, the\n"
    "default file from the program folder's Init/ (honouring FactoryFres of\n"
    "language/mysetup.ini), then writes FILE.dat and its channel file FILE.fre.\n"
    "\n"
    "  -o, --output FILE.dat  the codeplug file to write (\"-\": its JSON form to\n"
    "                         standard output)\n"
    "  -y, --yes              overwrite an existing file (needed without a terminal)\n";

constexpr std::string_view kShowUsage =
    "Usage: px4800 show FILE.dat [--lang en|zh] [--json]\n"
    "\n"
    "Prints the band limits, the channels as the channel grid shows them, and every\n"
    "settings page as its dialog shows it, one setting a line. The tool has no current\n"
    "band of its own: BandIndex is reported as the file holds it. FILE.dat \"-\" reads\n"
    "the JSON form from standard input.\n"
    "\n"
    "  --lang en|zh  language of the grid and page texts (default en)\n"
    "  --json        print {\"codeplug\", \"band\", \"channel_count\", \"channels\": [{\"slot\",\n"
    "                \"row\", \"rx\", \"tx\", \"name\", ...}], \"notes\", \"pages\": {KEY: {\"title\",\n"
    "                \"fields\": [{\"name\", \"label\", \"value\", \"text\"}], \"rows\": [{\"label\",\n"
    "                \"value\"}], \"tables\"}}}; field names such as Options.BatterySave are\n"
    "                stable, labels and texts follow --lang (see JSON OUTPUT in px4800(1))\n";

constexpr std::string_view kToJsonUsage =
    "Usage: px4800 to-json FILE.dat [-o OUT.json] [--yes]\n"
    "\n"
    "Writes the codeplug and its occupied channel slots as JSON (to standard output\n"
    "without -o or with -o -). Every field keeps its record name; a text field is a string of exactly\n"
    "its width, one character per stored byte (U+0000..U+00FF). BandIndex is kept as the\n"
    "file holds it.\n"
    "\n"
    "  -o, --output OUT.json  write to this file instead\n"
    "  -y, --yes              overwrite an existing file (needed without a terminal)\n";

constexpr std::string_view kFromJsonUsage =
    "Usage: px4800 from-json IN.json -o OUT.dat [--yes]\n"
    "\n"
    "Writes OUT.dat and OUT.fre from the JSON form that to-json makes (\"-\" reads standard\n"
    "input). The JSON must hold every field and nothing else; on any error the message\n"
    "names the field and nothing is written. to-json then from-json gives the same\n"
    "codeplug file byte for byte.\n"
    "\n"
    "  -o, --output OUT.dat  the codeplug file to write\n"
    "  -y, --yes             overwrite existing files (needed without a terminal)\n";

int RunNew(CommandContext& rCtx) {
  const ParsedArgs args = ParseArguments(rCtx.Args, {kOutput, kYes}, 0, 0);
  const std::string out = RequireOutput(args);
  RequireCodeplugName(out);

  AppState state = CommandState(rCtx, kEnglish);
  ReadSetupSettings(state);
  RebuildBandTexts(state);
  CreateNewCodeplug(state);
  // As a save would store it: through the saved copy, with the band index.
  CopyToSaved(state);

  ConfirmOverwrite(rCtx, args, PairPaths(out));
  WritePair(rCtx, out, state.SavedCodeplug, state.SavedChannels);
  return kExitSuccess;
}

int RunShow(CommandContext& rCtx) {
  const ParsedArgs args = ParseArguments(rCtx.Args, {kLang, kJson}, 1, 1);
  AppState state = CommandState(rCtx, LanguageIndexOf(args));
  ReadCodeplugInto(args.Positionals[0], state, rCtx.Err);
  if (args.Has(kJson.Long)) {
    rCtx.Out << JsonText(CodeplugShowJson(state, args.Positionals[0]));
    return kExitSuccess;
  }
  rCtx.Out << "Codeplug: " << args.Positionals[0] << "\n";
  WriteCodeplugReport(state, rCtx.Out);
  return kExitSuccess;
}

int RunToJson(CommandContext& rCtx) {
  const ParsedArgs args = ParseArguments(rCtx.Args, {kOutput, kYes}, 1, 1);
  AppState state = CommandState(rCtx, kEnglish);
  ReadCodeplugInto(args.Positionals[0], state, rCtx.Err);
  WriteTextOutput(rCtx, args, CodeplugToJson(state.Current, state.Channels));
  return kExitSuccess;
}

int RunFromJson(CommandContext& rCtx) {
  const ParsedArgs args = ParseArguments(rCtx.Args, {kOutput, kYes}, 1, 1);
  const std::string out = RequireOutput(args);
  RequireCodeplugName(out);
  const std::string& in = args.Positionals[0];

  Codeplug plug;
  ChannelTable channels{};
  std::string error;
  if (!CodeplugFromJson(ReadTextFile(in, kJsonCeiling), plug, channels, error))
    throw CommandError((in == "-" ? std::string("standard input") : in) + ": " + error);
  ConfirmOverwrite(rCtx, args, PairPaths(out));
  WritePair(rCtx, out, plug, channels);
  return kExitSuccess;
}

const CommandRegistrar kFileCommands(10, {
    {"new", "create a new codeplug file pair (FILE.dat, FILE.fre)", kNewUsage, RunNew},
    {"show", "print a codeplug in readable form", kShowUsage, RunShow},
    {"to-json", "convert a codeplug to JSON", kToJsonUsage, RunToJson},
    {"from-json", "convert JSON back to a codeplug file pair", kFromJsonUsage, RunFromJson},
});

}  // namespace
}  // namespace px
