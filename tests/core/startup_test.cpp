#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/feature_flags.h"
#include "app/profile.h"
#include "edit/startup.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"

namespace px {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::ScriptedUi;
using test::TempDir;
using test::WriteBytes;

class Start : public ::testing::Test {
 protected:
  TempDir home;
  AppState state;
  ScriptedUi ui;
  StartOptions options;

  void SetUp() override {
    fs::create_directories(home.Path() / "language");
    options.ProgramFolder = home.Path().string();
  }
  std::string SetupPath() const { return home.File("language/mysetup.ini"); }
  void WriteSetup(const std::string& rText) {
    std::ofstream(SetupPath(), std::ios::binary | std::ios::trunc) << rText;
  }
  std::string SetupText() const {
    std::ifstream in(SetupPath(), std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
  }
  void Run(std::vector<int> rPorts = {}) {
    options.PresentPorts = [rPorts] { return rPorts; };
    StartProgram(state, ui, options);
  }
};

TEST_F(Start, SetsTheProgramStateOfAFreshStart) {
  state.LanguageIndex = 2;
  state.Initializing = true;
  state.Band.Index = 3;
  state.Current.MinRxFreq = 400;
  Run();
  EXPECT_EQ(state.ProgramFolder, home.Path().string());
  EXPECT_EQ(state.LanguageIndex, 1);
  EXPECT_FALSE(state.Initializing);
  EXPECT_EQ(state.ModelString, "PX-4800");
  EXPECT_EQ(state.VersionText, "V100");
  EXPECT_EQ(state.Band.Index, 7);
  EXPECT_EQ(state.Band.Text, "Rx(136 - 174 MHz) Tx(136 - 174 MHz)");
  EXPECT_EQ(state.Band.Limits.MinRx, 136);
  EXPECT_EQ(state.Band.Limits.MaxTx, 174);
  // The new codeplug: the VFO channel alone, counted as saved.
  EXPECT_EQ(state.Current.ChannelCount, 1);
  EXPECT_EQ(state.Channels[0].Number, 203);
  EXPECT_TRUE(state.Untitled);
  EXPECT_TRUE(ui.Questions.empty());
}

TEST_F(Start, FirstRunIsClearedAndOtherLinesSurvive) {
  WriteSetup("; setup\r\n[language]\r\nIsFirstRun=1\r\nSkin=Blue\r\ncomPort=2\r\nFactoryFres=1\r\n");
  Run({2});
  EXPECT_TRUE(state.Setup.IsFirstRun);
  EXPECT_EQ(state.Setup.Skin, "Blue");
  EXPECT_EQ(state.Setup.ComPort, 2);
  EXPECT_EQ(state.Setup.FactoryFres, 1);
  EXPECT_EQ(SetupText(), "; setup\r\n[language]\r\nIsFirstRun=0\r\nSkin=Blue\r\ncomPort=2\r\nFactoryFres=1\r\n");

  AppState next;
  StartProgram(next, ui, options);
  EXPECT_FALSE(next.Setup.IsFirstRun);
}

TEST_F(Start, ReadsBooleanAndNumberTextsOfTheSetupFile) {
  state.ProgramFolder = home.Path().string();
  for (const auto& [text, firstRun] : std::vector<std::pair<std::string, bool>>{
           {"1", true}, {"True", true}, {"-1", true}, {"yes", true}, {"0", false},
           {"false", false}, {"", false}, {"maybe", false}}) {
    SCOPED_TRACE(text);
    WriteSetup("[language]\nIsFirstRun=" + text + "\n");
    ReadSetupSettings(state);
    EXPECT_EQ(state.Setup.IsFirstRun, firstRun);
  }
  WriteSetup("[language]\ncomPort=4 ; usb cable\nFactoryFres=7\n");
  ReadSetupSettings(state);
  EXPECT_EQ(state.Setup.ComPort, 4);
  EXPECT_EQ(state.Setup.FactoryFres, 1);
  WriteSetup("[language]\ncomPort=COM4\nFactoryFres=x\n");
  ReadSetupSettings(state);
  EXPECT_EQ(state.Setup.ComPort, 0);
  EXPECT_EQ(state.Setup.FactoryFres, 0);
  WriteSetup("[language]\ncomPort=99999\n");
  ReadSetupSettings(state);
  EXPECT_EQ(state.Setup.ComPort, 0);
}

TEST_F(Start, MissingSetupFileGetsDefaultsAndThePortWritten) {
  Run({5, 3});
  EXPECT_FALSE(state.Setup.IsFirstRun);
  EXPECT_EQ(state.Setup.Skin, "");
  EXPECT_EQ(state.Setup.FactoryFres, 0);
  EXPECT_EQ(state.Setup.ComPort, 5);
  EXPECT_EQ(SetupText(), "[language]\ncomPort=5\n");
}

TEST_F(Start, StoredPortIsCheckedAgainstThePresentOnes) {
  WriteSetup("[language]\ncomPort=3\n");
  Run({1, 3});
  EXPECT_EQ(state.Setup.ComPort, 3);

  Run({8, 1});  // port 3 is gone: the first present port takes over
  EXPECT_EQ(state.Setup.ComPort, 8);
  EXPECT_EQ(ReadProfileString(SetupPath(), "language", "comPort"), "8");

  Run({});  // no port at all
  EXPECT_EQ(state.Setup.ComPort, 0);
  EXPECT_EQ(ReadProfileString(SetupPath(), "language", "comPort"), "0");

  options.PresentPorts = nullptr;
  WriteSetup("[language]\ncomPort=3\n");
  StartProgram(state, ui, options);
  EXPECT_EQ(state.Setup.ComPort, 0);
}

TEST_F(Start, ReadOnlyInstallationStillStarts) {
  fs::remove_all(home.Path() / "language");
  Run({2});
  EXPECT_EQ(state.Setup.ComPort, 2);
  EXPECT_FALSE(fs::exists(SetupPath()));
  EXPECT_EQ(state.Current.ChannelCount, 1);
}

TEST(PortCheck, KeepsAPresentPortElseTakesTheFirst) {
  EXPECT_EQ(CheckStoredPort(4, {1, 4}), 4);
  EXPECT_EQ(CheckStoredPort(4, {7, 1}), 7);
  EXPECT_EQ(CheckStoredPort(0, {7}), 7);
  EXPECT_EQ(CheckStoredPort(4, {}), 0);
}

// --- The feature record "Setting.ini" ------------------------------------------------

TEST(FeatureRecord, FiveLittleEndianWordsInOrder) {
  const FeatureFlags flags{1, 2, -1, 0x1234, 0};
  const auto bytes = EncodeFeatureRecord(flags);
  const std::array<std::uint8_t, 10> expected{1, 0, 2, 0, 0xFF, 0xFF, 0x34, 0x12, 0, 0};
  EXPECT_EQ(bytes, expected);
  EXPECT_EQ(DecodeFeatureRecord(std::string(bytes.begin(), bytes.end())), flags);
  EXPECT_FALSE(DecodeFeatureRecord(std::string(9, '\1')).has_value());
  EXPECT_FALSE(DecodeFeatureRecord(std::string(11, '\1')).has_value());
}

TEST(FeatureRecord, MissingOrShortFileGivesAllZero) {
  TempDir dir;
  EXPECT_EQ(ReadFeatureFile(dir.File("Setting.ini")), FeatureFlags{});
  WriteBytes(dir.File("Setting.ini"), {1, 0, 1, 0, 1, 0, 1, 0, 1});
  EXPECT_EQ(ReadFeatureFile(dir.File("Setting.ini")), FeatureFlags{});
  EXPECT_EQ(ReadFeatureFile(dir.Path().string()), FeatureFlags{});  // a folder
}

TEST(FeatureRecord, LongerFileHoldsTheRecordInItsFirstTenBytes) {
  TempDir dir;
  WriteBytes(dir.File("Setting.ini"), {1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 9, 9});
  EXPECT_EQ(ReadFeatureFile(dir.File("Setting.ini")), (FeatureFlags{1, 0, 1, 0, 1}));
}

TEST(FeatureRecord, RoundTripThroughTheFile) {
  TempDir dir;
  const FeatureFlags flags{1, 0, 1, 3, 1};
  ASSERT_TRUE(WriteFeatureFile(dir.File("Setting.ini"), flags));
  EXPECT_EQ(ReadBytes(dir.File("Setting.ini")).size(), 10u);
  EXPECT_EQ(ReadFeatureFile(dir.File("Setting.ini")), flags);
  EXPECT_FALSE(WriteFeatureFile(dir.File("missing/Setting.ini"), flags));
}

TEST_F(Start, FeatureFlagsSurviveStopAndStart) {
  Run();
  EXPECT_EQ(state.Features, FeatureFlags{});
  state.Features = FeatureFlags{1, 1, 0, 0, 1};
  EXPECT_TRUE(StopProgram(state));
  EXPECT_EQ(ReadBytes(home.File("Setting.ini")).size(), 10u);

  AppState next;
  StartProgram(next, ui, options);
  EXPECT_EQ(next.Features, (FeatureFlags{1, 1, 0, 0, 1}));
}

TEST(Stop, SaysWhenTheFolderCannotBeWritten) {
  AppState state;
  state.ProgramFolder = "/nonexistent/px4800";
  EXPECT_FALSE(StopProgram(state));
}

}  // namespace
}  // namespace px
