// px4800 move, sort, insert, remove and set, run as the built program on real files:
// the channels end where the grid would put them and the scan, alert and power-on
// settings keep naming the channels they named.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

#include "support/cli_run.h"
#include "support/temp_dir.h"

namespace px {
namespace {

namespace fs = std::filesystem;
using test::CliResult;
using test::ReadBytes;
using test::ReadText;
using test::TempDir;

class CliChannels : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::copy_file(fs::path(PX_SOURCE_DIR) / "tests/data/csv/peer_watts.csv", mDir.File("peer.csv"));
    ASSERT_EQ(Run("new -o a.dat").Status, 0);
    const CliResult imported = Run("import-csv a.dat peer.csv");
    ASSERT_EQ(imported.Status, 0) << imported.Err;
    // Scan 1 names SIMPLX (row 1), scan 2 DCS (row 4), alert CROSS (row 5), power-on XBAND (row 2).
    ASSERT_EQ(Run("to-json a.dat -o a.json").Status, 0);
    auto json = nlohmann::ordered_json::parse(ReadText(mDir.File("a.json")));
    json["Settings"]["Scan"][11] = 2;
    json["Settings"]["Scan"][13] = 5;
    json["Settings"]["Alert"][7] = 6;
    json["Settings"]["Options"]["OptionValues"][2] = 2;
    std::ofstream(mDir.File("a.json"), std::ios::trunc) << json.dump();
    const CliResult made = Run("from-json a.json -o b.dat");
    ASSERT_EQ(made.Status, 0) << made.Err;
  }

  CliResult Run(const std::string& rArgs) { return test::RunInFolder(mDir, PX_CLI, rArgs); }

  // Grid row -> channel name, from the exported list.
  std::map<int, std::string> Names(const std::string& rFile) {
    const CliResult r = Run("export-csv " + rFile);
    EXPECT_EQ(r.Status, 0) << r.Err;
    std::map<int, std::string> names;
    std::istringstream lines(r.Out);
    std::string line;
    std::getline(lines, line);  // the header
    while (std::getline(lines, line)) {
      const auto comma = line.find(',');
      names[std::stoi(line.substr(0, comma))] = line.substr(comma + 1, line.find(',', comma + 1) - comma - 1);
    }
    return names;
  }
  // The names the four references point at: scan 1, scan 2, alert, power-on.
  std::vector<std::string> References(const std::string& rFile) {
    fs::remove(mDir.File("refs.json"));
    EXPECT_EQ(Run("to-json " + rFile + " -o refs.json").Status, 0);
    const auto json = nlohmann::ordered_json::parse(ReadText(mDir.File("refs.json")));
    const auto names = Names(rFile);
    auto at = [&](int rGridRow) { return names.count(rGridRow) ? names.at(rGridRow) : std::string("(none)"); };
    return {at(json["Settings"]["Scan"][11].get<int>() - 1), at(json["Settings"]["Scan"][13].get<int>() - 1),
            at(json["Settings"]["Alert"][7].get<int>() - 1),
            at(json["Settings"]["Options"]["OptionValues"][2].get<int>())};
  }

  const std::vector<std::string> kReferenced{"SIMPLX", "DCS", "CROSS", "XBAND"};
  TempDir mDir;
};

