// The channel list commands: export-csv and import-csv.

#include "app/app_state.h"
#include "app/language.h"
#include "cli/cli_files.h"
#include "cli/commands.h"
#include "codeplug/codeplug_file.h"
#include "codeplug/input_file.h"
#include "edit/channel_csv.h"
#include "edit/codeplug_ops.h"
#include "edit/import_report.h"

namespace px {
namespace {

constexpr OptionSpec kOutput = kOutputOption;
constexpr OptionSpec kYes = kYesOption;
constexpr OptionSpec kSkipBad{"--skip-bad", "", false};
constexpr OptionSpec kLang{"--lang", "", true};

constexpr std::string_view kExportUsage =
    "Usage: px4800 export-csv FILE.dat [-o CHANNELS.csv] [--yes]\n"
    "\n"
    "Writes the memory channels (locations 0 to 199) as a channel-list CSV: Location,\n"
    "Name, Frequency, Duplex, Offset, Tone, rToneFreq, cToneFreq, DtcsCode, DtcsPolarity,\n"
    "RxDtcsCode, CrossMode, Mode, TStep, Skip, Power and the columns other radios use.\n"
    "Settings the layout has no column for (signalling, talkaround, ...) are left out.\n"
    "FILE.dat \"-\" reads the JSON form from standard input.\n"
    "\n"
    "  -o, --output FILE.csv  write to this file (default: standard output)\n"
    "  -y, --yes              overwrite an existing file (needed without a terminal)\n";

constexpr std::string_view kImportUsage =
    "Usage: px4800 import-csv FILE.dat CHANNELS.csv [-o OUT.dat] [--skip-bad] [--yes]\n"
    "\n"
    "Stores the channels of a channel-list CSV into the codeplug (into FILE.dat itself\n"
    "without -o). FILE.dat \"-\" reads the JSON form from standard input and, without\n"
    "-o, prints the result in that form; CHANNELS.csv \"-\" reads standard input. A row replaces the channel at its Location and keeps the settings the\n"
    "CSV has no column for; channels the CSV does not name stay. Frequencies go onto the\n"
    "channel raster; a row with a frequency outside the band, an unknown tone or a bad\n"
    "number is refused, with its line and reason on standard error. With any row refused\n"
    "nothing is written and the exit status is 1, unless --skip-bad is given.\n"
    "\n"
    "  -o, --output OUT.dat  write the result here instead of FILE.dat\n"
    "  --skip-bad            store the good rows even when some were refused\n"
    "  -y, --yes             overwrite an existing -o file (needed without a terminal)\n"
    "  --lang en|zh          language of the messages (default en)\n";

int RunExportCsv(CommandContext& rCtx) {
  const ParsedArgs args = ParseArguments(rCtx.Args, {kOutput, kYes}, 1, 1);
  AppState state = CommandState(rCtx, kEnglish);
  ReadCodeplugInto(args.Positionals[0], state, rCtx.Err);
  WriteTextOutput(rCtx, args, ExportChannelsCsv(state));
  return kExitSuccess;
}

int RunImportCsv(CommandContext& rCtx) {
  const ParsedArgs args = ParseArguments(rCtx.Args, {kOutput, kSkipBad, kYes, kLang}, 2, 2);
  const std::string& in = args.Positionals[0];
  const std::string out = args.Value(kOutput.Long).value_or(in);
  if (out.empty()) throw UsageError("empty -o FILE");
  RequireCodeplugName(out);
  if (IsStandardStream(in) && IsStandardStream(args.Positionals[1]))
    throw UsageError("only one of FILE.dat and CHANNELS.csv can be standard input");
  AppState state = CommandState(rCtx, LanguageIndexOf(args));
  ReadCodeplugInto(in, state, rCtx.Err);

  const ChannelImportPlan plan = PlanChannelImport(state, ReadTextFile(args.Positionals[1], kCsvCeiling));
  if (!plan.Error.empty()) throw CommandError(args.Positionals[1] + ": " + plan.Error);
  for (const std::string& line : ImportReportLines(state, plan)) rCtx.Err << "px4800: " << line << "\n";
  rCtx.Err << "px4800: " << ImportSummaryText(state, plan) << "\n";
  if (!plan.Refused.empty() && !args.Has(kSkipBad.Long)) {
    rCtx.Err << "px4800: nothing written; fix the rows or give --skip-bad\n";
    return kExitFailure;
  }
  ApplyChannelImport(state, plan);
  if (out != in) ConfirmOverwrite(rCtx, args, PairPaths(out));
  // Stored as a save would: through the saved copy, with the file's band index.
  CopyToSaved(state);
  WritePair(rCtx, out, state.SavedCodeplug, state.SavedChannels);
  return kExitSuccess;
}

const CommandRegistrar kCsvCommands(15, {
    {"export-csv", "write the memory channels as a channel-list CSV", kExportUsage, RunExportCsv},
    {"import-csv", "store the channels of a channel-list CSV into a codeplug", kImportUsage, RunImportCsv},
});

}  // namespace
}  // namespace px
