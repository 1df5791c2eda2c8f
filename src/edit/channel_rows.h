#pragma once
// The texts of one channel-grid row, as the main window's grid shows a channel: row
// label, receive, transmit, name, step, bandwidth, Spare2 choice, power, decode tone,
// encode tone, optional signalling. Out-of-range stored values get the grid's own
// substitutions, so a damaged record still shows.

#include <array>
#include <string>

#include "app/app_state.h"
#include "codeplug/format_warnings.h"

namespace px {

// The receive and transmit frequency labels, as the grid, the channel editor and the
// band limits name them.
inline constexpr int kTextRxFrequency = 1101;
inline constexpr int kTextTxFrequency = 1140;

enum ChannelColumn {
  kColLabel, kColRx, kColTx, kColName, kColStep, kColBandwidth, kColSpare2, kColPower,
  kColDecode, kColEncode, kColSignalling, kChannelColumns
};

using ChannelRowTexts = std::array<std::string, kChannelColumns>;

// "0".."199" for the memory channels, "PA", "PB", "VFO"; "" for any other number.
std::string RowLabelOf(int rNumber);

// The headers in the current language; the two-line headers of the tones are joined
// by rLineBreak (the grid breaks the line, a terminal table uses a blank).
ChannelRowTexts ChannelHeaderTexts(const AppState& rState, const std::string& rLineBreak = " ");

// The transmit frequency shown beside rRxText (the channel's receive frequency as shown):
// receive -/+ the stored offset by direction, "#.00000"; the receive text itself for no
// offset, no direction or no receive frequency.
std::string TransmitDisplayText(const ChannelRecord& rChannel, const std::string& rRxText,
                                const FormatContext& rCtx);

// rNotNumeric is set when a stored frequency is not nine digits (the grid then shows
// the lowest receive limit, as the text formats do).
ChannelRowTexts ChannelRowOf(const AppState& rState, const ChannelRecord& rChannel,
                             bool* rNotNumeric = nullptr);

}  // namespace px
