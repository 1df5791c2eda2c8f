#include "edit/channel_selection.h"

#include "app/language.h"
#include "app/text_fill.h"
#include "edit/channel_clipboard.h"
#include "edit/channel_csv.h"
#include "edit/channel_rows.h"
#include "edit/codeplug_ops.h"
#include "edit/spreadsheet_text.h"

namespace px {

namespace {

constexpr OwnText kConfirmPaste{
    "Paste %1 channels from channel %2 on? %3 of those rows hold a channel that will be replaced.",
    "从信道 %2 起粘贴 %1 个信道？其中 %3 行已有信道，将被替换。"};
constexpr OwnText kConfirmDelete{"Delete the %1 selected channels?", "删除选中的 %1 个信道？"};

}  // namespace

std::vector<ChannelRecord> CopyChannelRows(const AppState& rState, const std::vector<int>& rRows) {
  std::vector<ChannelRecord> channels;
  for (const int row : rRows) {
    const int slot = FindChannelSlot(rState.Current, rState.Channels, row);
    ChannelRecord record;
    if (slot >= 0 && rState.Channels[static_cast<std::size_t>(slot)].InUse == 1) {
      record = rState.Channels[static_cast<std::size_t>(slot)];
    } else {
      record.Number = static_cast<Int16>(row);
      record.InUse = 0;
    }
    channels.push_back(record);
  }
  return channels;
}

std::vector<int> PasteTargetRows(int rFirstRow, std::size_t rCount) {
  std::vector<int> rows;
  if (rFirstRow < 1 || rFirstRow > kChannelSlots || rCount == 0) return rows;
  if (!IsMemoryChannel(rFirstRow)) return {rFirstRow};
  for (int row = rFirstRow; row <= kMemoryChannels && rows.size() < rCount; ++row) rows.push_back(row);
  return rows;
}

int CountOccupied(const AppState& rState, const std::vector<int>& rRows) {
  int occupied = 0;
  for (const int row : rRows) occupied += HasRecord(rState, row) ? 1 : 0;
  return occupied;
}

std::vector<int> PasteChannelRows(AppState& rState, int rFirstRow, const std::vector<ChannelRecord>& rChannels) {
  const std::vector<int> rows = PasteTargetRows(rFirstRow, rChannels.size());
  // The clipboard of the single-row commands does the work, so every row follows its
  // rules; it is put back afterwards.
  const bool filled = rState.ClipboardFilled;
  const ChannelRecord kept = rState.Clipboard;
  std::vector<int> changed;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    rState.ClipboardFilled = true;
    rState.Clipboard = rChannels[i];
    if (PasteChannel(rState, rows[i])) changed.push_back(rows[i]);
  }
  rState.ClipboardFilled = filled;
  rState.Clipboard = kept;
  RepairChannelReferences(rState);
  return changed;
}

std::vector<int> DeleteChannelRows(AppState& rState, const std::vector<int>& rRows) {
  std::vector<int> changed;
  for (const int row : rRows)
    if (DeleteChannel(rState, row)) changed.push_back(row);
  RepairChannelReferences(rState);
  return changed;
}

std::vector<ChannelRecord> ChannelsFromCsvText(const AppState& rState, const std::string& rText,
                                               std::vector<std::string>& rRefused, std::string& rError) {
  // Each row becomes a new channel from the editor's defaults, whatever the codeplug
  // holds at its Location: an empty codeplug to plan against gives exactly that.
  AppState blank;
  blank.LanguageIndex = rState.LanguageIndex;
  blank.ProgramFolder = rState.ProgramFolder;
  blank.Band = rState.Band;
  blank.Current.ChannelCount = 0;
  const ChannelImportPlan plan = PlanChannelImport(blank, SpreadsheetToCsv(rState, rText));
  rError = plan.Error;
  for (const CsvRefusedRow& row : plan.Refused) rRefused.push_back(RefusedRowText(rState, row));
  std::vector<ChannelRecord> channels;
  for (const CsvImportedChannel& channel : plan.Channels) channels.push_back(channel.Record);
  return channels;
}

std::string ConfirmPasteOverText(const AppState& rState, std::size_t rCount, int rFirstRow, int rOccupied) {
  return FillText(OwnTextOf(rState, kConfirmPaste),
                  {std::to_string(rCount), RowLabelOf(rFirstRow), std::to_string(rOccupied)});
}

std::string ConfirmDeleteText(const AppState& rState, std::size_t rCount) {
  return FillText(OwnTextOf(rState, kConfirmDelete), {std::to_string(rCount)});
}

}  // namespace px
