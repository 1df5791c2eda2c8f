// The px4800 file commands, run as the built program in a temporary folder.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace px {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

struct Result {
  int Status = -1;
  std::string Out;
  std::string Err;
};

using test::ReadText;

void WriteText(const std::string& rPath, const std::string& rText) {
  std::ofstream(rPath, std::ios::binary | std::ios::trunc) << rText;
}

class Cli : public ::testing::Test {
 protected:
  // Runs px4800 in the temporary folder, which is also its program folder; standard
  // input is not a terminal, so no question waits for an answer.
  Result Run(const std::string& rArgs) {
    const std::string cmd = "cd '" + mDir.Path().string() + "' && PX4800_HOME='" + mDir.Path().string() +
                            "' timeout 60 '" PX_CLI "' " + rArgs + " >stdout.txt 2>stderr.txt </dev/null";
    const int raw = std::system(cmd.c_str());
    Result r;
    r.Status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.Out = ReadText(File("stdout.txt"));
    r.Err = ReadText(File("stderr.txt"));
    return r;
  }
  std::string File(const std::string& rName) const { return mDir.File(rName); }
  bool Exists(const std::string& rName) const { return fs::exists(File(rName)); }

  TempDir mDir;
};

// A codeplug pair of random bytes (NaN limits, bytes above 0x7F, NULs in texts) holding
// rCount channels, followed by rExtra side-file records that are not part of it.
void WriteRandomPair(const std::string& rDat, int rCount, int rExtra, unsigned rSeed) {
  std::mt19937 random(rSeed);
  std::vector<unsigned char> dat(8667), fre(static_cast<std::size_t>(108 * (rCount + rExtra)));
  for (auto& b : dat) b = static_cast<unsigned char>(random());
  for (auto& b : fre) b = static_cast<unsigned char>(random());
  dat[6872] = static_cast<unsigned char>(rCount);
  dat[6873] = 0;
  WriteBytes(rDat, dat);
  WriteBytes(rDat.substr(0, rDat.size() - 3) + "fre", fre);
}

TEST_F(Cli, NewWritesTheCodeplugPair) {
  const Result r = Run("new -o first.dat");
  ASSERT_EQ(r.Status, 0) << r.Err;
  EXPECT_EQ(ReadBytes(File("first.dat")).size(), 8667u);
  EXPECT_EQ(ReadBytes(File("first.fre")).size(), 108u);
  EXPECT_NE(r.Err.find("first.fre"), std::string::npos);

  // Without a terminal nobody can be asked: only --yes writes over an existing pair.
  const auto first = ReadBytes(File("first.dat"));
  WriteBytes(File("first.dat"), {1, 2, 3});
  const Result refused = Run("new -o first.dat");
  EXPECT_EQ(refused.Status, 1);
  EXPECT_NE(refused.Err.find("first.dat exists; give --yes to overwrite"), std::string::npos) << refused.Err;
  EXPECT_EQ(ReadBytes(File("first.dat")), (std::vector<unsigned char>{1, 2, 3}));
  const Result again = Run("new -o first.dat --yes");
  EXPECT_EQ(again.Status, 0) << again.Err;
  EXPECT_EQ(ReadBytes(File("first.dat")), first);
}

