// File > Open image on the real main window: a good image shows its channels and counts
// as not saved; a wrong-size file and a cancelled dialog change nothing.

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QTest>

#include <memory>

#include "app/bands.h"
#include "app/language.h"
#include "edit/codeplug_ops.h"
#include "edit/file_commands.h"
#include "link/codec.h"
#include "platform/backups.h"
#include "support/scripted_ui.h"
#include "support/started_program.h"
#include "support/temp_dir.h"
#include "ui/kit/message_service.h"
#include "ui/main/channel_grid.h"
#include "ui/main/frm_main.h"

namespace px {
namespace {

class OpenImageWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    mWindow = std::make_unique<FrmMain>(mState);
    mWindow->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(mWindow.get()));
  }

  std::string ImageFile(const std::string& rName) {
    AppState other;
    other.ProgramFolder = "/nonexistent";
    RebuildBandTexts(other);
    CreateNewCodeplug(other);
    for (int i = 0; i < 2; ++i) {
      auto& c = other.Channels[static_cast<std::size_t>(other.Current.ChannelCount++)];
      c = other.Channels[0];
      c.Number = static_cast<Int16>(i + 1);
      c.Name.Assign("BACKUP");
    }
    RadioImage bytes{};
    test::ScriptedUi quiet;
    EXPECT_TRUE(EncodeCodeplug(other, bytes, quiet));
    const std::string path = mProgram.Dir().File(rName);
    test::WriteBytes(path, {bytes.begin(), bytes.end()});
    return path;
  }

  QString Cell(int rRow, int rCol) { return mWindow->Grid()->CellText(rRow, rCol); }

  AppState mState;
  test::StartedProgram mProgram{mState};
  std::unique_ptr<FrmMain> mWindow;
};

TEST_F(OpenImageWindow, TheMenuItemFollowsOpenWithItsOwnMnemonicInBothLanguages) {
  const MainMenus& m = mWindow->Menus();
  const QList<QAction*> items = m.File->actions();
  const auto at = items.indexOf(m.OpenImage);
  ASSERT_GT(at, 0);
  EXPECT_EQ(items[at - 1], m.Open);
  EXPECT_EQ(m.OpenImage->objectName(), "MnuFileOpenImage");
  EXPECT_EQ(m.OpenImage->text(), "Open &Image...");
  for (QAction* item : items) {
    if (item == m.OpenImage || item->isSeparator()) continue;
    EXPECT_FALSE(item->text().contains("&I", Qt::CaseInsensitive)) << item->text().toStdString();
  }
  SetLanguage(mState, kChinese);
  mWindow->ApplyWindowLanguage();
  EXPECT_EQ(m.OpenImage->text(), QString::fromUtf8("打开映像(&I)..."));
}

TEST_F(OpenImageWindow, AGoodImageShowsItsChannelsAndClosingAsksToSaveIt) {
  const std::string image = ImageFile("backup.img");
  {
    ScriptedMessages script;
    script.File(image);
    mWindow->Menus().OpenImage->trigger();
    ASSERT_EQ(script.Requests.size(), 1u);
    EXPECT_EQ(script.Requests[0].Kind, MessageKind::OpenFile);
    EXPECT_EQ(script.Requests[0].Proposed, BackupsFolder());
    EXPECT_EQ(script.Unscripted, 0);
  }
  EXPECT_EQ(Cell(2, 3), "BACKUP");
  EXPECT_TRUE(mState.Untitled);
  EXPECT_TRUE(mState.UnsavedRead);

  // Closing asks the save question; Cancel keeps the window.
  ScriptedMessages script;
  script.Answer(MsgAnswer::Cancel);
  EXPECT_FALSE(mWindow->close());
  ASSERT_EQ(script.Texts().size(), 1u);
  EXPECT_EQ(script.Texts()[0], LangMsg(mState, 9001));
}

TEST_F(OpenImageWindow, AWrongSizeFileOrACancelledDialogChangesNothing) {
  mState.Channels[0].Name.Assign("KEPT");
  CopyToSaved(mState);
  mWindow->ShowListByData();
  const QString before = Cell(1, 3);
  const std::string bad = mProgram.Dir().File("half.img");
  test::WriteBytes(bad, std::vector<unsigned char>(8192, 0xFF));
  {
    ScriptedMessages script;
    script.File(bad).Answer(MsgAnswer::Ok);
    mWindow->Menus().OpenImage->trigger();
    ASSERT_EQ(script.Texts().size(), 1u);
    EXPECT_NE(script.Texts()[0].find("half.img"), std::string::npos);
    EXPECT_NE(script.Texts()[0].find("8192"), std::string::npos);
  }
  {
    ScriptedMessages script;
    script.File(std::nullopt);
    mWindow->Menus().OpenImage->trigger();
    EXPECT_TRUE(script.Texts().empty());
  }
  EXPECT_EQ(mState.Channels[0].Name.Display(), "KEPT");
  EXPECT_EQ(Cell(1, 3), before);
  EXPECT_FALSE(NeedsSaveQuestion(mState));
}

}  // namespace
}  // namespace px
