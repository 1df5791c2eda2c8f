// The channel commands: move, sort, insert, remove and set. Each reads FILE.dat, changes
// its memory channels as the desktop program's Edit menu does and writes the result back
// (or to -o OUT.dat). Rows are numbered as the grid numbers them, 0 to 199.

#include <iostream>

#include "app/app_state.h"
#include "cli/cli_files.h"
#include "cli/commands.h"
#include "cli/terminal_ui.h"
#include "codeplug/codeplug_file.h"
#include "edit/channel_many.h"
#include "edit/channel_ops.h"
#include "edit/channel_rows.h"
#include "edit/codeplug_ops.h"

namespace px {
namespace {

constexpr OptionSpec kOutput = kOutputOption;
constexpr OptionSpec kYes = kYesOption;
constexpr OptionSpec kLang{"--lang", "", true};
constexpr OptionSpec kBy{"--by", "", true};
constexpr OptionSpec kCount{"--count", "-n", true};

constexpr std::string_view kCommonOptions =
    "  -o, --output OUT.dat  write the result here instead of FILE.dat\n"
    "  -y, --yes             overwrite an existing -o file (needed without a terminal)\n"
    "  --lang en|zh          language of the messages (default en)\n";

const std::string kMoveUsage = std::string(
    "Usage: px4800 move FILE.dat FROM TO [-o OUT.dat] [--yes]\n"
    "\n"
    "Moves the channel on row FROM to row TO (rows 0 to 199); the rows in between shift\n"
    "by one. Scan priority, alert and power-on channels keep naming the channels they\n"
    "named.\n\n") + std::string(kCommonOptions);

const std::string kSortUsage = std::string(
    "Usage: px4800 sort FILE.dat --by rx|name [-o OUT.dat] [--yes]\n"
    "\n"
    "Sorts the memory channels by receive frequency or by name (channels that compare\n"
    "equal keep their order; unnamed channels go last) and packs them from row 0. The\n"
    "settings that name a channel follow it.\n\n") + std::string(kCommonOptions);

const std::string kInsertUsage = std::string(
    "Usage: px4800 insert FILE.dat ROW [--count N] [-o OUT.dat] [--yes]\n"
    "\n"
    "Inserts N empty rows (default 1) at ROW; the rows from there down shift by N.\n"
    "Refused, writing nothing, when a channel would be pushed past row 199.\n\n"
    "  -n, --count N         how many rows (1 to 200)\n") + std::string(kCommonOptions);

const std::string kRemoveUsage = std::string(
    "Usage: px4800 remove FILE.dat ROWS [-o OUT.dat] [--yes]\n"
    "\n"
    "Removes the rows ROWS (5, 5-9 or 1,4,7-9); the rows below move up to close the gap.\n"
    "The channels on those rows are gone: on a terminal you are asked first, otherwise\n"
    "--yes is needed. A scan or alert channel that was removed becomes the last memory\n"
    "channel, as after a cut.\n\n") + std::string(kCommonOptions);

const std::string kSetUsage = std::string(
    "Usage: px4800 set FILE.dat ROWS FIELD=VALUE... [-o OUT.dat] [--yes]\n"
    "\n"
    "Sets fields on the channels of ROWS (5, 5-9 or 1,4,7-9), in the grid's words:\n"
    "  power=high|middle|low   bandwidth=25K|20K|12.5K   step=12.5K   skip=yes|no\n"
    "  decode=off|88.5|D023N|D023I   encode=(the same)   name=TEXT (up to 7 characters)\n"
    "Rows without a channel are left alone. A value the channel editor would not take\n"
    "is refused and nothing is written.\n\n") + std::string(kCommonOptions);

struct Job {
  ParsedArgs Args;
  std::string In, Out;
  AppState State;
};

Job Open(CommandContext& rCtx, std::initializer_list<OptionSpec> rOptions, std::size_t rMin, std::size_t rMax) {
  Job job{ParseArguments(rCtx.Args, rOptions, rMin, rMax), {}, {}, {}};
  job.In = job.Args.Positionals[0];
  job.Out = job.Args.Value(kOutput.Long).value_or(job.In);
  if (job.Out.empty()) throw UsageError("empty -o FILE");
  RequireCodeplugName(job.Out);
  job.State = CommandState(rCtx, LanguageIndexOf(job.Args));
  ReadCodeplugInto(job.In, job.State, rCtx.Err);
  return job;
}

// Stored as a save would: through the saved copy, with the file's band index.
int Finish(CommandContext& rCtx, Job& rJob, const ChannelOpResult& rResult) {
  if (!rResult.Refusal.empty()) throw CommandError(rResult.Refusal + "; nothing written");
  if (rJob.Out != rJob.In) ConfirmOverwrite(rCtx, rJob.Args, {rJob.Out, SideFilePath(rJob.Out)});
  CopyToSaved(rJob.State);
  WritePair(rCtx, rJob.Out, rJob.State.SavedCodeplug, rJob.State.SavedChannels);
  return kExitSuccess;
}

int RowNumber(const std::string& rText) {
  std::vector<int> rows;
  if (!ParseRowList(rText, rows) || rows.size() != 1 || rText.find_first_of(",-") != std::string::npos)
    throw UsageError("\"" + rText + "\" is not a row 0 to 199");
  return rows.front();
}

std::vector<int> RowList(const std::string& rText) {
  std::vector<int> rows;
  if (!ParseRowList(rText, rows)) throw UsageError("\"" + rText + "\" is not a list of rows such as 5, 5-9 or 1,4,7-9 (0 to 199)");
  return rows;
}

int RunMove(CommandContext& rCtx) {
  Job job = Open(rCtx, {kOutput, kYes, kLang}, 3, 3);
  const int from = RowNumber(job.Args.Positionals[1]);
  const int to = RowNumber(job.Args.Positionals[2]);
  return Finish(rCtx, job, MoveChannelsTo(job.State, {from}, to));
}

int RunSort(CommandContext& rCtx) {
  Job job = Open(rCtx, {kOutput, kYes, kLang, kBy}, 1, 1);
  const std::string by = job.Args.Value(kBy.Long).value_or("");
  if (by != "rx" && by != "name") throw UsageError("--by takes rx or name");
  return Finish(rCtx, job, SortChannels(job.State, by == "rx" ? SortKey::RxFrequency : SortKey::Name));
}

int RunInsert(CommandContext& rCtx) {
  Job job = Open(rCtx, {kOutput, kYes, kLang, kCount}, 2, 2);
  const int row = RowNumber(job.Args.Positionals[1]);
  const std::string countText = job.Args.Value(kCount.Long).value_or("1");
  int count = 0;
  if (countText.empty() || countText.size() > 3 || countText.find_first_not_of("0123456789") != std::string::npos ||
      (count = std::stoi(countText)) < 1 || count > kMemoryChannels)
    throw UsageError("--count takes a number of rows 1 to 200");
  return Finish(rCtx, job, InsertRows(job.State, row, count));
}

int RunRemove(CommandContext& rCtx) {
  Job job = Open(rCtx, {kOutput, kYes, kLang}, 2, 2);
  const std::vector<int> rows = RowList(job.Args.Positionals[1]);
  const int channels = CountChannelsIn(job.State, rows);
  if (channels > 0 && !job.Args.Has(kYes.Long)) {
    const bool interactive = TerminalUi::IsInteractiveTerminal();
    if (!interactive)
      throw CommandError(std::to_string(channels) + " of the rows hold a channel; give --yes to remove them");
    TerminalUi ui(std::cin, rCtx.Err, interactive);
    if (ui.Ask(ConfirmRemoveText(job.State, rows.size(), channels), MsgButtons::OkCancel, MsgIcon::Question) !=
        MsgAnswer::Ok)
      throw CommandError("cancelled; nothing written");
  }
  return Finish(rCtx, job, RemoveRows(job.State, rows));
}

int RunSet(CommandContext& rCtx) {
  Job job = Open(rCtx, {kOutput, kYes, kLang}, 3, 3 + 64);
  const std::vector<int> rows = RowList(job.Args.Positionals[1]);
  EditPatch patch;
  for (std::size_t i = 2; i < job.Args.Positionals.size(); ++i) {
    const std::string& word = job.Args.Positionals[i];
    const std::size_t equals = word.find('=');
    if (equals == std::string::npos || equals == 0) throw UsageError("\"" + word + "\" is not FIELD=VALUE");
    std::string error;
    if (!AddFieldSetting(job.State, word.substr(0, equals), word.substr(equals + 1), patch, error))
      throw UsageError(error);
  }
  if (CountChannelsIn(job.State, rows) == 0) throw CommandError("none of the rows holds a channel; nothing written");
  TerminalUi ui(std::cin, rCtx.Err, false);
  const std::vector<int> changed = ApplyEditPatch(job.State, rows, patch, ui);
  rCtx.Err << "px4800: " << changed.size() << " channels changed\n";
  return Finish(rCtx, job, {});
}

const CommandRegistrar kChannelCommands(16, {
    {"move", "move a channel to another row, the rows between shifting", kMoveUsage, RunMove},
    {"sort", "sort the memory channels by receive frequency or name", kSortUsage, RunSort},
    {"insert", "insert empty rows, the rows below shifting down", kInsertUsage, RunInsert},
    {"remove", "remove rows, the rows below shifting up", kRemoveUsage, RunRemove},
    {"set", "set fields on several channels at once", kSetUsage, RunSet},
});

}  // namespace
}  // namespace px