// "echo n | px4800 from-json ..." used to answer its own question with ok.
TEST_F(Cli, NoCommandOverwritesWithoutBeingAllowedTo) {
  ASSERT_EQ(Run("new -o g.dat").Status, 0);
  ASSERT_EQ(Run("to-json g.dat -o g.json").Status, 0);
  ASSERT_EQ(Run("new -o e2.dat").Status, 0);
  ASSERT_EQ(Run("encode g.dat -o real.img").Status, 0);
  WriteText(File("e2.dat"), "mine");
  WriteText(File("e2.fre"), "mine too");
  WriteText(File("g.img"), "image");
  WriteText(File("old.json"), "{}");
  for (const char* args : {"from-json g.json -o e2.dat", "encode g.dat -o g.img", "to-json g.dat -o old.json",
                           "decode real.img -o e2.dat"}) {
    const Result r = Run(args);
    EXPECT_EQ(r.Status, 1) << args;
    EXPECT_NE(r.Err.find("exists; give --yes to overwrite"), std::string::npos) << args << ": " << r.Err;
  }
  EXPECT_EQ(ReadText(File("e2.dat")), "mine");
  EXPECT_EQ(ReadText(File("e2.fre")), "mine too");
  EXPECT_EQ(ReadText(File("g.img")), "image");
  EXPECT_EQ(ReadText(File("old.json")), "{}");
  EXPECT_EQ(Run("from-json g.json -o e2.dat --yes").Status, 0);
  EXPECT_EQ(ReadBytes(File("e2.dat")), ReadBytes(File("g.dat")));
}

// Every codeplug name ends in .dat; anything else would put the channel file elsewhere
// ("dir/p/ab" gave "dir/pfre", "a" gave "fre").
TEST_F(Cli, CodeplugOutputsMustEndInDat) {
  ASSERT_EQ(Run("new -o g.dat").Status, 0);
  ASSERT_EQ(Run("to-json g.dat -o g.json").Status, 0);
  ASSERT_EQ(Run("encode g.dat -o g.img").Status, 0);
  fs::create_directories(File("dir/p"));
  for (const char* args : {"from-json g.json -o dir/p/ab", "from-json g.json -o a", "new -o stale",
                           "decode g.img -o x.fre", "from-json g.json -o UPPER.DAT"}) {
    const Result r = Run(args);
    if (std::string(args).ends_with("UPPER.DAT")) {
      EXPECT_EQ(r.Status, 0) << r.Err;
      continue;
    }
    EXPECT_EQ(r.Status, 1) << args;
    EXPECT_NE(r.Err.find("ends in .dat"), std::string::npos) << args << ": " << r.Err;
  }
  EXPECT_FALSE(Exists("dir/pfre"));
  EXPECT_FALSE(Exists("fre"));
  EXPECT_FALSE(Exists("stfre"));
  EXPECT_TRUE(Exists("UPPER.fre"));
}

// A channel file that cannot be read is an error for every command that reads one; a
// missing one gives an empty table and a warning, never another file's channels.
TEST_F(Cli, ChannelFilesThatCannotBeReadAreErrors) {
  WriteRandomPair(File("p.dat"), 4, 0, 11);
  ASSERT_EQ(Run("show p.dat").Status, 0);
  fs::remove(File("p.fre"));
  fs::create_directory(File("p.fre"));
  for (const char* args : {"show p.dat", "to-json p.dat", "encode p.dat -o q.img"}) {
    const Result r = Run(args);
    EXPECT_EQ(r.Status, 1) << args;
    EXPECT_NE(r.Err.find("cannot read p.fre: Is a directory"),
              std::string::npos)
        << args << ": " << r.Err;
  }
  EXPECT_FALSE(Exists("q.img"));
  fs::remove(File("p.fre"));
  const Result missing = Run("to-json p.dat");
  EXPECT_EQ(missing.Status, 0);
  EXPECT_NE(missing.Err.find("p.fre is missing"), std::string::npos) << missing.Err;
  EXPECT_EQ(nlohmann::json::parse(missing.Out)["ChannelCount"], 0);
}

// Errors name the path and the system's own reason.
TEST_F(Cli, FileErrorsNameThePathAndTheRealReason) {
  ASSERT_EQ(Run("new -o g.dat").Status, 0);
  fs::create_directory(File("dir.img"));
  const Result onto = Run("encode g.dat -o dir.img --yes");
  EXPECT_EQ(onto.Status, 1);
  EXPECT_NE(onto.Err.find("cannot write dir.img: Is a directory"), std::string::npos) << onto.Err;
  const Result from = Run("decode dir.img -o x.dat");
  EXPECT_EQ(from.Status, 1);
  EXPECT_NE(from.Err.find("cannot read dir.img: Is a directory"), std::string::npos) << from.Err;
  const Result json = Run("from-json dir.img -o x.dat");
  EXPECT_NE(json.Err.find("cannot read dir.img: Is a directory"), std::string::npos) << json.Err;
  const Result nodir = Run("encode g.dat -o no/such.img");
  EXPECT_NE(nodir.Err.find("cannot write no/such.img: No such file or directory"), std::string::npos)
      << nodir.Err;
}

