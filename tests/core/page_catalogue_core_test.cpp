// The core's page catalogue is the one list of pages: the report, diff, show and the help
// all read it, so every page must be whole in it and named in both languages.

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "app/language.h"
#include "edit/codeplug_diff.h"
#include "edit/page_catalogue_core.h"
#include "support/full_state_test.h"

namespace px {
namespace {

class PageCatalogueCoreTest : public test::FullStateTest {};

TEST_F(PageCatalogueCoreTest, EveryPageIsWholeAndNamedInBothLanguages) {
  std::set<std::string_view> keys, windows, records;
  for (const CorePage& page : CorePages()) {
    EXPECT_TRUE(keys.insert(page.Key).second) << page.Key;
    EXPECT_TRUE(windows.insert(page.Window).second) << page.Key;
    EXPECT_EQ(FindCorePage(page.Key), &page);
    for (const char* language : {"en", "zh"})
      EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(PX_SOURCE_DIR "/manual") / language /
                                          (std::string(page.HelpTopic) + ".html")))
          << page.Key << " " << language;
    if (!page.Record.empty()) {
      EXPECT_TRUE(records.insert(page.Record).second) << page.Key;
    }
    // The field rows lie inside the record diff compares for the page.
    if (page.Fields != nullptr) {
      EXPECT_EQ(page.FieldsPath.rfind(page.Record, 0), 0u) << page.Key;
      EXPECT_NE(page.Value, nullptr) << page.Key;
      EXPECT_NE(page.Store, nullptr) << page.Key;
    }
    for (const int language : {kEnglish, kChinese}) {
      SetLanguage(mState, language);
      if (page.TreeTextId != 0) {
        EXPECT_FALSE(LangText(mState, page.TreeTextId).empty()) << page.Key;
      }
      EXPECT_FALSE(ReportPageTitle(mState, *FindReportPage(page.Key)).empty()) << page.Key;
    }
  }
  EXPECT_EQ(FindCorePage("nonsense"), nullptr);
}

// The lists the report and the field walkers read are the catalogue's, row for row.
TEST_F(PageCatalogueCoreTest, ReportAndDeclaredPagesAreReadFromTheCatalogue) {
  const std::vector<std::string> printOrder = {"channels", "options", "keys", "dtmf",  "twotone",
                                               "fivetone", "scan",    "alert", "book", "embedded"};
  EXPECT_EQ(AllReportPageKeys(), printOrder);
  for (const ReportPage& page : ReportPages()) {
    const CorePage* core = FindCorePage(page.Key);
    ASSERT_NE(core, nullptr) << page.Key;
    EXPECT_EQ(page.Describe, core->Describe) << page.Key;
  }
  // The keys, the scan and the alert page print under their tree text.
  for (const char* key : {"keys", "scan", "alert"})
    EXPECT_EQ(ReportPageTitle(mState, *FindReportPage(key)), LangText(mState, FindCorePage(key)->TreeTextId)) << key;

  std::set<std::string_view> declared;
  for (const DeclaredPage& page : DeclaredPages()) {
    declared.insert(page.Key);
    const CorePage* core = FindCorePage(page.Key);
    ASSERT_NE(core, nullptr) << page.Key;
    EXPECT_EQ(page.RecordPath, core->FieldsPath);
    EXPECT_EQ(page.Fields.data(), core->Fields().data()) << page.Key;
  }
  EXPECT_EQ(declared, (std::set<std::string_view>{"options", "keys", "dtmf", "twotone", "fivetone", "scan", "alert"}));
}

// diff tells the pages in the order it always has: options, keys, scan, alert, then the
// signalling pages, whatever the print order.
TEST_F(PageCatalogueCoreTest, DiffTellsThePagesInItsOwnOrder) {
  AppState after;
  after.ProgramFolder = mState.ProgramFolder;
  FillFullCodeplug(after);
  const std::vector<std::string> order = {"options", "keys", "scan", "alert", "dtmf", "twotone", "fivetone"};
  for (const std::string& key : order) {
    const DeclaredPage* page = nullptr;
    for (const DeclaredPage& p : DeclaredPages())
      if (p.Key == key) page = &p;
    ASSERT_NE(page, nullptr) << key;
    // The first list whose shown entry can change: store another entry's value.
    bool changed = false;
    for (const PageField& field : page->Fields) {
      if (field.Control != FieldControl::List || changed) continue;
      const BuiltChoices choices = field.Choices(after);
      const ChoiceTable table = choices.Table();
      if (table.size() < 2) continue;
      const int shown = ShownFieldValue(after, field, page->Value(after.Current, field.Slot));
      page->Store(after.Current, field.Slot, shown == table[0].Stored ? table[1].Stored : table[0].Stored);
      changed = true;
    }
    ASSERT_TRUE(changed) << key;
  }
  const std::vector<CodeplugDifference> differences = DiffCodeplugs(mState, after);
  std::vector<std::string> told;
  for (const CodeplugDifference& difference : differences)
    for (const std::string& key : order) {
      const std::string title = ReportPageTitle(mState, *FindReportPage(key)) + " ";
      if (difference.Where.rfind(title, 0) == 0 && (told.empty() || told.back() != key)) told.push_back(key);
    }
  EXPECT_EQ(told, order);
}

}  // namespace
}  // namespace px
