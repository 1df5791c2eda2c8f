// Opening a radio memory image in place of the codeplug, as a read from the radio would.

#include <gtest/gtest.h>

#include "app/bands.h"
#include "app/language.h"
#include "edit/codeplug_ops.h"
#include "edit/file_commands.h"
#include "link/codec.h"
#include "link/image_file.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"

namespace px {
namespace {

using test::ScriptedUi;
using test::TempDir;

class OpenImage : public ::testing::Test {
 protected:
  TempDir home;
  AppState state;
  ScriptedUi ui;
  std::string image;

  void SetUp() override {
    state.ProgramFolder = home.Path().string();
    RebuildBandTexts(state);
    CreateNewCodeplug(state);
    image = home.File("radio.img");
    test::WriteBytes(image, EncodedWithChannels(3));
  }

  // An image encoded from a codeplug whose memory channels 1..rCount are named "IMG".
  std::vector<unsigned char> EncodedWithChannels(int rCount) {
    AppState other;
    other.ProgramFolder = "/nonexistent";
    RebuildBandTexts(other);
    CreateNewCodeplug(other);
    for (int i = 0; i < rCount; ++i) {
      auto& c = other.Channels[static_cast<std::size_t>(other.Current.ChannelCount++)];
      c = other.Channels[0];
      c.Number = static_cast<Int16>(i + 1);
      c.Name.Assign("IMG");
    }
    RadioImage bytes{};
    ScriptedUi quiet;
    EXPECT_TRUE(EncodeCodeplug(other, bytes, quiet));
    return {bytes.begin(), bytes.end()};
  }

  int NamedImg() const {
    int n = 0;
    for (int i = 0; i < state.Current.ChannelCount; ++i)
      if (state.Channels[static_cast<std::size_t>(i)].Name.Display() == "IMG") ++n;
    return n;
  }
};

TEST_F(OpenImage, AGoodImageReplacesTheCodeplugUntitledAndNotYetSaved) {
  ui.Files.push_back(image);
  const auto opened = OpenImageCommand(state, ui, "/backups");
  ASSERT_TRUE(opened);
  EXPECT_EQ(*opened, image);
  EXPECT_EQ(NamedImg(), 3);
  EXPECT_TRUE(state.Untitled);
  EXPECT_EQ(state.FilePath, "new.dat");
  EXPECT_TRUE(state.UnsavedRead);
  EXPECT_TRUE(NeedsSaveQuestion(state));
  EXPECT_TRUE(ui.Questions.empty());
  ASSERT_EQ(ui.FileDialogs.size(), 1u);
  EXPECT_EQ(ui.FileDialogs[0], "Radio image (*.img)|*.img");
}

TEST_F(OpenImage, WrongSizeMissingAndCancelChangeNothing) {
  state.Channels[0].Name.Assign("KEPT");
  CopyToSaved(state);
  const std::string shortFile = home.File("short.img");
  test::WriteBytes(shortFile, std::vector<unsigned char>(100, 0x55));
  const std::string longFile = home.File("long.img");
  test::WriteBytes(longFile, std::vector<unsigned char>(kImageSize + 1, 0xFF));

  for (const std::string& path : {shortFile, longFile, home.File("missing.img")}) {
    ui.Files.push_back(path);
    EXPECT_FALSE(OpenImageCommand(state, ui, ""));
  }
  ui.Files.push_back(std::nullopt);
  EXPECT_FALSE(OpenImageCommand(state, ui, ""));

  ASSERT_EQ(ui.Questions.size(), 3u);
  EXPECT_NE(ui.Questions[0].Text.find("\"short.img\""), std::string::npos) << ui.Questions[0].Text;
  EXPECT_NE(ui.Questions[0].Text.find("100 bytes"), std::string::npos);
  EXPECT_NE(ui.Questions[0].Text.find("16384"), std::string::npos);
  EXPECT_NE(ui.Questions[1].Text.find("16385 bytes"), std::string::npos);
  EXPECT_NE(ui.Questions[2].Text.find("\"missing.img\""), std::string::npos);
  for (const auto& q : ui.Questions) EXPECT_EQ(q.Icon, MsgIcon::Critical);
  EXPECT_EQ(state.Channels[0].Name.Display(), "KEPT");
  EXPECT_FALSE(NeedsSaveQuestion(state));

  // The reason comes in Chinese too.
  SetLanguage(state, kChinese);
  ui.Files.push_back(shortFile);
  EXPECT_FALSE(OpenImageCommand(state, ui, ""));
  EXPECT_NE(ui.Questions.back().Text.find("100 字节"), std::string::npos) << ui.Questions.back().Text;
}

TEST_F(OpenImage, AModifiedCodeplugIsAskedAboutFirst) {
  state.Channels[0].Name.Assign("EDITED");
  // Cancel: no file dialog.
  ui.Answers = {MsgAnswer::Cancel};
  EXPECT_FALSE(OpenImageCommand(state, ui, ""));
  ASSERT_EQ(ui.Questions.size(), 1u);
  EXPECT_EQ(ui.Questions[0].Text, LangMsg(state, 9001));
  EXPECT_TRUE(ui.FileDialogs.empty());

  // Yes, but the save dialog is cancelled: nothing is lost either.
  ui.Answers = {MsgAnswer::Yes};
  ui.Files = {std::nullopt};
  EXPECT_FALSE(OpenImageCommand(state, ui, ""));
  EXPECT_EQ(ui.FileDialogs.size(), 1u);
  EXPECT_EQ(state.Channels[0].Name.Display(), "EDITED");

  // No: the image replaces it.
  ui.Answers = {MsgAnswer::No};
  ui.Files = {image};
  EXPECT_TRUE(OpenImageCommand(state, ui, ""));
  EXPECT_EQ(NamedImg(), 3);
}

TEST(ImageFile, ReadsOnlyFilesOfExactlyTheImageSize) {
  TempDir dir;
  const std::string good = dir.File("good.img");
  std::vector<unsigned char> bytes(kImageSize, 0x11);
  bytes[kImageSize - 1] = 0x22;
  test::WriteBytes(good, bytes);
  const ImageFileResult read = ReadImageFile(good);
  ASSERT_TRUE(read.Image);
  EXPECT_EQ((*read.Image)[kImageSize - 1], 0x22);

  const std::string empty = dir.File("empty.img");
  test::WriteBytes(empty, {});
  const ImageFileResult none = ReadImageFile(empty);
  EXPECT_FALSE(none.Image);
  EXPECT_TRUE(none.WrongSize);
  EXPECT_EQ(ImageFileProblem(empty, none), empty + " is not a radio memory image: 0 bytes, an image has 16384");
  EXPECT_FALSE(ReadImageFile(dir.Path().string()).Image);  // a folder
}

}  // namespace
}  // namespace px