// A number too large for a double is bad JSON like any other, with the file and field.
TEST_F(Cli, HugeJsonNumbersAreRefusedWithTheFileAndTheField) {
  ASSERT_EQ(Run("new -o g.dat").Status, 0);
  ASSERT_EQ(Run("to-json g.dat -o g.json").Status, 0);
  std::string text = ReadText(File("g.json"));
  const std::size_t at = text.find("\"MaxTxFreq\": ");
  ASSERT_NE(at, std::string::npos);
  text.replace(at + 13, text.find_first_of(",\n", at + 13) - at - 13, "1e999");
  WriteText(File("huge.json"), text);
  const Result r = Run("from-json huge.json -o huge.dat");
  EXPECT_EQ(r.Status, 1);
  EXPECT_NE(r.Err.find("huge.json: MaxTxFreq: the number 1e999 is too large"), std::string::npos) << r.Err;
  EXPECT_FALSE(Exists("huge.dat"));
}

TEST_F(Cli, NewStartsFromTheDefaultFileOfTheInitFolder) {
  ASSERT_EQ(Run("new -o plain.dat").Status, 0);
  ASSERT_EQ(Run("to-json plain.dat -o plain.json").Status, 0);
  auto json = nlohmann::ordered_json::parse(ReadText(File("plain.json")));
  json["BandIndex"] = 3;
  json["Settings"]["Options"]["PowerOnMessage"] = "INITDAT";
  nlohmann::ordered_json memory = json["Channels"][0];
  memory["Number"] = 5;
  json["Channels"] = nlohmann::ordered_json::array({memory, json["Channels"][0]});
  json["ChannelCount"] = 2;
  WriteText(File("init.json"), json.dump());
  fs::create_directories(File("Init"));
  const Result made = Run("from-json init.json -o Init/NR-6240.dat");
  ASSERT_EQ(made.Status, 0) << made.Err;

  ASSERT_EQ(Run("new -o fromInit.dat").Status, 0);
  ASSERT_EQ(Run("to-json fromInit.dat -o fromInit.json").Status, 0);
  const auto result = nlohmann::ordered_json::parse(ReadText(File("fromInit.json")));
  EXPECT_EQ(result["Settings"]["Options"]["PowerOnMessage"], "INITDAT");
  // Only the VFO channel is kept, and the band is the program's, not the file's.
  EXPECT_EQ(result["ChannelCount"], 1);
  EXPECT_EQ(result["Channels"][0]["Number"], 203);
  EXPECT_EQ(result["BandIndex"], 7);
}

TEST_F(Cli, JsonRoundTripIsByteExact) {
  WriteRandomPair(File("random.dat"), 7, 2, 4800);
  const Result toJson = Run("to-json random.dat -o random.json");
  ASSERT_EQ(toJson.Status, 0) << toJson.Err;
  const Result fromJson = Run("from-json random.json -o back.dat");
  ASSERT_EQ(fromJson.Status, 0) << fromJson.Err;

  EXPECT_EQ(ReadBytes(File("back.dat")), ReadBytes(File("random.dat")));
  const auto fre = ReadBytes(File("random.fre"));
  const auto back = ReadBytes(File("back.fre"));
  ASSERT_EQ(back.size(), 7u * 108);
  EXPECT_TRUE(std::equal(back.begin(), back.end(), fre.begin()));

  // Standard output carries the same text as -o.
  const Result toStdout = Run("to-json random.dat");
  EXPECT_EQ(toStdout.Status, 0);
  EXPECT_EQ(toStdout.Out, ReadText(File("random.json")));
  // And the JSON keeps the stored BandIndex, whatever it is.
  const auto dat = ReadBytes(File("random.dat"));
  const auto json = nlohmann::json::parse(toStdout.Out);
  EXPECT_EQ(json["BandIndex"].get<int>(), static_cast<std::int16_t>(dat[0] | (dat[1] << 8)));
}

