#include <gtest/gtest.h>

#include "edit/channel_clipboard.h"

namespace px {
namespace {

class ClipboardTest : public ::testing::Test {
 protected:
  void Add(int rNumber, const char* rName) {
    ChannelRecord& channel = state.Channels[static_cast<std::size_t>(state.Current.ChannelCount)];
    channel = ChannelRecord{};
    channel.Number = static_cast<Int16>(rNumber);
    channel.InUse = 1;
    channel.Name.Assign(rName);
    ++state.Current.ChannelCount;
  }
  AppState state;
  void SetUp() override { state.Current.ChannelCount = 0; }
};

TEST_F(ClipboardTest, PasteBeforeAnyCopyDoesNothing) {
  Add(5, "A");
  EXPECT_FALSE(HandleCtrlKey(state, 'V', 5));
  EXPECT_EQ(state.Current.ChannelCount, 1);
}

TEST_F(ClipboardTest, EmptyRowCopiedOverFilledRowClearsIt) {
  Add(5, "A");
  HandleCtrlKey(state, 'c', 7);
  EXPECT_TRUE(state.ClipboardFilled);
  EXPECT_TRUE(HandleCtrlKey(state, 'V', 5));
  EXPECT_EQ(state.Current.ChannelCount, 0);
  EXPECT_FALSE(HasRecord(state, 5));
}

TEST_F(ClipboardTest, CutAndPasteMovesChannel) {
  Add(10, "TEN");
  Add(3, "B");
  HandleCtrlKey(state, 'X', 10);
  HandleCtrlKey(state, 'V', 20);
  EXPECT_EQ(state.Current.ChannelCount, 2);
  EXPECT_FALSE(HasRecord(state, 10));
  ASSERT_TRUE(HasRecord(state, 20));
  EXPECT_EQ(state.Channels[1].Name.Display(), "TEN");
}

TEST_F(ClipboardTest, OneCopyPastedTwiceAppendsTwice) {
  Add(1, "X");
  CopyChannel(state, 1);
  PasteChannel(state, 50);
  PasteChannel(state, kNumberVFO);
  EXPECT_EQ(state.Current.ChannelCount, 3);
  EXPECT_EQ(state.Channels[2].Number, kNumberVFO);
  EXPECT_EQ(state.Channels[2].Name.Display(), "X");
}

TEST_F(ClipboardTest, DeleteKeepsOrderOfTheRest) {
  Add(1, "A");
  Add(2, "B");
  Add(3, "C");
  EXPECT_TRUE(DeleteChannel(state, 1));
  EXPECT_EQ(state.Current.ChannelCount, 2);
  EXPECT_EQ(state.Channels[0].Number, 2);
  EXPECT_EQ(state.Channels[1].Number, 3);
  EXPECT_FALSE(DeleteChannel(state, 99));
}

TEST_F(ClipboardTest, FullTableDoesNotOverflowOnPaste) {
  state.Current.ChannelCount = kChannelSlots;
  for (auto& channel : state.Channels) channel.Number = 1;  // a damaged file
  state.ClipboardFilled = true;
  state.Clipboard.InUse = 1;
  EXPECT_FALSE(PasteChannel(state, 7) && state.Current.ChannelCount > kChannelSlots);
  EXPECT_EQ(state.Current.ChannelCount, kChannelSlots);
}

TEST_F(ClipboardTest, CtrlKeyRepairsReferences) {
  Add(4, "A");
  state.Current.Settings.Scan[11] = 9;
  HandleCtrlKey(state, 0, 4);
  EXPECT_EQ(state.Current.Settings.Scan[11], 4);
}

}  // namespace
}  // namespace px
