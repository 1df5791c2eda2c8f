// Channel lists from the world: files shaped as other programs write them (powers in
// watts, the older layout, split and off duplex, transmit outside the band), cells
// pasted from a spreadsheet, the export's neutral DCS code, and `set` / edit many.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>

#include "edit/channel_csv.h"
#include "edit/channel_many.h"
#include "edit/channel_rows.h"
#include "edit/channel_selection.h"
#include "edit/codeplug_ops.h"
#include "edit/spreadsheet_text.h"
#include "support/scripted_ui.h"

namespace px {
namespace {

std::string DataFile(const std::string& rName) {
  std::ifstream in(std::string(PX_SOURCE_DIR) + "/tests/data/csv/" + rName, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  EXPECT_FALSE(text.str().empty()) << rName;
  return text.str();
}

struct Shown {
  std::string Rx, Tx, Name, Step, Bandwidth, Power, Decode, Encode;
};

class ChannelListImportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // A program folder without language files, wherever the tests run: the grid shows
    // its fixed texts ("-" for no tone, the English power words).
    state.ProgramFolder = std::string(PX_SOURCE_DIR) + "/tests/data/csv";
    state.Current.ChannelCount = 0;
  }

  // Imports rCsv into the empty codeplug; the rows as the grid shows them, by grid row.
  std::map<int, Shown> Import(const std::string& rCsv) {
    plan = PlanChannelImport(state, rCsv);
    EXPECT_TRUE(plan.Error.empty()) << plan.Error;
    ApplyChannelImport(state, plan);
    return Grid();
  }
  std::map<int, Shown> Grid() const {
    std::map<int, Shown> rows;
    for (int slot = 0; slot < state.Current.ChannelCount; ++slot) {
      const ChannelRowTexts t = ChannelRowOf(state, state.Channels[static_cast<std::size_t>(slot)]);
      rows[std::stoi(t[kColLabel])] = {t[kColRx], t[kColTx], t[kColName], t[kColStep], t[kColBandwidth],
                                       t[kColPower], t[kColDecode], t[kColEncode]};
    }
    return rows;
  }
  const ChannelRecord& At(int rGridRow) const {
    return state.Channels[static_cast<std::size_t>(FindChannelSlot(state.Current, state.Channels, rGridRow + 1))];
  }
  void Expect(const std::map<int, Shown>& rGrid, int rRow, const Shown& rWanted) {
    SCOPED_TRACE("row " + std::to_string(rRow));
    ASSERT_TRUE(rGrid.count(rRow));
    const Shown& s = rGrid.at(rRow);
    EXPECT_EQ(s.Rx, rWanted.Rx);
    EXPECT_EQ(s.Tx, rWanted.Tx);
    EXPECT_EQ(s.Name, rWanted.Name);
    EXPECT_EQ(s.Step, rWanted.Step);
    EXPECT_EQ(s.Bandwidth, rWanted.Bandwidth);
    EXPECT_EQ(s.Power, rWanted.Power);
    EXPECT_EQ(s.Decode, rWanted.Decode);
    EXPECT_EQ(s.Encode, rWanted.Encode);
  }