TEST_F(Cli, ShowPrintsTheGridRowsAndEveryPage) {
  fs::create_directories(mDir.Path() / "language");
  for (const char* name : {"english.ini", "chinese.ini"})
    fs::copy_file(fs::path(PX_SOURCE_DIR) / "lang" / name, mDir.Path() / "language" / name);
  ASSERT_EQ(Run("new -o a.dat").Status, 0);
  // Every page in the words of its dialog, one setting a line, in either language; the
  // bytes no control shows under their field names; never a row of bare numbers.
  const struct {
    const char* Lang;
    std::vector<std::string> Parts;
  } cases[] = {
      {"en",
       {"BandIndex: 7", "136 - 174 MHz", "VFO  155.00000     155.00000", "\nProgrammable Keys:\n",
        "\n  P1 Short Press: ", "\nScan:\n", "\n  Scan Mode: ", "\n  Scan.Group1: ", "\n  Scan.Group2: ",
        "\n  Battery Save: 1:", "Welcome", "\n  Lone Worker: Automatic Detection: "}},
      {"zh", {"\n扫描:\n", "\n  扫描模式: "}},
  };
  for (const auto& c : cases) {
    const Result r = Run(std::string("show a.dat --lang ") + c.Lang);
    ASSERT_EQ(r.Status, 0) << r.Err;
    for (const std::string& part : c.Parts) EXPECT_NE(r.Out.find(part), std::string::npos) << part << "\n" << r.Out;
    EXPECT_EQ(r.Out.find("Scan: 0"), std::string::npos) << r.Out;
    EXPECT_EQ(r.Out.find("OptionValues"), std::string::npos) << r.Out;
  }

  // Rows are labelled by Number - 1 and show the derived transmit frequency and tones.
  ASSERT_EQ(Run("to-json a.dat -o a.json").Status, 0);
  auto json = nlohmann::ordered_json::parse(ReadText(File("a.json")));
  auto minus = json["Channels"][0];
  minus["Number"] = 5;
  minus["RxFreq"] = "014550000";
  minus["OffsetFreq"] = "000060000";
  minus["OffsetDirection"] = 1;
  minus["Name"] = "REP    ";
  minus["ToneTypeB"] = 2;
  minus["DcsIndexB"] = 19;
  minus["DcsInvertB"] = 1;
  minus["ToneTypeA"] = 2;
  minus["DcsIndexA"] = 19;
  minus["SignallingType"] = 1;
  minus["DtmfCodeIndex"] = 15;
  auto plus = minus;
  plus["Number"] = 201;
  plus["OffsetDirection"] = 2;
  plus["ToneTypeB"] = 1;
  plus["CtcssIndexB"] = 0;
  plus["SignallingType"] = 3;
  plus["FiveToneEntryNumber"] = 4;
  json["Channels"] = nlohmann::ordered_json::array({json["Channels"][0], plus, minus});
  json["ChannelCount"] = 3;
  WriteText(File("rows.json"), json.dump());
  ASSERT_EQ(Run("from-json rows.json -o rows.dat").Status, 0);
  const Result rows = Run("show rows.dat");
  ASSERT_EQ(rows.Status, 0) << rows.Err;
  const std::size_t row4 = rows.Out.find("\n  4 ");
  const std::size_t rowPA = rows.Out.find("\n  PA ");
  const std::size_t rowVFO = rows.Out.find("\n  VFO ");
  ASSERT_NE(row4, std::string::npos) << rows.Out;
  ASSERT_NE(rowPA, std::string::npos) << rows.Out;
  EXPECT_LT(row4, rowPA);  // grid order, not slot order
  EXPECT_LT(rowPA, rowVFO);
  const std::string line4 = rows.Out.substr(row4, rows.Out.find('\n', row4 + 1) - row4);
  const std::string linePA = rows.Out.substr(rowPA, rows.Out.find('\n', rowPA + 1) - rowPA);
  for (const char* cell : {"145.50000", "144.90000", "REP", "D023I", "D023N", "DTMF M16"})
    EXPECT_NE(line4.find(cell), std::string::npos) << cell << " in" << line4;
  for (const char* cell : {"146.10000", "62.5", "5tone 4"})
    EXPECT_NE(linePA.find(cell), std::string::npos) << cell << " in" << linePA;

  WriteRandomPair(File("random.dat"), 203, 0, 7);
  EXPECT_EQ(Run("show random.dat").Status, 0);
}

