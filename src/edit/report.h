#pragma once
// The printed report as data: its title, the codeplug's facts (file name, model type,
// frequency band) and one section per chosen page, in print order; and the same report
// as the HTML document that print, preview and PDF all lay out.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/app_state.h"
#include "app/messages.h"
#include "edit/report_section.h"
#include "codeplug/embedded_info.h"

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

// Every printable page in print order, as the page catalogue (page_catalogue_core.h) lists them.
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

// A complete HTML document (UTF-8) of the report: sections with their label → value rows
// and tables whose header row repeats on every printed page.
std::string ReportHtml(const Report& rReport);

// The channels as the channel grid shows them, one row per channel in grid order.
ReportSection DescribeChannelsPage(const AppState& rState);
// The radio's embedded information as the embedded-information page shows it.
ReportSection DescribeEmbeddedPage(const AppState& rState, const EmbeddedInfo& rEmbedded);

// The file name part of a path (after the last "/" or "\").
std::string FileNamePart(const std::string& rPath);

}  // namespace px
