#include <gtest/gtest.h>

#include "edit/channel_rows.h"

namespace px {
namespace {

ChannelRecord Channel(const char* rRx) {
  ChannelRecord channel;
  channel.Number = 5;
  channel.InUse = 1;
  channel.RxFreq.Assign(rRx);
  return channel;
}

TEST(ChannelRowsTest, LabelsOfRows) {
  EXPECT_EQ(RowLabelOf(1), "0");
  EXPECT_EQ(RowLabelOf(5), "4");
  EXPECT_EQ(RowLabelOf(200), "199");
  EXPECT_EQ(RowLabelOf(201), "PA");
  EXPECT_EQ(RowLabelOf(202), "PB");
  EXPECT_EQ(RowLabelOf(203), "VFO");
}

TEST(ChannelRowsTest, TransmitFollowsOffsetDirection) {
  AppState state;
  ChannelRecord channel = Channel("014550000");
  channel.OffsetFreq.Assign("000060000");
  channel.OffsetDirection = 1;
  EXPECT_EQ(ChannelRowOf(state, channel)[kColTx], "144.90000");
  channel.OffsetDirection = 2;
  EXPECT_EQ(ChannelRowOf(state, channel)[kColTx], "146.10000");
  channel.OffsetDirection = 0;
  EXPECT_EQ(ChannelRowOf(state, channel)[kColTx], "145.50000");
}

TEST(ChannelRowsTest, TonesAndSignalling) {
  AppState state;
  ChannelRecord channel = Channel("014550000");
  channel.ToneTypeB = 2;
  channel.DcsIndexB = 19;
  EXPECT_EQ(ChannelRowOf(state, channel)[kColDecode], "D023N");
  channel.DcsInvertB = 1;
  EXPECT_EQ(ChannelRowOf(state, channel)[kColDecode], "D023I");
  channel.SignallingType = 1;
  channel.DtmfCodeIndex = 15;
  EXPECT_EQ(ChannelRowOf(state, channel)[kColSignalling], "DTMF M16");
  channel.BandwidthIndex = 9;
  EXPECT_EQ(ChannelRowOf(state, channel)[kColBandwidth], "20K");
}

TEST(ChannelRowsTest, HeaderLineBreakIsChosenByCaller) {
  AppState state;
  state.ProgramFolder = PX_SOURCE_DIR "/nonexistent";
  EXPECT_EQ(ChannelHeaderTexts(state, "\n")[kColDecode], "Decode");  // fallback without files
}

}  // namespace
}  // namespace px
