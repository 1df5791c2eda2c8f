// Channels, bit maps, PTT ID codes and band limits in the radio image.

#include <gtest/gtest.h>

#include "link/codec.h"
#include "link/image_bytes.h"
#include "support/scripted_ui.h"

namespace px {
namespace {

ChannelRecord Channel(int rNumber, const std::string& rRx) {
  ChannelRecord ch;
  ch.Number = static_cast<Int16>(rNumber);
  ch.InUse = 1;
  ch.RxFreq.Assign(rRx);
  ch.OffsetFreq.Assign("000000000");
  ch.PttIdCode.Assign("00000");
  return ch;
}

struct ChannelCodec : ::testing::Test {
  AppState state;
  RadioImage image{};
  test::ScriptedUi ui;

  void Use(std::initializer_list<ChannelRecord> rChannels) {
    state.Current.ChannelCount = 0;
    for (const auto& ch : rChannels) state.Channels[static_cast<std::size_t>(state.Current.ChannelCount++)] = ch;
  }
  void Encode() { ASSERT_TRUE(EncodeCodeplug(state, image, ui)) << ui.Questions.at(0).Text; }
  AppState Decoded() {
    AppState out;
    DecodeCodeplug(out, image);
    return out;
  }
  static const ChannelRecord* Find(const AppState& rState, int rNumber) {
    for (int i = 0; i < rState.Current.ChannelCount; ++i)
      if (rState.Channels[static_cast<std::size_t>(i)].Number == rNumber) return &rState.Channels[static_cast<std::size_t>(i)];
    return nullptr;
  }
};

TEST_F(ChannelCodec, OnlyTheVfoClearsOneInUseBit) {
  Use({Channel(203, "014500000")});
  Encode();
  for (std::size_t a = 0x0100; a <= 0x011F; ++a) EXPECT_EQ(image[a], a == 0x0119 ? 0xFB : 0xFF) << a;
  EXPECT_EQ(image[0x02C0], 0x01);
  EXPECT_EQ(image[0x02C1], 0x45);
}

TEST_F(ChannelCodec, EmptyReceiveTextIsStoredAsFfAndSkippedOnRead) {
  Use({Channel(5, ""), Channel(6, "014500000")});
  Encode();
  const std::size_t at = 0x2000 + 32 * 4;
  for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(image[at + i], 0xFF);
  const AppState out = Decoded();
  EXPECT_EQ(Find(out, 5), nullptr);
  ASSERT_NE(Find(out, 6), nullptr);
  EXPECT_EQ(out.Current.ChannelCount, 2);  // and the VFO, which is always read
}

TEST_F(ChannelCodec, TenHertzDigitIsDroppedAndDerivedAgain) {
  Use({Channel(1, "014500625"), Channel(2, "014501250"), Channel(3, "014500833"),
       Channel(4, "014501666"), Channel(5, "014501875")});
  Encode();
  EXPECT_EQ(GetBcd8(image, 0x2000), "01450062");
  EXPECT_EQ(GetBcd8(image, 0x2020), "01450125");
  const AppState out = Decoded();
  EXPECT_EQ(Find(out, 1)->RxFreq.Raw(), "014500625");
  EXPECT_EQ(Find(out, 2)->RxFreq.Raw(), "014501250");
  EXPECT_EQ(Find(out, 3)->RxFreq.Raw(), "014500833");
  EXPECT_EQ(Find(out, 4)->RxFreq.Raw(), "014501666");
  EXPECT_EQ(Find(out, 5)->RxFreq.Raw(), "014501875");
}

TEST_F(ChannelCodec, DcsNinthBitLivesInTheFlagBytes) {
  ChannelRecord ch = Channel(1, "014500000");
  ch.DcsIndexA = 300;
  ch.DcsIndexB = 511;
  Use({ch});
  Encode();
  EXPECT_EQ(image[0x2009] & 0x20, 0x20);
  EXPECT_EQ(image[0x200E], 44);
  EXPECT_EQ(image[0x200A] & 0x20, 0x20);
  EXPECT_EQ(image[0x200F], 255);
  const AppState out = Decoded();
  const ChannelRecord& back = *Find(out, 1);
  EXPECT_EQ(back.DcsIndexA, 300);
  EXPECT_EQ(back.DcsIndexB, 511);
  EXPECT_EQ(back.Spare1, 1);
  EXPECT_EQ(back.Spare5, 1);
}

TEST_F(ChannelCodec, OffsetCodesAndPowerOnRead) {
  ChannelRecord minus = Channel(1, "014500000");
  minus.OffsetDirection = 1;
  ChannelRecord plus = Channel(2, "014500000");
  plus.OffsetDirection = 2;
  Use({minus, plus});
  Encode();
  EXPECT_EQ(image[0x200A] & 3, 2);
  EXPECT_EQ(image[0x202A] & 3, 3);

  image[0x200A] = 0x01 | (3 << 2);  // offset code 1 and a power the radio does not offer
  const AppState out = Decoded();
  EXPECT_EQ(Find(out, 1)->OffsetDirection, 0);
  EXPECT_EQ(Find(out, 1)->TxPowerIndex, 2);
  EXPECT_EQ(Find(out, 2)->OffsetDirection, 2);
}

TEST_F(ChannelCodec, NamesPaddedWithBlanksOrAllZero) {
  ChannelRecord named = Channel(1, "014500000");
  named.Name = FixedText<7>::Of(std::string("AB\0    ", 7));
  ChannelRecord empty = Channel(2, "014500000");
  empty.Name.SetDefaultEmpty();
  Use({named, empty});
  Encode();
  EXPECT_EQ(std::string(image.begin() + 0x2013, image.begin() + 0x201A), "AB     ");
  for (std::size_t i = 0; i < 7; ++i) EXPECT_EQ(image[0x2033 + i], 0x00);
  const AppState out = Decoded();
  EXPECT_EQ(Find(out, 1)->Name.Raw(), std::string_view("AB\0    ", 7));
  EXPECT_EQ(Find(out, 2)->Name.Raw(), std::string_view("\0      ", 7));
}

TEST_F(ChannelCodec, PttIdCodesOnlyForMemoryChannels) {
  ChannelRecord ch = Channel(200, "014500000");
  ch.PttIdCode.Assign("1A");
  ChannelRecord pa = Channel(201, "014600000");
  pa.PttIdCode.Assign("12345");
  Use({ch, pa});
  Encode();
  const std::size_t at = 0x0600 + 5 * 199;
  EXPECT_EQ(image[at], 0x01);
  EXPECT_EQ(image[at + 1], 0x0A);
  EXPECT_EQ(image[at + 2], 0x00);
  EXPECT_EQ(at + 4, 0x09E7u);
  EXPECT_EQ(image[0x09E8], 0x00);  // the PA has no code; nothing beyond the last one

  image[at + 3] = 0x3C;  // not a digit: read as 0
  const AppState out = Decoded();
  EXPECT_EQ(Find(out, 200)->PttIdCode.Raw(), "1A000");
  EXPECT_EQ(Find(out, 201)->PttIdCode.Raw(), "00000");
}

TEST_F(ChannelCodec, SpecialChannelsAtTheirOwnRecords) {
  Use({Channel(201, "014100000"), Channel(202, "014200000"), Channel(203, "014300000")});
  Encode();
  EXPECT_EQ(GetBcd8(image, 0x0280), "01410000");
  EXPECT_EQ(GetBcd8(image, 0x0260), "01420000");
  EXPECT_EQ(GetBcd8(image, 0x02C0), "01430000");
  const AppState out = Decoded();
  ASSERT_EQ(out.Current.ChannelCount, 3);
  EXPECT_EQ(out.Channels[0].Number, 201);  // visited in slot order
  EXPECT_EQ(out.Channels[2].Number, 203);
}

TEST_F(ChannelCodec, VfoIsReadWhateverItsBitSays) {
  Use({Channel(203, "014300000")});
  Encode();
  image[0x0119] = 0xFF;   // VFO marked free
  image[0x0100] = 0xFE;   // slot 0 in use but its record is blank (00 00 00 00 reads 0)
  const AppState out = Decoded();
  ASSERT_NE(Find(out, 203), nullptr);
  EXPECT_EQ(Find(out, 203)->ScanSkip, 1);  // the radio does not report it; the default stays
  ASSERT_NE(Find(out, 1), nullptr);          // "00000000" is a numeric text
}

TEST_F(ChannelCodec, NonNumericOffsetReadsAsZero) {
  Use({Channel(1, "014500000")});
  Encode();
  image[0x2004] = 0xAB;
  EXPECT_EQ(Find(Decoded(), 1)->OffsetFreq.Raw(), "000000000");
  image[0x2002] = 0xA0;  // receive text not numeric: no channel
  EXPECT_EQ(Find(Decoded(), 1), nullptr);
}

TEST_F(ChannelCodec, FieldsTheRadioDoesNotKeepComeFromTheDefaultChannel) {
  ChannelRecord ch = Channel(7, "014500000");
  ch.PttIdOn = 1;
  ch.ExtraDisplayIndex = 3;
  ch.Spare2 = ch.Spare3 = ch.Spare4 = ch.Spare6 = ch.Spare7 = 1;
  Use({ch});
  Encode();
  AppState out;
  out.Channels.fill(ch);  // whatever the table held before the read does not survive
  DecodeCodeplug(out, image);
  const ChannelRecord& back = *Find(out, 7);
  EXPECT_EQ(back.PttIdOn, 0);
  EXPECT_EQ(back.ExtraDisplayIndex, 0);
  EXPECT_EQ(back.Spare2 + back.Spare3 + back.Spare4 + back.Spare6 + back.Spare7, 0);
  EXPECT_EQ(out.Channels[2], ChannelRecord{});  // after channel 7 and the VFO
}

TEST_F(ChannelCodec, BandLimitsAsBcdWithFallBack) {
  state.Current.MinRxFreq = 136;
  state.Current.MaxRxFreq = 173.9975;
  state.Current.MinTxFreq = 136.00005;  // halves go to even
  state.Current.MaxTxFreq = 136.00015;
  Use({});
  Encode();
  EXPECT_EQ(GetBcd8(image, 0x0200), "01360000");
  EXPECT_EQ(GetBcd8(image, 0x0204), "01739975");
  EXPECT_EQ(GetBcd8(image, 0x0208), "01360000");
  EXPECT_EQ(GetBcd8(image, 0x020C), "01360002");

  AppState out = Decoded();
  EXPECT_DOUBLE_EQ(out.Current.MaxRxFreq, 173.9975);
  EXPECT_DOUBLE_EQ(out.Current.MaxTxFreq, 136.0002);
  for (std::size_t a = 0x0200; a < 0x0210; ++a) image[a] = 0xFF;
  out = Decoded();
  EXPECT_EQ(out.Current.MinRxFreq, 100);
  EXPECT_EQ(out.Current.MaxRxFreq, 500);
  EXPECT_EQ(out.Current.MinTxFreq, 100);
  EXPECT_EQ(out.Current.MaxTxFreq, 500);
  EXPECT_EQ(out.Band.Limits.MaxRx, 500);  // the working limits follow
}

}  // namespace
}  // namespace px
