// Move, sort, insert and remove of memory channels, and the settings that name a channel
// (scan priority 1 and 2, alert, power-on) following the channel they named.

#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "codeplug/alert_slots.h"
#include "codeplug/option_slots.h"
#include "codeplug/scan_slots.h"
#include "codeplug/text_formats.h"
#include "edit/channel_ops.h"
#include "edit/undo_history.h"

namespace px {
namespace {

class ChannelOpsTest : public ::testing::Test {
 protected:
  void SetUp() override { state.Current.ChannelCount = 0; }

  void Add(int rNumber, const std::string& rName, const char* rRx = "145.00000") {
    ChannelRecord& channel = state.Channels[static_cast<std::size_t>(state.Current.ChannelCount++)];
    channel = ChannelRecord{};
    channel.Number = static_cast<Int16>(rNumber);
    channel.InUse = 1;
    channel.Name.Assign(rName);
    channel.RxFreq.Assign(ToStoredFreq(rRx));
  }
  // The name on a row; "" for an empty row.
  std::string NameAt(int rNumber) const {
    for (int slot = 0; slot < state.Current.ChannelCount; ++slot)
      if (state.Channels[static_cast<std::size_t>(slot)].Number == rNumber)
        return state.Channels[static_cast<std::size_t>(slot)].Name.Display();
    return "";
  }
  Byte& Scan1() { return state.Current.Settings.Scan[ScanSlot::Channel1]; }
  Byte& Scan2() { return state.Current.Settings.Scan[ScanSlot::Channel2]; }
  Byte& Alert() { return state.Current.Settings.Alert[AlertSlot::Channel]; }
  Int16& PowerOn() { return state.Current.Settings.Options.OptionValues[OptionSlot::PowerOnChannel]; }

