#include <gtest/gtest.h>

#include "edit/codeplug_ops.h"
#include "edit/two_tone_rules.h"

namespace px {
namespace {

constexpr int kLongB = 13;

AppState DefaultState() {
  AppState state;
  ResetToDefaults(state.Current);
  return state;
}

TEST(TwoToneRules, DivisorsFollowTheirTwoRules) {
  EXPECT_EQ(HeaderDivisor(1000), 4800);  // 9 600 000 / (2 f)
  EXPECT_EQ(EntryDivisorOf(1000), 600);  // 9 600 000 / (16 f)
  EXPECT_EQ(HeaderDivisor(321.7), 14920);  // integer part, not rounded (14920.7)
  EXPECT_EQ(EntryDivisorOf(3116), 192);
  EXPECT_EQ(EntryDivisorOf(288), 2083);
}

TEST(TwoToneRules, TenthsRoundHalvesToEven) {
  EXPECT_EQ(ToneTenths(1000), 10000);
  EXPECT_EQ(ToneTenths(288.25), 2882);
  EXPECT_EQ(ToneTenths(288.35), 2884);
  EXPECT_EQ(ToneTenths(321.74), 3217);
  EXPECT_EQ(ToneTenths(321.76), 3218);
}

TEST(TwoToneRules, ToneBoxesAreClampedOnLeavingAndAtOk) {
  EXPECT_EQ(LeaveToneBox("100"), "288");
  EXPECT_EQ(LeaveToneBox("4000"), "3116");
  EXPECT_EQ(LeaveToneBox(""), "288");
  EXPECT_EQ(LeaveToneBox("1000.50"), "1000.5");
  EXPECT_EQ(LeaveToneBox("1.2.3"), "2000");
  EXPECT_EQ(ToneAtOk("1.2.3"), 2000);
  EXPECT_EQ(ToneAtOk(""), 2000);
  EXPECT_EQ(ToneAtOk("285"), 285);  // the check at OK starts at 280
  EXPECT_EQ(ToneAtOk("100"), 280);
  EXPECT_EQ(ToneAtOk("9999"), 3116);
}

TEST(TwoToneRules, HeaderFieldsKeepTheirByteOrders) {
  TwoToneSettings page;
  SetDecodeTone(page, 0, 10000);
  SetDecodeDivisor(page, 0, 4800);
  SetTone(page, 1, 10000);
  EXPECT_EQ(page.Header[0], 39);
  EXPECT_EQ(page.Header[1], 16);
  EXPECT_EQ(page.Header[5], 18);
  EXPECT_EQ(page.Header[6], 192);
  EXPECT_EQ(page.Header[14], 16);  // tones A..D low byte first
  EXPECT_EQ(page.Header[15], 39);
  EXPECT_EQ(ToneOf(page, 1), 10000);

  const AppState state = DefaultState();
  const TwoToneSettings& defaults = state.Current.Settings.TwoTone;
  EXPECT_EQ(DecodeTone(defaults, 0), 3217);
  EXPECT_EQ(DecodeTone(defaults, 1), 9281);
  EXPECT_EQ(ToneOf(defaults, 0), 3217);
  EXPECT_EQ(ToneOf(defaults, 3), 20438);
}

TEST(TwoToneRules, LongFormatStoresOneDecodeTone) {
  AppState state = DefaultState();
  TwoTonePage page = OpenTwoTonePage(state);
  page.Scratch.Header[TwoToneSlot::Format] = kLongB;
  page.Inputs.Tones[1] = "1000.0";
  ApplyTwoTonePage(state, page);
  const auto& header = state.Current.Settings.TwoTone.Header;
  EXPECT_EQ(header[0], 39);
  EXPECT_EQ(header[1], 16);
  EXPECT_EQ(header[5], 18);
  EXPECT_EQ(header[6], 192);
  for (int b : {2, 3, 7, 8}) EXPECT_EQ(header[static_cast<std::size_t>(b)], 0) << b;
  EXPECT_EQ(header[4], kLongB);
  EXPECT_EQ(ToneOf(state.Current.Settings.TwoTone, 1), 10000);
}

TEST(TwoToneRules, FormatsEnableTheirTones) {
  EXPECT_EQ(FormatTones(0), (std::pair{0, 1}));
  EXPECT_EQ(FormatTones(11), (std::pair{3, 2}));
  EXPECT_EQ(FormatTones(14), (std::pair{2, -1}));
  EXPECT_TRUE(ToneBoxEnabled(6, 2));
  EXPECT_TRUE(ToneBoxEnabled(6, 0));
  EXPECT_FALSE(ToneBoxEnabled(6, 1));
  EXPECT_FALSE(ToneBoxEnabled(12, 1));
  EXPECT_EQ(FormatTones(99), (std::pair{0, 1}));
}

TEST(TwoToneRules, OpeningShowsDefaultsForZeroValues) {
  AppState state = DefaultState();
  auto& header = state.Current.Settings.TwoTone.Header;
  header[12] = header[13] = 0;  // tone A
  header[5] = header[6] = 0;    // first decode divisor
  header[22] = 0;               // Timing3 below its list
  header[23] = 21;              // Timing4 above its list
  header[20] = 101;
  header[11] = 2;               // side tone
  const TwoTonePage page = OpenTwoTonePage(state);
  EXPECT_EQ(page.Inputs.Tones[0], "321.7");
  EXPECT_EQ(page.Inputs.Tones[1], "928.1");
  EXPECT_EQ(DecodeDivisor(page.Scratch, 0), kTwoToneDefaultDivisor);
  EXPECT_EQ(page.Scratch.Header[5], 7);
  EXPECT_EQ(page.Scratch.Header[6], 51);
  EXPECT_EQ(page.Scratch.Header[22], 10);  // 1.0 s, not the list's first entry
  EXPECT_EQ(page.Scratch.Header[23], 10);  // 1000 ms
  EXPECT_EQ(page.Scratch.Header[20], 5);   // the first entry, 0.5 s
  EXPECT_EQ(page.Scratch.Header[11], 0);   // side tone off

  ApplyTwoTonePage(state, page);
  EXPECT_EQ(header[22], 10);  // shown as 1.0
  EXPECT_EQ(header[23], 10);
  EXPECT_EQ(header[20], 5);
  EXPECT_EQ(ToneOf(state.Current.Settings.TwoTone, 0), 3217);
}

TEST(TwoToneRules, GridRowsShowEntriesInUse) {
  TwoToneEntry entry;
  entry.Empty = 0;
  entry.ToneBytes = {2, 88, 0, 0, 39, 16, 0, 0};
  entry.Name = FixedText<7>::Of("PAGE");
  EXPECT_EQ(TwoToneRowOf(entry), (TwoToneRow{"1000.0", "", "PAGE"}));
  entry.ToneBytes[0] = entry.ToneBytes[1] = 0;  // no first divisor
  EXPECT_EQ(TwoToneRowOf(entry), TwoToneRow{});
  entry.ToneBytes = {2, 88, 1, 44, 39, 16, 78, 32};
  entry.Empty = 1;
  EXPECT_EQ(TwoToneRowOf(entry), TwoToneRow{});
  entry.Empty = 0;
  EXPECT_EQ(TwoToneRowOf(entry), (TwoToneRow{"1000.0", "2000.0", "PAGE"}));
}

TEST(TwoToneRules, CommittingTonesStoresTenthsAndDivisors) {
  TwoToneEntry entry;
  TwoToneRow row;
  CommitTwoToneCell(entry, row, kTwoToneColumnFirst, "1000");
  EXPECT_EQ(entry.Empty, 0);
  EXPECT_EQ(entry.ToneBytes[4], 39);
  EXPECT_EQ(entry.ToneBytes[5], 16);
  EXPECT_EQ(entry.ToneBytes[0], 2);
  EXPECT_EQ(entry.ToneBytes[1], 88);
  EXPECT_EQ(row.First, "1000.0");

  CommitTwoToneCell(entry, row, kTwoToneColumnSecond, "5000");  // clamped
  EXPECT_EQ(row.Second, "3116.0");
  EXPECT_EQ(EntryTone(entry, 1), 31160);
  EXPECT_EQ(EntryDivisor(entry, 1), 192);
  CommitTwoToneCell(entry, row, kTwoToneColumnName, "  AB C  ");
  EXPECT_EQ(row.Name, "AB C");
  EXPECT_EQ(std::string(entry.Name.Raw()), "AB C   ");

  CommitTwoToneCell(entry, row, kTwoToneColumnSecond, "");
  EXPECT_EQ(row.Second, "");
  EXPECT_EQ(EntryTone(entry, 1), 0);
  EXPECT_EQ(EntryDivisor(entry, 1), 0);
  EXPECT_EQ(EntryTone(entry, 0), 10000);  // the first tone stays
  CommitTwoToneCell(entry, row, kTwoToneColumnFirst, "100");
  EXPECT_EQ(row.First, "288.0");
}

TEST(TwoToneRules, ClearingTheFirstToneFreesTheEntry) {
  TwoToneEntry entry;
  TwoToneRow row;
  CommitTwoToneCell(entry, row, kTwoToneColumnFirst, "1000");
  CommitTwoToneCell(entry, row, kTwoToneColumnSecond, "2000");
  CommitTwoToneCell(entry, row, kTwoToneColumnName, "NAME");
  CommitTwoToneCell(entry, row, kTwoToneColumnFirst, "");
  EXPECT_EQ(entry.Empty, 1);
  EXPECT_EQ(entry.ToneBytes, (std::array<Byte, 8>{}));
  EXPECT_EQ(std::string(entry.Name.Raw()), "       ");
  EXPECT_EQ(row, TwoToneRow{});
  // A first tone that is no number frees it as well.
  CommitTwoToneCell(entry, row, kTwoToneColumnFirst, "1000");
  CommitTwoToneCell(entry, row, kTwoToneColumnFirst, "..");
  EXPECT_EQ(entry.Empty, 1);
}

TEST(TwoToneRules, ARowStartsWithItsFirstTone) {
  const TwoToneRow empty;
  const TwoToneRow started{"1000.0", "", ""};
  EXPECT_EQ(EnteredColumn(empty, kTwoToneColumnSecond), kTwoToneColumnFirst);
  EXPECT_EQ(EnteredColumn(empty, kTwoToneColumnName), kTwoToneColumnFirst);
  EXPECT_EQ(EnteredColumn(started, kTwoToneColumnName), kTwoToneColumnName);
  EXPECT_EQ(EnteredColumn(empty, kTwoToneColumnNumber), kTwoToneColumnNumber);
}

TEST(TwoToneRules, EnterWalk) {
  EXPECT_EQ(EnterWalk({3, 1}, "1000"), (TwoToneCell{3, 2}));
  EXPECT_EQ(EnterWalk({3, 1}, ""), (TwoToneCell{4, 1}));
  EXPECT_EQ(EnterWalk({3, 2}, ""), (TwoToneCell{3, 3}));
  EXPECT_EQ(EnterWalk({3, 3}, "X"), (TwoToneCell{4, 1}));
  EXPECT_EQ(EnterWalk({31, 3}, "X"), (TwoToneCell{0, 1}));
  EXPECT_EQ(EnterWalk({31, 1}, ""), (TwoToneCell{0, 1}));
}

TEST(TwoToneRules, OkRenumbersChannelsOfAFreedEntry) {
  AppState state = DefaultState();
  auto& entries = state.Current.Settings.TwoTone.Entries;
  TwoToneRow row;
  CommitTwoToneCell(entries[4], row, kTwoToneColumnFirst, "1500");
  CommitTwoToneCell(entries[6], row, kTwoToneColumnFirst, "1600");
  state.Current.ChannelCount = 2;
  state.Channels[0].Number = 1;
  state.Channels[0].SignallingType = 2;
  state.Channels[0].TwoToneEntryNumber = 4;
  state.Channels[1].Number = 2;
  state.Channels[1].SignallingType = 2;
  state.Channels[1].TwoToneEntryNumber = 6;

  TwoTonePage page = OpenTwoTonePage(state);
  CommitTwoToneCell(page.Scratch.Entries[0], page.Rows[0], kTwoToneColumnFirst, "");
  CommitTwoToneCell(page.Scratch.Entries[4], page.Rows[4], kTwoToneColumnFirst, "");
  ApplyTwoTonePage(state, page);
  EXPECT_EQ(state.Current.Settings.TwoTone.Entries[4].Empty, 1);
  EXPECT_EQ(state.Channels[0].TwoToneEntryNumber, 6);  // the first entry in use
  EXPECT_EQ(state.Channels[1].TwoToneEntryNumber, 6);
}

TEST(TwoToneRules, OkWithoutChangeKeepsThePage) {
  AppState state = DefaultState();
  // The defaults' second divisor is the rounded one (5172 for 928.1 Hz, not 5171).
  EXPECT_EQ(DecodeDivisor(state.Current.Settings.TwoTone, 1), 5172);
  const TwoToneSettings before = state.Current.Settings.TwoTone;
  ApplyTwoTonePage(state, OpenTwoTonePage(state));
  EXPECT_EQ(state.Current.Settings.TwoTone, before);
  // A divisor further off is derived again from its tone.
  SetDecodeDivisor(state.Current.Settings.TwoTone, 0, 1000);
  ApplyTwoTonePage(state, OpenTwoTonePage(state));
  const TwoToneSettings& page = state.Current.Settings.TwoTone;
  EXPECT_EQ(DecodeDivisor(page, 0), HeaderDivisor(DecodeTone(page, 0) / 10.0));
}

TEST(TwoToneRules, ListsAndReport) {
  AppState state = DefaultState();
  EXPECT_EQ(TwoToneToneTimeChoices().size(), 96u);
  EXPECT_EQ(ChoiceText(state, TwoToneToneTimeChoices(), 95), "10.0");
  EXPECT_EQ(ChoiceText(state, TwoToneGapChoices(), 20), "2000");
  EXPECT_EQ(ChoiceText(state, TwoToneResetChoices(), 250), "25.0");
  EXPECT_EQ(ChoiceText(state, TwoToneFormatChoices(), 14), "Long C");
  const ReportSection section = DescribeTwoTonePage(state);
  ASSERT_EQ(section.Tables.size(), 1u);
  ASSERT_EQ(section.Tables[0].Rows.size(), 1u);  // only entry 1 is in use
  EXPECT_EQ(section.Tables[0].Rows[0][0], "0");
  EXPECT_EQ(section.Tables[0].Rows[0][1], "321.7");  // the default entry's tones
  EXPECT_EQ(section.Tables[0].Rows[0][2], "928.1");
  EXPECT_EQ(section.Rows[0].Value, "A-B");
}

}  // namespace
}  // namespace px
