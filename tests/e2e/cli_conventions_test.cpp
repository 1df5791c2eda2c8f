// What scripts rely on in px4800 and px4800-sim: --version, "-" for standard input and
// output, --json, --quiet, attached short option values and writers that never replace
// a file unasked.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <regex>
#include <sstream>
#include <string>

#include "support/cli_run.h"
#include "support/temp_dir.h"

namespace px {
namespace {

namespace fs = std::filesystem;
using test::ReadText;

class CliConventions : public ::testing::Test {
 protected:
  // px4800 in the temporary folder, with standard input from rInput ("" for an empty
  // file, never a terminal).
  test::CliResult Run(const std::string& rArgs, const std::string& rInput = "") {
    std::ofstream(File("stdin.bin"), std::ios::binary | std::ios::trunc) << rInput;
    const std::string dir = mDir.Path().string();
    const std::string cmd = "cd '" + dir + "' && PX4800_HOME='" + dir + "' XDG_DATA_HOME='" + dir +
                            "/data' timeout 120 '" PX_CLI "' " + rArgs +
                            " <stdin.bin >stdout.txt 2>stderr.txt";
    const int raw = std::system(cmd.c_str());
    test::CliResult r;
    r.Status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.Out = ReadText(File("stdout.txt"));
    r.Err = ReadText(File("stderr.txt"));
    return r;
  }
  std::string File(const std::string& rName) const { return mDir.File(rName); }
  std::string Text(const std::string& rName) const { return ReadText(File(rName)); }
  void Make(const std::string& rArgs) {
    const test::CliResult r = Run(rArgs);
    ASSERT_EQ(r.Status, 0) << rArgs << ": " << r.Err;
  }

