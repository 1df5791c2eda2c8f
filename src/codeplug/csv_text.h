#pragma once
// Comma-separated text as spreadsheets and other radio programs write it: fields in
// double quotes may hold commas, quotes (doubled) and line breaks; records end with
// CR LF, LF or CR; a UTF-8 byte-order mark in front is skipped. Texts are bytes; the
// reader does not interpret any encoding.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace px {

struct CsvRecord {
  int Line = 0;  // line of the file the record starts on, from 1
  std::vector<std::string> Fields;
};

struct CsvParseResult {
  std::vector<CsvRecord> Records;  // blank lines are left out
  // Set when a quoted field runs to the end of the text; the records before it are kept.
  std::optional<int> UnclosedQuoteLine;
};

CsvParseResult ParseCsv(std::string_view rText);

// One record with the quoting a reader needs (a field with a comma, quote, line break or
// blank at either end is quoted), ended by CR LF.
std::string CsvLine(const std::vector<std::string>& rFields);

}  // namespace px
