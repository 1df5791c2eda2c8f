// px4800 print: the report as a PDF without a display, read back with poppler.

#include <gtest/gtest.h>

#include <filesystem>

#include "codeplug/codeplug_file.h"
#include "support/cli_run.h"
#include "support/full_codeplug.h"
#include "support/pdf_text.h"

namespace px {
namespace {

class CliPrint : public ::testing::Test {
 protected:
  void SetUp() override {
    namespace fs = std::filesystem;
    fs::create_directories(mDir.Path() / "language");
    for (const char* name : {"english.ini", "chinese.ini"})
      fs::copy_file(fs::path(PX_SOURCE_DIR) / "lang" / name, mDir.Path() / "language" / name);
    AppState full;
    FillFullCodeplug(full);
    std::string error;
    ASSERT_TRUE(WriteCodeplugFiles(File("full.dat"), full.Current, full.Channels, error)) << error;
    mBookName = full.Current.Book[5].Name.Display();
  }
  test::CliResult Run(const std::string& rArgs) {
    // No display: the tool must not need one.
    return test::RunInFolder(mDir, PX_CLI, rArgs);
  }
  std::string File(const std::string& rName) const { return mDir.File(rName); }

  test::TempDir mDir;
  std::string mBookName;
};

TEST_F(CliPrint, EveryPageInEitherLanguageAndPaper) {
  test::CliResult r = Run("print full.dat -o en.pdf");
  ASSERT_EQ(r.Status, 0) << r.Err;
  EXPECT_NE(r.Err.find("pages)"), std::string::npos) << r.Err;
  std::string text = test::PdfText(File("en.pdf"));
  EXPECT_NE(text.find("NR_6240 Radio Programming Information"), std::string::npos);
  EXPECT_NE(text.find("full.dat"), std::string::npos);
  EXPECT_NE(text.find(mBookName), std::string::npos);
  EXPECT_NE(text.find("Embedded Message"), std::string::npos);
  EXPECT_NE(test::PdfInfo(File("en.pdf")).find("(A4)"), std::string::npos);

  r = Run("print full.dat -o zh.pdf --lang zh --paper letter --pages book,channels");
  ASSERT_EQ(r.Status, 0) << r.Err;
  text = test::PdfText(File("zh.pdf"));
  EXPECT_NE(text.find("NR_6240 对讲机编程信息"), std::string::npos);
  EXPECT_NE(text.find("通信簿"), std::string::npos);
  EXPECT_EQ(text.find("嵌入信息"), std::string::npos);
  EXPECT_NE(test::PdfInfo(File("zh.pdf")).find("letter"), std::string::npos);
}

TEST_F(CliPrint, BadArgumentsWriteNothing) {
  EXPECT_EQ(Run("print full.dat").Status, 2);
  EXPECT_EQ(Run("print full.dat -o x.pdf --pages nosuch").Status, 2);
  EXPECT_EQ(Run("print full.dat -o x.pdf --paper a3").Status, 2);
  EXPECT_EQ(Run("print full.dat -o x.pdf --lang fr").Status, 2);
  const test::CliResult r = Run("print missing.dat -o x.pdf");
  EXPECT_EQ(r.Status, 1);
  EXPECT_NE(r.Err.find("missing.dat"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(File("x.pdf")));
  EXPECT_EQ(Run("print full.dat -o no/dir/x.pdf").Status, 1);
}

// Every page the report can print, by the names the tool takes.
TEST_F(CliPrint, HelpAndAnUnknownPageNameEveryPage) {
  const test::CliResult help = Run("print --help");
  ASSERT_EQ(help.Status, 0) << help.Err;
  const test::CliResult wrong = Run("print full.dat -o x.pdf --pages channels,nosuch");
  ASSERT_EQ(wrong.Status, 2);
  EXPECT_NE(wrong.Err.find("nosuch"), std::string::npos) << wrong.Err;
  for (const char* page :
       {"channels", "options", "keys", "dtmf", "twotone", "fivetone", "scan", "alert", "book", "embedded"}) {
    EXPECT_NE(help.Out.find(page), std::string::npos) << "help lacks " << page << "\n" << help.Out;
    EXPECT_NE(wrong.Err.find(page), std::string::npos) << "error lacks " << page << "\n" << wrong.Err;
  }
}

}  // namespace
}  // namespace px