  test::TempDir mDir;
};

TEST_F(CliConventions, BothProgramsTellTheirVersion) {
  const std::regex shape(R"(px4800(-sim)? [0-9]+\.[0-9]+\.[0-9]+\n)");
  const test::CliResult tool = Run("--version");
  EXPECT_EQ(tool.Status, 0);
  EXPECT_TRUE(std::regex_match(tool.Out, shape)) << tool.Out;
  EXPECT_NE(Run("--help").Out.find("px4800 --version"), std::string::npos);

  const test::CliResult sim = test::RunInFolder(mDir, PX_SIM, "--version");
  EXPECT_EQ(sim.Status, 0) << sim.Err;
  EXPECT_TRUE(std::regex_match(sim.Out, shape)) << sim.Out;
  // The same release: the version words agree.
  EXPECT_EQ(sim.Out.substr(sim.Out.find(' ')), tool.Out.substr(tool.Out.find(' ')));
  // The radio's own version moved to --radio-version and keeps its limit.
  EXPECT_EQ(test::RunInFolder(mDir, PX_SIM, "--radio-version V10000").Status, 2);
}

// Every command that read or wrote one file used to say "cannot read -" or create a
// file named "-".
TEST_F(CliConventions, DashIsStandardInputAndOutput) {
  Make("new -o g.dat");
  Make("to-json g.dat -o g.json");
  Make("encode g.dat -o g.img");
  Make("book export g.dat -o g.cb");
  Make("show g.dat");
  const std::string shown = Text("stdout.txt");
  Make("info g.img");
  const std::string info = Text("stdout.txt");
  Make("decode g.img -o d.dat");
  Make("to-json d.dat -o d.json");
  const std::string json = Text("g.json");
  const std::string image = Text("g.img");

  struct Case {
    const char* Args;
    std::string Input;
    std::string Expected;  // standard output
  };
  const std::string afterHeader = shown.substr(shown.find('\n') + 1);
  const Case cases[] = {
      {"new -o -", "", json},
      {"to-json - -o -", json, json},
      {"from-json - -o -", json, json},
      {"encode - -o -", json, image},
      {"encode g.dat -o -", "", image},
      {"decode - -o -", image, Text("d.json")},
      {"book export - -o -", json, Text("g.cb")},
      {"info -", image, info},
      {"diff g.img -", image, ""},
      {"diff - g.dat", json, ""},
      {"export-csv - ", json, ""},
  };
  for (const Case& c : cases) {
    const test::CliResult r = Run(c.Args, c.Input);
    EXPECT_EQ(r.Status, 0) << c.Args << ": " << r.Err;
    if (!c.Expected.empty() || std::string(c.Args).starts_with("diff")) {
      EXPECT_TRUE(r.Out == c.Expected) << c.Args << " gave " << r.Out.size() << " bytes, not " << c.Expected.size();
    }
    EXPECT_FALSE(fs::exists(File("-"))) << c.Args;
    EXPECT_FALSE(fs::exists(File("fre"))) << c.Args;
  }
  // show names where it read from, then prints what it prints for the file.
  const test::CliResult fromStdin = Run("show -", json);
  EXPECT_EQ(fromStdin.Out.substr(fromStdin.Out.find('\n') + 1), afterHeader);
  // A codeplug from standard input that is no JSON says so, and where it came from.
  const test::CliResult broken = Run("show -", "not json");
  EXPECT_EQ(broken.Status, 1);
  EXPECT_NE(broken.Err.find("standard input"), std::string::npos) << broken.Err;
  EXPECT_EQ(Run("decode - -o x.dat", "short").Status, 1);
  EXPECT_EQ(Run("diff - -", json).Status, 2);
  EXPECT_EQ(Run("book import - g.cb").Status, 2);
}

TEST_F(CliConventions, JsonOutputHasTheDocumentedShape) {
  Make("new -o a.dat");
  Make("new -o b.dat");
  Make("encode a.dat -o a.img");
  Make("info a.img");
  const std::string infoText = Text("stdout.txt");

  const test::CliResult info = Run("info a.img --json");
  ASSERT_EQ(info.Status, 0) << info.Err;
  const auto infoJson = nlohmann::json::parse(info.Out);
  EXPECT_TRUE(infoJson.at("radio_type").is_null());
  std::string asText;
  for (const auto& field : infoJson.at("fields"))
    asText += field.at("label").get<std::string>() + ": " + field.at("value").get<std::string>() + "\n";
  EXPECT_EQ(asText, infoText);

  const test::CliResult ports = Run("ports --json");
  ASSERT_EQ(ports.Status, 0) << ports.Err;
  const auto portsJson = nlohmann::json::parse(ports.Out);
  ASSERT_TRUE(portsJson.is_array());
  for (const auto& port : portsJson) {
    EXPECT_TRUE(port.at("port").get<std::string>().starts_with("COM"));
    EXPECT_TRUE(port.at("device").get<std::string>().starts_with("/dev/"));
    EXPECT_TRUE(port.at("description").is_string());
  }

  const test::CliResult same = Run("diff a.dat b.dat --json");
  EXPECT_EQ(same.Status, 0) << same.Err;
  EXPECT_EQ(nlohmann::json::parse(same.Out), nlohmann::json::parse(R"({"same": true, "differences": []})"));

  // The new codeplug's channel removed in c: as many entries as the plain listing has lines.
  Make("to-json a.dat -o a.json");
  auto plug = nlohmann::json::parse(Text("a.json"));
  ASSERT_FALSE(plug.at("Channels").empty());
  plug["Channels"] = nlohmann::json::array();
  plug["ChannelCount"] = 0;
  std::ofstream(File("c.json")) << plug.dump();
  Make("from-json c.json -o c.dat");
  const test::CliResult lines = Run("diff a.dat c.dat");
  const test::CliResult differs = Run("diff a.dat c.dat --json");
  EXPECT_EQ(differs.Status, 1);
  const auto diffJson = nlohmann::json::parse(differs.Out);
  EXPECT_FALSE(diffJson.at("same").get<bool>());
  const auto count = static_cast<std::size_t>(std::count(lines.Out.begin(), lines.Out.end(), '\n'));
  ASSERT_EQ(diffJson.at("differences").size(), count);
  for (const auto& d : diffJson.at("differences"))
    EXPECT_NE(lines.Out.find(d.at("where").get<std::string>() + ": " + d.at("before").get<std::string>()),
              std::string::npos);
}

TEST_F(CliConventions, QuietLeavesOutWroteLinesButNotErrors) {
  struct Case {
    const char* Args;
    bool Quiet;
  };
  Make("new -o base.dat");
  for (const Case& c : {Case{"new -o a.dat", false}, Case{"new -o b.dat --quiet", true},
                        Case{"encode base.dat -q -o c.img", true}, Case{"encode base.dat -o d.img", false},
                        Case{"book export base.dat -o e.cb -q", true}}) {
    const test::CliResult r = Run(c.Args);
    EXPECT_EQ(r.Status, 0) << c.Args << ": " << r.Err;
    if (c.Quiet) {
      EXPECT_EQ(r.Err, "") << c.Args;
    } else {
      EXPECT_TRUE(r.Err.starts_with("px4800: wrote ")) << c.Args << ": " << r.Err;
    }
  }
  const test::CliResult failed = Run("show missing.dat --quiet");
  EXPECT_EQ(failed.Status, 1);
  EXPECT_NE(failed.Err.find("missing.dat"), std::string::npos) << failed.Err;
  // After "--" it is a file name like any other.
  EXPECT_NE(Run("show -- -q").Err.find("-q"), std::string::npos);
}

TEST_F(CliConventions, OptionsReadAlikeInEveryCommand) {
  // A short option's value may be attached.
  Make("new -oattached.dat");
  EXPECT_TRUE(fs::exists(File("attached.dat")));
  Make("encode attached.dat -oattached.img");
  EXPECT_EQ(fs::file_size(File("attached.img")), 16384u);
  const test::CliResult unknown = Run("new -o x.dat -yz");
  EXPECT_EQ(unknown.Status, 2);
  EXPECT_NE(unknown.Err.find("-yz"), std::string::npos) << unknown.Err;

  // book export replaced its file silently; it now asks like every other writer.
  std::ofstream(File("mine.cb")) << "mine";
  const test::CliResult refused = Run("book export attached.dat -o mine.cb");
  EXPECT_EQ(refused.Status, 1);
  EXPECT_NE(refused.Err.find("give --yes"), std::string::npos) << refused.Err;
  EXPECT_EQ(Text("mine.cb"), "mine");
  Make("book export attached.dat -o mine.cb --yes");
  EXPECT_EQ(fs::file_size(File("mine.cb")), 1792u);

  // The image to inspect is a plain argument; the old spelling still works.
  const test::CliResult plain = Run("info attached.img");
  const test::CliResult old = Run("info --image attached.img");
  EXPECT_EQ(plain.Status, 0) << plain.Err;
  EXPECT_EQ(old.Out, plain.Out);
  EXPECT_EQ(Run("info attached.img --port /dev/null").Status, 2);
}

}  // namespace
}  // namespace px
