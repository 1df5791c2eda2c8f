// The scan page's rules: revert lists, enabling, the bytes shown for stored ones (the
// opening corrections), OK and the report.

#include <gtest/gtest.h>

#include "edit/scan_rules.h"
#include "support/page_states.h"

namespace px {
namespace {

class ScanRules : public ::testing::Test {
 protected:
  test::PageState page;
  AppState& state = page.State;
  ScanSettings& stored = state.Current.Settings.Scan;
};

std::vector<int> StoredValues(ChoiceTable rTable) {
  std::vector<int> values;
  for (const Choice& choice : rTable) values.push_back(choice.Stored);
  return values;
}

TEST_F(ScanRules, PriorityChoiceDecidesRevertEntriesAndKeptRevert) {
  EXPECT_EQ(RevertEntriesFor(0), (std::vector<int>{0, 1, 4, 5}));
  EXPECT_EQ(RevertEntriesFor(1), (std::vector<int>{0, 1, 2, 4, 5, 6}));
  EXPECT_EQ(RevertEntriesFor(2), (std::vector<int>{0, 1, 3, 4, 5, 7}));
  EXPECT_EQ(RevertEntriesFor(3).size(), 8u);
  EXPECT_TRUE(RevertEntriesFor(4).empty());
  EXPECT_TRUE(RevertEntriesFor(-1).empty());

  // Priority channel 1 back to none while reverting to it: the first offered entry.
  EXPECT_EQ(RevertAfterPriorityChange(0, 2), 0);
  EXPECT_EQ(RevertAfterPriorityChange(1, 2), 2);
  EXPECT_EQ(RevertAfterPriorityChange(2, 6), 0);
  EXPECT_EQ(RevertAfterPriorityChange(3, 7), 7);
  EXPECT_EQ(RevertAfterPriorityChange(0, 5), 5);

  const BuiltChoices revert = ScanRevertChoices(state, 1);
  EXPECT_EQ(StoredValues(revert), RevertEntriesFor(1));
  EXPECT_EQ(ChoiceText(state, revert, 2), "Priority Channel 1");
  EXPECT_EQ(ChoiceText(state, revert, 5), "Priority Channel 1 + Talkback");
  EXPECT_EQ(ChoiceText(state, ScanPriorityChoices(state), 3), "Priority Channel 1 + Priority Channel 2");
}

TEST_F(ScanRules, ScanModeOffLeavesOnlyTheModeAndPriorityOpensItsChannels) {
  for (int priority = 0; priority < 4; ++priority) EXPECT_EQ(ScanEnabling(0, priority), ScanEnabled{});
  EXPECT_EQ(ScanEnabling(1, 0), (ScanEnabled{true, false, false}));
  EXPECT_EQ(ScanEnabling(1, 1), (ScanEnabled{true, true, false}));
  EXPECT_EQ(ScanEnabling(1, 2), (ScanEnabled{true, false, true}));
  EXPECT_EQ(ScanEnabling(1, 3), (ScanEnabled{true, true, true}));
}

TEST_F(ScanRules, NewCodeplugShowsShortestTimesAndOkStoresThem) {
  const ScanSettings before = stored;
  const ScanSettings shown = ShownScanPage(state);
  EXPECT_EQ(stored, before);  // showing changes nothing
  EXPECT_EQ(shown, (ScanSettings{0, 0, 0, 5, 5, 1, 1, 0, 0, 2, 0, 0, 0, 0}));
  EXPECT_EQ(ShownText(state, LookBackChoices(), shown[ScanSlot::LookBackA]), "0.5");
  EXPECT_EQ(ShownText(state, ResumeDelayChoices(), shown[ScanSlot::RxResume]), "0.1");
  EXPECT_EQ(ShownText(state, WaitTimeChoices(), shown[ScanSlot::WaitTime]), "50");
  ApplyScanPage(state, shown);
  EXPECT_EQ(stored, shown);
}

TEST_F(ScanRules, OutOfRangeBytesShowTheFirstEntry) {
  stored = {7, 9, 12, 60, 4, 51, 0, 4, 3, 1, 0, 0, 0, 0};
  EXPECT_EQ(ShownScanPage(state), (ScanSettings{0, 0, 0, 5, 5, 1, 1, 0, 0, 2, 0, 0, 0, 0}));

  stored = {1, 3, 7, 50, 50, 50, 50, 3, 1, 255, 0, 0, 0, 0};
  EXPECT_EQ(ShownScanPage(state), stored);  // the largest values all stand
  EXPECT_EQ(ShownText(state, WaitTimeChoices(), 255), "6375");
  EXPECT_EQ(ShownText(state, LookBackChoices(), 50), "5.0");
}

TEST_F(ScanRules, StoredRevertThePriorityDoesNotOfferShowsTheFirstOffered) {
  stored[ScanSlot::Priority] = 0;
  stored[ScanSlot::Revert] = 2;
  EXPECT_EQ(ShownScanPage(state)[ScanSlot::Revert], 0);
  stored[ScanSlot::Priority] = 2;
  stored[ScanSlot::Revert] = 7;
  EXPECT_EQ(ShownScanPage(state)[ScanSlot::Revert], 7);
  stored[ScanSlot::Revert] = 6;
  EXPECT_EQ(ShownScanPage(state)[ScanSlot::Revert], 0);
}

TEST_F(ScanRules, PriorityChannelsComeFromTheMemoryChannelsOnly) {
  page.SetChannels({12, 3, 40, kNumberPA, kNumberPB, kNumberVFO, 3});
  const BuiltChoices channels = MemoryChannelChoices(state);
  ASSERT_EQ(channels.Table().size(), 3u);
  EXPECT_EQ(ChoiceText(state, channels, 0), "2");
  EXPECT_EQ(ChoiceText(state, channels, 1), "11");
  EXPECT_EQ(ChoiceText(state, channels, 2), "39");
  EXPECT_EQ(StoredValues(channels), (std::vector<int>{3, 12, 40}));

  stored[ScanSlot::Channel1] = 12;
  stored[ScanSlot::Channel2] = 99;  // gone: the first channel
  const ScanSettings shown = ShownScanPage(state);
  EXPECT_EQ(shown[ScanSlot::Channel1], 12);
  EXPECT_EQ(shown[ScanSlot::Channel2], 3);

  page.SetChannels({kNumberVFO});
  EXPECT_EQ(ShownScanPage(state)[ScanSlot::Channel1], 0);
}

TEST_F(ScanRules, OkKeepsTheGroupBytesAsStored) {
  stored[ScanSlot::Group1] = 33;
  stored[ScanSlot::Group2] = 255;
  ScanSettings shown = ShownScanPage(state);
  shown[ScanSlot::Mode] = 1;
  shown[ScanSlot::Group1] = 1;
  shown[ScanSlot::Group2] = 2;
  ApplyScanPage(state, shown);
  EXPECT_EQ(stored[ScanSlot::Mode], 1);
  EXPECT_EQ(stored[ScanSlot::Group1], 33);
  EXPECT_EQ(stored[ScanSlot::Group2], 255);
}

TEST_F(ScanRules, ReportShowsWhatTheDialogShows) {
  page.SetChannels({5, 9});
  stored = {1, 1, 6, 12, 5, 3, 50, 2, 1, 4, 0, 9, 0, 77};
  const ReportSection section = DescribeScanPage(state);
  EXPECT_EQ(section.Key, "scan");
  EXPECT_EQ(section.Title, "Scan");
  ASSERT_EQ(section.Rows.size(), 12u);
  const auto value = [&](std::size_t rRow) { return section.Rows[rRow].Value; };
  EXPECT_EQ(section.Rows[0].Label, "Scan Mode");
  EXPECT_EQ(value(0), "ON");
  EXPECT_EQ(value(1), "Priority Channel 1");
  EXPECT_EQ(value(2), "8");
  EXPECT_EQ(value(3), "4");  // channel 77 is gone: the first one
  EXPECT_EQ(value(4), "Priority Channel 1 + Talkback");
  EXPECT_EQ(value(5), "1.2");
  EXPECT_EQ(value(8), "5.0");
  EXPECT_EQ(value(9), "Carrier Operated");
  EXPECT_EQ(value(10), "100");
  EXPECT_EQ(value(11), "ON");

  SetLanguage(state, kChinese);
  EXPECT_EQ(DescribeScanPage(state).Rows[1].Value, "优先信道1");
}

}  // namespace
}  // namespace px
