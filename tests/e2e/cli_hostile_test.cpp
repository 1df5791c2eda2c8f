// The tool against inputs that are no regular files or far too large, outputs that must
// never be replaced, and reports that must stay bounded.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "codeplug/codeplug_file.h"
#include "edit/codeplug_ops.h"
#include "support/cli_run.h"
#include "support/full_codeplug.h"
#include "support/special_files.h"

namespace px {
namespace {

using test::ReadBytes;

class CliHostile : public ::testing::Test {
 protected:
  void SetUp() override {
    AppState full;
    FillFullCodeplug(full);
    std::string error;
    ASSERT_TRUE(WriteCodeplugFiles(File("ok.dat"), full.Current, full.Channels, error)) << error;
    mChannels = full.Current.ChannelCount;
  }
  test::CliResult Run(const std::string& rArgs) { return test::RunInFolder(mDir, PX_CLI, rArgs); }
  std::string File(const std::string& rName) const { return mDir.File(rName); }

  test::TempDir mDir;
  int mChannels = 0;
};

TEST_F(CliHostile, DeepJsonIsRefusedWithTheFileAndTheDepth) {
  const int levels = 60000;
  std::ofstream(File("deep.json")) << "{\"a\":" << std::string(levels, '[') << std::string(levels, ']') << ",\"b\":1}";
  const test::CliResult r = Run("from-json deep.json -o out.dat");
  EXPECT_EQ(r.Status, 1) << r.Err;
  EXPECT_NE(r.Err.find("deep.json"), std::string::npos) << r.Err;
  EXPECT_NE(r.Err.find("nested more than 32 levels deep"), std::string::npos) << r.Err;
  EXPECT_FALSE(std::filesystem::exists(File("out.dat")));
}

// Each command with a pipe as its input; the runner's time-out would end a hang.
TEST_F(CliHostile, APipeAsAnyInputIsRefusedByName) {
  const struct {
    const char* Fifo;
    const char* Args;
  } cases[] = {
      {"p.dat", "show p.dat"},
      {"p.json", "from-json p.json -o out.dat"},
      {"p.img", "decode p.img -o out.dat"},
      {"p.cb", "book import ok.dat p.cb"},
      {"p.csv", "import-csv ok.dat p.csv -o out.dat"},
  };
  const auto before = ReadBytes(File("ok.dat"));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Args);
    ASSERT_TRUE(test::MakeFifo(File(c.Fifo)));
    const test::CliResult r = Run(c.Args);
    EXPECT_EQ(r.Status, 1) << r.Err;
    EXPECT_NE(r.Err.find(std::string(c.Fifo) + " is not a regular file"), std::string::npos) << r.Err;
  }
  EXPECT_EQ(ReadBytes(File("ok.dat")), before);
  EXPECT_FALSE(std::filesystem::exists(File("out.dat")));
}

TEST_F(CliHostile, HugeInputsAreRefusedBySize) {
  const struct {
    const char* Name;
    std::uint64_t Size;
    const char* Args;
    const char* Expected;
  } cases[] = {
      {"huge.dat", 2ull << 30, "show huge.dat", "huge.dat is 2147483648 bytes long; a codeplug file has 8667"},
      {"huge.img", 300ull << 20, "decode huge.img -o out.dat", "huge.img is not a radio memory image: 314572800 bytes"},
      {"huge.cb", 2ull << 30, "book import ok.dat huge.cb", "huge.cb is 2147483648 bytes long; a book file has 1792"},
      {"huge.json", 120ull << 20, "from-json huge.json -o out.dat", "huge.json is 125829120 bytes long; at most 4194304"},
      {"huge.csv", 83ull << 20, "import-csv ok.dat huge.csv -o out.dat", "huge.csv is 87031808 bytes long; at most 2097152"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Args);
    ASSERT_TRUE(test::MakeSparse(File(c.Name), c.Size));
    const test::CliResult r = Run(c.Args);
    EXPECT_EQ(r.Status, 1) << r.Err;
    EXPECT_NE(r.Err.find(c.Expected), std::string::npos) << r.Err;
  }
}

