#include "codeplug/text_formats.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "codeplug/list_helpers.h"

namespace px {
namespace {

// A context over the given limits that counts each warning.
struct Counted {
  int OutOfBand = 0;
  int NotNumeric = 0;
  FormatContext Ctx;

  explicit Counted(BandLimits rLimits = {}) {
    Ctx.Limits = rLimits;
    Ctx.Warn = [this](FormatWarning rWarning) {
      ++(rWarning == FormatWarning::OutOfBand ? OutOfBand : NotNumeric);
    };
  }
};

TEST(StoredFreqTest, DisplayToStored) {
  EXPECT_EQ(ToStoredFreq("145.00000"), "014500000");
  EXPECT_EQ(ToStoredFreq("145"), "014500000");
  EXPECT_EQ(ToStoredFreq("000.0000"), "000000000");
  EXPECT_EQ(ToStoredFreq("136.02499"), "013602499");
  EXPECT_EQ(ToStoredFreq("145.000005"), "014500001");
  EXPECT_EQ(ToStoredFreq(""), "");
  EXPECT_EQ(ToStoredFreq("   "), "");
}

TEST(StoredFreqTest, AnythingElseStillFitsNineDigits) {
  EXPECT_EQ(ToStoredFreq("1450"), "145000000") << "whole MHz, whatever the length";
  EXPECT_EQ(ToStoredFreq("abc"), "") << "not a number is no frequency";
  EXPECT_EQ(ToStoredFreq("-5"), "000000000");
  EXPECT_EQ(ToStoredFreq("-004.00000"), "000000000");
  EXPECT_EQ(ToStoredFreq("12345.6"), "999999999");
  EXPECT_EQ(UnitsToFreqText(-400000), "-004.00000");
  EXPECT_EQ(UnitsToFreqText(std::numeric_limits<std::int64_t>::min()).front(), '-');
}

TEST(StoredFreqTest, StoredToDisplay) {
  Counted c;
  EXPECT_EQ(ToDisplayFreq("014500000", c.Ctx), "145.00000");
  EXPECT_EQ(ToDisplayFreq("043812500", c.Ctx), "438.12500");
  EXPECT_EQ(ToDisplayFreq("FFFFFFFFF", c.Ctx), "");
  EXPECT_EQ(ToDisplayFreq("         ", c.Ctx), "");
  EXPECT_EQ(ToDisplayFreq(std::string_view("0145000\0 ", 9), c.Ctx), "145.00000");
  EXPECT_EQ(ToDisplayOffset("000500000", c.Ctx), "5.00000");
  EXPECT_EQ(ToDisplayOffset("000060000", c.Ctx), "0.60000");
  EXPECT_EQ(ToDisplayOffset("FFFFFFFFF", c.Ctx), "0.00000");
  EXPECT_EQ(ToDisplayOffset("         ", c.Ctx), "0.00000");
  EXPECT_EQ(c.NotNumeric + c.OutOfBand, 0);
}

TEST(StoredFreqTest, DamagedStoredTextWarnsOnce) {
  Counted c(BandLimits{400, 470, 400, 470});
  EXPECT_EQ(ToDisplayFreq("01450A000", c.Ctx), "400");
  EXPECT_EQ(c.NotNumeric, 1);
  EXPECT_EQ(ToDisplayFreq("145.00000", c.Ctx), "400") << "a display form is not a stored form";
  EXPECT_EQ(c.NotNumeric, 2);
  EXPECT_EQ(ToDisplayOffset("-00500000", c.Ctx), "0.00000");
  EXPECT_EQ(c.NotNumeric, 3);
  EXPECT_EQ(c.OutOfBand, 0);
}

TEST(StoredFreqTest, NumericIsTheOneDefinition) {
  // Blanks and a sign are numeric, as everywhere else; the first four characters are
  // still the MHz.
  Counted c(BandLimits{400, 470, 400, 470});
  EXPECT_EQ(ToDisplayFreq(" 14500000", c.Ctx), "145.00000");
  EXPECT_EQ(ToDisplayFreq("+14500000", c.Ctx), "145.00000");
  EXPECT_EQ(ToDisplayOffset(" 00060000", c.Ctx), "0.60000");
  EXPECT_EQ(c.NotNumeric, 0);
  // Numeric, but no frequency once split after four characters, or below zero.
  EXPECT_EQ(ToDisplayFreq("1.5", c.Ctx), "400");
  EXPECT_EQ(ToDisplayFreq("-14500000", c.Ctx), "400");
  EXPECT_EQ(c.NotNumeric, 2);
}

TEST(RasterTest, DistancesFromTheBandEdge) {
  const std::int64_t low = 13600000;
  EXPECT_EQ(RasterCorrectUnits(low + 1250, low), low + 1250);   // 12.5 kHz
  EXPECT_EQ(RasterCorrectUnits(low + 833, low), low + 833);     // first 8.33 kHz step
  EXPECT_EQ(RasterCorrectUnits(low + 1666, low), low + 1666);   // second
  EXPECT_EQ(RasterCorrectUnits(low + 2499, low), low + 2500);   // third ends on 25 kHz
  EXPECT_EQ(RasterCorrectUnits(low + 4999, low), low + 5000);   // likewise one 25 kHz later
  EXPECT_EQ(RasterCorrectUnits(low + 3333, low), low + 3333);
  EXPECT_EQ(RasterCorrectUnits(low + 625, low), low + 625);     // 6.25 kHz
  EXPECT_EQ(RasterCorrectUnits(low + 100, low), low);
  EXPECT_EQ(RasterCorrectUnits(low + 1249, low), low + 1000);
  EXPECT_EQ(RasterCorrectUnits(low + 2250, low), low + 2250);
  EXPECT_DOUBLE_EQ(RasterCorrect(136.0010, 136), 136.0);
}

TEST(RasterTest, TypedFrequenciesInTheDefaultBand) {
  Counted c;
  EXPECT_EQ(ParseRxFreq("136.0125", true, c.Ctx), "136.01250");
  EXPECT_EQ(ParseRxFreq("136.00833", true, c.Ctx), "136.00833");
  EXPECT_EQ(ParseRxFreq("136.02499", true, c.Ctx), "136.02500");
  EXPECT_EQ(ParseRxFreq("136.0010", true, c.Ctx), "136.00000");
  EXPECT_EQ(ParseRxFreq("136.0225", true, c.Ctx), "136.02250");
  EXPECT_EQ(ParseRxFreq(" 145 ", true, c.Ctx), "145.00000");
  EXPECT_EQ(c.OutOfBand, 0);
}

TEST(RasterTest, RasterFollowsTheBandEdge) {
  Counted c(BandLimits{136.00125, 174, 136, 174});
  EXPECT_EQ(ParseRxFreq("136.00375", false, c.Ctx), "136.00375");
  EXPECT_EQ(ParseRxFreq("136.00200", false, c.Ctx), "136.00125");
}

TEST(BandCheckTest, OutOfBandClampsWithOneWarning) {
  Counted c;
  EXPECT_EQ(ParseRxFreq("180", true, c.Ctx), "174.00000");
  EXPECT_EQ(c.OutOfBand, 1);
  EXPECT_EQ(ParseRxFreq("100", true, c.Ctx), "136.00000");
  EXPECT_EQ(c.OutOfBand, 2);
  EXPECT_EQ(ParseRxFreq("", true, c.Ctx), "136.00000");
  EXPECT_EQ(c.OutOfBand, 3);
  EXPECT_EQ(ParseRxFreq("14x", true, c.Ctx), "136.00000");
  EXPECT_EQ(c.OutOfBand, 4);
  EXPECT_EQ(ParseRxFreq("174", true, c.Ctx), "174.00000") << "limits are inclusive";
  EXPECT_EQ(ParseRxFreq("136", true, c.Ctx), "136.00000");
  EXPECT_EQ(c.OutOfBand, 4);
  EXPECT_EQ(ParseRxFreq("180", false, c.Ctx), "174.00000");
  EXPECT_EQ(ParseRxFreq("", false, c.Ctx), "136.00000");
  EXPECT_EQ(c.OutOfBand, 4);
  EXPECT_EQ(c.NotNumeric, 0);
}

TEST(BandCheckTest, TransmitUsesTheTransmitBand) {
  Counted c(BandLimits{136, 174, 144, 146});
  EXPECT_EQ(ParseTxFreq("150", false, c.Ctx), "146.00000");
  EXPECT_EQ(ParseTxFreq("", false, c.Ctx), "144.00000");
  EXPECT_EQ(ParseTxFreq("145.0010", false, c.Ctx), "145.00000") << "raster from 144";
  EXPECT_EQ(ParseRxFreq("150", false, c.Ctx), "150.00000");
}

TEST(BandCheckTest, DamagedLimitsDoNotCrash) {
  Counted c(BandLimits{std::numeric_limits<double>::quiet_NaN(), 1e300, -1e300, 1e300});
  EXPECT_EQ(ParseRxFreq("145", true, c.Ctx), "000.00000");
  EXPECT_FALSE(ParseTxFreq("145", true, c.Ctx).empty());
}

TEST(ComputeOffsetTest, ClampsTheTransmitFrequencyIntoItsBand) {
  Counted c;
  EXPECT_EQ(ComputeOffset("5", "137", 1, c.Ctx), "001.00000") << "reaches exactly the lowest";
  EXPECT_EQ(c.OutOfBand, 1);
  EXPECT_EQ(ComputeOffset("10", "170", 2, c.Ctx), "004.00000");
  EXPECT_EQ(c.OutOfBand, 2);
  EXPECT_EQ(ComputeOffset("0.6", "150.00000", 2, c.Ctx), "000.60000");
  EXPECT_EQ(ComputeOffset("0.6", "150.00000", 1, c.Ctx), "000.60000");
  EXPECT_EQ(ComputeOffset("0.00000", "150.00000", 0, c.Ctx), "000.00000");
  EXPECT_EQ(c.OutOfBand, 2);
}

TEST(ComputeOffsetTest, EdgeSumDoesNotFallOutOfTheBand) {
  // In doubles 136.0175 + 5.1825 lies above 141.2.
  Counted c(BandLimits{136, 174, 136, 141.2});
  EXPECT_EQ(ComputeOffset("5.1825", "136.0175", 2, c.Ctx), "005.18250");
  EXPECT_EQ(c.OutOfBand, 0);
}

TEST(ComputeOffsetTest, NonNumericTextsGiveZeroSilently) {
  Counted c;
  EXPECT_EQ(ComputeOffset("", "150", 2, c.Ctx), "000.00000");
  EXPECT_EQ(ComputeOffset("abc", "150", 1, c.Ctx), "000.00000");
  EXPECT_EQ(ComputeOffset("5", "", 1, c.Ctx), "000.00000");
  EXPECT_EQ(c.OutOfBand, 0);
}

TEST(ChannelListsTest, StepsBandwidthsAndTones) {
  ASSERT_EQ(ChannelStepTexts().size(), 10u);
  EXPECT_EQ(ChannelStepTexts()[3], "8.33K");
  EXPECT_EQ(ChannelStepTexts()[9], "50K");
  EXPECT_EQ(BandwidthTexts(), (std::vector<std::string>{"25KHz", "20KHz", "12.5KHz"}));
  const auto& tones = CtcssTexts();
  ASSERT_EQ(tones.size(), 51u);
  EXPECT_EQ(tones[0], "62.5");
  EXPECT_EQ(tones[20], "127.3");
  EXPECT_EQ(tones[50], "254.1");
  for (std::size_t i = 1; i < tones.size(); ++i) {
    EXPECT_LT(std::stod(tones[i - 1]), std::stod(tones[i])) << i;
    EXPECT_EQ(tones[i].size() - tones[i].find('.'), 2u) << tones[i];
  }
}

TEST(ChannelListsTest, DcsCodesInOctal) {
  EXPECT_EQ(DcsCodeText(19), "023");
  EXPECT_EQ(DcsCodeText(511), "777");
  EXPECT_EQ(DcsCodeText(0), "000");
  EXPECT_EQ(DcsCodeText(83), "123");
  EXPECT_EQ(DcsCodeText(512), "000");
  EXPECT_EQ(DcsCodeText(-1), "000");
  ASSERT_EQ(DcsCodeTexts().size(), 512u);
  EXPECT_EQ(DcsCodeTexts()[19], "023");
}

TEST(DigitTextTest, DtmfDigits) {
  EXPECT_EQ(DtmfToStored("12*#AD"), "12EFAD");
  EXPECT_EQ(DtmfToDisplay("12EFAD"), "12*#AD");
  EXPECT_EQ(DtmfToDisplay(DtmfToStored("*0#9")), "*0#9");
}

TEST(DigitTextTest, RepeatDigits) {
  EXPECT_EQ(InsertRepeatDigits("1123", "X"), "1E23");
  EXPECT_EQ(InsertRepeatDigits("111", "X"), "1E1");
  EXPECT_EQ(InsertRepeatDigits("1111", "X"), "1E1E");
  EXPECT_EQ(InsertRepeatDigits("1123   ", ""), "1E23");
  EXPECT_EQ(InsertRepeatDigits("123", "1"), "E23");
  EXPECT_EQ(InsertRepeatDigits("123", "5"), "123");
  EXPECT_EQ(InsertRepeatDigits("", "1"), "");
  EXPECT_EQ(InsertRepeatDigits("E1222222222", "X"), "E12E2E2E222") << "long calls keep 9 on";
}

TEST(DigitTextTest, AniCallsEndingWithTheOwnId) {
  EXPECT_FALSE(EndsWithOwnId("123455432", "54321")) << "nine characters are too short";
  EXPECT_TRUE(EndsWithOwnId("12345SelfID", "54321"));
  EXPECT_TRUE(EndsWithOwnId("12345ASelfID", ""));
  EXPECT_FALSE(EndsWithOwnId("123456SelfID", ""));
  EXPECT_FALSE(EndsWithOwnId("1234SelfID", ""));
  EXPECT_TRUE(EndsWithOwnId("1234554321", "54321"));
  EXPECT_TRUE(EndsWithOwnId("12345A54321", "54321"));
  EXPECT_FALSE(EndsWithOwnId("12345654321", "54321")) << "6th character must be A-F";
  EXPECT_FALSE(EndsWithOwnId("1234554321", "5432"));
  EXPECT_FALSE(EndsWithOwnId("1234512345", "54321"));
  EXPECT_TRUE(EndsWithOwnId("123451E2E3", "11223")) << "own ID in repeat form";
  EXPECT_TRUE(EndsWithOwnId("12341E2345", "12345")) << "continued from the digit before";
}

TEST(DigitTextTest, StoredFormOfFiveToneCodes) {
  EXPECT_EQ(EncodeFiveToneCode("1234AA22222", "22222"), "1234AA2E2E2") << "separator kept";
  EXPECT_EQ(EncodeFiveToneCode("1234A22222", "99999"), "1234A2E2E2");
  EXPECT_EQ(EncodeFiveToneCode("1122", "12345"), "1E2E");
  EXPECT_EQ(EncodeFiveToneCode("1122334455", "44455"), "1E2E3E4E5E");
}

TEST(SmallHelpersTest, BytesAndHex) {
  EXPECT_EQ(ByteOf(-1), 255);
  EXPECT_EQ(ByteOf(std::numeric_limits<Int16>::min()), 255);
  EXPECT_EQ(ByteOf(0), 0);
  EXPECT_EQ(ByteOf(255), 255);
  EXPECT_EQ(ByteOf(256), 0);
  EXPECT_EQ(HexByte(0), "00");
  EXPECT_EQ(HexByte(10), "0A");
  EXPECT_EQ(HexByte(255), "FF");
}

TEST(SmallHelpersTest, NumberOrDefault) {
  EXPECT_EQ(NumberOrDefault("", 9), 9);
  EXPECT_EQ(NumberOrDefault("abc", 9), 9);
  EXPECT_EQ(NumberOrDefault("42", 9), 42);
  EXPECT_EQ(NumberOrDefault(" 7 ", 9), 7);
  EXPECT_EQ(NumberOrDefault("-1", 9), -1);
  EXPECT_EQ(NumberOrDefault("2.5", 9), 2);
  EXPECT_EQ(NumberOrDefault("3.5", 9), 4);
  EXPECT_EQ(NumberOrDefault("99999999999", 9), std::numeric_limits<std::int32_t>::max());
}

TEST(SmallHelpersTest, FileNamesAndFallbackLimits) {
  EXPECT_EQ(FileNameOf("C:\\radio\\plan.dat"), "plan.dat");
  EXPECT_EQ(FileNameOf("/home/u/plan.dat"), "plan.dat");
  EXPECT_EQ(FileNameOf("a\\b/c.dat"), "c.dat");
  EXPECT_EQ(FileNameOf("plan.dat"), "plan.dat");
  EXPECT_EQ(FileNameOf("dir/"), "");
  EXPECT_EQ(FallbackBandLimit(0), 100.0);
  EXPECT_EQ(FallbackBandLimit(2), 100.0);
  EXPECT_EQ(FallbackBandLimit(1), 500.0);
  EXPECT_EQ(FallbackBandLimit(3), 500.0);
  EXPECT_FALSE(FallbackBandLimit(4).has_value());
  EXPECT_FALSE(FallbackBandLimit(-1).has_value());
}

TEST(ListHelpersTest, LookupsFallBackToTheFirstItem) {
  const TextList list{"Off", "On", "Auto"};
  EXPECT_EQ(ListItemAt(list, 1), "On");
  EXPECT_EQ(ListItemAt(list, -1), "Off");
  EXPECT_EQ(ListItemAt(list, 3), "Off");
  EXPECT_EQ(ListItemAt({}, 0), "");
  EXPECT_EQ(ListItemMatching(list, "Auto"), "Auto");
  EXPECT_EQ(ListItemMatching(list, "auto"), "Off");
  EXPECT_EQ(ListItemMatching({}, "x"), "");
  EXPECT_EQ(ListIndexOf(list, "Auto", 5), 2);
  EXPECT_EQ(ListIndexOf(list, "Nope", 5), 0);
  EXPECT_EQ(ListIndexOf(list, "", 5), 5);
  EXPECT_EQ(ListIndexOf({}, "On", 5), 5);
}

TEST(ListHelpersTest, AddOnce) {
  TextList list{"A"};
  AddListItemOnce(list, "B");
  AddListItemOnce(list, "A");
  AddListItemOnce(list, "B");
  EXPECT_EQ(list, (TextList{"A", "B"}));
}

}  // namespace
}  // namespace px
