// The small image conversions and the bounded area every encoder writes through.

#include <gtest/gtest.h>

#include "link/image_bytes.h"

namespace px {
namespace {

TEST(CodecImageBytes, BlankPatternMarksEveryBitMapSlotFree) {
  RadioImage image;
  image.fill(0x55);
  PreFillImage(image);
  EXPECT_EQ(image[0x0000], 0x00);
  EXPECT_EQ(image[0x00FF], 0x00);
  EXPECT_EQ(image[0x0100], 0xFF);
  EXPECT_EQ(image[0x013F], 0xFF);
  EXPECT_EQ(image[0x0140], 0x00);
  EXPECT_EQ(image[0x037F], 0x00);
  EXPECT_EQ(image[0x0380], 0xFF);
  EXPECT_EQ(image[0x039F], 0xFF);
  EXPECT_EQ(image[0x03A0], 0x00);
  EXPECT_EQ(image[0x3FFF], 0x00);
  for (int s = 0; s < 203; ++s) EXPECT_TRUE(IsSlotFree(image, 0x0100, s));
}

TEST(CodecImageBytes, SlotBitsCountFromTheLeastSignificantBit) {
  RadioImage image{};
  PreFillImage(image);
  ImageArea map(image, 0x0100, 0x20);
  MarkSlotUsed(map, 202);  // byte 25, bit 2
  EXPECT_EQ(image[0x0119], 0xFB);
  MarkSlotUsed(map, 0);
  EXPECT_EQ(image[0x0100], 0xFE);
  EXPECT_FALSE(IsSlotFree(image, 0x0100, 202));
  EXPECT_TRUE(IsSlotFree(image, 0x0100, 201));
  EXPECT_THROW(MarkSlotUsed(map, 256), EncodeFailure);  // byte 32 lies outside the map
}

TEST(CodecImageBytes, RadioBytesOneBelowTheValue) {
  EXPECT_EQ(ToRadioByte(-1), 255);
  EXPECT_EQ(ToRadioByte(256), 0);
  EXPECT_EQ(ToRadioByte(17), 17);
  EXPECT_EQ(FromRadioByteMinusOne(255), 0);
  EXPECT_EQ(FromRadioByteMinusOne(0), 1);
  EXPECT_EQ(ByteField(255), 255);
  EXPECT_THROW(ByteField(256), EncodeFailure);
  EXPECT_THROW(ByteField(-1), EncodeFailure);
  EXPECT_EQ(BitField(3, 2), 3);
  EXPECT_THROW(BitField(4, 2), EncodeFailure);
}

TEST(CodecImageBytes, Bcd8PairsAreHexNumbers) {
  RadioImage image{};
  ImageArea area(image, 0x2000, 4);
  PutBcd8(area, 0, "01450062");
  EXPECT_EQ(image[0x2000], 0x01);
  EXPECT_EQ(image[0x2001], 0x45);
  EXPECT_EQ(image[0x2002], 0x00);
  EXPECT_EQ(image[0x2003], 0x62);
  EXPECT_EQ(GetBcd8(image, 0x2000), "01450062");
  PutBcd8(area, 0, "FFFFFFFF");
  EXPECT_EQ(GetBcd8(image, 0x2000), "FFFFFFFF");
  image[0x2003] = 0x0F;
  EXPECT_EQ(GetBcd8(image, 0x2000).substr(6), "0F");
  EXPECT_THROW(PutBcd8(area, 0, "0145.006"), EncodeFailure);
}

TEST(CodecImageBytes, PackedDigitsAndHexTexts) {
  RadioImage image{};
  ImageArea area(image, 0x0400, 2);
  PutPackedDigits(area, 0, "1230");
  EXPECT_EQ(image[0x0400], 0x12);
  EXPECT_EQ(image[0x0401], 0x30);
  EXPECT_EQ(GetPackedDigits(image, 0x0400, 3), "123");
  EXPECT_THROW(PutPackedDigits(area, 0, "123"), EncodeFailure);    // odd count
  EXPECT_THROW(PutPackedDigits(area, 0, "12*4"), EncodeFailure);   // not in stored form
  EXPECT_THROW(PutPackedDigits(area, 0, "123456"), EncodeFailure); // beyond the area
  EXPECT_EQ(HexDigits(0x0F), "F");
  EXPECT_EQ(HexDigits(0x1A), "1A");
  EXPECT_EQ(HexPair(0x0A), "0A");
}

TEST(CodecImageBytes, AreaRefusesEveryAddressOutsideItself) {
  RadioImage image{};
  ImageArea area(image, 0x0360, 16);
  area.Put(15, 0xAA);
  EXPECT_EQ(image[0x036F], 0xAA);
  EXPECT_THROW(area.Put(16, 0xAA), EncodeFailure);
  EXPECT_EQ(image[0x0370], 0x00);
  EXPECT_THROW(area.Sub(10, 7), EncodeFailure);
  EXPECT_THROW(ImageArea(image, 0x3FF0, 17), EncodeFailure);
}

TEST(CodecImageBytes, TextsCutAtNulThenTrimmed) {
  FixedText<7> t = FixedText<7>::Of(std::string("AB \0XY ", 7));
  EXPECT_EQ(TextUpToNul(t), "AB");
  FixedText<7> f;
  AssignWithNul(f, "ABC");
  EXPECT_EQ(f.Raw(), std::string_view("ABC\0   ", 7));
  AssignWithNul(f, "ABCDEFG");
  EXPECT_EQ(f.Raw(), "ABCDEFG");
}

}  // namespace
}  // namespace px