// Every writer, with a pipe (and, where permitted, a device node) at its output.
TEST_F(CliHostile, APipeOrDeviceAtTheOutputIsNeverReplaced) {
  ASSERT_EQ(Run("encode ok.dat -o ok.img").Status, 0);
  std::ofstream(File("ok.json")) << Run("to-json ok.dat").Out;
  const std::vector<std::string> commands = {
      "encode ok.dat -o %.img --yes",   "decode ok.img -o %.dat --yes",
      "to-json ok.dat -o %.json --yes", "from-json ok.json -o %.dat --yes",
      "new -o %.dat --yes",             "export-csv ok.dat -o %.csv --yes",
      "book export ok.dat -o %.cb",     "print ok.dat -o %.pdf --yes",
  };
  const bool devices = test::MakeZeroDevice(File("probe"));
  int k = 0;
  for (std::string args : commands) {
    for (const bool device : {false, true}) {
      if (device && !devices) continue;
      const std::string stem = "t" + std::to_string(k++);
      args.replace(args.find('%'), 1, stem);
      const std::string target = args.substr(args.find(stem), args.find(' ', args.find(stem)) - args.find(stem));
      SCOPED_TRACE(args);
      ASSERT_TRUE(device ? test::MakeZeroDevice(File(target)) : test::MakeFifo(File(target)));
      const test::CliResult r = Run(args);
      EXPECT_EQ(r.Status, 1) << r.Err;
      EXPECT_NE(r.Err.find(target + " is not a regular file"), std::string::npos) << r.Err;
      EXPECT_EQ(r.Err.find("wrote"), std::string::npos) << r.Err;
      EXPECT_TRUE(device ? test::IsCharDevice(File(target)) : test::IsFifo(File(target)));
      args.replace(args.find(stem), stem.size(), "%");
    }
  }
  // import-csv -o: the side file as a pipe stops the pair.
  std::ofstream(File("one.csv")) << "Location,Name,Frequency\n1,A,145.500000\n";
  ASSERT_TRUE(test::MakeFifo(File("side.fre")));
  const test::CliResult r = Run("import-csv ok.dat one.csv -o side.dat --yes");
  EXPECT_EQ(r.Status, 1) << r.Err;
  EXPECT_TRUE(test::IsFifo(File("side.fre")));
  EXPECT_FALSE(std::filesystem::exists(File("side.dat")));
}

TEST_F(CliHostile, PrintFollowsTheOverwriteRuleAndNeverWritesOverItsInput) {
  const auto dat = ReadBytes(File("ok.dat"));
  const auto fre = ReadBytes(File("ok.fre"));
  for (const char* args : {"print ok.dat -o ok.dat", "print ok.dat -o ok.dat --yes", "print ok.dat -o ./ok.fre --yes"}) {
    SCOPED_TRACE(args);
    const test::CliResult r = Run(args);
    EXPECT_EQ(r.Status, 1) << r.Err;
    EXPECT_NE(r.Err.find("is one of the inputs"), std::string::npos) << r.Err;
  }
  EXPECT_EQ(ReadBytes(File("ok.dat")), dat);
  EXPECT_EQ(ReadBytes(File("ok.fre")), fre);

  std::ofstream(File("old.pdf")) << "keep";
  test::CliResult r = Run("print ok.dat -o old.pdf");
  EXPECT_EQ(r.Status, 1);
  EXPECT_NE(r.Err.find("old.pdf exists; give --yes to overwrite"), std::string::npos) << r.Err;
  EXPECT_EQ(test::ReadText(File("old.pdf")), "keep");
  r = Run("print ok.dat -o old.pdf --yes");
  EXPECT_EQ(r.Status, 0) << r.Err;
  EXPECT_TRUE(test::ReadText(File("old.pdf")).starts_with("%PDF"));
}

// A short side file lowers the count of what is written back; every command that reads
// the codeplug says so, book import included.
TEST_F(CliHostile, EveryReaderWarnsOfAShortSideFile) {
  ASSERT_GE(mChannels, 2);
  std::filesystem::resize_file(File("ok.fre"), kChannelRecordSize);
  const std::string warning = "px4800: warning: ok.fre holds 1 channel of the " + std::to_string(mChannels);
  for (const char* args : {"diff ok.dat ok.dat", "print ok.dat -o r.pdf", "encode ok.dat -o r.img",
                           "book export ok.dat -o s.cb", "book import ok.dat s.cb"}) {
    SCOPED_TRACE(args);
    const test::CliResult r = Run(args);
    EXPECT_NE(r.Err.find(warning), std::string::npos) << r.Err;
  }
}

TEST_F(CliHostile, ImportRefusalsAreCappedAndLongCellsShortened) {
  {
    std::ofstream csv(File("many.csv"));
    csv << "Location,Name,Frequency\n";
    for (int k = 0; k < 20000; ++k) csv << "999,X,145.500000\n";
    csv << std::string(1'000'000, '7') << ",Y,145.500000\n";
  }
  const test::CliResult r = Run("import-csv ok.dat many.csv -o out.dat");
  EXPECT_EQ(r.Status, 1);
  const auto lines = std::count(r.Err.begin(), r.Err.end(), '\n');
  EXPECT_LE(lines, 104) << r.Err.substr(0, 2000);
  EXPECT_NE(r.Err.find("19901 more lines not shown"), std::string::npos) << r.Err.substr(r.Err.size() - 500);
  EXPECT_LT(r.Err.size(), 20000u);
  EXPECT_FALSE(std::filesystem::exists(File("out.dat")));
}

}  // namespace
}  // namespace px
