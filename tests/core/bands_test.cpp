#include "app/bands.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace px {
namespace {

using Texts = std::array<std::string, 4>;

Texts RunIsFre(Texts rTexts, int* rChosen = nullptr) {
  const int chosen = IsFre(rTexts[0], rTexts[1], rTexts[2], rTexts[3]);
  if (rChosen) *rChosen = chosen;
  return rTexts;
}

TEST(ModelTest, ProductName) {
  EXPECT_EQ(ProductNameOf("PX-4800"), "NR-6240");
  EXPECT_EQ(ProductNameOf("PX-4801"), "");
  EXPECT_EQ(ProductNameOf(""), "");
}

TEST(BandTableTest, ThirtyTwoEntriesWithTheirDuplicates) {
  ASSERT_EQ(BandTexts().size(), 32u);
  EXPECT_EQ(BandText(0), "Rx(26 - 45.9950 MHz) Tx(26 - 45.9950 MHz)");
  EXPECT_EQ(BandText(7), "Rx(136 - 173.99750 MHz) Tx(136 - 173.99750 MHz)");
  EXPECT_EQ(BandText(13), BandText(12));
  for (int i = 19; i <= 23; ++i) EXPECT_EQ(BandText(i), BandText(16)) << i;
  EXPECT_EQ(BandText(28), "Rx(350 - 511.9950 MHz) Tx(400 - 489.9950 MHz)");
  EXPECT_EQ(BandText(31), "Rx(400 - 429.9950 MHz) Tx(400 - 429.9950 MHz)");
  EXPECT_EQ(BandText(32), "");
  EXPECT_EQ(BandText(-1), "");
}

TEST(BandTableTest, RangeZeroAndUnknownRangesAreRangeOne) {
  for (int r : {0, 6, -1}) {
    const BandRange range = BandRangeOf(r);
    EXPECT_EQ(range.MinRx, 136);
    EXPECT_EQ(range.MaxTx, 174);
  }
  const BandRange three = BandRangeOf(3);
  EXPECT_EQ(three.MinRx, 216);
  EXPECT_EQ(three.MaxRx, 280);
  EXPECT_EQ(three.MinTx, 220);
  EXPECT_EQ(three.MaxTx, 260);
}

TEST(JustSingleFreTest, InsideKeepsOutsideTakesTheBoundOfItsType) {
  EXPECT_EQ(JustSingleFre("150", 136, 174, 0), "150.00000");
  EXPECT_EQ(JustSingleFre("136", 136, 174, 1), "136.00000") << "bounds are inclusive";
  EXPECT_EQ(JustSingleFre("174", 136, 174, 0), "174.00000");
  EXPECT_EQ(JustSingleFre("500", 136, 174, 0), "136.00000");
  EXPECT_EQ(JustSingleFre("500", 136, 174, 1), "174.00000");
  EXPECT_EQ(JustSingleFre("", 136, 174, 1), "174.00000");
  EXPECT_EQ(JustSingleFre("1x", 136, 174, 0), "136.00000");
}

TEST(IsFreTest, ChoosesTheRangeMostTextsFallInto) {
  int chosen = 0;
  EXPECT_EQ(RunIsFre({"150", "160", "150", "160"}, &chosen),
            (Texts{"150.00000", "160.00000", "150.00000", "160.00000"}));
  EXPECT_EQ(chosen, 1);
  EXPECT_EQ(RunIsFre({"150", "500", "150", "160"}, &chosen),
            (Texts{"150.00000", "174.00000", "150.00000", "160.00000"}));
  EXPECT_EQ(chosen, 1);
  EXPECT_EQ(RunIsFre({"250", "270", "225", "255"}, &chosen),
            (Texts{"250.00000", "270.00000", "225.00000", "255.00000"}));
  EXPECT_EQ(chosen, 3);
  EXPECT_EQ(RunIsFre({"400", "480", "410", "470"}, &chosen)[1], "480.00000");
  EXPECT_EQ(chosen, 5);
}

TEST(IsFreTest, TiesGoToTheLowerRange) {
  int chosen = 0;
  EXPECT_EQ(RunIsFre({"230", "230", "230", "230"}, &chosen),
            (Texts{"230.00000", "230.00000", "230.00000", "230.00000"}));
  EXPECT_EQ(chosen, 2);
}

TEST(IsFreTest, RangeZeroIsNeverChosen) {
  int chosen = 0;
  EXPECT_EQ(RunIsFre({"", "", "", ""}, &chosen),
            (Texts{"136.00000", "174.00000", "136.00000", "174.00000"}));
  EXPECT_EQ(chosen, 1);
  // Two texts in no range outweigh one in range 1 and one in range 5.
  EXPECT_EQ(RunIsFre({"abc", "900", "150", "400"}, &chosen),
            (Texts{"136.00000", "174.00000", "150.00000", "174.00000"}));
  EXPECT_EQ(chosen, 1);
}

TEST(BandStateTest, RebuildUsesTheShortestNumbers) {
  AppState state;
  state.Current.MinRxFreq = 136;
  state.Current.MaxRxFreq = 173.9975;
  state.Current.MinTxFreq = 144;
  state.Current.MaxTxFreq = 146;
  RebuildBandTexts(state);
  EXPECT_EQ(state.Band.Text, "Rx(136 - 173.9975 MHz) Tx(144 - 146 MHz)");
  EXPECT_EQ(state.Band.RxRangeText, "136 - 173.9975 MHz");
  EXPECT_EQ(state.Band.TxRangeText, "144 - 146 MHz");
  EXPECT_EQ(state.Band.Limits.MaxRx, 173.9975);
  EXPECT_EQ(state.Band.Limits.MinTx, 144);
}

TEST(BandStateTest, ContextCarriesTheWorkingLimitsAndTheSink) {
  AppState state;
  state.Band.Limits = BandLimits{400, 470, 400, 470};
  int warnings = 0;
  const FormatContext ctx = FormatContextOf(state, [&warnings](FormatWarning) { ++warnings; });
  EXPECT_EQ(ctx.Limits.MinRx, 400);
  ctx.Raise(FormatWarning::OutOfBand);
  EXPECT_EQ(warnings, 1);
}

ChannelRecord ChannelAt(const char* rRx, const char* rOffset, Int16 rDirection) {
  ChannelRecord ch;
  ch.Number = 1;
  ch.InUse = 1;
  ch.RxFreq.Assign(rRx);
  ch.OffsetFreq.Assign(rOffset);
  ch.OffsetDirection = rDirection;
  return ch;
}

void SetLimits(AppState& rState, double rMinRx, double rMaxRx, double rMinTx, double rMaxTx) {
  rState.Current.MinRxFreq = rMinRx;
  rState.Current.MaxRxFreq = rMaxRx;
  rState.Current.MinTxFreq = rMinTx;
  rState.Current.MaxTxFreq = rMaxTx;
}

TEST(ApplyLimitsTest, ReceiveMovesToTheNearestEdgeAndOntoTheRaster) {
  AppState state;
  state.Channels[0] = ChannelAt("015000000", "000000000", 0);
  state.Channels[1] = ChannelAt("050000000", "000000000", 0);
  state.Channels[2] = ChannelAt("045000100", "000000000", 0);
  state.Current.ChannelCount = 3;
  SetLimits(state, 400, 490, 400, 490);
  ApplyLimitsToChannels(state);
  EXPECT_EQ(state.Channels[0].RxFreq.Display(), "040000000");
  EXPECT_EQ(state.Channels[1].RxFreq.Display(), "049000000");
  EXPECT_EQ(state.Channels[2].RxFreq.Display(), "045000000");
  EXPECT_EQ(state.Band.Text, "Rx(400 - 490 MHz) Tx(400 - 490 MHz)");
}

TEST(ApplyLimitsTest, TransmitOffsetAndDirectionFollowTheTransmitBand) {
  AppState state;
  state.Channels[0] = ChannelAt("015000000", "000500000", 2);  // tx 155 -> 160
  state.Channels[1] = ChannelAt("017000000", "000000000", 0);  // tx 170 -> 160, now below
  state.Channels[2] = ChannelAt("015000000", "000060000", 1);  // tx 149.4 stays
  state.Channels[3] = ChannelAt("015000000", "000000000", 2);  // no offset: simplex
  state.Channels[4] = ChannelAt("015900000", "000500000", 2);  // tx 164 -> 160
  state.Current.ChannelCount = 5;
  SetLimits(state, 136, 174, 136, 160);
  ApplyLimitsToChannels(state);
  EXPECT_EQ(state.Channels[0].OffsetDirection, 2);
  EXPECT_EQ(state.Channels[0].OffsetFreq.Display(), "000500000");
  EXPECT_EQ(state.Channels[1].OffsetDirection, 1);
  EXPECT_EQ(state.Channels[1].OffsetFreq.Display(), "001000000");
  EXPECT_EQ(state.Channels[2].OffsetDirection, 1);
  EXPECT_EQ(state.Channels[2].OffsetFreq.Display(), "000060000");
  EXPECT_EQ(state.Channels[3].OffsetDirection, 0);
  EXPECT_EQ(state.Channels[3].OffsetFreq.Display(), "000000000");
  EXPECT_EQ(state.Channels[4].OffsetDirection, 2);
  EXPECT_EQ(state.Channels[4].OffsetFreq.Display(), "000100000");
  EXPECT_EQ(state.Channels[1].RxFreq.Display(), "017000000") << "receive stays in its band";
}

TEST(ApplyLimitsTest, EmptyChannelsAndUnusedSlotsAreLeftAlone) {
  AppState state;
  state.Channels[0] = ChannelAt("FFFFFFFFF", "FFFFFFFFF", 1);
  state.Channels[1] = ChannelAt("", "", 0);
  state.Channels[2] = ChannelAt("015000000", "000500000", 1);  // beyond ChannelCount
  state.Current.ChannelCount = 2;
  const ChannelTable before = state.Channels;
  SetLimits(state, 400, 490, 400, 490);
  ApplyLimitsToChannels(state);
  EXPECT_EQ(state.Channels, before);
}

TEST(ApplyLimitsTest, ADamagedFrequencyIsRepairedSilently) {
  AppState state;
  state.Channels[0] = ChannelAt("01X500000", "00050000Z", 2);
  state.Current.ChannelCount = 1;
  SetLimits(state, 400, 490, 400, 490);
  ApplyLimitsToChannels(state);
  EXPECT_EQ(state.Channels[0].RxFreq.Display(), "040000000");
  EXPECT_EQ(state.Channels[0].OffsetFreq.Display(), "00050000Z") << "not a number: left as is";
}

TEST(ModelDialogTest, OkCorrectsExchangesStoresAndApplies) {
  AppState state;
  state.Channels[0] = ChannelAt("015000000", "000000000", 0);
  state.Current.ChannelCount = 1;
  Texts texts{"490", "400", "400", "490"};
  ApplyModelDialogLimits(state, texts);
  EXPECT_EQ(texts, (Texts{"400.00000", "490.00000", "400.00000", "490.00000"}));
  EXPECT_EQ(state.Current.MinRxFreq, 400);
  EXPECT_EQ(state.Current.MaxRxFreq, 490);
  EXPECT_EQ(state.Band.Limits.MinTx, 400);
  EXPECT_EQ(state.Band.RxRangeText, "400 - 490 MHz");
  EXPECT_EQ(state.Channels[0].RxFreq.Display(), "040000000");
}

TEST(ModelDialogTest, ReversedTransmitLimitsAreExchangedToo) {
  AppState state;
  state.Current.ChannelCount = 0;
  Texts texts{"150", "160", "170", "140"};
  ApplyModelDialogLimits(state, texts);
  EXPECT_EQ(texts, (Texts{"150.00000", "160.00000", "140.00000", "170.00000"}));
  EXPECT_EQ(state.Current.MinTxFreq, 140);
  EXPECT_EQ(state.Current.MaxTxFreq, 170);
}

}  // namespace
}  // namespace px