TEST_F(Cli, UsageErrorsGiveStatusTwo) {
  for (const char* args : {"", "frobnicate", "show", "show a.dat b.dat", "new", "new -o", "new -o x.dat --bogus",
                           "to-json a.dat --lang", "show a.dat --lang fr", "help frobnicate"}) {
    const Result r = Run(args);
    EXPECT_EQ(r.Status, 2) << args;
    EXPECT_FALSE(r.Err.empty()) << args;
    EXPECT_NE(r.Err.find("--help"), std::string::npos) << args << ": " << r.Err;
  }
  EXPECT_FALSE(Exists("x.dat"));
}

TEST_F(Cli, HelpForTheToolAndEachCommand) {
  const Result tool = Run("--help");
  EXPECT_EQ(tool.Status, 0);
  for (const char* name : {"new", "show", "to-json", "from-json"})
    EXPECT_NE(tool.Out.find(name), std::string::npos) << name;

  for (const char* name : {"new", "show", "to-json", "from-json"}) {
    const Result a = Run(std::string("help ") + name);
    const Result b = Run(std::string(name) + " --help");
    EXPECT_EQ(a.Status, 0);
    EXPECT_EQ(b.Status, 0);
    EXPECT_EQ(a.Out, b.Out);
    EXPECT_NE(a.Out.find(std::string("Usage: px4800 ") + name), std::string::npos) << a.Out;
  }
  EXPECT_NE(Run("show --help").Out.find("BandIndex"), std::string::npos);
}

TEST_F(Cli, BrokenInputFailsWithAMessageAndWritesNothing) {
  WriteBytes(File("short.dat"), std::vector<unsigned char>(100, 0));
  for (const char* args : {"show short.dat", "to-json short.dat -o short.json", "show missing.dat"}) {
    const Result r = Run(args);
    EXPECT_EQ(r.Status, 1) << args;
    EXPECT_NE(r.Err.find(".dat"), std::string::npos) << args << ": " << r.Err;
  }
  EXPECT_FALSE(Exists("short.json"));

  ASSERT_EQ(Run("new -o good.dat").Status, 0);
  ASSERT_EQ(Run("to-json good.dat -o good.json").Status, 0);
  auto json = nlohmann::ordered_json::parse(ReadText(File("good.json")));
  json["Settings"]["Dtmf"]["CodeMemory"][3]["Digits"] = "123";
  WriteText(File("bad.json"), json.dump());
  WriteText(File("notjson.json"), "{ \"BandIndex\": ");

  const auto before = ReadBytes(File("good.dat"));
  for (const char* args : {"from-json bad.json -o out.dat", "from-json notjson.json -o out.dat",
                           "from-json nothere.json -o out.dat", "from-json bad.json -o good.dat"}) {
    const Result r = Run(args);
    EXPECT_EQ(r.Status, 1) << args;
    EXPECT_FALSE(r.Err.empty()) << args;
  }
  EXPECT_NE(Run("from-json bad.json -o out.dat").Err.find("Settings.Dtmf.CodeMemory[3].Digits"),
            std::string::npos);
  EXPECT_FALSE(Exists("out.dat"));
  EXPECT_FALSE(Exists("out.fre"));
  EXPECT_EQ(ReadBytes(File("good.dat")), before);

  // A name whose channel file would be the file itself.
  const Result same = Run("new -o same.fre");
  EXPECT_EQ(same.Status, 1);
  EXPECT_FALSE(Exists("same.fre"));
}

}  // namespace
}  // namespace px