  AppState state;
};

// Rows 1..10 hold "C1".."C10"; the four references name C2, C4, C6 and C8.
struct RefCase {
  const char* What;
  std::function<ChannelOpResult(AppState&)> Op;
  std::map<int, std::string> Expected;  // rows checked after the operation
};

TEST_F(ChannelOpsTest, EveryOperationKeepsTheFourReferencesOnTheirChannels) {
  const std::vector<RefCase> cases = {
      {"move up a block", [](AppState& s) { return MoveChannelsBy(s, {4, 5}, -1); },
       {{3, "C4"}, {4, "C5"}, {5, "C3"}, {6, "C6"}}},
      {"move down a block", [](AppState& s) { return MoveChannelsBy(s, {2, 3}, +1); },
       {{2, "C4"}, {3, "C2"}, {4, "C3"}, {5, "C5"}}},
      {"move down, not adjacent", [](AppState& s) { return MoveChannelsBy(s, {2, 6}, +1); },
       {{2, "C3"}, {3, "C2"}, {6, "C7"}, {7, "C6"}}},
      {"drag to a later row", [](AppState& s) { return MoveChannelsTo(s, {2}, 8); },
       {{2, "C3"}, {7, "C8"}, {8, "C2"}, {9, "C9"}}},
      {"drag a block to an earlier row", [](AppState& s) { return MoveChannelsTo(s, {6, 8}, 1); },
       {{1, "C6"}, {2, "C8"}, {3, "C1"}, {7, "C5"}, {8, "C7"}}},
      {"sort by name, in text order", [](AppState& s) { return SortChannels(s, SortKey::Name); },
       {{1, "C1"}, {2, "C10"}, {3, "C2"}, {10, "C9"}}},
      {"sort by receive frequency", [](AppState& s) { return SortChannels(s, SortKey::RxFrequency); },
       {{1, "C10"}, {2, "C9"}, {10, "C1"}}},
      {"insert two rows", [](AppState& s) { return InsertRows(s, 3, 2); },
       {{2, "C2"}, {3, ""}, {4, ""}, {5, "C3"}, {12, "C10"}}},
      {"remove two rows", [](AppState& s) { return RemoveRows(s, {1, 3}); },
       {{1, "C2"}, {2, "C4"}, {8, "C10"}, {9, ""}}},
  };
  for (const RefCase& c : cases) {
    SCOPED_TRACE(c.What);
    SetUp();
    state = AppState{};
    state.Current.ChannelCount = 0;
    // Higher rows get lower frequencies, so the frequency sort reverses the list.
    for (int n = 1; n <= 10; ++n) Add(n, "C" + std::to_string(n), (std::to_string(150 - n) + ".00000").c_str());
    Scan1() = 2;
    Scan2() = 4;
    Alert() = 6;
    PowerOn() = 8 - 1;
    const CodeplugSnapshot before = TakeSnapshot(state);

    const ChannelOpResult result = c.Op(state);
    EXPECT_TRUE(result.Refusal.empty()) << result.Refusal;
    EXPECT_TRUE(result.Changed);
    for (const auto& [row, name] : c.Expected) EXPECT_EQ(NameAt(row), name) << "row " << row;
    EXPECT_EQ(NameAt(Scan1()), "C2");
    EXPECT_EQ(NameAt(Scan2()), "C4");
    EXPECT_EQ(NameAt(Alert()), "C6");
    EXPECT_EQ(NameAt(PowerOn() + 1), "C8");
    // One step of the history brings the codeplug back exactly.
    RestoreSnapshot(state, before);
    EXPECT_TRUE(TakeSnapshot(state) == before);
  }
}

TEST_F(ChannelOpsTest, RemovedReferencesAreRepairedAsAfterACut) {
  for (int n = 1; n <= 6; ++n) Add(n, "C" + std::to_string(n));
  Scan1() = 2;
  Scan2() = 5;
  Alert() = 2;
  PowerOn() = 2 - 1;
  RemoveRows(state, {2});
  // Scan and alert to a removed channel take the last memory channel (C6, now row 5).
  EXPECT_EQ(Scan1(), 5);
  EXPECT_EQ(Alert(), 5);
  EXPECT_EQ(NameAt(Scan2()), "C5");
  // The power-on channel keeps its row, as a cut leaves it.
  EXPECT_EQ(PowerOn(), 1);
}

TEST_F(ChannelOpsTest, PaPbAndVfoNeverMoveAndPowerOnPaStays) {
  for (int n = 1; n <= 3; ++n) Add(n, "C" + std::to_string(n));
  Add(kNumberPA, "PA");
  Add(kNumberVFO, "VFO");
  PowerOn() = kNumberPA - 1;
  EXPECT_TRUE(InsertRows(state, 1, 5).Refusal.empty());
  EXPECT_EQ(NameAt(kNumberPA), "PA");
  EXPECT_EQ(NameAt(kNumberVFO), "VFO");
  EXPECT_EQ(PowerOn(), kNumberPA - 1);
  EXPECT_FALSE(MoveChannelsBy(state, {kNumberPA}, -1).Refusal.empty());
  EXPECT_FALSE(RemoveRows(state, {kNumberVFO}).Refusal.empty());
}

TEST_F(ChannelOpsTest, RefusalsChangeNothing) {
  Add(1, "TOP");
  Add(kMemoryChannels - 1, "LOW");
  Add(kMemoryChannels, "LAST");
  const CodeplugSnapshot before = TakeSnapshot(state);
  const std::vector<std::pair<const char*, ChannelOpResult>> refused = {
      {"up from the top", MoveChannelsBy(state, {1, 5}, -1)},
      {"down from the bottom", MoveChannelsBy(state, {kMemoryChannels}, +1)},
      {"insert pushing the last row out", InsertRows(state, 10, 1)},
      {"insert pushing the row before last out", InsertRows(state, 10, 2)},
      {"insert no rows", InsertRows(state, 10, 0)},
      {"remove nothing", RemoveRows(state, {})},
  };
  for (const auto& [what, result] : refused) {
    EXPECT_FALSE(result.Refusal.empty()) << what;
    EXPECT_FALSE(result.Changed) << what;
  }
  EXPECT_TRUE(TakeSnapshot(state) == before);
}

TEST_F(ChannelOpsTest, InsertAtTheBottomFreesOnlyEmptyRows) {
  Add(kMemoryChannels - 2, "A");
  const ChannelOpResult result = InsertRows(state, kMemoryChannels - 2, 2);
  EXPECT_TRUE(result.Refusal.empty());
  EXPECT_EQ(NameAt(kMemoryChannels), "A");
  EXPECT_EQ(NameAt(kMemoryChannels - 2), "");
  EXPECT_EQ(result.Rows, (std::vector<int>{kMemoryChannels - 2, kMemoryChannels - 1}));
}

TEST_F(ChannelOpsTest, SortIsStablePacksFromRowZeroAndPutsUnnamedLast) {
  Add(40, "bravo", "146.00000");
  Add(7, "", "144.00000");
  Add(12, "Alpha", "146.00000");
  Add(3, "alpha", "145.00000");
  SortChannels(state, SortKey::Name);
  // Case does not count: "alpha" (row 3) stays before "Alpha" (row 12).
  EXPECT_EQ(NameAt(1), "alpha");
  EXPECT_EQ(NameAt(2), "Alpha");
  EXPECT_EQ(NameAt(3), "bravo");
  EXPECT_EQ(NameAt(4), "");
  EXPECT_EQ(state.Current.ChannelCount, 4);
  SortChannels(state, SortKey::RxFrequency);
  // 144 (unnamed), 145 alpha, then the two at 146 in their present order.
  EXPECT_EQ(NameAt(2), "alpha");
  EXPECT_EQ(NameAt(3), "Alpha");
  EXPECT_EQ(NameAt(4), "bravo");
  EXPECT_EQ(state.Current.ChannelCount, 4);
}

TEST_F(ChannelOpsTest, FindByNameOrFrequencyFromTheCurrentRowOn) {
  Add(5, "Tower", "145.50000");
  Add(9, "TOWN", "146.52000");
  Add(20, "Base", "145.50000");
  EXPECT_EQ(FindChannel(state, "tow", 0), 5);
  EXPECT_EQ(FindChannel(state, "tow", 5), 9);
  EXPECT_EQ(FindChannel(state, "tow", 9), 5);  // wraps round
  EXPECT_EQ(FindChannel(state, "146.52", 0), 9);
  EXPECT_EQ(FindChannel(state, "145.5", 5), 20);
  EXPECT_EQ(FindChannel(state, "nothing", 0), 0);
  EXPECT_EQ(FindChannel(state, "  ", 0), 0);
}

TEST(ChannelRowList, GridNumbersBecomeChannelNumbers) {
  struct Case {
    const char* Text;
    bool Ok;
    std::vector<int> Numbers;
  };
  const Case cases[] = {
      {"5", true, {6}},
      {"5-9", true, {6, 7, 8, 9, 10}},
      {"1,4,7-9", true, {2, 5, 8, 9, 10}},
      {"9,1,1", true, {2, 10}},
      {"0", true, {1}},
      {"199", true, {200}},
      {"200", false, {}},
      {"9-5", false, {}},
      {"", false, {}},
      {"1,,2", false, {}},
      {"-3", false, {}},
      {"a", false, {}},
  };
  for (const Case& c : cases) {
    std::vector<int> rows;
    EXPECT_EQ(ParseRowList(c.Text, rows), c.Ok) << c.Text;
    if (c.Ok) {
      EXPECT_EQ(rows, c.Numbers) << c.Text;
    }
  }
}

}  // namespace
}  // namespace px
