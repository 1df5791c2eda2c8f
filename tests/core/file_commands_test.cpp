#include <gtest/gtest.h>

#include <filesystem>

#include "app/bands.h"
#include "codeplug/codeplug_file.h"
#include "edit/codeplug_ops.h"
#include "edit/file_commands.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"

namespace px {
namespace {

using test::ReadBytes;
using test::ScriptedUi;
using test::TempDir;
using test::WriteBytes;

class FileCommands : public ::testing::Test {
 protected:
  TempDir home;
  AppState state;
  ScriptedUi ui;

  void SetUp() override {
    state.ProgramFolder = home.Path().string();
    RebuildBandTexts(state);
    CreateNewCodeplug(state);
  }
  void AddChannel(int rNumber, const char* rName) {
    auto& c = state.Channels[state.Current.ChannelCount++];
    c = ChannelRecord{};
    c.Number = static_cast<Int16>(rNumber);
    c.InUse = 1;
    c.Name.Assign(rName);
  }
  // A default file in Init/ holding the VFO and two memory channels.
  void WriteInitFile(const std::string& rName, double rMinRx) {
    std::filesystem::create_directories(home.Path() / "Init");
    AppState other;
    other.ProgramFolder = "/nonexistent";
    CreateNewCodeplug(other);
    other.Current.MinRxFreq = rMinRx;
    other.Current.Settings.Options.PowerOnMessage.Assign("FROMINI");
    other.Channels[1] = other.Channels[0];
    other.Channels[0].Number = 1;
    other.Channels[2] = other.Channels[0];
    other.Channels[2].Number = 2;
    other.Current.ChannelCount = 3;
    std::string error;
    ASSERT_TRUE(WriteCodeplugFiles(home.File("Init/" + rName), other.Current, other.Channels, error));
  }
};

TEST_F(FileCommands, NewWithoutInitFilesGivesTheDefaults) {
  EXPECT_TRUE(state.Untitled);
  EXPECT_EQ(state.FilePath, "new.dat");
  EXPECT_EQ(state.Current.ChannelCount, 1);
  EXPECT_EQ(state.Channels[0].Number, 203);
  EXPECT_FALSE(IsModified(state));
  Codeplug expected;
  ResetToDefaults(expected);
  EXPECT_EQ(state.Current, expected);
}

TEST_F(FileCommands, ModelDefaultFileKeepsOnlyTheVfoUnlessFactoryFrequencies) {
  WriteInitFile("NR-6240.dat", 140);
  CreateNewCodeplug(state);
  EXPECT_EQ(state.Current.MinRxFreq, 140);
  EXPECT_EQ(state.Current.Settings.Options.PowerOnMessage.Display(), "FROMINI");
  EXPECT_EQ(state.Current.ChannelCount, 1);
  EXPECT_EQ(state.Channels[0].Number, 203);
  EXPECT_EQ(state.Band.Limits.MinRx, 140);
  EXPECT_FALSE(IsModified(state));

  state.Setup.FactoryFres = 1;
  CreateNewCodeplug(state);
  EXPECT_EQ(state.Current.ChannelCount, 3);

  state.Setup.FactoryFres = 0;
  state.Initializing = true;  // the Initialize command keeps every channel too
  CreateNewCodeplug(state);
  EXPECT_EQ(state.Current.ChannelCount, 3);
}

TEST_F(FileCommands, FallbackDefaultFileGetsAFreshDefaultChannel) {
  WriteInitFile("PX-4800.dat", 150);
  CreateNewCodeplug(state);
  EXPECT_EQ(state.Current.MinRxFreq, 150);
  EXPECT_EQ(state.Current.ChannelCount, 1);
  EXPECT_EQ(state.Channels[0].RxFreq.Display(), "016200000");  // (174 + 150) / 2
  EXPECT_FALSE(IsModified(state));
}

TEST_F(FileCommands, UnreadableInitFileLeavesTheDefaults) {
  std::filesystem::create_directories(home.Path() / "Init");
  WriteBytes(home.File("Init/NR-6240.dat"), {1, 2, 3});
  CreateNewCodeplug(state);
  EXPECT_EQ(state.Current.MinRxFreq, 136);
  EXPECT_EQ(state.Channels[0].Number, 203);
  EXPECT_FALSE(IsModified(state));
}

TEST_F(FileCommands, SaveAsThenSaveAsksBeforeOverwriting) {
  AddChannel(1, "ONE");
  EXPECT_TRUE(IsModified(state));
  const std::string path = home.File("plan.dat");

  ui.Files.push_back(path);
  ASSERT_TRUE(SaveCommand(state, ui));  // untitled: straight to the file dialog
  EXPECT_TRUE(ui.Questions.empty());
  ASSERT_EQ(ui.FileDialogs.size(), 1u);
  EXPECT_EQ(ui.FileDialogs[0], "Data File (*.dat)|*.dat");
  EXPECT_FALSE(state.Untitled);
  EXPECT_EQ(state.FilePath, path);
  EXPECT_FALSE(IsModified(state));
  EXPECT_EQ(ReadBytes(path).size(), 8667u);

  ui.Answers.push_back(MsgAnswer::Cancel);
  EXPECT_FALSE(SaveCommand(state, ui));
  ASSERT_EQ(ui.Questions.size(), 1u);
  EXPECT_EQ(ui.Questions[0].Text, "\"plan.dat\"file will be Overwrite,Continue?");
  EXPECT_EQ(ui.Questions[0].Buttons, MsgButtons::OkCancel);
}

TEST_F(FileCommands, OpenReadsTheFileButKeepsTheProgramBand) {
  AddChannel(7, "SEVEN");
  state.Current.MaxRxFreq = 160;
  const std::string path = home.File("a.dat");
  ASSERT_TRUE(WriteCodeplug(state, ui, path));

  AppState other;
  other.ProgramFolder = state.ProgramFolder;
  other.Band.Index = 25;
  CreateNewCodeplug(other);
  ASSERT_TRUE(OpenCodeplugFile(other, ui, path));
  EXPECT_EQ(other.Current.BandIndex, 25);
  EXPECT_EQ(other.Band.Index, 25);
  EXPECT_EQ(other.Current.MaxRxFreq, 160);
  EXPECT_EQ(other.Band.Limits.MaxRx, 160);
  EXPECT_EQ(other.Channels[1].Name.Display(), "SEVEN");
  EXPECT_FALSE(other.Untitled);
  EXPECT_FALSE(IsModified(other));
}

TEST_F(FileCommands, FailedOpenKeepsEverything) {
  AddChannel(3, "MINE");
  const std::string bad = home.File("bad.dat");
  WriteBytes(bad, std::vector<unsigned char>(8666, 0));
  const Codeplug before = state.Current;
  ui.Answers.push_back(MsgAnswer::No);  // do not save the modified codeplug
  ui.Files.push_back(bad);
  EXPECT_FALSE(OpenCommand(state, ui));
  ASSERT_EQ(ui.Questions.size(), 2u);
  EXPECT_EQ(ui.Questions[0].Text, "File has been modify,save it now?");
  EXPECT_EQ(ui.Questions[1].Text.rfind("file error.", 0), 0u);
  EXPECT_EQ(state.Current, before);
  EXPECT_EQ(state.Channels[1].Name.Display(), "MINE");
  EXPECT_EQ(state.FilePath, "new.dat");
  EXPECT_TRUE(state.Untitled);
  EXPECT_TRUE(IsModified(state));
}

TEST_F(FileCommands, FailedSaveStillCountsAsModified) {
  AddChannel(1, "ONE");
  ui.Files.push_back(home.File("no/folder/x.dat"));
  EXPECT_FALSE(SaveAsCommand(state, ui));
  EXPECT_TRUE(state.Untitled);
  EXPECT_EQ(state.FilePath, "new.dat");
  EXPECT_TRUE(IsModified(state));
  ASSERT_EQ(ui.Questions.size(), 1u);
  EXPECT_EQ(ui.Questions[0].Text.rfind("file error.", 0), 0u);
}

TEST_F(FileCommands, NewAsksAndCanBeCancelled) {
  AddChannel(1, "ONE");
  ui.Answers = {MsgAnswer::Cancel};  // the save question
  EXPECT_FALSE(NewCommand(state, ui));
  EXPECT_EQ(state.Current.ChannelCount, 2);

  ui.Questions.clear();
  ui.Answers = {MsgAnswer::No, MsgAnswer::Cancel};  // don't save; then cancel the clearing
  EXPECT_FALSE(NewCommand(state, ui));
  ASSERT_EQ(ui.Questions.size(), 2u);
  EXPECT_EQ(ui.Questions[1].Text, "All data will be cleared.");
  EXPECT_EQ(state.Current.ChannelCount, 2);

  ui.Answers = {MsgAnswer::No, MsgAnswer::Ok};
  EXPECT_TRUE(NewCommand(state, ui));
  EXPECT_EQ(state.Current.ChannelCount, 1);
  EXPECT_FALSE(IsModified(state));

  // Unmodified: only the clearing question.
  ui.Questions.clear();
  ui.Answers = {MsgAnswer::Ok};
  EXPECT_TRUE(NewCommand(state, ui));
  EXPECT_EQ(ui.Questions.size(), 1u);
}

TEST_F(FileCommands, ModificationCheckSeesEveryKindOfChange) {
  auto expectModified = [&](auto rChange, const char* rWhat) {
    CreateNewCodeplug(state);
    ASSERT_FALSE(IsModified(state));
    rChange();
    EXPECT_TRUE(IsModified(state)) << rWhat;
  };
  expectModified([&] { state.Band.Index = 3; }, "band");
  expectModified([&] { state.Current.FiveToneLastOption = 0; }, "last option");
  expectModified([&] { state.Channels[0].Spare8 = 1; }, "a spare channel field");
  expectModified([&] { state.Channels[0].Number = 5; }, "channel renumbered");
  expectModified([&] { state.Channels[0].RxFreq.Assign("014500000"); }, "frequency");
  expectModified([&] { state.Current.Settings.Dtmf.DecodeResponse = 1; }, "dtmf");
  expectModified([&] { state.Current.Settings.Scan[9] = 1; }, "scan byte 9");
  expectModified([&] { state.Current.Settings.FiveTone.Codes[5].Name.Assign("X"); }, "code name");
  expectModified([&] { state.Current.Book[4].CallId.Assign("12"); }, "book");
  expectModified([&] { state.Current.Settings.KeyFunctions[2] = 4; }, "keys");
  expectModified([&] { state.Current.MaxTxFreq = 170; }, "limits");

  // Trailing spaces do not make a text different; "FFFFFFFFF" and spaces both mean none.
  CreateNewCodeplug(state);
  state.Current.Settings.Options.PowerOnMessage.Assign("Welcome  ");
  state.Channels[0].OffsetFreq.Assign("");
  state.SavedChannels[0].OffsetFreq.Assign("FFFFFFFFF");
  EXPECT_FALSE(IsModified(state));
}

// Opening a file whose channel file is missing or short must not show the previous
// file's channels under the new name; a channel file that cannot be read fails the open.
TEST_F(FileCommands, OpenNeverKeepsThePreviousFilesChannels) {
  for (int n = 1; n <= 5; ++n) AddChannel(n, "OLD");
  ASSERT_TRUE(WriteCodeplug(state, ui, home.File("full.dat")));
  AppState small;
  small.ProgramFolder = state.ProgramFolder;
  CreateNewCodeplug(small);
  small.Channels[1] = small.Channels[0];
  small.Channels[0].Number = 9;
  small.Channels[0].Name.Assign("NEW");
  small.Current.ChannelCount = 2;
  ASSERT_TRUE(WriteCodeplug(small, ui, home.File("small.dat")));
  std::filesystem::remove(home.File("small.fre"));

  ASSERT_TRUE(OpenCodeplugFile(state, ui, home.File("small.dat")));
  EXPECT_EQ(state.Current.ChannelCount, 0);
  for (int slot = 0; slot < 6; ++slot) EXPECT_NE(state.Channels[slot].Name.Display(), "OLD") << slot;
  ASSERT_EQ(ui.Questions.size(), 1u);
  EXPECT_EQ(ui.Questions[0].Icon, MsgIcon::Warning);
  EXPECT_NE(ui.Questions[0].Text.find("small.fre is missing"), std::string::npos) << ui.Questions[0].Text;
  EXPECT_NE(ui.Questions[0].Text.find("2 channels"), std::string::npos) << ui.Questions[0].Text;
  // Saving it again writes what was opened, not the old file's channels.
  ui.Files.push_back(home.File("again.dat"));
  ASSERT_TRUE(SaveAsCommand(state, ui));
  EXPECT_EQ(ReadBytes(home.File("again.fre")).size(), 0u);

  // A channel file that is there but unreadable: an error, and nothing changes.
  ASSERT_TRUE(OpenCodeplugFile(state, ui, home.File("full.dat")));
  std::filesystem::create_directory(home.File("small.fre"));
  ui.Questions.clear();
  EXPECT_FALSE(OpenCodeplugFile(state, ui, home.File("small.dat")));
  ASSERT_EQ(ui.Questions.size(), 1u);
  EXPECT_NE(ui.Questions[0].Text.find("cannot read " + home.File("small.fre") + ": Is a directory"),
            std::string::npos)
      << ui.Questions[0].Text;
  EXPECT_EQ(state.FilePath, home.File("full.dat"));
  EXPECT_EQ(state.Current.ChannelCount, 6);  // the VFO and the five
  EXPECT_EQ(state.Channels[5].Name.Display(), "OLD");
}

// Save As to a name its side file would share ("trap.fre") or without ".dat" writes
// nothing and keeps the codeplug unsaved.
TEST_F(FileCommands, SaveAsRefusesNamesThatAreNotDat) {
  AddChannel(1, "ONE");
  for (const char* name : {"trap.fre", "stale"}) {
    ui.Questions.clear();
    ui.Files.push_back(home.File(name));
    EXPECT_FALSE(SaveAsCommand(state, ui)) << name;
    ASSERT_EQ(ui.Questions.size(), 1u);
    EXPECT_EQ(ui.Questions[0].Text.rfind("file error.", 0), 0u);
    EXPECT_NE(ui.Questions[0].Text.find(".dat"), std::string::npos);
    EXPECT_TRUE(state.Untitled);
    EXPECT_EQ(state.FilePath, "new.dat");
    EXPECT_TRUE(IsModified(state));
  }
  EXPECT_FALSE(std::filesystem::exists(home.File("trap.fre")));
  EXPECT_FALSE(std::filesystem::exists(home.File("stfre")));
}

// A codeplug read from a radio is in no file: New, Open and closing must ask first.
TEST_F(FileCommands, ACodeplugReadFromARadioIsNotLostWithoutAQuestion) {
  state.UnsavedRead = true;  // as a completed read leaves it
  EXPECT_FALSE(IsModified(state));
  EXPECT_TRUE(NeedsSaveQuestion(state));

  ui.Answers = {MsgAnswer::Cancel};
  EXPECT_FALSE(NewCommand(state, ui));
  ASSERT_EQ(ui.Questions.size(), 1u);
  EXPECT_EQ(ui.Questions[0].Buttons, MsgButtons::YesNoCancel);

  ui.Questions.clear();
  ui.Answers = {MsgAnswer::Cancel};
  EXPECT_FALSE(OpenCommand(state, ui));
  ASSERT_EQ(ui.Questions.size(), 1u);
  EXPECT_EQ(ui.Questions[0].Text, "File has been modify,save it now?");

  // Initialize asks the save question too, though it skips the clearing question.
  ui.Questions.clear();
  ui.Answers = {MsgAnswer::Cancel};
  state.Initializing = true;
  EXPECT_FALSE(NewCommand(state, ui));
  state.Initializing = false;
  EXPECT_EQ(ui.Questions.size(), 1u);
  EXPECT_TRUE(state.UnsavedRead);

  // Once saved, nothing is asked any more.
  ui.Files.push_back(home.File("read.dat"));
  ASSERT_TRUE(SaveAsCommand(state, ui));
  EXPECT_FALSE(NeedsSaveQuestion(state));
}

}  // namespace
}  // namespace px
