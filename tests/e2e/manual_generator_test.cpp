// px4800-manual keeps the manual's settings tables in step with the page declarations:
// a page written by hand over the table, a setting without a meaning and a meaning
// without a setting are all caught by --check.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>

#include "support/cli_run.h"
#include "support/program_folder.h"
#include "support/temp_dir.h"

namespace px {
namespace {

namespace fs = std::filesystem;

class ManualGenerator : public ::testing::Test {
 protected:
  ManualGenerator() {
    test::MakeProgramFolder(mDir.Path());  // the language files and a copy of the manual
    mMeanings = nlohmann::json::parse(test::ReadText(std::string(PX_SOURCE_DIR) + "/tools/manual/meanings.json"));
  }
  test::CliResult Generate(const std::string& rMode) {
    std::ofstream(mDir.File("meanings.json")) << mMeanings.dump();
    const std::string tool = (fs::path(PX_CLI).parent_path() / "px4800-manual").string();
    return test::RunInFolder(mDir, tool, rMode + " . meanings.json manual");
  }
  std::string Page(const std::string& rName) const { return test::ReadText(mDir.File("manual/" + rName)); }

  test::TempDir mDir;
  nlohmann::json mMeanings;
};

TEST_F(ManualGenerator, TheCommittedManualAgreesAndEveryPageListsItsSettings) {
  const test::CliResult check = Generate("--check");
  EXPECT_EQ(check.Status, 0) << check.Err;
  // Labels and choices as the windows show them, in both languages.
  const std::string options = Page("en/options.html");
  EXPECT_NE(options.find("<td>Battery Save</td><td>1:1, 1:2, 1:4</td>"), std::string::npos);
  EXPECT_NE(options.find("images/options.png"), std::string::npos);
  EXPECT_NE(Page("zh/scan.html").find("<td>扫描模式</td><td>关、开</td>"), std::string::npos);
  for (const char* page : {"options", "keys", "dtmf", "twotone", "fivetone", "scan", "alert", "book", "editor"})
    for (const char* language : {"en", "zh"})
      EXPECT_TRUE(fs::exists(fs::path(PX_SOURCE_DIR) / "manual" / language / "images" / (std::string(page) + ".png")))
          << language << "/" << page;
}

TEST_F(ManualGenerator, CheckFailsOnEveryDriftAndWritingMendsThePages) {
  // A table edited by hand.
  std::string scan = Page("en/scan.html");
  scan.replace(scan.find("Scan Mode"), 9, "Scan Modus");
  std::ofstream(mDir.File("manual/en/scan.html"), std::ios::trunc) << scan;
  test::CliResult r = Generate("--check");
  EXPECT_EQ(r.Status, 1);
  EXPECT_NE(r.Err.find("en/scan.html"), std::string::npos) << r.Err;
  EXPECT_EQ(Page("en/scan.html"), scan);  // --check writes nothing

  EXPECT_EQ(Generate("").Status, 0);
  EXPECT_EQ(Generate("--check").Status, 0);
  EXPECT_NE(Page("en/scan.html").find("<td>Scan Mode</td>"), std::string::npos);

  // A meaning written for the report row still serves once the row is a declared field.
  mMeanings["scan:Scan Mode"] = mMeanings.at("Scan.Mode");
  mMeanings.erase("Scan.Mode");
  r = Generate("--check");
  EXPECT_EQ(r.Status, 0) << r.Err;

  // A setting without its meaning, and a meaning of no setting.
  mMeanings.erase("Alert.Cycle");
  mMeanings["Alert.Nothing"] = {{"en", "x"}, {"zh", "x"}};
  r = Generate("--check");
  EXPECT_EQ(r.Status, 1);
  EXPECT_NE(r.Err.find("\"Alert.Cycle\""), std::string::npos) << r.Err;
  EXPECT_NE(r.Err.find("\"Alert.Nothing\""), std::string::npos) << r.Err;
}

}  // namespace
}  // namespace px
