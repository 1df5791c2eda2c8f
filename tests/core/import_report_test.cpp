#include <gtest/gtest.h>

#include "app/app_state.h"
#include "app/language.h"
#include "edit/import_report.h"

namespace px {
namespace {

TEST(ImportReport, AHundredLinesThenTheCount) {
  AppState state;
  ChannelImportPlan plan;
  CsvImportedChannel good;
  good.Line = 2;
  good.Notes = {"name cut to 7 characters: \"ABCDEFG\""};
  plan.Channels.push_back(good);
  for (int k = 0; k < 1'099; ++k) plan.Refused.push_back({k + 3, "9", "location \"9\" appears again"});
  const auto lines = ImportReportLines(state, plan);
  ASSERT_EQ(lines.size(), 101u);
  EXPECT_EQ(lines[0], "line 2: name cut to 7 characters: \"ABCDEFG\"");
  EXPECT_EQ(lines[1], "line 3 (location 9): location \"9\" appears again");
  // 1 note + 1,099 refusals, of which 100 shown.
  EXPECT_EQ(lines[100], "... and 1000 more lines not shown");
  SetLanguage(state, kChinese);
  EXPECT_EQ(ImportReportLines(state, plan)[100], "……另有 1000 行未显示");
}

TEST(ImportReport, LongCellsAreShownByTheirStart) {
  AppState state;
  const std::string cell(1'000'000, 'x');
  ChannelImportPlan plan;
  plan.Refused.push_back({7, cell, "location \"" + cell + "\" is not a channel 0 to 199"});
  const auto lines = ImportReportLines(state, plan);
  ASSERT_EQ(lines.size(), 1u);
  const std::string shown = std::string(40, 'x') + "... (1000000 bytes)";
  EXPECT_EQ(lines[0], "line 7 (location " + shown + "): location \"" + shown + "\" is not a channel 0 to 199");

  // Forty characters, not bytes, and never half a character: 41 three-byte characters.
  std::string wide;
  for (int k = 0; k < 41; ++k) wide += "信";
  EXPECT_EQ(ShortenedCell(wide), wide.substr(0, 120) + "... (123 bytes)");
  EXPECT_EQ(ShortenedCell(std::string(40, 'y')), std::string(40, 'y'));
  EXPECT_EQ(WithShortenedQuotes("a \"short\" and an \"open"), "a \"short\" and an \"open");
}

}  // namespace
}  // namespace px
