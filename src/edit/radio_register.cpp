#include "edit/radio_register.h"

#include <algorithm>
#include <cctype>
#include <map>

#include "codeplug/csv_text.h"

namespace px {
namespace {

std::string Trimmed(std::string_view rText) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!rText.empty() && blank(rText.front())) rText.remove_prefix(1);
  while (!rText.empty() && blank(rText.back())) rText.remove_suffix(1);
  return std::string(rText);
}

std::string Lower(std::string rText) {
  for (char& c : rText) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return rText;
}

}  // namespace

const RegisterEntry* RadioRegister::Find(std::string_view rSerial) const {
  const std::string serial = Trimmed(rSerial);
  const auto it = std::find_if(Entries.begin(), Entries.end(), [&](const RegisterEntry& e) { return e.Serial == serial; });
  return it == Entries.end() ? nullptr : &*it;
}

std::optional<RadioRegister> ParseRegister(std::string_view rText, std::vector<std::string>& rErrors) {
  const CsvParseResult csv = ParseCsv(rText);
  const std::size_t errorsBefore = rErrors.size();
  if (csv.Records.empty()) {
    rErrors.push_back("line 1: the register is empty; its first line is serial,dtmf_id,five_tone_id");
    return std::nullopt;
  }
  const CsvRecord& header = csv.Records.front();
  std::map<std::string, std::size_t> columns;
  for (std::size_t i = 0; i < header.Fields.size(); ++i) columns.emplace(Lower(Trimmed(header.Fields[i])), i);
  std::size_t serialColumn = 0, dtmfColumn = 0, fiveColumn = 0;
  for (auto [name, column] : {std::pair{"serial", &serialColumn}, std::pair{"dtmf_id", &dtmfColumn},
                              std::pair{"five_tone_id", &fiveColumn}}) {
    const auto it = columns.find(name);
    if (it == columns.end())
      rErrors.push_back("line " + std::to_string(header.Line) + ": the header has no column '" + name +
                        "' (serial,dtmf_id,five_tone_id)");
    else
      *column = it->second;
  }
  if (rErrors.size() > errorsBefore) return std::nullopt;

  RadioRegister reg;
  std::map<std::string, int> lineOfSerial;
  for (std::size_t r = 1; r < csv.Records.size(); ++r) {
    const CsvRecord& row = csv.Records[r];
    const std::string at = "line " + std::to_string(row.Line) + ": ";
    const auto field = [&](std::size_t rColumn) {
      return rColumn < row.Fields.size() ? Trimmed(row.Fields[rColumn]) : std::string();
    };
    RegisterEntry entry;
    entry.Line = row.Line;
    entry.Serial = field(serialColumn);
    const std::string dtmf = field(dtmfColumn), five = field(fiveColumn);
    if (entry.Serial.empty() && dtmf.empty() && five.empty()) continue;  // a row a spreadsheet left blank
    std::string error;
    if (entry.Serial.empty()) {
      rErrors.push_back(at + "no serial number");
      continue;
    }
    entry.Ids.Dtmf = DtmfOwnIdOf(dtmf, error);
    if (!entry.Ids.Dtmf) rErrors.push_back(at + error);
    entry.Ids.FiveTone = FiveToneOwnIdOf(five, error);
    if (!entry.Ids.FiveTone) rErrors.push_back(at + error);
    const auto [seen, fresh] = lineOfSerial.emplace(entry.Serial, row.Line);
    if (!fresh) {
      rErrors.push_back(at + "serial number " + entry.Serial + " is already on line " + std::to_string(seen->second));
      continue;
    }
    if (entry.Ids.Dtmf && entry.Ids.FiveTone) reg.Entries.push_back(std::move(entry));
  }
  if (csv.UnclosedQuoteLine)
    rErrors.push_back("line " + std::to_string(*csv.UnclosedQuoteLine) + ": a quoted field is not closed");
  if (rErrors.size() > errorsBefore) return std::nullopt;
  return reg;
}

}  // namespace px
