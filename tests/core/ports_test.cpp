#include <gtest/gtest.h>

#include "link/ports.h"

namespace px {
namespace {

TEST(Ports, NumberingRuleBothWays) {
  const std::pair<int, const char*> pairs[] = {
      {1, "/dev/ttyS0"},     {32, "/dev/ttyS31"},   {33, "/dev/ttyUSB0"}, {64, "/dev/ttyUSB31"},
      {65, "/dev/ttyACM0"},  {96, "/dev/ttyACM31"}, {97, "/dev/pts/0"},   {100, "/dev/pts/3"},
  };
  for (const auto& [number, device] : pairs) {
    EXPECT_EQ(DeviceOfPort(number), device);
    EXPECT_EQ(PortOfDevice(device), number);
  }
  EXPECT_EQ(DeviceOfPort(0), std::nullopt);
  EXPECT_EQ(DeviceOfPort(-4), std::nullopt);
  for (const char* device : {"/dev/ttyS32", "/dev/ttyUSB", "/dev/ttyUSBx", "/dev/ttyACM-1",
                             "/dev/ttyAMA0", "/dev/pts/ptmx", "ttyS0", "/dev/ttyS 1"})
    EXPECT_EQ(PortOfDevice(device), std::nullopt) << device;
}

TEST(Ports, EntryTextAndItsNumber) {
  EXPECT_EQ(PortEntryText(7), "COM7");
  EXPECT_EQ(PortNumberOfEntry("COM12"), 12);
  EXPECT_EQ(PortNumberOfEntry("COMx"), std::nullopt);
  EXPECT_EQ(PortNumberOfEntry("COM"), std::nullopt);
}

const std::vector<PresentPort> kPresent = {
    {"/dev/ttyUSB1", "USB serial"}, {"/dev/pts/4", ""}, {"/dev/ttyS0", ""}, {"/dev/rfcomm0", ""}};

TEST(Ports, PresentListSkipsPseudoTerminalsAndKeepsTheSystemsOrder) {
  const auto entries = PresentPortEntries(kPresent);
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].Text, "COM34");
  EXPECT_EQ(entries[0].Device, "/dev/ttyUSB1");
  EXPECT_EQ(entries[0].Description, "USB serial");
  EXPECT_EQ(entries[1].Text, "COM1");
  EXPECT_EQ(PresentPortNumbers(kPresent), (std::vector<int>{34, 1}));
}

TEST(PortDialog, OpeningSelectsTheStoredPortOrTheFirst) {
  auto d = OpenPortDialog(PortListMode::Present, kPresent, 1);
  EXPECT_EQ(d.Selected, 1);
  EXPECT_EQ(d.Working, 1);
  d = OpenPortDialog(PortListMode::Present, kPresent, 9);
  EXPECT_EQ(d.Selected, 0);
  EXPECT_EQ(d.Working, 34);
  d = OpenPortDialog(PortListMode::Present, {}, 9);
  EXPECT_EQ(d.Selected, -1);
  EXPECT_EQ(d.Working, 0);
  ASSERT_TRUE(AcceptPortDialog(d));
  EXPECT_EQ(AcceptPortDialog(d)->ComPort, 0);
  EXPECT_FALSE(AcceptPortDialog(d)->Store);
}

TEST(PortDialog, FixedListHoldsAllNumbersAndNeverRefreshes) {
  auto d = OpenPortDialog(PortListMode::Fixed, {}, 200);
  ASSERT_EQ(d.Entries.size(), 255u);
  EXPECT_EQ(d.Entries.front().Text, "COM1");
  EXPECT_EQ(d.Entries.back().Text, "COM255");
  EXPECT_EQ(d.Working, 200);
  RefreshPortDialog(d, kPresent);
  EXPECT_EQ(d.Entries.size(), 255u);
  EXPECT_EQ(d.Working, 200);
}

TEST(PortDialog, RefreshFollowsPortsThatComeAndGo) {
  auto d = OpenPortDialog(PortListMode::Present, kPresent, 1);
  RefreshPortDialog(d, {{"/dev/ttyUSB1", ""}});  // COM1 unplugged
  EXPECT_EQ(d.Working, 34);
  RefreshPortDialog(d, {});
  EXPECT_EQ(d.Selected, -1);
  EXPECT_EQ(d.Working, 0);
  RefreshPortDialog(d, kPresent);
  EXPECT_EQ(d.Selected, 0);
}

TEST(PortDialog, OkStoresANumericEntryOnly) {
  auto d = OpenPortDialog(PortListMode::Present, kPresent, 1);
  SelectPortEntry(d, 0);
  const auto choice = AcceptPortDialog(d);
  ASSERT_TRUE(choice);
  EXPECT_EQ(choice->ComPort, 34);
  EXPECT_TRUE(choice->Store);
  d.Entries[0].Text = "COMx";
  EXPECT_EQ(AcceptPortDialog(d), std::nullopt);
  SelectPortEntry(d, 5);
  EXPECT_EQ(d.Selected, -1);
  EXPECT_EQ(d.Working, 0);
}

}  // namespace
}  // namespace px
