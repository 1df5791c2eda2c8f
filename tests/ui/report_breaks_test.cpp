// The full report's page breaks read back from the PDF with poppler, in either language
// on either paper: every heading on the page of its first rows, every row once and in
// order, a last page of more than a line, and every page numbered "n / N".

#include <gtest/gtest.h>

#include <QList>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cctype>
#include <map>

#include "app/bands.h"
#include "app/language.h"
#include "support/full_report_test.h"
#include "support/language_home.h"
#include "support/pdf_text.h"
#include "support/temp_dir.h"
#include "ui/print/report_render.h"

namespace px {
namespace {

// The rows a heading keeps on its page (all of them when there are fewer).
constexpr std::size_t kFirstRows = 3;
// Points under a row's text that hold its padding and the rule closing its table.
constexpr double kRuleRoom = 4;

// rText without white space: pdftotext spaces cells and characters out as their places
// on the page suggest.
std::u32string Packed(const std::string& rText) {
  std::u32string packed;
  for (const char32_t c : QString::fromStdString(rText).toUcs4())
    if (!QChar::isSpace(c)) packed.push_back(c);
  return packed;
}

// One printed line of the report as the PDF should hold it: a heading or a row.
struct Item {
  std::u32string Text;
  bool Heading = false;
  std::size_t RowUnderHeading = 0;  // 1 for the first row under a heading, 0 past kFirstRows
};

std::vector<Item> ItemsOf(const Report& rReport) {
  std::vector<Item> items;
  std::size_t sinceHeading = kFirstRows;
  const auto heading = [&](const std::string& rTitle) {
    if (rTitle.empty()) return;
    items.push_back({Packed(rTitle), true, 0});
    sinceHeading = 0;
  };
  const auto row = [&](const std::vector<std::string>& rCells) {
    std::u32string text;
    bool oneLine = true;
    for (const std::string& cell : rCells) {
      text += Packed(cell);
      oneLine = oneLine && cell.find('\n') == std::string::npos;
    }
    ++sinceHeading;
    if (oneLine && !text.empty()) items.push_back({text, false, sinceHeading <= kFirstRows ? sinceHeading : 0});
  };
  heading(rReport.Title);
  for (const ReportRow& fact : rReport.Facts) row({fact.Label, fact.Value});
  for (const ReportSection& section : rReport.Sections) {
    heading(section.Title);
    for (const ReportRow& value : section.Rows) row({value.Label, value.Value});
    for (const ReportTable& table : section.Tables) {
      // A table without a title under rows of its own is not what the heading is kept with.
      if (table.Title.empty() && &table != &section.Tables.front()) sinceHeading = kFirstRows;
      if (table.Title.empty() && !section.Rows.empty()) sinceHeading = kFirstRows;
      heading(table.Title);
      for (const std::vector<std::string>& cells : table.Rows) row(cells);
    }
  }
  return items;
}

// The lowest text of a page above its page number, and its page number's top, in points
// from the top of the page (pdftotext's word boxes), for every page of rPath.
struct TextFoot {
  double LastText = 0;
  double Number = 0;
};

std::vector<TextFoot> TextFeetOf(const std::string& rPath) {
  const std::string boxes = test::CommandOutput("pdftotext -bbox '" + rPath + "' - 2>&1");
  std::vector<TextFoot> feet;
  for (std::size_t page = boxes.find("<page "); page != std::string::npos;) {
    const std::size_t next = boxes.find("<page ", page + 1);
    std::vector<std::pair<double, double>> words;  // yMin, yMax
    for (std::size_t at = boxes.find("<word ", page); at < next; at = boxes.find("<word ", at + 1)) {
      const auto value = [&](const char* rName) {
        const std::size_t from = boxes.find(rName, at) + std::string(rName).size();
        return std::stod(boxes.substr(from, boxes.find('"', from) - from));
      };
      words.emplace_back(value("yMin=\""), value("yMax=\""));
    }
    TextFoot foot;
    for (const auto& word : words) foot.Number = std::max(foot.Number, word.first);
    for (const auto& word : words)
      if (word.second < foot.Number) foot.LastText = std::max(foot.LastText, word.second);
    feet.push_back(foot);
    page = next;
  }
  return feet;
}

// The first pixel row with ink between rFrom and rTo of a page drawn by pdftoppm at 72 dpi
// (one pixel a point) into the file rImage, short of a rule across half the page; -1 when
// there is none.
int InkBetween(const std::string& rImage, double rFrom, double rTo) {
  const std::vector<unsigned char> image = test::ReadBytes(rImage);
  // "P5\nW H\n255\n" then one byte a pixel.
  std::size_t at = 2;  // past "P5"
  std::vector<int> header;
  while (header.size() < 3 && at < image.size()) {
    while (at < image.size() && !std::isdigit(image[at])) ++at;
    int number = 0;
    while (at < image.size() && std::isdigit(image[at])) number = number * 10 + (image[at++] - '0');
    header.push_back(number);
  }
  ++at;
  if (header.size() < 3 || image.size() < at + static_cast<std::size_t>(header[0]) * header[1]) return -2;
  const int width = header[0];
  for (int y = static_cast<int>(rFrom); y < static_cast<int>(rTo) && y < header[1]; ++y) {
    int ink = 0;
    for (int x = 0; x < width; ++x) ink += image[at + static_cast<std::size_t>(y) * width + x] < 240;  // a faint rule too
    if (ink * 2 > width) return -1;  // the rule over the page number: the foot of the body
    if (ink > 0) return y;
  }
  return -1;
}

class ReportBreaks : public test::FullReportTest {};

TEST_F(ReportBreaks, HeadingsKeepTheirRowsAndEveryRowComesOnceInOrder) {
  for (const int language : {kEnglish, kChinese}) {
    for (const ReportPaper paper : {ReportPaper::A4, ReportPaper::Letter}) {
      SCOPED_TRACE(std::string(language == kChinese ? "Chinese" : "English") +
                   (paper == ReportPaper::A4 ? " A4" : " Letter"));
      SetLanguage(mState, language);
      const Report report = BuildReport(mState, mEmbedded, AllReportPageKeys());
      const std::string path = mDir.File("report.pdf");
      std::string error;
      int pages = 0;
      ASSERT_TRUE(WriteReportPdf(report, language, paper, QString::fromStdString(path), error, &pages)) << error;
      ASSERT_EQ(test::PdfPageCount(path), pages);
      ASSERT_GE(pages, 3);

      // The printed lines of every page; the counts of every line in the whole file.
      std::vector<std::vector<std::u32string>> lines(static_cast<std::size_t>(pages));
      std::map<std::u32string, int> printed;
      const QStringList pageTexts = QString::fromStdString(test::PdfLayoutText(path)).split(QLatin1Char('\f'));
      ASSERT_GE(pageTexts.size(), pages);
      for (int page = 1; page <= pages; ++page) {
        const QStringList texts = pageTexts[page - 1].split(QLatin1Char('\n'));
        std::vector<std::u32string>& on = lines[static_cast<std::size_t>(page - 1)];
        for (const QString& text : texts)
          if (std::u32string line = Packed(text.toStdString()); !line.empty()) on.push_back(line);
        const std::u32string number = Packed(std::to_string(page) + " / " + std::to_string(pages));
        EXPECT_NE(std::find(on.begin(), on.end(), number), on.end()) << "page " << page << " is not numbered";
        for (const std::u32string& line : on) ++printed[line];
      }

      // Every line where the report puts it: each after the one before, a heading's first
      // rows on the heading's page.
      const std::vector<Item> items = ItemsOf(report);
      std::map<std::u32string, int> expected;
      std::size_t page = 0;
      std::size_t line = 0;
      std::size_t headingPage = 0;
      for (const Item& item : items) {
        if (!item.Heading) ++expected[item.Text];
        std::size_t p = page;
        std::size_t l = line;
        while (p < lines.size()) {
          if (l < lines[p].size() && lines[p][l] == item.Text) break;
          if (++l >= lines[p].size()) {
            l = 0;
            ++p;
          }
        }
        ASSERT_LT(p, lines.size()) << "not printed after the line before: " << QString::fromStdU32String(item.Text).toStdString();
        page = p;
        line = l + 1;
        if (item.Heading) headingPage = p;
        if (item.RowUnderHeading > 0) {
          EXPECT_EQ(p, headingPage) << "row " << item.RowUnderHeading << " of the heading on page "
                                    << headingPage + 1 << ": " << QString::fromStdU32String(item.Text).toStdString();
        }
      }
      for (const auto& [text, count] : expected)
        EXPECT_EQ(printed[text], count) << QString::fromStdU32String(text).toStdString();

      // Under each page's last line of text at most the rule closing its table: no band of
      // empty bordered cells down to the page's foot.
      const std::vector<TextFoot> feet = TextFeetOf(path);
      ASSERT_EQ(feet.size(), lines.size());
      test::CommandOutput("pdftoppm -gray -r 72 '" + path + "' '" + mDir.File("page") + "' 2>&1");
      const int digits = static_cast<int>(std::to_string(pages).size());
      for (int p = 1; p <= pages; ++p) {
        const TextFoot& foot = feet[static_cast<std::size_t>(p - 1)];
        const QString image = QStringLiteral("%1-%2.pgm").arg(QString::fromStdString(mDir.File("page"))).arg(p, digits, 10, QLatin1Char('0'));
        EXPECT_EQ(InkBetween(image.toStdString(), foot.LastText + kRuleRoom, foot.Number), -1)
            << "drawing under the last text of page " << p;
      }

      // The last page: its page header and number, and at least the lines a table keeps
      // together.
      EXPECT_GE(lines.back().size(), 2 + kFirstRows);
    }
  }
}

}  // namespace
}  // namespace px
