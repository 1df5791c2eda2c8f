#include "cli/codeplug_report.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <ostream>
#include <sstream>

#include "edit/channel_rows.h"
#include "edit/page_fields.h"
#include "edit/report.h"
#include "codeplug/number_text.h"
#include "codeplug/record_fields.h"
#include "codeplug/text_formats.h"

namespace px {
namespace {

// Bytes outside printable ASCII as \xNN: names are stored in the radio's 8-bit code
// page, which a terminal would garble.
std::string Escaped(std::string_view rText) {
  std::string out;
  for (char c : rText) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x20 || b > 0x7E || c == '"' || c == '\\') {
      out += "\\x" + HexByte(b);
    } else {
      out.push_back(c);
    }
  }
  return out;
}

// Limits as a person writes them; a damaged file's absurd values stay short.
std::string LimitText(double rValue) {
  if (std::isfinite(rValue) && std::fabs(rValue) < 1e6) return FormatPlainNumber(rValue);
  char buffer[40];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, rValue);
  return std::string(buffer, result.ptr);
}

// Terminal columns of a UTF-8 text: Chinese characters take two.
std::size_t DisplayWidth(std::string_view rText) {
  std::size_t width = 0;
  for (std::size_t i = 0; i < rText.size();) {
    const auto b = static_cast<unsigned char>(rText[i]);
    const std::size_t length = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
    unsigned cp = length == 1 ? b : b & (0x7Fu >> length);
    for (std::size_t k = 1; k < length && i + k < rText.size(); ++k)
      cp = (cp << 6) | (static_cast<unsigned char>(rText[i + k]) & 0x3Fu);
    width += cp >= 0x2E80 ? 2 : 1;
    i += length;
  }
  return width;
}

void WriteChannels(const AppState& rState, std::ostream& rOut) {
  const Codeplug& plug = rState.Current;
  rOut << "Channels: " << plug.ChannelCount << " of " << kChannelSlots << " slots\n";

  std::vector<std::string> notes;
  const auto slotOfRow = SlotsOfRows(rState, notes);

  std::vector<ChannelRowTexts> rows{ChannelHeaderTexts(rState)};
  for (int number = 1; number <= kChannelSlots; ++number) {
    if (slotOfRow[number] < 0) continue;
    bool notNumeric = false;
    rows.push_back(ChannelRowOf(rState, rState.Channels[slotOfRow[number]], &notNumeric));
    rows.back()[kColName] = Escaped(rows.back()[kColName]);
    if (notNumeric) notes.push_back("row " + RowLabelOf(number) + ": a stored frequency is not nine digits");
  }
  std::array<std::size_t, kChannelColumns> width{};
  for (const auto& row : rows)
    for (std::size_t c = 0; c < row.size(); ++c) width[c] = std::max(width[c], DisplayWidth(row[c]));
  for (const auto& row : rows) {
    std::string line;
    for (std::size_t c = 0; c < row.size(); ++c)
      line += row[c] + std::string(c + 1 < row.size() ? width[c] - DisplayWidth(row[c]) + 2 : 0, ' ');
    while (!line.empty() && line.back() == ' ') line.pop_back();
    rOut << "  " << line << "\n";
  }
  for (const auto& note : notes) rOut << "  note: " << note << "\n";
}

// A page as its dialog shows it, one line per setting: label and shown value, then each
// row of its tables; the bytes no control shows follow under their field names.
void WritePage(const AppState& rState, const ReportSection& rSection, std::ostream& rOut) {
  rOut << "\n" << rSection.Title << ":\n";
  for (const ReportRow& row : rSection.Rows) rOut << "  " << row.Label << ": " << row.Value << "\n";
  for (const ReportTable& table : rSection.Tables) {
    const std::string lead = table.Title.empty() ? "  " : "  " + table.Title + " ";
    for (const auto& cells : table.Rows) {
      std::string line;
      for (std::size_t c = 1; c < cells.size() && c < table.Header.size(); ++c)
        line += (line.empty() ? "" : ", ") + table.Header[c] + " " + cells[c];
      rOut << lead << (cells.empty() ? "" : cells[0]) << ": " << line << "\n";
    }
    if (table.Rows.empty()) rOut << lead << "-\n";
  }
  for (const DeclaredPage& page : DeclaredPages()) {
    if (page.Key != rSection.Key) continue;
    for (const PageField& field : page.Fields)
      if (field.Control == FieldControl::Carried)
        rOut << "  " << field.Name << ": " << page.Value(rState.Current, field.Slot) << "\n";
  }
}

}  // namespace

std::array<int, kChannelSlots + 1> SlotsOfRows(const AppState& rState, std::vector<std::string>& rNotes) {
  const int count = std::clamp<int>(rState.Current.ChannelCount, 0, kChannelSlots);
  std::array<int, kChannelSlots + 1> slotOfRow;
  slotOfRow.fill(-1);
  for (int slot = 0; slot < count; ++slot) {
    const int number = rState.Channels[slot].Number;
    if (number < 1 || number > kChannelSlots) {
      rNotes.push_back("slot " + std::to_string(slot) + " holds channel number " + std::to_string(number) +
                       ", which has no row");
      continue;
    }
    if (slotOfRow[number] >= 0)
      rNotes.push_back("slots " + std::to_string(slotOfRow[number]) + " and " + std::to_string(slot) +
                       " both hold row " + RowLabelOf(number) + "; the grid shows slot " + std::to_string(slot));
    slotOfRow[number] = slot;
  }
  return slotOfRow;
}

void WriteCodeplugReport(const AppState& rState, std::ostream& rOut) {
  const Codeplug& plug = rState.Current;
  rOut << "BandIndex: " << plug.BandIndex << " (as stored in the file)\n"
       << "Band limits: receive " << LimitText(plug.MinRxFreq) << " - " << LimitText(plug.MaxRxFreq)
       << " MHz, transmit " << LimitText(plug.MinTxFreq) << " - " << LimitText(plug.MaxTxFreq)
       << " MHz\n\n";
  WriteChannels(rState, rOut);
  std::vector<std::string> keys;
  for (const ReportPage& page : ReportPages())
    if (page.Describe != nullptr && page.Key != "channels") keys.emplace_back(page.Key);
  for (const ReportSection& section : BuildReport(rState, EmbeddedInfo{}, keys).Sections)
    WritePage(rState, section, rOut);
}

}  // namespace px