namespace px {
namespace {

constexpr const char* kCsvHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n";

TEST_F(Cli, ChannelListsGoOutAndComeBackAsCsv) {
  ASSERT_EQ(Run("new -o a.dat").Status, 0);
  WriteText(File("in.csv"), std::string("\xEF\xBB\xBF") + kCsvHeader +
                                "0,\"Rpt, 1\",145.600000,-,0.600000,Tone,88.5,88.5,023,NN,023,Tone->Tone,FM,12.50,,High,,,,,\r\n"
                                "11,Dcs,146.000000,,0.000000,DTCS,88.5,88.5,754,RN,023,Tone->Tone,NFM,5.00,S,Low,,,,,\r\n");
  const Result imported = Run("import-csv a.dat in.csv -o b.dat");
  ASSERT_EQ(imported.Status, 0) << imported.Err;
  EXPECT_NE(imported.Err.find("2 channels: 2 new"), std::string::npos) << imported.Err;

  const Result exported = Run("export-csv b.dat");
  ASSERT_EQ(exported.Status, 0) << exported.Err;
  EXPECT_EQ(exported.Out.substr(0, std::string(kCsvHeader).size()), kCsvHeader);
  EXPECT_NE(exported.Out.find("\r\n0,\"Rpt, 1\",145.600000,-,0.600000,Tone,88.5,"), std::string::npos) << exported.Out;
  EXPECT_NE(exported.Out.find("\r\n11,Dcs,146.000000,,0.000000,DTCS,"), std::string::npos) << exported.Out;

  // Imported back as exported: nothing changes, and diff says so.
  WriteText(File("out.csv"), exported.Out);
  ASSERT_EQ(Run("import-csv b.dat out.csv -o c.dat").Status, 0);
  const Result same = Run("diff b.dat c.dat");
  EXPECT_EQ(same.Status, 0) << same.Out << same.Err;
  EXPECT_TRUE(same.Out.empty()) << same.Out;

  const Result differs = Run("diff a.dat b.dat");
  EXPECT_EQ(differs.Status, 1) << differs.Err;
  EXPECT_NE(differs.Out.find("channel 0: (no channel) \xE2\x86\x92 145.60000 \"Rpt, 1\""), std::string::npos)
      << differs.Out;
}

TEST_F(Cli, RefusedRowsFailTheImportUnlessSkipped) {
  ASSERT_EQ(Run("new -o a.dat").Status, 0);
  const std::vector<unsigned char> before = ReadBytes(File("a.dat"));
  WriteText(File("bad.csv"), std::string(kCsvHeader) +
                                 "1,Good,145.000000,,0,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,,,,,\r\n"
                                 "2,Far,450.000000,,0,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,,,,,\r\n");
  const Result refused = Run("import-csv a.dat bad.csv");
  EXPECT_EQ(refused.Status, 1);
  EXPECT_NE(refused.Err.find("line 3 (location 2): receive frequency 450.000000 MHz is outside the band"),
            std::string::npos)
      << refused.Err;
  EXPECT_EQ(ReadBytes(File("a.dat")), before);  // nothing written

  const Result skipped = Run("import-csv a.dat bad.csv --skip-bad");
  EXPECT_EQ(skipped.Status, 0) << skipped.Err;
  EXPECT_NE(ReadBytes(File("a.dat")), before);
  EXPECT_NE(Run("export-csv a.dat").Out.find("\r\n1,Good,145.000000"), std::string::npos);

  EXPECT_EQ(Run("import-csv a.dat missing.csv").Status, 1);
  EXPECT_EQ(Run("diff a.dat missing.dat").Status, 2);
}

}  // namespace
}  // namespace px
