// The whole codec on a fully populated codeplug and on a new one: the memory map byte
// for byte, the gaps between the ranges, and decode of encode.

#include <gtest/gtest.h>

#include "edit/file_commands.h"
#include "link/codec.h"
#include "link/image_bytes.h"
#include "support/full_codeplug.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"

namespace px {
namespace {

struct FullCodeplug : ::testing::Test {
  AppState state;
  RadioImage image{};
  test::ScriptedUi ui;

  void SetUp() override {
    FillFullCodeplug(state);
    ASSERT_TRUE(EncodeCodeplug(state, image, ui));
    ASSERT_TRUE(ui.Questions.empty());
  }
  std::string Bytes(std::size_t rAt, std::size_t rCount) const {
    return {image.begin() + static_cast<std::ptrdiff_t>(rAt),
            image.begin() + static_cast<std::ptrdiff_t>(rAt + rCount)};
  }
};

TEST_F(FullCodeplug, DecodeGivesBackEveryField) {
  AppState before;
  FillFullCodeplug(before);
  EXPECT_EQ(state.Current, before.Current);  // nothing needed correcting

  AppState out;
  EmbeddedInfo info;
  DecodeCodeplug(out, image, info);
  EXPECT_EQ(out.Current.Settings.KeyFunctions, before.Current.Settings.KeyFunctions);
  EXPECT_EQ(out.Current.Settings.Dtmf, before.Current.Settings.Dtmf);
  EXPECT_EQ(out.Current.Settings.TwoTone, before.Current.Settings.TwoTone);
  EXPECT_EQ(out.Current.Settings.FiveTone, before.Current.Settings.FiveTone);
  EXPECT_EQ(out.Current.Settings.Options, before.Current.Settings.Options);
  EXPECT_EQ(out.Current.Settings.Scan, before.Current.Settings.Scan);
  EXPECT_EQ(out.Current.Settings.Alert, before.Current.Settings.Alert);
  EXPECT_EQ(out.Current.Book, before.Current.Book);
  EXPECT_EQ(out.Current, before.Current);
  ASSERT_EQ(out.Current.ChannelCount, 203);
  for (std::size_t s = 0; s < kChannelSlots; ++s) EXPECT_EQ(out.Channels[s], before.Channels[s]) << s;

  RadioImage again{};
  ASSERT_TRUE(EncodeCodeplug(out, again, ui));
  EXPECT_EQ(again, image);
}

TEST_F(FullCodeplug, ChannelRanges) {
  // Channel 1: 136.00625 MHz, offset 0.6 MHz "-", DCS 37 / 353.
  EXPECT_EQ(Bytes(0x2000, 8), std::string("\x01\x36\x00\x62\x00\x06\x00\x00", 8));
  const ChannelRecord& ch1 = state.Channels[0];
  EXPECT_EQ(image[0x2008], ch1.StepIndex);
  EXPECT_EQ(image[0x2009], ch1.TxInhibit | ch1.Reverse << 1 | ch1.BandwidthIndex << 2 |
                               ch1.DcsInvertA << 4 | (ch1.DcsIndexA >> 8) << 5 | ch1.PttIdDecode << 6);
  EXPECT_EQ(image[0x200A], 2 | ch1.TxPowerIndex << 2 | ch1.DcsInvertB << 4 |
                               (ch1.DcsIndexB >> 8) << 5 | ch1.Compander << 6 | ch1.Talkaround << 7);
  EXPECT_EQ(image[0x200B], ch1.ToneTypeA | ch1.ToneTypeB << 2 | ch1.DtmfCodeIndex << 4);
  EXPECT_EQ(image[0x200F], ch1.DcsIndexB & 0xFF);
  EXPECT_EQ(Bytes(0x2013, 7), "CH1    ");
  EXPECT_EQ(image[0x201C], ch1.DtmfPttIdMode | ch1.FiveTonePttIdMode << 4);
  EXPECT_EQ(image[0x201F], 0x00);
  // Channel 200 ends the memory channels; its PTT ID code ends the code area.
  EXPECT_EQ(Bytes(0x38E0, 4), std::string("\x01\x49\x00\x83", 4));
  EXPECT_EQ(Bytes(0x38F3, 7), "CH-1200");
  EXPECT_EQ(Bytes(0x09E3, 5), std::string("\x08\x0F\x06\x0D\x04", 5));
  EXPECT_EQ(Bytes(0x0600, 5), std::string("\x01\x08\x0F\x06\x0D", 5));
  EXPECT_EQ(Bytes(0x0280, 4), std::string("\x01\x37\x25\x62", 4));  // PA
  EXPECT_EQ(Bytes(0x0260, 4), std::string("\x01\x37\x26\x25", 4));  // PB
  EXPECT_EQ(Bytes(0x02C0, 4), std::string("\x01\x37\x26\x87", 4));  // VFO
  // Every slot in use; the odd numbers are skipped by scan (slot s = number - 1).
  for (std::size_t a = 0x0100; a < 0x0119; ++a) EXPECT_EQ(image[a], 0x00);
  EXPECT_EQ(image[0x0119], 0xF8);
  EXPECT_EQ(image[0x0120], 0x55);
  EXPECT_EQ(image[0x0139], 0xFD);
  EXPECT_EQ(Bytes(0x0200, 16), std::string("\x01\x36\x00\x00\x01\x73\x99\x75"
                                           "\x01\x44\x00\x00\x01\x47\x99\x75", 16));
}

TEST_F(FullCodeplug, SettingsRanges) {
  for (std::size_t i = 0; i < 15; ++i) EXPECT_EQ(image[0x01F0 + i], i + 1);
  EXPECT_EQ(Bytes(0x0210, 6), std::string("1234\0\0", 6));
  EXPECT_EQ(Bytes(0x0220, 0x19), std::string("\x02\x01\x39\x14\x00\x02\x00\x04\x1F\x00\x00"
                                              "\x03\x1E\x00\x03\x01\x07\x02\x02\x09\x02\x01"
                                              "\x00\x00\x01", 0x19));
  EXPECT_EQ(Bytes(0x03A0, 13), std::string("\x01\x02\x05\x03\x01\x02\x01\x00\x95\x04\x01\x01\x05", 13));
  EXPECT_EQ(Bytes(0x03B0, 14), std::string("\x01\x02\x03\x07\x09\x01\x03\x01\x01\x04\xFF\xC7\xFE\x10", 14));
  EXPECT_EQ(Bytes(0x03E0, 7), "PX4800!");
}

TEST_F(FullCodeplug, SignallingRanges) {
  EXPECT_EQ(Bytes(0x02E0, 16), std::string("\x0B\xFF\x02\x1E\x64\x05\x00\x01\x02\x03\x00\x00\x00"
                                           "\x01\x28\x0F", 16));
  EXPECT_EQ(image[0x02F7], 14);
  EXPECT_EQ(image[0x02FF], 7);
  EXPECT_EQ(Bytes(0x02F8, 4), std::string("\xAB\xCD\xEF\x00", 4));
  EXPECT_EQ(Bytes(0x0340, 2), std::string("\x12\x30", 2));
  EXPECT_EQ(image[0x034C], 3);
  EXPECT_EQ(image[0x035C], 24);
  EXPECT_EQ(image[0x04FC], 24);  // code memory 16, full
  EXPECT_EQ(image[0x040C], 1);
  EXPECT_EQ(image[0x0400], 0x00);  // "0" and the pad digit
  EXPECT_EQ(image[0x0300], state.Current.Settings.TwoTone.Header[1]);
  EXPECT_EQ(image[0x030F], 3);
  EXPECT_EQ(Bytes(0x0380, 4), std::string("\x24\x49\x92\x24", 4));  // every third entry free
  EXPECT_EQ(Bytes(0x0320, 5), std::string("\x01\x02\x06\x05\x0A", 5));
  EXPECT_EQ(Bytes(0x0325, 5), std::string("\x01\x02\x03\x04\x05", 5));
  EXPECT_EQ(image[0x0362], 23);
  EXPECT_EQ(image[0x036F], 0xBE);  // 23rd digit and the repeat-digit pad
  EXPECT_EQ(image[0x0372], 24);
  EXPECT_EQ(image[0x0390], 0x49);  // codes 0, 3, 6 free
  EXPECT_EQ(image[0x039C], 0xF9);  // code 99 free; bits of slots 100.. stay set
  EXPECT_EQ(Bytes(0x03C0, 2), std::string("\x45\x0B", 2));  // 2885
  EXPECT_EQ(image[0x0502], 5);
  EXPECT_EQ(Bytes(0x0D00 + 32 * 99, 4), std::string("\x00\x01\x11\x06", 4));
  EXPECT_EQ(Bytes(0x1980, 5), std::string("1\0\0\0\0", 5));
  EXPECT_EQ(Bytes(0x1C08, 8), std::string("STN1\0\0\0\0", 8));
}

TEST_F(FullCodeplug, GapsKeepTheBlankPattern) {
  RadioImage blank;
  PreFillImage(blank);
  const std::pair<std::size_t, std::size_t> gaps[] = {
      {0x0000, 0x00FF}, {0x0140, 0x01EF}, {0x01FF, 0x01FF}, {0x0216, 0x021F}, {0x0224, 0x0224},
      {0x0236, 0x0237}, {0x0239, 0x025F}, {0x027F, 0x027F}, {0x029F, 0x02BF}, {0x02DF, 0x02DF},
      {0x02E6, 0x02E6}, {0x02EA, 0x02EC}, {0x032A, 0x032A}, {0x0336, 0x033F}, {0x034D, 0x034F},
      {0x035D, 0x035F}, {0x0384, 0x038F}, {0x039D, 0x039F}, {0x03A7, 0x03A7}, {0x03AD, 0x03AF},
      {0x03BE, 0x03BF}, {0x03E7, 0x03FF}, {0x09E8, 0x0AFF}, {0x1980 + 640, 0x1BFF},
      {0x3900, 0x3FFF}};
  for (const auto& [first, last] : gaps)
    for (std::size_t a = first; a <= last; ++a) ASSERT_EQ(image[a], blank[a]) << std::hex << a;
  for (std::size_t k = 0; k < 16; ++k) EXPECT_EQ(image[0x040D + 16 * k], 0) << k;
  for (std::size_t k = 0; k < 32; ++k) EXPECT_EQ(image[0x0B0F + 16 * k], 0) << k;
  for (std::size_t k = 0; k < 100; ++k) {
    EXPECT_EQ(image[0x0D00 + 32 * k], 0) << k;
    EXPECT_EQ(image[0x0D1F + 32 * k], 0) << k;
  }
  for (std::size_t n = 0; n < 200; ++n) EXPECT_EQ(image[0x201F + 32 * n], 0) << n;
  for (std::size_t n = 0; n < 128; ++n) EXPECT_EQ(image[0x1C07 + 8 * n], 0) << n;
}

TEST(NewCodeplugImage, BitMapsAndBandLimits) {
  test::TempDir folder;
  AppState state;
  state.ProgramFolder = folder.Path().string();
  CreateNewCodeplug(state);
  RadioImage image{};
  test::ScriptedUi ui;
  ASSERT_TRUE(EncodeCodeplug(state, image, ui));
  for (std::size_t a = 0x0100; a <= 0x011F; ++a) EXPECT_EQ(image[a], a == 0x0119 ? 0xFB : 0xFF) << a;
  const std::string limits(image.begin() + 0x0200, image.begin() + 0x0210);
  EXPECT_EQ(limits, std::string("\x01\x36\x00\x00\x01\x74\x00\x00\x01\x36\x00\x00\x01\x74\x00\x00", 16));

  AppState out;
  DecodeCodeplug(out, image);
  ASSERT_EQ(out.Current.ChannelCount, 1);
  EXPECT_EQ(out.Channels[0], state.Channels[0]);
  // Empty texts come back as NUL and blanks where the defaults hold blanks only, so
  // the pages are compared in the form the radio holds them.
  RadioImage again{};
  ASSERT_TRUE(EncodeCodeplug(out, again, ui));
  EXPECT_EQ(again, image);
  EXPECT_EQ(out.Current.Settings.Dtmf.CodeMemory[0].Digits.Display(), "");
}

}  // namespace
}  // namespace px
