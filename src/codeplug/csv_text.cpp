#include "codeplug/csv_text.h"

namespace px {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool NeedsQuotes(const std::string& rField) {
  if (rField.empty()) return false;
  if (rField.front() == ' ' || rField.back() == ' ') return true;
  return rField.find_first_of(",\"\r\n") != std::string::npos;
}

}  // namespace

CsvParseResult ParseCsv(std::string_view rText) {
  if (rText.starts_with(kUtf8Bom)) rText.remove_prefix(kUtf8Bom.size());
  CsvParseResult result;
  CsvRecord record;
  std::string field;
  int line = 1;
  record.Line = 1;
  bool quoted = false;      // inside a quoted part of the field
  bool wasQuoted = false;   // the field had a quoted part (so it is not blank)

  const auto endField = [&] {
    record.Fields.push_back(std::move(field));
    field.clear();
    wasQuoted = false;
  };
  const auto endRecord = [&] {
    const bool blank = record.Fields.empty() && field.empty() && !wasQuoted;
    endField();
    if (!blank) result.Records.push_back(std::move(record));
    record = CsvRecord{};
    record.Line = line;
  };

  for (std::size_t i = 0; i < rText.size(); ++i) {
    const char c = rText[i];
    if (quoted) {
      if (c == '"') {
        if (i + 1 < rText.size() && rText[i + 1] == '"') {
          field.push_back('"');
          ++i;
        } else {
          quoted = false;
        }
        continue;
      }
      if (c == '\n' || (c == '\r' && !(i + 1 < rText.size() && rText[i + 1] == '\n'))) ++line;
      field.push_back(c);
      continue;
    }
    switch (c) {
      case '"':
        quoted = true;
        wasQuoted = true;
        break;
      case ',':
        endField();
        break;
      case '\r':
        if (i + 1 < rText.size() && rText[i + 1] == '\n') ++i;
        ++line;
        endRecord();
        break;
      case '\n':
        ++line;
        endRecord();
        break;
      default:
        field.push_back(c);
        break;
    }
  }
  if (quoted) {
    result.UnclosedQuoteLine = record.Line;
    return result;
  }
  if (!field.empty() || wasQuoted || !record.Fields.empty()) endRecord();
  return result;
}

std::string CsvLine(const std::vector<std::string>& rFields) {
  std::string line;
  for (std::size_t i = 0; i < rFields.size(); ++i) {
    if (i > 0) line.push_back(',');
    const std::string& f = rFields[i];
    if (!NeedsQuotes(f)) {
      line += f;
      continue;
    }
    line.push_back('"');
    for (const char c : f) {
      if (c == '"') line.push_back('"');
      line.push_back(c);
    }
    line.push_back('"');
  }
  line += "\r\n";
  return line;
}

}  // namespace px
