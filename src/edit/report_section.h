#pragma once
// What a page contributes to the printed report: its settings as label → shown value
// (in the current language, with the texts its dialog shows, never raw numbers) and its
// code lists as tables. Each page's rules module describes its own page; the report
// lays the sections out.

#include <string>
#include <vector>

namespace px {

struct ReportRow {
  std::string Label;
  std::string Value;
};

struct ReportTable {
  std::string Title;                              // may be empty
  std::vector<std::string> Header;
  std::vector<std::vector<std::string>> Rows;     // each as wide as Header
};

struct ReportSection {
  std::string Key;    // the page key of the catalogue ("channels", "options", "dtmf", ...)
  std::string Title;  // in the current language
  std::vector<ReportRow> Rows;
  std::vector<ReportTable> Tables;
};

}  // namespace px
