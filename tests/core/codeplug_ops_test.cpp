#include <gtest/gtest.h>

#include "edit/codeplug_ops.h"

namespace px {
namespace {

ChannelRecord Channel(int rNumber) {
  ChannelRecord c;
  c.Number = static_cast<Int16>(rNumber);
  c.InUse = 1;
  return c;
}

void SetTable(AppState& rState, std::initializer_list<int> rNumbers) {
  int slot = 0;
  for (int n : rNumbers) rState.Channels[slot++] = Channel(n);
  rState.Current.ChannelCount = static_cast<Int16>(slot);
}

TEST(CodeplugOps, ResetGivesThePageDefaultsAndKeepsNames) {
  Codeplug p;
  p.Settings.TwoTone.Entries[3].Name.Assign("TWO");
  p.Settings.FiveTone.Codes[7].Name.Assign("FIVE");
  p.Settings.FiveTone.InfoCodes[2].Name.Assign("INFO");
  p.Settings.Scan[9] = 42;
  p.Settings.FiveTone.Codes[7].Empty = 0;
  p.MinRxFreq = 400;
  p.Settings.TwoTone.Entries[5].Empty = 0;
  ResetToDefaults(p);

  EXPECT_EQ(p.Settings.TwoTone.Entries[3].Name.Display(), "TWO");
  EXPECT_EQ(p.Settings.FiveTone.Codes[7].Name.Display(), "FIVE");
  EXPECT_EQ(p.Settings.FiveTone.InfoCodes[2].Name.Display(), "INFO");
  EXPECT_EQ(p.Settings.Scan[9], 42);
  EXPECT_EQ(p.MinRxFreq, 400);

  int inUse = 0;
  for (const auto& e : p.Settings.TwoTone.Entries) inUse += e.Empty == 0;
  EXPECT_EQ(inUse, 1);
  EXPECT_EQ(p.Settings.TwoTone.Entries[0].Empty, 0);
  EXPECT_EQ(p.Settings.TwoTone.Entries[0].ToneBytes[0], 58);
  for (const auto& c : p.Settings.FiveTone.Codes) {
    EXPECT_EQ(c.Empty, 1);
    EXPECT_EQ(c.CodeBytes, (std::array<Byte, 4>{0, 0, 0, 70}));
  }
  EXPECT_EQ(p.Settings.Options.PowerOnMessage.Display(), "Welcome");
  EXPECT_EQ(p.Settings.Dtmf.SelfId.Display(), "000");
  EXPECT_EQ(p.Settings.Alert[10], 1);
  EXPECT_EQ(p.Book[127].Index, 127);
  EXPECT_EQ(p.FiveToneLastOption, 2);
}

TEST(CodeplugOps, DefaultChannelIsTheVfoInTheMiddleOfTheBand) {
  Codeplug p;
  ChannelTable t{};
  CreateDefaultChannel(p, t);
  EXPECT_EQ(t[0].Number, 203);
  EXPECT_EQ(t[0].InUse, 1);
  EXPECT_EQ(t[0].ScanSkip, 1);
  EXPECT_EQ(t[0].RxFreq.Display(), "015500000");
  EXPECT_EQ(t[0].OffsetFreq.Display(), "000000000");
  EXPECT_EQ(t[0].CtcssIndexA, 20);
  EXPECT_EQ(t[0].CtcssIndexB, 20);
  EXPECT_EQ(t[0].PttIdCode.Display(), "00000");
  EXPECT_EQ(t[0].Name.Raw()[0], '\0');

  // The upper limit is rounded to a whole MHz, halves to even: 400.5 -> 400.
  p.MinRxFreq = 350;
  p.MaxRxFreq = 400.5;
  CreateDefaultChannel(p, t);
  EXPECT_EQ(t[0].RxFreq.Display(), "037500000");
  p.MaxRxFreq = 401.5;  // -> 402
  CreateDefaultChannel(p, t);
  EXPECT_EQ(t[0].RxFreq.Display(), "037600000");
}

TEST(CodeplugOps, FindsChannelsByNumberOnlyAmongStoredSlots) {
  AppState s;
  SetTable(s, {203, 5, 201});
  s.Channels[3] = Channel(9);  // beyond the count
  EXPECT_EQ(FindChannelSlot(s.Current, s.Channels, 5), 1);
  EXPECT_EQ(FindChannelSlot(s.Current, s.Channels, 201), 2);
  EXPECT_EQ(FindChannelSlot(s.Current, s.Channels, 9), -1);
  EXPECT_FALSE(ChannelExists(s.Current, s.Channels, 202));
  EXPECT_TRUE(ChannelExists(s.Current, s.Channels, 203));
  EXPECT_EQ(kNumberPA, 201);
  EXPECT_EQ(kNumberPB, 202);
  EXPECT_EQ(kNumberVFO, 203);
  EXPECT_TRUE(IsMemoryChannel(200));
  EXPECT_FALSE(IsMemoryChannel(201));
}

TEST(CodeplugOps, SavedCopyCarriesTheProgramBand) {
  AppState s;
  SetTable(s, {203, 1});
  s.Band.Index = 12;
  CopyToSaved(s);
  EXPECT_EQ(s.SavedCodeplug.BandIndex, 12);
  EXPECT_EQ(s.SavedChannels[1].Number, 1);

  s.SavedCodeplug.BandIndex = 3;
  s.SavedCodeplug.MinRxFreq = 400;
  s.SavedCodeplug.MaxRxFreq = 470;
  RestoreFromSaved(s);
  EXPECT_EQ(s.Band.Index, 3);
  EXPECT_EQ(s.Band.Limits.MinRx, 400);
  EXPECT_EQ(s.Band.Limits.MaxRx, 470);
}

TEST(CodeplugOps, RenumbersSignallingReferencesToEntriesInUse) {
  AppState s;
  ResetToDefaults(s.Current);
  SetTable(s, {1, 2, 3, 4});
  auto& entries = s.Current.Settings.TwoTone.Entries;
  entries[0].Empty = 1;
  entries[4].Empty = 0;
  entries[9].Empty = 0;
  s.Channels[0].SignallingType = 2;
  s.Channels[0].TwoToneEntryNumber = 9;   // in use: stays
  s.Channels[1].SignallingType = 2;
  s.Channels[1].TwoToneEntryNumber = 0;   // freed: first in use
  s.Channels[2].SignallingType = 1;
  s.Channels[2].TwoToneEntryNumber = 0;   // not 2-Tone: untouched
  s.Channels[3].SignallingType = 2;
  s.Channels[3].TwoToneEntryNumber = 99;  // out of range counts as free
  RenumberTwoToneReferences(s);
  EXPECT_EQ(s.Channels[0].TwoToneEntryNumber, 9);
  EXPECT_EQ(s.Channels[1].TwoToneEntryNumber, 4);
  EXPECT_EQ(s.Channels[2].TwoToneEntryNumber, 0);
  EXPECT_EQ(s.Channels[3].TwoToneEntryNumber, 4);

  // No 5-Tone code in use: references fall to 0, alert byte 2 too when byte 1 is 2.
  s.Channels[0].SignallingType = 3;
  s.Channels[0].FiveToneEntryNumber = 50;
  s.Current.Settings.Alert[1] = 2;
  s.Current.Settings.Alert[2] = 7;
  RenumberFiveToneReferences(s);
  EXPECT_EQ(s.Channels[0].FiveToneEntryNumber, 0);
  EXPECT_EQ(s.Current.Settings.Alert[2], 0);

  s.Current.Settings.FiveTone.Codes[20].Empty = 0;
  s.Current.Settings.Alert[2] = 7;
  s.Current.Settings.Alert[1] = 1;  // not a 5-Tone alert: byte 2 is not a code
  RenumberFiveToneReferences(s);
  EXPECT_EQ(s.Current.Settings.Alert[2], 7);
}

TEST(CodeplugOps, RepairsReferencesToDeletedChannels) {
  AppState s;
  SetTable(s, {203, 10, 4, 201});
  auto& scan = s.Current.Settings.Scan;
  auto& alert = s.Current.Settings.Alert;
  scan[11] = 10;    // exists
  scan[13] = 7;     // gone -> last memory channel in table order: 4
  alert[7] = 201;   // PA is not a memory channel -> 4
  s.Current.Settings.Options.OptionValues[2] = 150;
  RepairChannelReferences(s);
  EXPECT_EQ(scan[11], 10);
  EXPECT_EQ(scan[13], 4);
  EXPECT_EQ(alert[7], 4);
  EXPECT_EQ(s.Current.Settings.Options.OptionValues[2], 150);

  SetTable(s, {203});
  RepairChannelReferences(s);
  EXPECT_EQ(scan[11], 0);
  EXPECT_EQ(alert[7], 0);
}

}  // namespace
}  // namespace px