TEST_F(CliChannels, SortMoveInsertAndRemoveKeepTheReferences) {
  ASSERT_EQ(References("b.dat"), kReferenced);

  CliResult r = Run("sort b.dat --by name");
  ASSERT_EQ(r.Status, 0) << r.Err;
  EXPECT_EQ(Names("b.dat"), (std::map<int, std::string>{
                                {0, "CROSS"}, {1, "DCS"}, {2, "RPT-N"}, {3, "SIMPLX"}, {4, "WX1"}, {5, "XBAND"}}));
  EXPECT_EQ(References("b.dat"), kReferenced);

  r = Run("sort b.dat --by rx");
  ASSERT_EQ(r.Status, 0) << r.Err;
  // 145.80, 146.52, 146.94, 147.12, 147.33, 162.55 MHz.
  EXPECT_EQ(Names("b.dat"), (std::map<int, std::string>{
                                {0, "XBAND"}, {1, "SIMPLX"}, {2, "RPT-N"}, {3, "DCS"}, {4, "CROSS"}, {5, "WX1"}}));
  EXPECT_EQ(References("b.dat"), kReferenced);

  r = Run("move b.dat 0 3");
  ASSERT_EQ(r.Status, 0) << r.Err;
  EXPECT_EQ(Names("b.dat"), (std::map<int, std::string>{
                                {0, "SIMPLX"}, {1, "RPT-N"}, {2, "DCS"}, {3, "XBAND"}, {4, "CROSS"}, {5, "WX1"}}));
  EXPECT_EQ(References("b.dat"), kReferenced);

  r = Run("insert b.dat 1 --count 2");
  ASSERT_EQ(r.Status, 0) << r.Err;
  EXPECT_EQ(Names("b.dat"), (std::map<int, std::string>{
                                {0, "SIMPLX"}, {3, "RPT-N"}, {4, "DCS"}, {5, "XBAND"}, {6, "CROSS"}, {7, "WX1"}}));
  EXPECT_EQ(References("b.dat"), kReferenced);

  // Empty rows go without a question; rows holding a channel need --yes here.
  r = Run("remove b.dat 1-2");
  ASSERT_EQ(r.Status, 0) << r.Err;
  const auto kept = ReadBytes(mDir.File("b.dat"));
  r = Run("remove b.dat 0,2");
  EXPECT_EQ(r.Status, 1);
  EXPECT_NE(r.Err.find("give --yes"), std::string::npos) << r.Err;
  EXPECT_EQ(ReadBytes(mDir.File("b.dat")), kept);
  r = Run("remove b.dat 2 --yes -o c.dat");
  ASSERT_EQ(r.Status, 0) << r.Err;
  EXPECT_EQ(ReadBytes(mDir.File("b.dat")), kept);  // -o leaves the input alone
  EXPECT_EQ(Names("c.dat"), (std::map<int, std::string>{
                                {0, "SIMPLX"}, {1, "RPT-N"}, {2, "XBAND"}, {3, "CROSS"}, {4, "WX1"}}));
  // Scan 2 named DCS, which is gone: it takes the last memory channel of the table, as
  // after a cut. The channel file keeps its records in the order they were added (the
  // import's order), so that is CROSS.
  EXPECT_EQ(References("c.dat"), (std::vector<std::string>{"SIMPLX", "CROSS", "CROSS", "XBAND"}));
}

TEST_F(CliChannels, SetChangesTheNamedFieldsOnEveryChannel) {
  CliResult r = Run("set b.dat 0-9 power=low skip=yes decode=D023N");
  ASSERT_EQ(r.Status, 0) << r.Err;
  const CliResult list = Run("export-csv b.dat");
  int rows = 0;
  std::istringstream lines(list.Out);
  std::string line;
  std::getline(lines, line);
  while (std::getline(lines, line)) {
    ++rows;
    EXPECT_NE(line.find(",S,Low,"), std::string::npos) << line;
    EXPECT_NE(line.find("DTCS"), std::string::npos) << line;  // every receive side now DCS
  }
  EXPECT_EQ(rows, 6);
  EXPECT_EQ(Names("b.dat").at(0), "RPT-N");  // the names stay

  const auto kept = ReadBytes(mDir.File("b.dat"));
  struct Case {
    const char* Args;
    int Status;
    const char* Says;
  };
  const Case refused[] = {
      {"set b.dat 0 power=max", 2, "power cannot be \"max\""},
      {"set b.dat 0 bandwidth=15K", 2, "bandwidth cannot be"},
      {"set b.dat 0 power", 2, "FIELD=VALUE"},
      {"set b.dat 0-300 power=low", 2, "not a list of rows"},
      {"set b.dat 50 power=low", 1, "none of the rows"},
      {"move b.dat 0 200", 2, "not a row"},
      {"sort b.dat --by colour", 2, "--by"},
      {"insert b.dat 3 --count 0", 2, "--count"},
      {"move b.dat 0 199 -o a.dat", 1, "give --yes"},
  };
  for (const Case& c : refused) {
    r = Run(c.Args);
    EXPECT_EQ(r.Status, c.Status) << c.Args << "\n" << r.Err;
    EXPECT_NE(r.Err.find(c.Says), std::string::npos) << c.Args << "\n" << r.Err;
    EXPECT_EQ(ReadBytes(mDir.File("b.dat")), kept) << c.Args;
  }
}

TEST_F(CliChannels, InsertIsRefusedWhenAChannelWouldBePushedOut) {
  ASSERT_EQ(Run("move b.dat 5 199").Status, 0);
  const auto kept = ReadBytes(mDir.File("b.dat"));
  const CliResult r = Run("insert b.dat 0");
  EXPECT_EQ(r.Status, 1);
  EXPECT_NE(r.Err.find("past row 199"), std::string::npos) << r.Err;
  EXPECT_EQ(ReadBytes(mDir.File("b.dat")), kept);
  const CliResult zh = Run("insert b.dat 0 --lang zh");
  EXPECT_NE(zh.Err.find("挤出"), std::string::npos) << zh.Err;
}

}  // namespace
}  // namespace px
