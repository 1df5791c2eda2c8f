#include <gtest/gtest.h>

#include "codeplug/csv_text.h"
#include "edit/channel_clipboard.h"
#include "edit/channel_csv.h"
#include "edit/codeplug_ops.h"
#include "support/full_codeplug.h"

namespace px {
namespace {

// ---- the CSV text itself -------------------------------------------------------------

TEST(CsvText, QuotedFieldsHoldCommasQuotesAndLineBreaks) {
  const std::string text =
      "\xEF\xBB\xBFLocation,Name\r\n"
      "1,\"A, B\"\r\n"
      "\r\n"
      "2,\"say \"\"hi\"\"\"\n"
      "3,\"two\r\nlines\"\r"
      "4,plain\n";
  const CsvParseResult parsed = ParseCsv(text);
  ASSERT_FALSE(parsed.UnclosedQuoteLine);
  ASSERT_EQ(parsed.Records.size(), 5u);
  EXPECT_EQ(parsed.Records[0].Fields, (std::vector<std::string>{"Location", "Name"}));
  EXPECT_EQ(parsed.Records[1].Fields[1], "A, B");
  EXPECT_EQ(parsed.Records[2].Fields[1], "say \"hi\"");
  EXPECT_EQ(parsed.Records[2].Line, 4);  // the blank line 3 is left out but counted
  EXPECT_EQ(parsed.Records[3].Fields[1], "two\r\nlines");
  EXPECT_EQ(parsed.Records[4].Line, 7);
  EXPECT_EQ(parsed.Records[4].Fields[1], "plain");
}

TEST(CsvText, UnclosedQuoteIsReportedWithItsLine) {
  const CsvParseResult parsed = ParseCsv("a,b\n1,\"open\n2,3\n");
  ASSERT_TRUE(parsed.UnclosedQuoteLine);
  EXPECT_EQ(*parsed.UnclosedQuoteLine, 2);
}

TEST(CsvText, WrittenLinesReadBackUnchanged) {
  const std::vector<std::string> fields{"", "x", "a,b", "q\"q", " lead", "two\nlines", "\xC3\xA9"};
  const CsvParseResult parsed = ParseCsv(CsvLine(fields) + CsvLine({"1"}));
  ASSERT_EQ(parsed.Records.size(), 2u);
  EXPECT_EQ(parsed.Records[0].Fields, fields);
  EXPECT_EQ(CsvLine({"a", "b c"}), "a,b c\r\n");
}

// ---- channels --------------------------------------------------------------------------

class ChannelCsvTest : public ::testing::Test {
 protected:
  void SetUp() override { state.Current.ChannelCount = 0; }

  ChannelRecord& Add(int rNumber, const char* rRx) {
    ChannelRecord& ch = state.Channels[static_cast<std::size_t>(state.Current.ChannelCount++)];
    ch = ChannelRecord{};
    ch.Number = static_cast<Int16>(rNumber);
    ch.InUse = 1;
    ch.RxFreq.Assign(rRx);
    ch.OffsetFreq.Assign("000000000");
    ch.StepIndex = 5;
    return ch;
  }
  const ChannelRecord& At(int rNumber) const {
    return state.Channels[static_cast<std::size_t>(FindChannelSlot(state.Current, state.Channels, rNumber))];
  }

