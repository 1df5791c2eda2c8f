#pragma once
// The printed report as data: its title, the codeplug's facts (file name, model type,
// frequency band) and one section per chosen page, in print order; and the same report
// as the HTML document that print, preview and PDF all lay out.

#include <cstddef>
#include <set>
#include <span>
#include <string>
#include <tuple>
#include <string_view>
#include <vector>

#include "app/app_state.h"
#include "app/messages.h"
#include "edit/report_section.h"
#include "link/embedded_info.h"

namespace px {

using PageDescriber = ReportSection (*)(const AppState& rState);

// One printable page. Describe is null for the embedded information, which comes from the
// radio rather than from the codeplug.
struct ReportPage {
  std::string_view Key;
  Message PrintText;   // the page's name in the print list and as its section title
  PageDescriber Describe;
  int TitleTextId = 0;  // pages without a print text of their own: their tree text
};

// The page's name in the print list and as its section title, in the current language.
std::string ReportPageTitle(const AppState& rState, const ReportPage& rPage);

// Every printable page in print order (report_pages.cpp).
std::span<const ReportPage> ReportPages();
const ReportPage* FindReportPage(std::string_view rKey);
std::vector<std::string> AllReportPageKeys();

struct Report {
  std::string Title;
  std::vector<ReportRow> Facts;
  std::vector<ReportSection> Sections;
};

// The sections of rKeys in print order, whatever order rKeys has; unknown keys are left
// out (the caller checks them).
Report BuildReport(const AppState& rState, const EmbeddedInfo& rEmbedded,
                   const std::vector<std::string>& rKeys);

// Tables of a section: 0 is its label → value rows, n its table n-1.
// A split (section, table, row) ends the table before that row (counted from 0 over the
// table's rows, the header not counted) and goes on in a new table under a repeated
// header: the renderer splits the tables where its pages end, so that no table breaks
// across a page by itself.
using ReportSplits = std::set<std::tuple<std::size_t, std::size_t, std::size_t>>;

// The facts under the title, as a piece's section.
inline constexpr std::size_t kReportFacts = static_cast<std::size_t>(-1);

// One table of the HTML document as laid out: a whole table or the part of a split one.
struct ReportPiece {
  std::size_t Section = kReportFacts;
  std::size_t Table = 0;
  std::size_t FirstRow = 0;
  std::size_t RowCount = 0;   // rows of the table's own (an empty table shows one blank row)
  bool Header = false;        // the piece starts with a header row
  bool Titled = false;        // a table title (h3) stands before the table's first piece
};

// The tables of the HTML document in document order.
std::vector<ReportPiece> ReportPieces(const Report& rReport, const ReportSplits& rSplits = {});

// A complete HTML document (UTF-8) of the report: the title (h1), the facts, then per
// section its heading (h2), its label → value rows and its tables (titles as h3), tables
// split as rSplits says.
std::string ReportHtml(const Report& rReport, const ReportSplits& rSplits = {});

// The channels as the channel grid shows them, one row per channel in grid order.
ReportSection DescribeChannelsPage(const AppState& rState);
// The radio's embedded information as the embedded-information page shows it.
ReportSection DescribeEmbeddedPage(const AppState& rState, const EmbeddedInfo& rEmbedded);

// The file name part of a path (after the last "/" or "\").
std::string FileNamePart(const std::string& rPath);

}  // namespace px
