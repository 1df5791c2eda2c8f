// The channel-list import over arbitrary text: the header mapping and every row planned
// against a codeplug and stored into it. Whatever the text, the plan names only real
// slots, the codeplug keeps a channel count inside its table, and the report a user
// sees stays bounded.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/bands.h"
#include "edit/channel_csv.h"
#include "edit/codeplug_ops.h"
#include "edit/file_commands.h"
#include "edit/import_report.h"

namespace {

// A new codeplug in the default band, made once: each input starts from a copy.
const px::AppState& Base() {
  static const px::AppState kBase = [] {
    px::AppState state;
    state.ProgramFolder = "/nonexistent";
    px::RebuildBandTexts(state);
    px::CreateNewCodeplug(state);
    return state;
  }();
  return kBase;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* rData, std::size_t rSize) {
  const std::string_view text(reinterpret_cast<const char*>(rData), rSize);
  // One state for the process, reset per input: a fresh copy costs page faults.
  static px::AppState state;
  state = Base();
  const px::ChannelImportPlan plan = px::PlanChannelImport(state, text);
  if (!plan.Error.empty() && (!plan.Channels.empty() || !plan.Refused.empty())) __builtin_trap();
  for (const px::CsvImportedChannel& channel : plan.Channels)
    if (channel.Number < 0 || channel.Number > px::kNumberVFO) __builtin_trap();
  if (px::ImportReportLines(state, plan).size() > px::kShownImportLines + 1) __builtin_trap();
  px::ApplyChannelImport(state, plan);
  if (state.Current.ChannelCount < 0 || state.Current.ChannelCount > px::kChannelSlots) __builtin_trap();
  return 0;
}
