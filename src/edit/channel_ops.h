#pragma once
// Operations that rearrange the memory channels: move, sort, insert and remove. Rows are
// channel Numbers 1..200 (the grid shows them as 0..199); PA, PB and VFO never move.
//
// Each operation renumbers the channels and carries the settings that name a channel
// along with it (scan priority channels 1 and 2, the alert channel, the power-on
// channel), so a reference keeps naming the same channel. A channel that is removed is
// repaired as a cut one is: scan and alert move to the last memory channel, the
// power-on channel keeps its row.
//
// An operation either does all of its work or, refused, changes nothing and says why in
// the result's Refusal (current language).

#include <string>
#include <vector>

#include "app/app_state.h"

namespace px {

struct ChannelOpResult {
  bool Changed = false;
  std::string Refusal;    // empty unless refused
  std::vector<int> Rows;  // where the moved, inserted or sorted rows are now, first one first
};

// The selected rows up (rDelta -1) or down (+1) by one; each passes over the row beside
// it. Refused when a selected row is already at the top or bottom.
ChannelOpResult MoveChannelsBy(AppState& rState, std::vector<int> rRows, int rDelta);
// The selected rows, in their order, to start at rTarget (dragged there); the rows in
// between shift to close and open the gaps. Near the bottom the block is placed so that
// it still fits.
ChannelOpResult MoveChannelsTo(AppState& rState, std::vector<int> rRows, int rTarget);

enum class SortKey { RxFrequency, Name };
// The memory channels in use, stable by the key, packed from row 1; the empty rows
// follow. Channels without a name sort after the named ones.
ChannelOpResult SortChannels(AppState& rState, SortKey rKey);

// rCount empty rows at rRow, the rows from there down shifting by rCount. Refused when a
// channel would be pushed past the last row.
ChannelOpResult InsertRows(AppState& rState, int rRow, int rCount);

// Removes the rows' channels; the rows below shift up to close the gaps and empty rows
// fill the bottom.
ChannelOpResult RemoveRows(AppState& rState, std::vector<int> rRows);

// How many of rRows hold a channel (what a removal drops).
int CountChannelsIn(const AppState& rState, const std::vector<int>& rRows);

// The first memory row after rAfter (wrapping around) whose channel's name holds rText
// (case-insensitive) or whose receive frequency, as the grid shows it, starts with rText;
// 0 when none does.
int FindChannel(const AppState& rState, const std::string& rText, int rAfter);

// Rows parsed from "5", "5-9" or "1,4,7-9" in the grid's numbering (0..199), returned as
// Numbers in ascending order without repeats; false for anything else.
bool ParseRowList(const std::string& rText, std::vector<int>& rRows);

// "Remove the 3 selected rows? 2 of them hold a channel." in the current language.
std::string ConfirmRemoveText(const AppState& rState, std::size_t rRows, int rChannels);

}  // namespace px
