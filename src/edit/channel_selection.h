#pragma once
// Several grid rows at once: copy, cut, paste and delete of the selected channels. The
// channel references of the settings are repaired once, after the whole operation.
// One row keeps the single-row clipboard rules exactly (an empty row copied clears the
// row it is pasted on); several rows fill consecutive rows from the one pasted on.

#include <string>
#include <vector>

#include "app/app_state.h"

namespace px {

// The rows' channels in row order; an empty row gives a record with InUse 0 and its
// Number, so that pasting it clears its target.
std::vector<ChannelRecord> CopyChannelRows(const AppState& rState, const std::vector<int>& rRows);

// The rows a paste of rCount channels on rFirstRow fills: consecutive, not past the last
// memory channel; from PA, PB or VFO only that row.
std::vector<int> PasteTargetRows(int rFirstRow, std::size_t rCount);
// How many of those rows hold a channel now and would be replaced or cleared.
int CountOccupied(const AppState& rState, const std::vector<int>& rRows);

// Pastes rChannels on the target rows (each taking its row as Number; an InUse 0 record
// clears the row), then repairs the references. Returns the rows changed.
std::vector<int> PasteChannelRows(AppState& rState, int rFirstRow, const std::vector<ChannelRecord>& rChannels);
// Deletes the rows' channels, then repairs the references. Returns the rows changed.
std::vector<int> DeleteChannelRows(AppState& rState, const std::vector<int>& rRows);

// The channels of a channel-list CSV (or cells from a spreadsheet, see
// spreadsheet_text.h) as records to paste, in the order of the file
// (Location is not used: the paste places them). Refused rows are told in rRefused.
std::vector<ChannelRecord> ChannelsFromCsvText(const AppState& rState, const std::string& rText,
                                               std::vector<std::string>& rRefused, std::string& rError);

// Questions in the current language.
std::string ConfirmPasteOverText(const AppState& rState, std::size_t rCount, int rFirstRow, int rOccupied);
std::string ConfirmDeleteText(const AppState& rState, std::size_t rCount);

}  // namespace px
