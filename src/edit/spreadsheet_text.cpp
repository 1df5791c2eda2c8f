#include "edit/spreadsheet_text.h"

#include <vector>

#include "app/language.h"
#include "codeplug/csv_text.h"
#include "edit/channel_choices.h"
#include "edit/channel_csv.h"
#include "edit/channel_rows.h"

namespace px {

namespace {

using Rows = std::vector<std::vector<std::string>>;

std::string Lower(std::string rText) {
  for (char& c : rText)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return rText;
}

std::string WithoutBom(const std::string& rText) {
  return rText.starts_with("\xEF\xBB\xBF") ? rText.substr(3) : rText;
}

// Spreadsheets quote nothing when they put cells on the clipboard: a cell is what lies
// between tabs. Blank lines are left out.
Rows SplitTabs(const std::string& rText) {
  Rows rows;
  std::size_t begin = 0;
  while (begin < rText.size()) {
    std::size_t end = rText.find('\n', begin);
    if (end == std::string::npos) end = rText.size();
    std::string line = rText.substr(begin, end - begin);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    begin = end + 1;
    if (line.find_first_not_of(" \t") == std::string::npos) continue;
    std::vector<std::string> cells;
    std::size_t from = 0;
    for (;;) {
      const std::size_t tab = line.find('\t', from);
      cells.push_back(line.substr(from, tab == std::string::npos ? std::string::npos : tab - from));
      if (tab == std::string::npos) break;
      from = tab + 1;
    }
    rows.push_back(std::move(cells));
  }
  return rows;
}

bool IsRowLabel(const std::string& rCell) {
  if (rCell.empty() || rCell.size() > 3) return false;
  int value = 0;
  for (const char c : rCell) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  return value < kMemoryChannels;
}

bool HasHeader(const Rows& rRows) {
  return !rRows.empty() && !rRows.front().empty() && Lower(rRows.front().front()) == "location";
}

bool IsGridRows(const Rows& rRows) {
  if (rRows.empty()) return false;
  for (const auto& row : rRows)
    if (row.size() < 2 || !IsRowLabel(row.front())) return false;
  return true;
}

std::string Cell(const std::vector<std::string>& rRow, int rColumn) {
  return rColumn < static_cast<int>(rRow.size()) ? rRow[static_cast<std::size_t>(rColumn)] : std::string();
}

struct ToneCells {
  std::string Kind;  // "", "Tone" or "DTCS"
  std::string Ctcss, Dcs;
  char Polarity = 'N';
};

// A tone as the grid shows it: "88.5", "D023N", "D023I", or the "off" text.
ToneCells ToneOf(const std::string& rText) {
  ToneCells tone;
  if (rText.size() >= 2 && (rText.front() == 'D' || rText.front() == 'd') && rText[1] >= '0' && rText[1] <= '7') {
    tone.Kind = "DTCS";
    tone.Dcs = rText;
    if (rText.back() == 'I' || rText.back() == 'i') tone.Polarity = 'R';
  } else if (!rText.empty() && rText.front() >= '0' && rText.front() <= '9') {
    tone.Kind = "Tone";
    tone.Ctcss = rText;
  }
  return tone;
}

std::string PowerWord(const AppState& rState, const std::string& rText) {
  // The grid shows the power in the current language; the layout wants the fixed words.
  const ChoiceTable powers = TxPowerChoices();
  for (std::size_t i = 0; i < powers.size(); ++i)
    if (rText == ChoiceText(rState, powers, static_cast<int>(i))) return std::string(powers[i].Fixed);
  return rText;
}

std::vector<std::string> CsvRowOfGrid(const AppState& rState, const std::vector<std::string>& rRow) {
  const std::vector<std::string>& header = ChannelCsvHeader();
  std::vector<std::string> out(header.size());
  auto put = [&](const char* rName, std::string rValue) {
    for (std::size_t i = 0; i < header.size(); ++i)
      if (header[i] == rName) out[i] = std::move(rValue);
  };
  put("Location", Cell(rRow, kColLabel));
  const std::string rx = Cell(rRow, kColRx), tx = Cell(rRow, kColTx);
  put("Frequency", rx);
  if (!tx.empty() && tx != rx) {
    put("Duplex", "split");
    put("Offset", tx);
  }
  put("Name", Cell(rRow, kColName));
  std::string step = Cell(rRow, kColStep);
  if (!step.empty() && (step.back() == 'K' || step.back() == 'k')) step.pop_back();
  put("TStep", step);
  put("Mode", Cell(rRow, kColBandwidth));
  put("Power", PowerWord(rState, Cell(rRow, kColPower)));
  const ToneCells decode = ToneOf(Cell(rRow, kColDecode)), encode = ToneOf(Cell(rRow, kColEncode));
  if (!decode.Kind.empty() || !encode.Kind.empty()) {
    put("Tone", "Cross");
    put("CrossMode", encode.Kind + "->" + decode.Kind);
    put("rToneFreq", encode.Ctcss.empty() ? "88.5" : encode.Ctcss);
    put("cToneFreq", decode.Ctcss.empty() ? "88.5" : decode.Ctcss);
    put("DtcsCode", encode.Dcs.empty() ? "023" : encode.Dcs);
    put("RxDtcsCode", decode.Dcs.empty() ? "023" : decode.Dcs);
    put("DtcsPolarity", std::string{encode.Polarity, decode.Polarity});
  }
  return out;
}

}  // namespace

bool LooksLikeChannelText(const std::string& rText) {
  const std::string text = WithoutBom(rText);
  std::string head = Lower(text.substr(0, 16));
  if (head.starts_with("location") || head.starts_with("\"location\"")) return true;
  return text.find('\t') != std::string::npos && IsGridRows(SplitTabs(text));
}

std::string SpreadsheetToCsv(const AppState& rState, const std::string& rText) {
  const std::string text = WithoutBom(rText);
  const std::size_t lineEnd = text.find('\n');
  if (text.substr(0, lineEnd).find('\t') == std::string::npos) return rText;
  const Rows rows = SplitTabs(text);
  std::string csv;
  if (HasHeader(rows)) {
    for (const auto& row : rows) csv += CsvLine(row);
  } else if (IsGridRows(rows)) {
    csv = CsvLine(ChannelCsvHeader());
    for (const auto& row : rows) csv += CsvLine(CsvRowOfGrid(rState, row));
  } else {
    return rText;
  }
  return csv;
}

}  // namespace px
