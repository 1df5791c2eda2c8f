#pragma once
// What a channel import tells about its rows, bounded: a file of a million bad rows
// gives a hundred lines and a count, and a cell of megabytes is shown by its start.

#include <string>
#include <string_view>
#include <vector>

#include "app/app_state.h"
#include "edit/channel_csv.h"

namespace px {

inline constexpr std::size_t kShownImportLines = 100;
inline constexpr std::size_t kShownCellChars = 40;

// rCell itself when it has at most kShownCellChars characters; otherwise its first
// characters (never a UTF-8 sequence cut in half), "…" and its length in bytes.
std::string ShortenedCell(std::string_view rCell);

// Every quoted part ("...") of rText longer than kShownCellChars shortened.
std::string WithShortenedQuotes(std::string_view rText);

// The notes and refused rows of rPlan in the current language ("line 7: ...", "line 9
// (location 300): ..."), at most kShownImportLines of them, then one line saying how
// many more there were.
std::vector<std::string> ImportReportLines(const AppState& rState, const ChannelImportPlan& rPlan);

}  // namespace px