  AppState state;
  ChannelImportPlan plan;
};

// Without language files (see SetUp) the grid shows "-" for no tone.
constexpr const char* kOff = "-";

TEST_F(ChannelListImportTest, PowersInWattsTakeTheirRankAndSplitAndOffDuplexImport) {
  const auto grid = Import(DataFile("peer_watts.csv"));
  EXPECT_TRUE(plan.Refused.empty()) << plan.Refused.front().Reason;
  ASSERT_EQ(plan.Channels.size(), 6u);
  // Wattages 1.0, 2.5 and 5.0: the highest High, the lowest Low, the one between Middle.
  Expect(grid, 0, {"146.94000", "146.34000", "RPT-N", "5K", "25K", "High", kOff, "100.0"});
  Expect(grid, 1, {"146.52000", "146.52000", "SIMPLX", "5K", "25K", "Low", kOff, kOff});
  Expect(grid, 2, {"145.80000", "151.82000", "XBAND", "12.5K", "12.5K", "Middle", "123.0", "123.0"});
  Expect(grid, 4, {"147.12000", "147.72000", "DCS", "5K", "25K", "High", "D155I", "D155N"});
  Expect(grid, 5, {"147.33000", "147.93000", "CROSS", "5K", "25K", "Middle", "D265N", "88.5"});
  EXPECT_EQ(At(3).TxInhibit, 1);  // "off": receive only
  EXPECT_EQ(At(2).ScanSkip, 1);
  ASSERT_EQ(plan.Channels[0].Notes.size(), 1u);
  EXPECT_NE(plan.Channels[0].Notes[0].find("power 5.0W taken as High"), std::string::npos)
      << plan.Channels[0].Notes[0];
  EXPECT_NE(plan.Channels[0].Notes[0].find("3 wattages"), std::string::npos);
}

TEST_F(ChannelListImportTest, OneWattageImportsAtHighAndUnknownPowersAreStillRefused) {
  const std::string header = "Location,Frequency,Power\r\n";
  Import(header + "0,145.000000,50W\r\n1,146.000000,50 W\r\n2,147.000000,5x\r\n3,147.500000,-2W\r\n");
  ASSERT_EQ(plan.Channels.size(), 2u);
  EXPECT_EQ(At(0).TxPowerIndex, 0);
  EXPECT_EQ(At(1).TxPowerIndex, 0);
  ASSERT_EQ(plan.Refused.size(), 2u);
  EXPECT_NE(plan.Refused[0].Reason.find("unknown power \"5x\""), std::string::npos);
}

TEST_F(ChannelListImportTest, TheOlderLayoutTakesTheLayoutsDefaults) {
  const auto grid = Import(DataFile("peer_older_layout.csv"));
  EXPECT_TRUE(plan.Refused.empty()) << plan.Refused.front().Reason;
  Expect(grid, 0, {"145.50000", "145.50000", "OLD1", "5K", "25K", "High", kOff, kOff});
  Expect(grid, 1, {"146.76000", "146.16000", "OLD2", "5K", "25K", "High", kOff, "127.3"});
  // One DCS code for both sides.
  Expect(grid, 2, {"147.00000", "147.60000", "OLDDCS", "12.5K", "12.5K", "High", "D411N", "D411I"});
}

TEST_F(ChannelListImportTest, TransmitOutsideTheBandGivesAReceiveOnlyChannel) {
  const auto grid = Import(DataFile("peer_tx_outside.csv"));
  ASSERT_EQ(plan.Channels.size(), 3u);
  EXPECT_EQ(At(0).TxInhibit, 0);
  EXPECT_EQ(At(1).TxInhibit, 1);
  EXPECT_EQ(At(2).TxInhibit, 1);
  EXPECT_EQ(grid.at(1).Rx, "145.55000");
  EXPECT_NE(plan.Channels[1].Notes.at(0).find("transmit frequency 175.550000 MHz is outside the band"),
            std::string::npos) << plan.Channels[1].Notes.at(0);
  // A receive frequency outside the band still refuses the row.
  ASSERT_EQ(plan.Refused.size(), 1u);
  EXPECT_EQ(plan.Refused[0].Location, "3");
  EXPECT_NE(plan.Refused[0].Reason.find("receive frequency 446.000000"), std::string::npos);
}

TEST_F(ChannelListImportTest, ExportAfterTheTransmitFixImportsIntoANewCodeplug) {
  Import(DataFile("peer_tx_outside.csv"));
  const std::string exported = ExportChannelsCsv(state);
  AppState fresh;
  fresh.Current.ChannelCount = 0;
  const ChannelImportPlan again = PlanChannelImport(fresh, exported);
  EXPECT_TRUE(again.Refused.empty());
  EXPECT_EQ(again.Channels.size(), 3u);
}

TEST_F(ChannelListImportTest, ExportWritesTheNeutralDcsCodeWhereNoDcsApplies) {
  ChannelRecord plain;
  plain.Number = 1;
  plain.InUse = 1;
  plain.RxFreq.Assign("014500000");
  plain.OffsetFreq.Assign("000000000");
  const auto columns = ChannelCsvHeader();
  const auto column = [&](const std::vector<std::string>& rRow, const char* rName) {
    for (std::size_t i = 0; i < columns.size(); ++i)
      if (columns[i] == rName) return rRow[i];
    return std::string("?");
  };
  struct Case {
    Int16 TypeA, TypeB, DcsA, DcsB;
    const char *Tx, *Rx;
  };
  // 0123 octal is 83, 0754 is 492.
  const Case cases[] = {
      {0, 0, 0, 0, "023", "023"},     {1, 1, 0, 0, "023", "023"},   {2, 2, 83, 83, "123", "123"},
      {2, 0, 83, 0, "123", "023"},    {0, 2, 0, 492, "023", "754"}, {1, 2, 0, 492, "023", "754"},
  };
  for (const Case& c : cases) {
    ChannelRecord ch = plain;
    ch.ToneTypeA = c.TypeA;
    ch.ToneTypeB = c.TypeB;
    ch.DcsIndexA = c.DcsA;
    ch.DcsIndexB = c.DcsB;
    const auto row = ChannelCsvFields(ch);
    EXPECT_EQ(column(row, "DtcsCode"), c.Tx) << c.TypeA << c.TypeB;
    EXPECT_EQ(column(row, "RxDtcsCode"), c.Rx) << c.TypeA << c.TypeB;
  }
}

TEST_F(ChannelListImportTest, SpreadsheetCellsPasteLikeCsvWithOrWithoutHeader) {
  const std::string grid = DataFile("grid_rows.tsv");
  EXPECT_TRUE(LooksLikeChannelText(grid));
  EXPECT_FALSE(LooksLikeChannelText("hello\tworld\n"));
  EXPECT_FALSE(LooksLikeChannelText("just text"));
  std::vector<std::string> refused;
  std::string error;
  const std::vector<ChannelRecord> pasted = ChannelsFromCsvText(state, grid, refused, error);
  EXPECT_TRUE(error.empty()) << error;
  EXPECT_TRUE(refused.empty()) << refused.front();
  ASSERT_EQ(pasted.size(), 2u);
  state.Current.ChannelCount = 0;
  PasteChannelRows(state, 11, pasted);
  const auto rows = Grid();
  Expect(rows, 10, {"145.50000", "145.50000", "TOWER", "12.5K", "12.5K", "Low", "88.5", "D023N"});
  Expect(rows, 11, {"146.94000", "146.34000", "RPT", "5K", "20K", "Middle", kOff, "100.0"});

  // The CSV layout's header row in front of tab-separated cells.
  const std::string withHeader =
      "Location\tName\tFrequency\tDuplex\tOffset\tTone\trToneFreq\tcToneFreq\tMode\tPower\n"
      "7\tTAB\t146.000000\t-\t0.600000\tTSQL\t88.5\t67.0\tNFM\t5.0W\n";
  EXPECT_TRUE(LooksLikeChannelText(withHeader));
  const std::vector<ChannelRecord> one = ChannelsFromCsvText(state, withHeader, refused, error);
  ASSERT_EQ(one.size(), 1u);
  const ChannelRowTexts t = ChannelRowOf(state, one.front());
  EXPECT_EQ(t[kColTx], "145.40000");
  EXPECT_EQ(t[kColDecode], "67.0");
  EXPECT_EQ(t[kColBandwidth], "12.5K");
  EXPECT_EQ(t[kColPower], "High");
  // Comma-separated text passes through untouched.
  EXPECT_EQ(SpreadsheetToCsv(state, "Location,Frequency\r\n1,145\r\n"), "Location,Frequency\r\n1,145\r\n");
}

// ---- set and edit many ----------------------------------------------------------------

class EditManyTest : public ChannelListImportTest {
 protected:
  void SetUp() override {
    ChannelListImportTest::SetUp();
    Import(DataFile("peer_watts.csv"));
  }
  test::ScriptedUi ui;
};

TEST_F(EditManyTest, ASettingChangesOneFieldOnEveryChannelAndKeepsTheRest) {
  const auto before = Grid();
  EditPatch patch;
  std::string error;
  ASSERT_TRUE(AddFieldSetting(state, "power", "low", patch, error)) << error;
  ASSERT_TRUE(AddFieldSetting(state, "Bandwidth", "12.5K", patch, error)) << error;
  const std::vector<int> rows{1, 2, 3, 4, 5, 6, 7, 8};  // 6 and 7 are empty
  const std::vector<int> changed = ApplyEditPatch(state, rows, patch, ui);
  EXPECT_EQ(changed.size(), 5u);  // WX1 was low and narrow already
  const auto after = Grid();
  EXPECT_EQ(after.size(), before.size());
  for (const auto& [row, shown] : after) {
    SCOPED_TRACE(row);
    EXPECT_EQ(shown.Power, "Low");
    EXPECT_EQ(shown.Bandwidth, "12.5K");
    EXPECT_EQ(shown.Name, before.at(row).Name);
    EXPECT_EQ(shown.Rx, before.at(row).Rx);
    EXPECT_EQ(shown.Tx, before.at(row).Tx);
    EXPECT_EQ(shown.Decode, before.at(row).Decode);
  }
  EXPECT_EQ(At(3).TxInhibit, 1);
}

TEST_F(EditManyTest, TheEditorOpensOnWhatTheChannelsShareAndSetsOnlyWhatChanged) {
  // Grid rows 2 and 5 (XBAND, CROSS) share the power (Middle), not the name or the skip.
  std::vector<bool> alone, shared;
  const ChannelEditInputs first = SharedEditInputs(state, {3}, alone);
  const ChannelEditInputs shown = SharedEditInputs(state, {3, 6}, shared);
  EXPECT_EQ(shown, first);
  EXPECT_EQ(std::count(alone.begin(), alone.end(), false), 0);
  const auto sharedCount = std::count(shared.begin(), shared.end(), true);
  EXPECT_GT(sharedCount, 0);
  EXPECT_LT(sharedCount, static_cast<std::ptrdiff_t>(shared.size()));

  ChannelEditInputs edited = shown;
  edited.ScanSkip = !shown.ScanSkip;
  const EditPatch patch = PatchBetween(shown, edited);
  ApplyEditPatch(state, {3, 6}, patch, ui);
  EXPECT_EQ(At(2).ScanSkip, 0);
  EXPECT_EQ(At(5).ScanSkip, 0);
  EXPECT_EQ(At(2).Name.Display().substr(0, 5), "XBAND");
  EXPECT_EQ(At(5).Name.Display().substr(0, 5), "CROSS");
}

TEST_F(EditManyTest, ValuesTheEditorWouldNotTakeAreRefused) {
  struct Case {
    const char *Field, *Value;
    bool Ok;
  };
  const Case cases[] = {
      {"power", "high", true},      {"power", "MIDDLE", true},   {"power", "max", false},
      {"power", "5W", false},       {"bandwidth", "20K", true},  {"bandwidth", "15K", false},
      {"step", "6.25K", true},      {"step", "12.5", true},      {"step", "7K", false},
      {"skip", "yes", true},        {"skip", "maybe", false},    {"decode", "88.5", true},
      {"decode", "88.6", false},    {"encode", "D023N", true},   {"encode", "D754I", true},
      {"encode", "D999N", false},   {"encode", "D023X", false},  {"decode", "off", true},
      {"name", "SEVEN77", true},    {"name", "EIGHT888", false}, {"name", "a~b", false},
      {"colour", "red", false},
  };
  for (const Case& c : cases) {
    EditPatch patch;
    std::string error;
    EXPECT_EQ(AddFieldSetting(state, c.Field, c.Value, patch, error), c.Ok) << c.Field << "=" << c.Value;
    EXPECT_EQ(error.empty(), c.Ok) << error;
  }
  state.LanguageIndex = kChinese;
  EditPatch patch;
  std::string error;
  EXPECT_FALSE(AddFieldSetting(state, "power", "max", patch, error));
  EXPECT_NE(error.find("不能是"), std::string::npos) << error;
}

}  // namespace
}  // namespace px
