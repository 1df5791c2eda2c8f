// The settings and signalling pages and the embedded information in the radio image.

#include <gtest/gtest.h>

#include "link/codec.h"
#include "link/image_bytes.h"
#include "support/scripted_ui.h"

namespace px {
namespace {

struct PageCodec : ::testing::Test {
  AppState state;
  RadioImage image{};
  test::ScriptedUi ui;
  Codeplug& plug = state.Current;

  PageCodec() { plug.ChannelCount = 0; }
  void Encode() { ASSERT_TRUE(EncodeCodeplug(state, image, ui)) << ui.Questions.at(0).Text; }
  Codeplug Decoded() {
    AppState out;
    DecodeCodeplug(out, image);
    return out.Current;
  }
  std::string Bytes(std::size_t rAt, std::size_t rCount) const {
    return {image.begin() + static_cast<std::ptrdiff_t>(rAt),
            image.begin() + static_cast<std::ptrdiff_t>(rAt + rCount)};
  }
};

TEST_F(PageCodec, ScanAndAlertChannelBytesAreKeptOneBelow) {
  plug.Settings.Scan[10] = 0;
  plug.Settings.Scan[11] = 12;
  plug.Settings.Alert[7] = 0;
  plug.Settings.Alert[8] = 9;
  Encode();
  EXPECT_EQ(image[0x03BA], 0xFF);
  EXPECT_EQ(image[0x03BB], 11);
  EXPECT_EQ(image[0x03A7], 0x00);  // not the codec's
  EXPECT_EQ(image[0x03A8], 0xFF);
  EXPECT_EQ(image[0x03A9], 9);
  const Codeplug back = Decoded();
  EXPECT_EQ(back.Settings.Scan[10], 0);
  EXPECT_EQ(back.Settings.Scan[11], 12);
  EXPECT_EQ(back.Settings.Alert[7], 0);
  EXPECT_EQ(back.Settings.Alert[8], 9);
}

TEST_F(PageCodec, OptionSwitchesShareBytesWithTheDtmfPage) {
  auto& v = plug.Settings.Options.OptionValues;
  v[12] = 1;
  v[17] = 1;
  plug.Settings.Dtmf.AniOn = 1;
  plug.Settings.Dtmf.DigitTimeIndex = 3;
  plug.Settings.Options.OptionValue24 = 1;
  Encode();
  EXPECT_EQ(image[0x0230], 0x05);
  EXPECT_EQ(image[0x0232], 3);
  EXPECT_EQ(image[0x0233], 0x08);
  EXPECT_EQ(image[0x0238], 1);
  image[0x0226] = 2;  // V[5] has two choices
  const Codeplug back = Decoded();
  EXPECT_EQ(back.Settings.Options.OptionValues[5], 0);
  EXPECT_EQ(back.Settings.Options.OptionValues[17], 1);
  EXPECT_EQ(back.Settings.Dtmf.AniOn, 1);
  EXPECT_EQ(back.Settings.Dtmf.DigitTimeIndex, 3);
}

TEST_F(PageCodec, PowerOnTextsEndAtNulOrFf) {
  plug.Settings.Options.PowerOnMessage = FixedText<7>::Of(std::string("HI \0XYZ", 7));
  plug.Settings.Options.PowerOnPassword.Assign("123456");
  Encode();
  EXPECT_EQ(Bytes(0x03E0, 7), std::string("HI\0\0\0\0\0", 7));
  EXPECT_EQ(Bytes(0x0210, 6), "123456");
  image[0x03E1] = 0xFF;
  const Codeplug back = Decoded();
  EXPECT_EQ(back.Settings.Options.PowerOnMessage.Raw(), std::string_view("H\0     ", 7));
  EXPECT_EQ(back.Settings.Options.PowerOnPassword.Raw(), "123456");
}

TEST_F(PageCodec, DtmfCodesPackedWithTheirLength) {
  auto& d = plug.Settings.Dtmf;
  d.CodeMemory[0] = {FixedText<24>::Of("123"), 3};
  d.CodeMemory[15] = {FixedText<24>::Of("12"), 5};  // padded with "0" to its length
  d.KillCode = {FixedText<14>::Of("12345678901234567890"), 20};
  d.StunCode = {FixedText<14>::Of("EF"), 2};
  Encode();
  EXPECT_EQ(image[0x0400], 0x12);
  EXPECT_EQ(image[0x0401], 0x30);
  EXPECT_EQ(image[0x040C], 3);
  EXPECT_EQ(image[0x04F0], 0x12);
  EXPECT_EQ(image[0x04F1], 0x00);
  EXPECT_EQ(image[0x04F2], 0x00);
  EXPECT_EQ(image[0x04FC], 5);
  EXPECT_EQ(image[0x02F7], 0);  // a kill code above 14 digits counts as none
  EXPECT_EQ(image[0x02F0], 0x00);
  EXPECT_EQ(image[0x02F8], 0xEF);
  EXPECT_EQ(image[0x02FF], 2);
  const Codeplug back = Decoded();
  EXPECT_EQ(back.Settings.Dtmf.CodeMemory[0].Digits.Raw(), std::string("123\0", 4) + std::string(20, ' '));
  EXPECT_EQ(back.Settings.Dtmf.CodeMemory[0].Length, 3);
  EXPECT_EQ(back.Settings.Dtmf.CodeMemory[15].Digits.Display(), "12000");
  EXPECT_EQ(back.Settings.Dtmf.KillCode.Length, 0);
  EXPECT_EQ(back.Settings.Dtmf.KillCode.Digits.Display(), "");
  EXPECT_EQ(back.Settings.Dtmf.StunCode.Digits.Display(), "EF");
}

TEST_F(PageCodec, DtmfSingleValuesCorrectedInTheCodeplugToo) {
  auto& d = plug.Settings.Dtmf;
  d.SeparatorDigit = 3;
  d.GroupDigit = 255;
  d.DecodeResponse = 5;
  d.FirstDigitDelay = 251;
  d.SelfId.Assign("7");
  Encode();
  EXPECT_EQ(image[0x02E0], 14);
  EXPECT_EQ(image[0x02E1], 0xFF);
  EXPECT_EQ(image[0x02E2], 0);
  EXPECT_EQ(image[0x02E4], 0);
  EXPECT_EQ(Bytes(0x02E7, 3), std::string("\x07\0\0", 3));
  EXPECT_EQ(d.SeparatorDigit, 14);
  EXPECT_EQ(d.DecodeResponse, 0);
  EXPECT_EQ(d.FirstDigitDelay, 0);
  EXPECT_EQ(d.SelfId.Raw(), "700");
  d.SelfId.Assign("X1");
  Encode();
  EXPECT_EQ(d.SelfId.Raw(), "000");

  image[0x02E0] = 0x09;
  image[0x02E1] = 0x10;
  image[0x02E2] = 3;
  image[0x02E4] = 0xFB;
  image[0x02E8] = 10;
  const DtmfSettings back = Decoded().Settings.Dtmf;
  EXPECT_EQ(back.SeparatorDigit, 14);
  EXPECT_EQ(back.GroupDigit, 255);
  EXPECT_EQ(back.DecodeResponse, 0);
  EXPECT_EQ(back.FirstDigitDelay, 0);
  EXPECT_EQ(back.SelfId.Raw(), "000");
}

TEST_F(PageCodec, TwoToneHeaderSwapsWordsAndEntriesSwapPairs) {
  auto& t = plug.Settings.TwoTone;
  for (std::size_t i = 0; i < 24; ++i) t.Header[i] = static_cast<Byte>(100 + i);
  t.Entries[1].Empty = 0;
  t.Entries[1].ToneBytes = {1, 2, 3, 4, 5, 6, 7, 8};
  t.Entries[1].Name.Assign("AB");
  Encode();
  EXPECT_EQ(image[0x0300], 101);
  EXPECT_EQ(image[0x0309], 120);
  EXPECT_EQ(image[0x030F], 104);
  EXPECT_EQ(image[0x0317], 118);
  EXPECT_EQ(image[0x0380], 0xFD);
  EXPECT_EQ(Bytes(0x0B10, 15), std::string("\x02\x01\x04\x03\x06\x05\x08\x07" "AB     "));
  EXPECT_EQ(Bytes(0x0B08, 7), std::string(7, '\0'));  // an empty name
  const Codeplug back = Decoded();
  EXPECT_EQ(back.Settings.TwoTone.Entries[1], t.Entries[1]);
  EXPECT_EQ(back.Settings.TwoTone.Entries[0].Empty, 1);
  EXPECT_EQ(back.Settings.TwoTone.Header[4], 0);  // 104 is no decode format
  image[0x030F] = 14;
  EXPECT_EQ(Decoded().Settings.TwoTone.Header[4], 14);
}

TEST_F(PageCodec, FiveToneCodesPackedWithRepeatDigitPad) {
  auto& f = plug.Settings.FiveTone;
  f.Codes[2].Empty = 0;
  f.Codes[2].CodeBytes = {9, 6, 5, 70};
  f.Codes[2].Digits.Assign("12345");
  f.Codes[2].Name.Assign("CALL");
  f.SpecialCodeB.CodeBytes = {0, 1, 3, 20};
  f.SpecialCodeB.Digits.Assign("1");  // padded with "E" to its count
  Encode();
  const std::size_t at = 0x0D00 + 64;
  EXPECT_EQ(image[at], 0x00);  // byte 0 is not the codec's
  EXPECT_EQ(image[at + 1], 6);
  EXPECT_EQ(image[at + 2], 5);
  EXPECT_EQ(image[at + 3], 7);
  EXPECT_EQ(Bytes(at + 4, 3), "\x12\x34\x5E");
  EXPECT_EQ(Bytes(at + 24, 7), "CALL   ");
  EXPECT_EQ(image[0x0390], 0xFB);
  EXPECT_EQ(image[0x0373], 7);  // 20 ms is no tone duration: 70
  EXPECT_EQ(Bytes(0x0374, 2), "\x1E\xEE");

  image[at + 3] = 2;
  image[at + 26] = 0xFF;
  const FiveToneSettings back = Decoded().Settings.FiveTone;
  EXPECT_EQ(back.Codes[2].CodeBytes[3], 70);
  EXPECT_EQ(back.Codes[2].CodeBytes[0], 0);
  EXPECT_EQ(back.Codes[2].Digits.Display(), "12345");
  EXPECT_EQ(back.Codes[2].Name.Raw(), std::string_view("CA\0L   ", 7));
  EXPECT_EQ(back.Codes[2].Empty, 0);
  EXPECT_EQ(back.Codes[3].Empty, 1);
  EXPECT_EQ(back.SpecialCodeB.Digits.Display(), "1EE");
}

TEST_F(PageCodec, FiveTonePageOwnIdAndDurations) {
  auto& f = plug.Settings.FiveTone;
  f.PageBytes = {1, 2, 3, 5, 70};
  f.PageText.Assign("98765");
  f.PageBytes2 = {4, 5, 6, 7};
  f.PageWords = {10, 11, 12, 13, 1, 15};
  plug.FiveToneLastOption = 200;
  f.ToneTable[15] = 31060;
  f.InfoCodes[7].CodeBytes = {3, 1, 4};
  f.InfoCodes[7].Code.Assign("12");
  f.InfoCodes[7].Name.Assign("KILL");
  Encode();
  EXPECT_EQ(Bytes(0x0320, 0x16), std::string("\x01\x02\x03\x05\x07\x09\x08\x07\x06\x05\x00"
                                              "\x05\x06\x07\x04\x0A\x01\x0F\x0C\x0B\xC8\x0D", 0x16));
  EXPECT_EQ(image[0x03DE], 31060 & 0xFF);
  EXPECT_EQ(image[0x03DF], 31060 >> 8);
  EXPECT_EQ(Bytes(0x05E0, 7), std::string("\x03\x01\x04\x01\x02\x0E\x0E", 7));
  EXPECT_EQ(Bytes(0x05F0, 8), std::string("KILL\0\0\0\0", 8));

  image[0x0324] = 11;  // no tone duration
  const Codeplug back = Decoded();
  EXPECT_EQ(back.Settings.FiveTone.PageBytes[4], 70);
  EXPECT_EQ(back.Settings.FiveTone.PageText.Raw(), std::string_view("98765\0", 6));
  EXPECT_EQ(back.Settings.FiveTone.PageWords, f.PageWords);
  EXPECT_EQ(back.Settings.FiveTone.PageBytes2, f.PageBytes2);
  EXPECT_EQ(back.FiveToneLastOption, 200);
  EXPECT_EQ(back.Settings.FiveTone.ToneTable[15], 31060);
  EXPECT_EQ(back.Settings.FiveTone.InfoCodes[7].Code.Display(), "12EE");
  EXPECT_EQ(back.Settings.FiveTone.InfoCodes[7].Name.Raw(), std::string_view("KILL\0  ", 7));
}

TEST_F(PageCodec, FiveToneInfoCodeUnreadBytesAndWideDigits) {
  Encode();
  image[0x0500] = 0xFF;
  image[0x0502] = 3;
  image[0x0503] = 0x1A;  // not one digit: its two hexadecimal digits, cut to the count
  image[0x0504] = 0x02;
  image[0x0510] = 'A';
  image[0x0511] = 0xFF;
  const FiveToneInfoCode back = Decoded().Settings.FiveTone.InfoCodes[0];
  EXPECT_EQ(back.CodeBytes[0], 0);
  EXPECT_EQ(back.Code.Display(), "1A2");
  EXPECT_EQ(back.Name.Raw(), std::string_view("A\0     ", 7));
}

TEST_F(PageCodec, BookCallIdsAndNames) {
  plug.Book[0].CallId.Assign("123");
  plug.Book[0].Name.Assign("BOB");
  plug.Book[1].CallId.Assign("12A");
  plug.Book[127].CallId.Assign("99999");
  plug.Book[127].Name.Assign("STATION");
  Encode();
  EXPECT_EQ(Bytes(0x1980, 5), std::string("123\0\0", 5));
  EXPECT_EQ(Bytes(0x1985, 5), std::string(5, '\0'));  // not numeric
  EXPECT_EQ(Bytes(0x1BFB, 5), "99999");
  EXPECT_EQ(Bytes(0x1C00, 8), std::string("BOB\0\0\0\0\0", 8));
  EXPECT_EQ(Bytes(0x1FF8, 7), "STATION");
  image[0x1FFF] = 'X';  // the eighth byte is read back too
  image[0x1C01] = 0xFF;
  const Codeplug back = Decoded();
  EXPECT_EQ(back.Book[0].CallId.Raw(), std::string_view("123\0\0", 5));
  EXPECT_EQ(back.Book[0].Name.Raw(), std::string_view("B\0     ", 7));
  EXPECT_EQ(back.Book[127].Name.Raw(), "STATION");
  EXPECT_EQ(back.Book[127].Index, 127);
}

TEST(EmbeddedInfoCodec, ErasedAndBlankAreas) {
  RadioImage image{};
  for (std::size_t a = 0x0010; a < 0x0100; ++a) image[a] = 0xFF;
  EmbeddedInfo info = DecodeEmbeddedInfo(image);
  EXPECT_EQ(info.AreaCode.Display(), "");
  EXPECT_EQ(info.SerialNumber.Display(), std::string(16, '\xFF'));
  EXPECT_EQ(info.MaintenanceReason.Display(), std::string(96, '\xFF'));

  image.fill(0);
  for (const auto& field : LabelledEmbeddedInfo(DecodeEmbeddedInfo(image)))
    if (field.Label != "Version") {
      EXPECT_EQ(field.Value, "") << field.Label;
    }
}

TEST(EmbeddedInfoCodec, FieldsAtTheirAddressesWithLabels) {
  RadioImage image{};
  const auto put = [&image](std::size_t rAt, const std::string& rText) {
    std::copy(rText.begin(), rText.end(), image.begin() + static_cast<std::ptrdiff_t>(rAt));
  };
  put(0x0019, "0595XYZ");  // four characters at most
  put(0x0020, "2024010100000001");
  put(0x0030, "2024-01-01  ");
  put(0x0040, "01-1-E-1");
  put(0x0048, "001A");
  put(0x004C, "PASS");  // the password is not embedded information
  put(0x0090, "Seller");
  put(0x00A0, std::string(96, 'M'));
  const EmbeddedInfo info = DecodeEmbeddedInfo(image);
  EXPECT_EQ(info.AreaCode.Raw(), "0595");
  EXPECT_EQ(info.ProductionDate.Raw(), std::string_view("2024-01-01\0     ", 16));
  EXPECT_EQ(info.UserCode.Raw(), "001A");
  const auto fields = LabelledEmbeddedInfo(info);
  ASSERT_EQ(fields.size(), 12u);
  EXPECT_EQ(fields[0].Label, "Area Code");
  EXPECT_EQ(fields[2].Label, "Producted Date");
  EXPECT_EQ(fields[2].Value, "2024-01-01");
  EXPECT_EQ(fields[3].Value, "01-1-E-1");
  EXPECT_EQ(fields[9].Label, "Seller");
  EXPECT_EQ(fields[10].Label, "Maintained");
  EXPECT_EQ(fields[10].Value, std::string(96, 'M'));
  EXPECT_EQ(fields[11].Label, "Version");
  EXPECT_EQ(fields[11].Value, "V1.00");
}

}  // namespace
}  // namespace px