  AppState state;
};

// Every combination of transmit and receive tone, each duplex, exported and imported
// into an empty codeplug, gives the same channel in every field the layout holds.
TEST_F(ChannelCsvTest, EveryToneModeAndDuplexSurvivesARoundTrip) {
  int number = 1;
  for (int a = 0; a <= 2; ++a)
    for (int b = 0; b <= 2; ++b)
      for (int same = 0; same <= 1; ++same)
        for (int duplex = 0; duplex <= 3; ++duplex) {
          ChannelRecord& ch = Add(number, "014552500");
          ch.Name.Assign("N" + std::to_string(number));
          ch.ToneTypeA = static_cast<Int16>(a);
          ch.ToneTypeB = static_cast<Int16>(b);
          ch.CtcssIndexA = 20;
          ch.CtcssIndexB = static_cast<Int16>(same ? 20 : 7);
          ch.DcsIndexA = 19;
          ch.DcsIndexB = static_cast<Int16>(same ? 19 : 300);
          ch.DcsInvertA = static_cast<Int16>(duplex % 2);
          ch.DcsInvertB = static_cast<Int16>(same);
          ch.OffsetDirection = static_cast<Int16>(duplex == 3 ? 0 : duplex);
          if (duplex == 1 || duplex == 2) ch.OffsetFreq.Assign("000600000");
          ch.TxInhibit = static_cast<Int16>(duplex == 3);
          ch.BandwidthIndex = static_cast<Int16>(number % 2 ? 2 : 0);
          ch.StepIndex = static_cast<Int16>(number % 10);
          ch.TxPowerIndex = static_cast<Int16>(number % 3);
          ch.ScanSkip = static_cast<Int16>(number % 2);
          ++number;
        }
  const std::string csv = ExportChannelsCsv(state);

  AppState empty;
  empty.Current.ChannelCount = 0;
  const ChannelImportPlan plan = PlanChannelImport(empty, csv);
  ASSERT_TRUE(plan.Error.empty());
  EXPECT_TRUE(plan.Refused.empty()) << plan.Refused.front().Reason;
  ASSERT_EQ(plan.Channels.size(), static_cast<std::size_t>(number - 1));
  EXPECT_EQ(plan.Added(), number - 1);
  ApplyChannelImport(empty, plan);
  for (int n = 1; n < number; ++n) {
    const ChannelRecord& was = At(n);
    const ChannelRecord& now =
        empty.Channels[static_cast<std::size_t>(FindChannelSlot(empty.Current, empty.Channels, n))];
    SCOPED_TRACE("channel " + std::to_string(n));
    EXPECT_EQ(now.RxFreq, was.RxFreq);
    EXPECT_EQ(now.OffsetDirection, was.OffsetDirection);
    if (was.OffsetDirection != 0) {
      EXPECT_EQ(now.OffsetFreq, was.OffsetFreq);
    }
    EXPECT_EQ(now.TxInhibit, was.TxInhibit);
    EXPECT_EQ(now.Name.Display(), was.Name.Display());
    EXPECT_EQ(now.ToneTypeA, was.ToneTypeA);
    EXPECT_EQ(now.ToneTypeB, was.ToneTypeB);
    if (was.ToneTypeA == 1) {
      EXPECT_EQ(now.CtcssIndexA, was.CtcssIndexA);
    }
    if (was.ToneTypeB == 1) {
      EXPECT_EQ(now.CtcssIndexB, was.CtcssIndexB);
    }
    if (was.ToneTypeA == 2) {
      EXPECT_EQ(now.DcsIndexA, was.DcsIndexA);
      EXPECT_EQ(now.DcsInvertA, was.DcsInvertA);
    }
    if (was.ToneTypeB == 2) {
      EXPECT_EQ(now.DcsIndexB, was.DcsIndexB);
      EXPECT_EQ(now.DcsInvertB, was.DcsInvertB);
    }
    EXPECT_EQ(now.BandwidthIndex, was.BandwidthIndex);
    EXPECT_EQ(now.StepIndex, was.StepIndex);
    EXPECT_EQ(now.TxPowerIndex, was.TxPowerIndex);
    EXPECT_EQ(now.ScanSkip, was.ScanSkip);
  }
}

// A list exported and imported back unedited changes nothing at all, whatever the
// channels hold (signalling, spare fields, odd offsets, NUL-padded names).
TEST_F(ChannelCsvTest, UneditedListImportedBackChangesNothing) {
  FillFullCodeplug(state);
  const AppState before = state;
  const ChannelImportPlan plan = PlanChannelImport(state, ExportChannelsCsv(state));
  EXPECT_TRUE(plan.Refused.empty()) << plan.Refused.front().Reason;
  EXPECT_EQ(plan.Unchanged(), kMemoryChannels);
  EXPECT_EQ(ApplyChannelImport(state, plan), 0);
  EXPECT_EQ(state.Channels, before.Channels);
  EXPECT_EQ(state.Current, before.Current);
}

TEST_F(ChannelCsvTest, OneEditedCellChangesOneFieldAndKeepsTheRest) {
  FillFullCodeplug(state);
  std::string csv = ExportChannelsCsv(state);
  const ChannelRecord was = At(13);
  const std::string oldName = "\r\n12," + Latin1ToUtf8(was.Name.Display()) + ",";
  const auto at = csv.find(oldName);
  ASSERT_NE(at, std::string::npos);
  csv.replace(at, oldName.size(), "\r\n12,\"NEW,1\",");
  const ChannelImportPlan plan = PlanChannelImport(state, csv);
  EXPECT_EQ(plan.Replaced(), 1);
  ApplyChannelImport(state, plan);
  ChannelRecord expected = was;
  expected.Name.Assign("NEW,1");
  EXPECT_EQ(At(13), expected);
}

TEST_F(ChannelCsvTest, HandWrittenListWithRefusedRows) {
  Add(3, "014500000").Name.Assign("OLD");
  state.Current.Settings.Scan[11] = 3;
  const std::string csv =
      "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
      "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n"
      "0,\"Rpt, N\",145.600000,-,0.600000,Tone,88.5,88.5,023,NN,023,Tone->Tone,FM,12.50,,High,\"a, b\",,,,\r\n"
      "2,Simplex,146.520000,,0.000000,TSQL,88.5,100.0,023,NN,023,Tone->Tone,NFM,5.00,S,Low,,,,,\r\n"
      "5,Far,450.000000,,0,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,,,,,\r\n"
      "6,Odd,145.000000,,0,Tone,88.6,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,,,,,\r\n"
      "7,Bad,14x.5,,0,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,,,,,\r\n"
      "200,Beyond,145.000000,,0,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,,,,,\r\n"
      "0,Again,145.000000,,0,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,,,,,\r\n"
      "8,Dcs,145.000000,,0,Cross,88.5,88.5,023,RN,754,DTCS->DTCS,FM,5.00,,Mid,,,,,\r\n"
      "9,Raster,145.0061,split,146.00,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,\r\n"
      "10,Tx,145.000000,+,40.0,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,\r\n"
      "11,Wide,145.000000,duplex?,0,,,,,,,,AM,,,,,,,,\r\n";
  const ChannelImportPlan plan = PlanChannelImport(state, csv);
  ASSERT_TRUE(plan.Error.empty());
  ASSERT_EQ(plan.Channels.size(), 5u);
  ASSERT_EQ(plan.Refused.size(), 6u);
  const auto reason = [&](std::size_t i) { return plan.Refused[i].Reason; };
  EXPECT_EQ(plan.Refused[0].Line, 4);
  EXPECT_NE(reason(0).find("outside the band"), std::string::npos) << reason(0);
  EXPECT_NE(reason(1).find("unknown CTCSS tone \"88.6\""), std::string::npos) << reason(1);
  EXPECT_NE(reason(2).find("not a number"), std::string::npos) << reason(2);
  EXPECT_NE(reason(3).find("\"200\""), std::string::npos) << reason(3);
  EXPECT_NE(reason(4).find("appears again"), std::string::npos) << reason(4);
  EXPECT_NE(reason(5).find("unknown duplex"), std::string::npos) << reason(5);
  EXPECT_EQ(plan.Added(), 4);
  EXPECT_EQ(plan.Replaced(), 1);  // location 2 is channel 3

  // Nothing is changed by the plan itself.
  EXPECT_EQ(At(3).Name.Display(), "OLD");
  EXPECT_EQ(ApplyChannelImport(state, plan), 5);

  const ChannelRecord& repeater = At(1);
  EXPECT_EQ(repeater.Name.Display(), "Rpt, N");
  EXPECT_EQ(repeater.RxFreq.Display(), "014560000");
  EXPECT_EQ(repeater.OffsetDirection, 1);
  EXPECT_EQ(repeater.OffsetFreq.Display(), "000060000");
  EXPECT_EQ(repeater.ToneTypeA, 1);
  EXPECT_EQ(repeater.CtcssIndexA, 9);  // 88.5
  EXPECT_EQ(repeater.ToneTypeB, 0);
  EXPECT_EQ(repeater.StepIndex, 5);

  const ChannelRecord& simplex = At(3);
  EXPECT_EQ(simplex.Name.Display(), "Simplex");
  EXPECT_EQ(simplex.ToneTypeA, 1);
  EXPECT_EQ(simplex.ToneTypeB, 1);
  EXPECT_EQ(simplex.CtcssIndexA, 13);  // TSQL takes cToneFreq for both sides
  EXPECT_EQ(simplex.CtcssIndexB, 13);
  EXPECT_EQ(simplex.BandwidthIndex, 2);
  EXPECT_EQ(simplex.ScanSkip, 1);
  EXPECT_EQ(simplex.TxPowerIndex, 2);

  const ChannelRecord& dcs = At(9);
  EXPECT_EQ(dcs.ToneTypeA, 2);
  EXPECT_EQ(dcs.DcsIndexA, 19);
  EXPECT_EQ(dcs.DcsInvertA, 1);
  EXPECT_EQ(dcs.ToneTypeB, 2);
  EXPECT_EQ(dcs.DcsIndexB, 0754);
  EXPECT_EQ(dcs.DcsInvertB, 0);
  EXPECT_EQ(dcs.TxPowerIndex, 1);

  // The channel editor's raster: 145.0061 goes down to 145.00500; split names the
  // transmit frequency.
  const ChannelRecord& raster = At(10);
  EXPECT_EQ(raster.RxFreq.Display(), "014500500");
  EXPECT_EQ(raster.OffsetDirection, 2);
  EXPECT_EQ(raster.OffsetFreq.Display(), "000099500");
  ASSERT_EQ(plan.Channels[3].Notes.size(), 1u);
  EXPECT_NE(plan.Channels[3].Notes[0].find("145.005000"), std::string::npos);

  // A new channel that the CSV cannot describe fully takes the editor's defaults.
  EXPECT_EQ(raster.PttIdCode.Display(), "00000");

  // Transmit outside the band (145 + 40 MHz) no longer loses the row: the channel
  // receives only, and a note says why.
  const ChannelRecord& receiveOnly = At(11);
  EXPECT_EQ(receiveOnly.RxFreq.Display(), "014500000");
  EXPECT_EQ(receiveOnly.TxInhibit, 1);
  ASSERT_EQ(plan.Channels[4].Notes.size(), 1u);
  EXPECT_NE(plan.Channels[4].Notes[0].find("transmit frequency 185.000000 MHz is outside the band"),
            std::string::npos) << plan.Channels[4].Notes[0];
  EXPECT_NE(plan.Channels[4].Notes[0].find("receive-only"), std::string::npos);
}

TEST_F(ChannelCsvTest, FileWithoutHeaderOrWithBrokenQuotesIsRefusedWhole) {
  EXPECT_FALSE(PlanChannelImport(state, "1,2,3\r\n").Error.empty());
  EXPECT_FALSE(PlanChannelImport(state, "").Error.empty());
  const ChannelImportPlan broken = PlanChannelImport(state, "Location,Frequency\n1,\"145\n");
  EXPECT_NE(broken.Error.find("line 2"), std::string::npos) << broken.Error;
  state.LanguageIndex = kChinese;
  EXPECT_NE(PlanChannelImport(state, "x").Error.find("标题行"), std::string::npos);
}

TEST_F(ChannelCsvTest, ColumnsMayComeInAnyOrderAndBeMissing) {
  const ChannelImportPlan plan = PlanChannelImport(state, "frequency,name,location\n146.5,\"Caf\xC3\xA9\",4\n");
  ASSERT_EQ(plan.Channels.size(), 1u);
  ApplyChannelImport(state, plan);
  EXPECT_EQ(At(5).Name.Display(), "Caf\xE9");
  EXPECT_EQ(At(5).RxFreq.Display(), "014650000");
  EXPECT_NE(ExportChannelsCsv(state).find("Caf\xC3\xA9"), std::string::npos);
}

TEST_F(ChannelCsvTest, NamesBeyondLatin1AreRefusedAndLongNamesCut) {
  const ChannelImportPlan plan =
      PlanChannelImport(state, "Location,Frequency,Name\n1,145,\xE4\xB8\xAD\n2,145,ABCDEFGHIJ\n");
  ASSERT_EQ(plan.Refused.size(), 1u);
  ASSERT_EQ(plan.Channels.size(), 1u);
  EXPECT_EQ(plan.Channels[0].Record.Name.Display(), "ABCDEFG");
  EXPECT_EQ(plan.Channels[0].Notes.size(), 1u);
}

TEST_F(ChannelCsvTest, ImportRepairsTheChannelReferencesOnce) {
  Add(50, "014500000");
  state.Current.Settings.Alert[7] = 77;  // a channel that does not exist
  ApplyChannelImport(state, PlanChannelImport(state, "Location,Frequency\n9,145\n"));
  EXPECT_EQ(state.Current.Settings.Alert[7], 10);  // the last memory channel in table order
}

}  // namespace
}  // namespace px
