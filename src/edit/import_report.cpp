#include "edit/import_report.h"

#include "app/language.h"

namespace px {
namespace {

constexpr OwnText kNoteLine{"line %1: %2", "第 %1 行：%2"};
constexpr OwnText kMoreLines{"... and %1 more lines not shown", "……另有 %1 行未显示"};
constexpr OwnText kCellBytes{"... (%1 bytes)", "……（%1 字节）"};

std::string Fill(std::string rText, const std::vector<std::string>& rValues) {
  for (std::size_t k = 0; k < rValues.size(); ++k) {
    const std::string mark = "%" + std::to_string(k + 1);
    if (const auto at = rText.find(mark); at != std::string::npos) rText.replace(at, mark.size(), rValues[k]);
  }
  return rText;
}

bool IsContinuation(char rByte) { return (static_cast<unsigned char>(rByte) & 0xC0) == 0x80; }

// The byte length of the first rChars UTF-8 characters of rText (all of it when shorter).
std::size_t PrefixBytes(std::string_view rText, std::size_t rChars) {
  std::size_t at = 0;
  for (std::size_t chars = 0; at < rText.size() && chars < rChars; ++chars) {
    ++at;
    while (at < rText.size() && IsContinuation(rText[at])) ++at;
  }
  return at;
}

std::string Shortened(std::string_view rCell, const OwnText& rBytesText, const AppState* rState) {
  const std::size_t keep = PrefixBytes(rCell, kShownCellChars);
  if (keep >= rCell.size()) return std::string(rCell);
  const std::string tail = rState ? OwnTextOf(*rState, rBytesText) : rBytesText.English;
  return std::string(rCell.substr(0, keep)) + Fill(tail, {std::to_string(rCell.size())});
}

std::string ShortenQuotes(std::string_view rText, const AppState* rState) {
  std::string out;
  std::size_t at = 0;
  while (at < rText.size()) {
    const std::size_t open = rText.find('"', at);
    const std::size_t close = open == std::string_view::npos ? open : rText.find('"', open + 1);
    if (close == std::string_view::npos) {
      out += rText.substr(at);
      break;
    }
    out += rText.substr(at, open + 1 - at);
    out += Shortened(rText.substr(open + 1, close - open - 1), kCellBytes, rState);
    out += '"';
    at = close + 1;
  }
  return out;
}

}  // namespace

std::string ShortenedCell(std::string_view rCell) { return Shortened(rCell, kCellBytes, nullptr); }

std::string WithShortenedQuotes(std::string_view rText) { return ShortenQuotes(rText, nullptr); }

std::vector<std::string> ImportReportLines(const AppState& rState, const ChannelImportPlan& rPlan) {
  std::vector<std::string> lines;
  std::size_t total = 0;
  // Only the lines shown are built: a million refusals cost a count, not a million texts.
  for (const CsvImportedChannel& channel : rPlan.Channels)
    for (const std::string& note : channel.Notes)
      if (++total <= kShownImportLines)
        lines.push_back(Fill(OwnTextOf(rState, kNoteLine), {std::to_string(channel.Line), ShortenQuotes(note, &rState)}));
  for (const CsvRefusedRow& row : rPlan.Refused) {
    if (++total > kShownImportLines) continue;
    CsvRefusedRow shown = row;
    shown.Location = Shortened(row.Location, kCellBytes, &rState);
    shown.Reason = ShortenQuotes(row.Reason, &rState);
    lines.push_back(RefusedRowText(rState, shown));
  }
  if (total > kShownImportLines)
    lines.push_back(Fill(OwnTextOf(rState, kMoreLines), {std::to_string(total - kShownImportLines)}));
  return lines;
}

}  // namespace px
