// The report's PDF read back with poppler: every Chinese text copies out as the text
// shown.

#include <gtest/gtest.h>

#include <QList>
#include <QString>

#include <fstream>

#include "app/bands.h"
#include "app/language.h"
#include "app/messages.h"
#include "support/full_report_test.h"
#include "support/language_home.h"
#include "support/pdf_text.h"
#include "support/temp_dir.h"
#include "ui/print/pdf_text_map.h"
#include "ui/print/report_render.h"

namespace px {
namespace {

// rText without any white space: lines wrap and cells part differently in a PDF's text.
std::u32string Packed(const std::string& rText) {
  std::u32string packed;
  for (const char32_t c : QString::fromStdString(rText).toUcs4())
    if (!QChar::isSpace(c)) packed.push_back(c);
  return packed;
}

// Every text of a language file's sections, as the file holds it.
std::vector<std::string> LanguageFileTexts(const char* rName) {
  std::ifstream in(std::string(PX_SOURCE_DIR) + "/lang/" + rName);
  std::vector<std::string> texts;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const auto eq = line.find('=');
    if (eq != std::string::npos && !line.empty() && line[0] != '[' && eq + 1 < line.size())
      texts.push_back(line.substr(eq + 1));
  }
  return texts;
}

std::vector<std::string> ReportTexts(const Report& rReport) {
  std::vector<std::string> texts{rReport.Title};
  for (const ReportRow& row : rReport.Facts) texts.insert(texts.end(), {row.Label, row.Value});
  for (const ReportSection& section : rReport.Sections) {
    texts.push_back(section.Title);
    for (const ReportRow& row : section.Rows) texts.insert(texts.end(), {row.Label, row.Value});
    for (const ReportTable& table : section.Tables) {
      texts.push_back(table.Title);
      texts.insert(texts.end(), table.Header.begin(), table.Header.end());
      for (const auto& cells : table.Rows) texts.insert(texts.end(), cells.begin(), cells.end());
    }
  }
  return texts;
}

bool HasNonAscii(const std::string& rText) {
  for (const char c : rText)
    if (static_cast<unsigned char>(c) >= 0x80) return true;
  return false;
}

class ReportPdf : public test::FullReportTest {
 protected:
  Report FullReport(int rLanguage) {
    SetLanguage(mState, rLanguage);
    return BuildReport(mState, EmbeddedInfo{}, AllReportPageKeys());
  }
  std::string Write(const Report& rReport, int rLanguage, ReportPaper rPaper, const std::string& rName) {
    const std::string path = mDir.File(rName);
    std::string error;
    EXPECT_TRUE(WriteReportPdf(rReport, rLanguage, rPaper, QString::fromStdString(path), error, &mPages)) << error;
    return path;
  }

  int mPages = 0;
};

// Every Chinese text the report can hold — each text of the Chinese language file, each
// message, each text of the full report — copies out of the PDF as the characters shown,
// never as the radicals that share their glyphs.
TEST_F(ReportPdf, EveryChineseTextCopiesOutAsShown) {
  std::vector<std::string> texts = LanguageFileTexts("chinese.ini");
  for (int m = 0; m < kMessageCount; ++m) texts.push_back(MessageText(static_cast<Message>(m), kChinese));
  const Report full = FullReport(kChinese);
  for (const std::string& text : ReportTexts(full)) texts.push_back(text);
  std::erase_if(texts, [](const std::string& rText) { return !HasNonAscii(rText); });
  ASSERT_GT(texts.size(), 300u);

  Report all;
  all.Title = full.Title;
  ReportSection section;
  section.Title = full.Sections.front().Title;
  for (const std::string& text : texts) section.Rows.push_back({text, ""});
  all.Sections.push_back(section);
  const std::string shown = test::PdfText(Write(all, kChinese, ReportPaper::A4, "all.pdf"));
  const std::u32string copied = Packed(shown);
  for (const std::string& text : texts)
    EXPECT_NE(copied.find(Packed(text)), std::u32string::npos) << "\"" << text << "\" does not copy out";
  for (const char32_t c : copied)
    EXPECT_FALSE(c >= 0x2E80 && c <= 0x2FDF) << "radical U+" << std::hex << static_cast<unsigned>(c);

  // The report itself, searchable for what it shows.
  const std::u32string report = Packed(test::PdfText(Write(full, kChinese, ReportPaper::Letter, "zh.pdf")));
  for (const char* word : {"文件名", "无", "高", "音", "长"})
    EXPECT_NE(report.find(Packed(word)), std::u32string::npos) << word;
}

// The mending touches only the names of single glyphs inside ToUnicode maps, digit for
// digit in the case found.
TEST(ToUnicodeMending, ChangesOnlySingleGlyphNamesInMaps) {
  const auto mend = [](char32_t rName) -> char32_t {
    if (rName == 0x2F46) return 0x65E0;
    if (rName == 0x2ED3) return 0x957F;
    return rName;
  };
  const struct {
    const char* In;
    const char* Out;
    int Changed;
  } cases[] = {
      {"begincmap\n1 beginbfrange\n<0003> <0003> <2f46>\nendbfrange\nendcmap", "begincmap\n1 beginbfrange\n<0003> <0003> <65e0>\nendbfrange\nendcmap", 1},
      {"begincmap\n1 beginbfrange\n<0003> <0003> <2F46>\nendbfrange\nendcmap", "begincmap\n1 beginbfrange\n<0003> <0003> <65E0>\nendbfrange\nendcmap", 1},
      {"begincmap\n1 beginbfrange\n<0004> <0006> [<0041> <2ed3> <2f46> ]\nendbfrange\nendcmap", "begincmap\n1 beginbfrange\n<0004> <0006> [<0041> <957f> <65e0> ]\nendbfrange\nendcmap", 2},
      // A range counting up from its start stays: its other glyphs are not the radicals.
      {"begincmap\n1 beginbfrange\n<0010> <0019> <2f46>\nendbfrange\nendcmap", "begincmap\n1 beginbfrange\n<0010> <0019> <2f46>\nendbfrange\nendcmap", 0},
      // Source codes and anything outside a map stay.
      {"<2f46> begincmap\n1 beginbfrange\n<2f46> <2f46> <0041>\nendbfrange\nendcmap <2f46>", "<2f46> begincmap\n1 beginbfrange\n<2f46> <2f46> <0041>\nendbfrange\nendcmap <2f46>", 0},
  };
  for (const auto& c : cases) {
    QByteArray pdf(c.In);
    EXPECT_EQ(MendToUnicodeMaps(pdf, mend), c.Changed) << c.In;
    EXPECT_EQ(pdf.toStdString(), c.Out);
  }
}

}  // namespace
}  // namespace px
