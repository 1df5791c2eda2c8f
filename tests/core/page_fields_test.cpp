#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "app/language.h"
#include "edit/codeplug_diff.h"
#include "edit/page_fields.h"
#include "support/full_state_test.h"

namespace px {
namespace {

class PageFieldsTest : public test::FullStateTest {};

// A row that repeats a name, a slot, an object or a bit of the image would make two
// settings read or write each other.
TEST_F(PageFieldsTest, EveryRowIsItsOwnSettingAndNamedInBothLanguages) {
  std::set<std::string> names;
  for (const DeclaredPage& page : DeclaredPages()) {
    std::set<std::size_t> slots;
    std::set<std::string> objects;
    std::set<std::pair<std::size_t, int>> bits;
    for (const PageField& field : page.Fields) {
      const std::string name(field.Name);
      EXPECT_TRUE(names.insert(name).second) << name;
      EXPECT_TRUE(slots.insert(field.Slot).second) << name;
      EXPECT_EQ(name.find('['), std::string::npos) << name;
      for (int bit = field.Image.Bit; bit < field.Image.Bit + field.Image.Width; ++bit)
        EXPECT_TRUE(bits.insert({field.Image.Offset, bit}).second) << name << " bit " << bit;
      if (field.Control == FieldControl::Carried) continue;
      EXPECT_TRUE(objects.insert(std::string(field.Object)).second) << name;
      EXPECT_NE(field.Choices, nullptr) << name;
      for (const int language : {kEnglish, kChinese}) {
        SetLanguage(mState, language);
        EXPECT_FALSE(LangLookup(mState, field.LabelSection, std::to_string(field.LabelId)).empty())
            << name << " in language " << language;
        EXPECT_FALSE(field.Choices(mState).Empty() && field.Control == FieldControl::Switch) << name;
      }
    }
  }
}

// Any change to any declared setting is told by a label or a field name, never by an
// array index; a byte no control shows goes by its name even beside other changes.
TEST_F(PageFieldsTest, DiffNamesEveryDeclaredFieldWithoutAnIndex) {
  for (const DeclaredPage& page : DeclaredPages()) {
    for (const PageField& field : page.Fields) {
      AppState after = mState;
      const std::string path = FieldPath(page, field);
      ASSERT_EQ(FieldOfPath(path), &field) << path;
      // Change the stored value whether or not the control shows a difference.
      for (const int delta : {1, 100}) {
        const int now = page.Value(after.Current, field.Slot);
        page.Store(after.Current, field.Slot, now + delta);
        ASSERT_NE(page.Value(after.Current, field.Slot), now) << field.Name;
        const auto differences = DiffCodeplugs(mState, after);
        EXPECT_FALSE(differences.empty()) << field.Name;
        for (const auto& d : differences) EXPECT_EQ(d.Where.find('['), std::string::npos) << DifferenceLine(d);
      }
    }
  }
}

TEST_F(PageFieldsTest, ACarriedByteIsNamedBesideAShownChange) {
  AppState after = mState;
  after.Current.Settings.Scan[10] = static_cast<Byte>(mState.Current.Settings.Scan[10] + 1);
  after.Current.Settings.Scan[0] = static_cast<Byte>(1 - mState.Current.Settings.Scan[0]);
  std::vector<std::string> lines;
  for (const auto& d : DiffCodeplugs(mState, after)) lines.push_back(DifferenceLine(d));
  const std::string group = "Scan.Group1: " + std::to_string(mState.Current.Settings.Scan[10]) + " \xE2\x86\x92 " +
                            std::to_string(mState.Current.Settings.Scan[10] + 1);
  EXPECT_NE(std::find(lines.begin(), lines.end(), group), lines.end()) << ::testing::PrintToString(lines);
  EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const std::string& l) { return l.starts_with("Scan Scan Mode: "); }))
      << ::testing::PrintToString(lines);
}

}  // namespace
}  // namespace px
