// A device path typed into the port dialog: kept in the settings file beside the COM
// number, shown again at the next opening, cleared by emptying the box.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <filesystem>

#include "app/bands.h"
#include "edit/codeplug_ops.h"
#include "edit/file_commands.h"
#include "edit/startup.h"
#include "support/temp_dir.h"
#include "ui/main/frm_com_set.h"

namespace px {
namespace {

class PortPathDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    mState.ProgramFolder = mDir.Path().string();
    std::filesystem::create_directories(mDir.Path() / "language");
    CreateNewCodeplug(mState);
    RebuildBandTexts(mState);
  }

  // Opens the dialog, types rText over the path box and presses rButton; returns what the
  // box showed at opening.
  QString TypeAndPress(const QString& rText, const char* rButton) {
    FrmComSet dialog(mState, PortListMode::Present,
                     [] { return std::vector<PresentPort>{{"/dev/ttyUSB0", "USB serial adapter"}}; });
    auto* box = dialog.findChild<QLineEdit*>("Text1");
    EXPECT_NE(box, nullptr);
    if (box == nullptr) return {};
    const QString shown = box->text();
    box->clear();
    QTest::keyClicks(box, rText);
    QTest::mouseClick(dialog.findChild<QPushButton*>(rButton), Qt::LeftButton);
    return shown;
  }

  std::string StoredPath() const {
    AppState reread;
    reread.ProgramFolder = mState.ProgramFolder;
    ReadSetupSettings(reread);
    return reread.Setup.PortPath;
  }

  test::TempDir mDir;
  AppState mState;
};

TEST_F(PortPathDialog, ATypedPathIsKeptAndShownAgainAndCancelKeepsTheOldOne) {
  EXPECT_EQ(TypeAndPress("  /dev/pts/7 ", "CommandOK"), "");
  EXPECT_EQ(mState.Setup.PortPath, "/dev/pts/7");  // surrounding spaces are no part of it
  EXPECT_EQ(StoredPath(), "/dev/pts/7");
  EXPECT_EQ(mState.Setup.ComPort, 33);  // the list's choice is stored as before

  EXPECT_EQ(TypeAndPress("/dev/pts/8", "CommandCancel"), "/dev/pts/7");
  EXPECT_EQ(mState.Setup.PortPath, "/dev/pts/7");
  EXPECT_EQ(StoredPath(), "/dev/pts/7");

  // Emptied: the COM number applies again.
  EXPECT_EQ(TypeAndPress("", "CommandOK"), "/dev/pts/7");
  EXPECT_EQ(mState.Setup.PortPath, "");
  EXPECT_EQ(StoredPath(), "");
}

}  // namespace
}  // namespace px
