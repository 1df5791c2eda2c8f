// The printed report as data and as HTML: facts, sections in print order, the channel
// table as the grid shows it, the embedded information, escaping and repeated headers.

#include <gtest/gtest.h>

#include "app/bands.h"
#include "edit/channel_rows.h"
#include "edit/report.h"
#include "support/full_codeplug.h"
#include "support/language_home.h"

namespace px {
namespace {

class ReportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    mState = mHome.State();
    RebuildBandTexts(mState);
    FillFullCodeplug(mState);
    mState.FilePath = "/some/folder/fleet.dat";
    mEmbedded.SerialNumber.Assign("SN<42>&");
  }
  test::LanguageHome mHome;
  AppState mState;
  EmbeddedInfo mEmbedded;
};

TEST_F(ReportTest, FactsAndSectionsInPrintOrder) {
  const Report report = BuildReport(mState, mEmbedded, {"embedded", "nonsense", "channels", "book"});
  EXPECT_EQ(report.Title, "NR_6240 Radio Programming Information");
  ASSERT_EQ(report.Facts.size(), 3u);
  EXPECT_EQ(report.Facts[0].Label, "File Name");
  EXPECT_EQ(report.Facts[0].Value, "fleet.dat");
  EXPECT_EQ(report.Facts[1].Label, "Model Type");
  EXPECT_EQ(report.Facts[1].Value, "NR-6240");
  EXPECT_EQ(report.Facts[2].Label, "Frequency");
  EXPECT_EQ(report.Facts[2].Value, mState.Band.Text);
  ASSERT_EQ(report.Sections.size(), 3u);
  EXPECT_EQ(report.Sections[0].Key, "channels");
  EXPECT_EQ(report.Sections[0].Title, "Channel Infomation");
  EXPECT_EQ(report.Sections[1].Key, "book");
  EXPECT_EQ(report.Sections[2].Key, "embedded");
  EXPECT_TRUE(BuildReport(mState, mEmbedded, {}).Sections.empty());
  // Every registered page has a key of its own and is found by it.
  for (const std::string& key : AllReportPageKeys()) EXPECT_EQ(FindReportPage(key)->Key, key);
  EXPECT_EQ(FindReportPage("nonsense"), nullptr);

  SetLanguage(mState, kChinese);
  const Report zh = BuildReport(mState, mEmbedded, {"channels", "embedded"});
  EXPECT_EQ(zh.Title, "NR_6240 对讲机编程信息");
  EXPECT_EQ(zh.Facts[0].Label, "文件名");
  EXPECT_EQ(zh.Sections[0].Title, "信道信息");
  EXPECT_EQ(zh.Sections[1].Title, "嵌入信息");
  EXPECT_EQ(zh.Sections[1].Rows[1].Label, "序列号");
}

TEST_F(ReportTest, ChannelTableFollowsTheGrid) {
  const ReportSection section = DescribeChannelsPage(mState);
  ASSERT_EQ(section.Tables.size(), 1u);
  const ReportTable& table = section.Tables[0];
  ASSERT_EQ(table.Header.size(), static_cast<std::size_t>(kChannelColumns));
  EXPECT_EQ(table.Header[kColRx], ChannelHeaderTexts(mState)[kColRx]);
  ASSERT_EQ(table.Rows.size(), static_cast<std::size_t>(mState.Current.ChannelCount));
  // Grid order whatever the slot order: labels 0..199, then PA, PB, VFO.
  EXPECT_EQ(table.Rows.front()[kColLabel], "0");
  EXPECT_EQ(table.Rows[199][kColLabel], "199");
  EXPECT_EQ(table.Rows.back()[kColLabel], "VFO");
  for (const auto& row : table.Rows) {
    const int number = row[kColLabel] == "PA" ? 201 : row[kColLabel] == "PB" ? 202
                       : row[kColLabel] == "VFO" ? 203 : std::stoi(row[kColLabel]) + 1;
    const int slot = [&] {
      for (int s = 0; s < mState.Current.ChannelCount; ++s)
        if (mState.Channels[static_cast<std::size_t>(s)].Number == number) return s;
      return -1;
    }();
    ASSERT_GE(slot, 0);
    ChannelRowTexts expected = ChannelRowOf(mState, mState.Channels[static_cast<std::size_t>(slot)]);
    expected[kColName] = Latin1ToUtf8(expected[kColName]);
    EXPECT_EQ(row, std::vector<std::string>(expected.begin(), expected.end()));
  }
}

TEST_F(ReportTest, HtmlEscapesTextsAndRepeatsTableHeaders) {
  Report report = BuildReport(mState, mEmbedded, {"channels", "embedded"});
  report.Sections[0].Tables[0].Rows[0][kColName] = "A&B<C>";
  const std::string html = ReportHtml(report);
  EXPECT_NE(html.find("NR_6240 Radio Programming Information"), std::string::npos);
  EXPECT_NE(html.find("A&amp;B&lt;C&gt;"), std::string::npos);
  EXPECT_EQ(html.find("A&B<C>"), std::string::npos);
  EXPECT_NE(html.find("SN&lt;42&gt;&amp;"), std::string::npos);
  EXPECT_NE(html.find("<thead>"), std::string::npos);
  // The two-line tone headers break inside their cell.
  EXPECT_NE(html.find("<br/>"), std::string::npos);
  EXPECT_EQ(html.find('\r'), std::string::npos);
}

TEST(ReportFileName, LastPartOfEitherSeparator) {
  EXPECT_EQ(FileNamePart("new.dat"), "new.dat");
  EXPECT_EQ(FileNamePart("/a/b/c.dat"), "c.dat");
  EXPECT_EQ(FileNamePart("C:\\x\\y.dat"), "y.dat");
  EXPECT_EQ(FileNamePart("dir/"), "");
}

}  // namespace
}  // namespace px
