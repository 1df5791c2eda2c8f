#include "edit/report.h"

#include "app/bands.h"
#include "edit/channel_rows.h"
#include "edit/codeplug_ops.h"

namespace px {
namespace {

// The embedded-information page's labels in both languages, by their English form.
constexpr OwnText kEmbeddedLabels[] = {
    {"Area Code", "销售区号"},        {"Serial Number", "序列号"},    {"Producted Date", "出厂日期"},
    {"Manufacture Code", "生产批号"}, {"User Code", "客户代码"},      {"Maintained Date", "维修日期"},
    {"Dealer Code", "经销商代码"},    {"Stock Date", "入库时间"},     {"Sell Date", "销售时间"},
    {"Seller", "经手人"},             {"Maintained", "维修原因"},     {"Version", "固件版本"},
};

std::string EmbeddedLabel(const AppState& rState, const std::string& rEnglish) {
  for (const OwnText& label : kEmbeddedLabels)
    if (rEnglish == label.English) return OwnTextOf(rState, label);
  return rEnglish;
}

void AppendEscaped(std::string& rOut, std::string_view rText) {
  for (char c : rText) {
    switch (c) {
      case '&': rOut += "&amp;"; break;
      case '<': rOut += "&lt;"; break;
      case '>': rOut += "&gt;"; break;
      case '"': rOut += "&quot;"; break;
      case '\r': break;
      case '\n': rOut += "<br/>"; break;
      default: rOut.push_back(c);
    }
  }
}

// An empty cell keeps its row height.
void AppendCell(std::string& rOut, const char* rTag, std::string_view rText) {
  rOut += '<';
  rOut += rTag;
  rOut += '>';
  if (rText.empty()) rOut += "&nbsp;";
  else AppendEscaped(rOut, rText);
  rOut += "</";
  rOut += rTag;
  rOut += '>';
}

void AppendRows(std::string& rOut, const std::vector<ReportRow>& rRows) {
  rOut += "<table class=\"values\" cellspacing=\"0\" cellpadding=\"2\">";
  for (const ReportRow& row : rRows) {
    rOut += "<tr><td class=\"label\">";
    AppendEscaped(rOut, row.Label);
    rOut += "</td><td>";
    AppendEscaped(rOut, row.Value);
    rOut += "</td></tr>";
  }
  rOut += "</table>";
}

void AppendTable(std::string& rOut, const ReportTable& rTable) {
  if (!rTable.Title.empty()) {
    rOut += "<h3>";
    AppendEscaped(rOut, rTable.Title);
    rOut += "</h3>";
  }
  rOut += "<table class=\"grid\" width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"2\">";
  rOut += "<thead><tr>";
  for (const std::string& head : rTable.Header) AppendCell(rOut, "th", head);
  rOut += "</tr></thead><tbody>";
  for (std::size_t r = 0; r < rTable.Rows.size(); ++r) {
    rOut += r % 2 ? "<tr class=\"odd\">" : "<tr>";
    for (const std::string& cell : rTable.Rows[r]) AppendCell(rOut, "td", cell);
    rOut += "</tr>";
  }
  if (rTable.Rows.empty()) {
    rOut += "<tr><td colspan=\"" + std::to_string(rTable.Header.size()) + "\">&nbsp;</td></tr>";
  }
  rOut += "</tbody></table>";
}

}  // namespace

const ReportPage* FindReportPage(std::string_view rKey) {
  for (const ReportPage& page : ReportPages())
    if (page.Key == rKey) return &page;
  return nullptr;
}

std::vector<std::string> AllReportPageKeys() {
  std::vector<std::string> keys;
  for (const ReportPage& page : ReportPages()) keys.emplace_back(page.Key);
  return keys;
}

std::string FileNamePart(const std::string& rPath) {
  const std::size_t cut = rPath.find_last_of("/\\");
  return cut == std::string::npos ? rPath : rPath.substr(cut + 1);
}

Report BuildReport(const AppState& rState, const EmbeddedInfo& rEmbedded,
                   const std::vector<std::string>& rKeys) {
  Report report;
  report.Title = MessageText(rState, Message::PrintReportTitle);
  report.Facts = {
      {MessageText(rState, Message::PrintFileName), FileNamePart(rState.FilePath)},
      {MessageText(rState, Message::PrintModelType), ProductNameOf(rState.ModelString)},
      {MessageText(rState, Message::PrintFrequency), rState.Band.Text},
  };
  for (const ReportPage& page : ReportPages()) {
    bool chosen = false;
    for (const std::string& key : rKeys) chosen = chosen || key == page.Key;
    if (!chosen) continue;
    ReportSection section =
        page.Describe ? page.Describe(rState) : DescribeEmbeddedPage(rState, rEmbedded);
    section.Key = std::string(page.Key);
    section.Title = ReportPageTitle(rState, page);
    report.Sections.push_back(std::move(section));
  }
  return report;
}

std::string ReportHtml(const Report& rReport) {
  std::string html =
      "<html><head><meta charset=\"utf-8\"/><style>"
      "h1 { font-size: 15pt; font-weight: bold; margin-bottom: 6px; }"
      "h2 { font-size: 12pt; font-weight: bold; margin-top: 14px; margin-bottom: 4px; }"
      "h3 { font-size: 10pt; font-weight: bold; margin-top: 8px; margin-bottom: 3px; }"
      "table.grid { border-collapse: collapse; border-color: #808080; border-style: solid; }"
      "table.grid th { background-color: #e4e8f0; font-weight: bold; }"
      "table.grid { font-size: 7.5pt; }"
      "table.grid td { white-space: nowrap; }"
      "tr.odd td { background-color: #f6f6fa; }"
      "td.label { padding-right: 18px; color: #303030; }"
      "</style></head><body>";
  html += "<h1 align=\"center\">";
  AppendEscaped(html, rReport.Title);
  html += "</h1>";
  AppendRows(html, rReport.Facts);
  for (const ReportSection& section : rReport.Sections) {
    html += "<h2>";
    AppendEscaped(html, section.Title);
    html += "</h2>";
    if (!section.Rows.empty()) AppendRows(html, section.Rows);
    for (const ReportTable& table : section.Tables) AppendTable(html, table);
  }
  html += "</body></html>";
  return html;
}

ReportSection DescribeChannelsPage(const AppState& rState) {
  ReportSection section;
  section.Key = "channels";
  section.Title = MessageText(rState, Message::PrintChannelInfo);
  ReportTable table;
  const ChannelRowTexts header = ChannelHeaderTexts(rState, "\n");
  table.Header.assign(header.begin(), header.end());
  // Grid order: the memory channels by number, then PA, PB and VFO.
  for (int number = 1; number <= kNumberVFO; ++number) {
    const int slot = FindChannelSlot(rState.Current, rState.Channels, number);
    if (slot < 0) continue;
    ChannelRowTexts row = ChannelRowOf(rState, rState.Channels[static_cast<std::size_t>(slot)]);
    row[kColName] = Latin1ToUtf8(row[kColName]);
    table.Rows.emplace_back(row.begin(), row.end());
  }
  section.Tables.push_back(std::move(table));
  return section;
}

ReportSection DescribeEmbeddedPage(const AppState& rState, const EmbeddedInfo& rEmbedded) {
  ReportSection section;
  section.Key = "embedded";
  section.Title = MessageText(rState, Message::PrintEmbeddedMessage);
  for (const LabelledField& field : LabelledEmbeddedInfo(rEmbedded))
    section.Rows.push_back({EmbeddedLabel(rState, field.Label), Latin1ToUtf8(field.Value)});
  return section;
}

std::string ReportPageTitle(const AppState& rState, const ReportPage& rPage) {
  return rPage.TitleTextId > 0 ? LangText(rState, rPage.TitleTextId) : MessageText(rState, rPage.PrintText);
}

}  // namespace px
