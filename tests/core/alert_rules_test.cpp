// The alert page's rules: the code list by code kind, enabling, the bytes shown for
// stored ones, OK and the report.

#include <gtest/gtest.h>

#include "edit/alert_rules.h"
#include "support/page_states.h"

namespace px {
namespace {

class AlertRules : public ::testing::Test {
 protected:
  test::PageState page;
  AppState& state = page.State;
  AlertSettings& stored = state.Current.Settings.Alert;

  void UseDtmfMemories(std::initializer_list<int> rMemories) {
    for (const int k : rMemories) {
      state.Current.Settings.Dtmf.CodeMemory[static_cast<std::size_t>(k)].Digits.Assign("12");
      state.Current.Settings.Dtmf.CodeMemory[static_cast<std::size_t>(k)].Length = 2;
    }
  }
  void UseFiveToneCodes(std::initializer_list<int> rPositions) {
    for (const int i : rPositions) state.Current.Settings.FiveTone.Codes[static_cast<std::size_t>(i)].Empty = 0;
  }
  std::vector<std::string> Texts(ChoiceTable rTable) {
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < rTable.size(); ++i) texts.push_back(ChoiceText(state, rTable, static_cast<int>(i)));
    return texts;
  }
};

TEST_F(AlertRules, CodeListFollowsTheCodeKind) {
  UseDtmfMemories({0, 4, 15});
  state.Current.Settings.Dtmf.CodeMemory[7].Digits.Assign("99");  // digits without a length
  const BuiltChoices dtmf = AlertCodeChoices(state.Current, AlertCodeKind::Dtmf);
  EXPECT_EQ(Texts(dtmf), (std::vector<std::string>{"M1", "M5", "M16"}));
  EXPECT_EQ(StoredAsShown(dtmf, 4), 4);
  EXPECT_EQ(StoredAsShown(dtmf, 7), 0);  // an empty memory: the first entry

  // No 5-Tone code in use offers only "0".
  EXPECT_EQ(Texts(AlertCodeChoices(state.Current, AlertCodeKind::FiveTone)), (std::vector<std::string>{"0"}));
  UseFiveToneCodes({1, 50, 99});
  const BuiltChoices five = AlertCodeChoices(state.Current, AlertCodeKind::FiveTone);
  EXPECT_EQ(Texts(five), (std::vector<std::string>{"1", "50", "99"}));
  EXPECT_EQ(StoredAsShown(five, 50), 50);

  EXPECT_TRUE(AlertCodeChoices(state.Current, AlertCodeKind::None).Empty());
  EXPECT_TRUE(AlertCodeChoices(state.Current, 3).Empty());
}

TEST_F(AlertRules, AlarmKindAndChannelSelectionDecideWhatIsUsable) {
  EXPECT_EQ(AlertEnabling(0, 0), (AlertEnabled{true, false, true}));
  EXPECT_EQ(AlertEnabling(1, 0), (AlertEnabled{false, true, true}));
  EXPECT_EQ(AlertEnabling(3, 1), (AlertEnabled{false, true, false}));
}

TEST_F(AlertRules, NewCodeplugShowsItsDefaults) {
  const AlertSettings before = stored;
  const AlertSettings shown = ShownAlertPage(state);
  EXPECT_EQ(stored, before);
  // Times of 0 show (and store) 1; the code and the channel have nothing to choose.
  EXPECT_EQ(shown, (AlertSettings{0, 0, 0, 1, 1, 1, 0, 0, 0, 0, 1, 5}));
  ApplyAlertPage(state, shown);
  EXPECT_EQ(stored, shown);
}

TEST_F(AlertRules, OutOfRangeBytesShowTheFirstEntry) {
  page.SetChannels({20, 7});
  stored = {4, 3, 9, 0, 0, 0, 2, 150, 255, 3, 255, 4};
  EXPECT_EQ(ShownAlertPage(state), (AlertSettings{0, 0, 0, 1, 1, 1, 0, 7, 255, 0, 1, 5}));
  stored = {3, 1, 0, 255, 255, 255, 1, 20, 1, 1, 254, 255};
  UseDtmfMemories({0});
  EXPECT_EQ(ShownAlertPage(state), stored);
  EXPECT_EQ(ShownText(state, AlertCycleChoices(state), 0), "Continuous");
  EXPECT_EQ(ShownText(state, AlertCycleChoices(state), 255), "255");
}

TEST_F(AlertRules, ShownCodeIsReadUnderTheStoredCodeKind) {
  UseDtmfMemories({2, 5});
  UseFiveToneCodes({5, 9});
  stored[AlertSlot::CodeKind] = AlertCodeKind::Dtmf;
  stored[AlertSlot::Code] = 5;
  EXPECT_EQ(ShownAlertPage(state)[AlertSlot::Code], 5);
  stored[AlertSlot::CodeKind] = AlertCodeKind::FiveTone;
  stored[AlertSlot::Code] = 9;
  EXPECT_EQ(ShownAlertPage(state)[AlertSlot::Code], 9);
  stored[AlertSlot::Code] = 2;  // not in use as a 5-Tone code
  EXPECT_EQ(ShownAlertPage(state)[AlertSlot::Code], 5);
  stored[AlertSlot::CodeKind] = AlertCodeKind::None;
  EXPECT_EQ(ShownAlertPage(state)[AlertSlot::Code], 0);
}

TEST_F(AlertRules, EmergencyChannelWithoutMemoryChannelsIsZero) {
  page.SetChannels({kNumberVFO, kNumberPA});
  stored[AlertSlot::Channel] = 12;
  EXPECT_EQ(ShownAlertPage(state)[AlertSlot::Channel], 0);
  page.SetChannels({30, 12});
  EXPECT_EQ(ShownAlertPage(state)[AlertSlot::Channel], 12);
}

TEST_F(AlertRules, ReportShowsWhatTheDialogShows) {
  page.SetChannels({5, 9});
  UseDtmfMemories({3});
  stored = {1, 1, 3, 10, 20, 30, 0, 9, 0, 1, 7, 60};
  const ReportSection section = DescribeAlertPage(state);
  EXPECT_EQ(section.Key, "alert");
  EXPECT_EQ(section.Title, "Emergency Alarm");
  std::vector<std::string> values;
  for (const ReportRow& row : section.Rows) values.push_back(row.Value);
  EXPECT_EQ(values, (std::vector<std::string>{"Remote Alarm", "DTMF", "M4", "10", "20", "30",
                                              "Assigned Channel", "8", "Continuous", "ON", "7", "60"}));
  EXPECT_EQ(section.Rows[9].Label, "Lone Worker: Automatic Detection");

  SetLanguage(state, kChinese);
  EXPECT_EQ(DescribeAlertPage(state).Rows[0].Value, "远程报警");
}

}  // namespace
}  // namespace px
