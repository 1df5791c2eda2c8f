// The scan and alert pages on the real dialogs, offscreen: what opens, the reactions
// between the lists, OK storing exactly the bytes shown, Cancel storing nothing.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <memory>

#include "app/bands.h"
#include "codeplug/alert_slots.h"
#include "codeplug/scan_slots.h"
#include "support/dialog_driver.h"
#include "support/full_codeplug.h"
#include "support/program_folder.h"
#include "support/temp_dir.h"
#include "ui/settings/frm_alert.h"
#include "ui/settings/frm_scan.h"

namespace px {
namespace {

class SettingsPages : public ::testing::Test {
 protected:
  void SetUp() override {
    test::MakeProgramFolder(mHome.Path());
    mState.ProgramFolder = mHome.Path().string();
    RebuildBandTexts(mState);
    FillFullCodeplug(mState);
  }

  template <class Dialog>
  void Open() {
    mDialog = std::make_unique<Dialog>(mState);
    mDialog->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(mDialog.get()));
    mDriver.Attach(mDialog.get());
  }
  QComboBox* List(const char* rName) { return mDriver.List(rName); }
  QCheckBox* Check() { return mDriver.Check("Check1"); }
  void Pick(const char* rName, int rIndex) {
    mDriver.Pick(rName, rIndex);
    ASSERT_EQ(List(rName)->currentIndex(), rIndex) << rName;
  }
  void PickText(const char* rName, const char* rText) {
    const int index = List(rName)->findText(QString::fromLatin1(rText));
    ASSERT_GE(index, 0) << rName << " " << rText;
    Pick(rName, index);
  }
  void Press(const char* rButton) { mDriver.Press(rButton); }
  QStringList Entries(const char* rName) { return mDriver.Entries(rName); }

  test::TempDir mHome;
  AppState mState;
  std::unique_ptr<QDialog> mDialog;
  test::DialogDriver mDriver;
};

TEST_F(SettingsPages, ScanRoundTripStoresExactlyTheShownBytes) {
  ASSERT_EQ(mState.Current.Settings.Scan, (ScanSettings{1, 2, 3, 7, 9, 1, 3, 1, 1, 4, 0, 200, 255, 17}));
  mState.Current.Settings.Scan[ScanSlot::TxResume] = 0;   // shows 0.1 s
  mState.Current.Settings.Scan[ScanSlot::EntryTone] = 2;  // shows off
  Open<FrmScan>();
  EXPECT_EQ(List("Combo1_6")->currentText(), "Priority Channel 2");
  EXPECT_FALSE(List("Combo1_2")->isEnabled());
  EXPECT_TRUE(List("Combo1_4")->isEnabled());
  EXPECT_EQ(List("Combo1_10")->currentText(), "0.1");
  EXPECT_FALSE(Check()->isChecked());
  EXPECT_EQ(mDialog->findChild<QComboBox*>("Combo1_3"), nullptr);  // no group boxes

  // Priority channel 1 only: the revert entry for channel 2 is gone, the first one shows.
  Pick("Combo1_1", 1);
  EXPECT_EQ(Entries("Combo1_6").size(), 6);
  EXPECT_EQ(List("Combo1_6")->currentText(), "Selected");
  EXPECT_TRUE(List("Combo1_2")->isEnabled());
  EXPECT_FALSE(List("Combo1_4")->isEnabled());
  PickText("Combo1_2", "11");
  Pick("Combo1_12", 10);  // 300 ms
  mDriver.Tick("Check1", true);
  Press("CommandOK");
  EXPECT_EQ(mDialog->result(), QDialog::Accepted);
  EXPECT_EQ(mState.Current.Settings.Scan, (ScanSettings{1, 1, 0, 7, 9, 1, 1, 1, 1, 12, 0, 12, 255, 17}));
}

TEST_F(SettingsPages, ScanModeOffLeavesOnlyTheModeButOkStoresEveryList) {
  Open<FrmScan>();
  Pick("Combo1_0", 0);
  for (const char* name : {"Combo1_1", "Combo1_2", "Combo1_4", "Combo1_6", "Combo1_7", "Combo1_12"})
    EXPECT_FALSE(List(name)->isEnabled()) << name;
  EXPECT_FALSE(Check()->isEnabled());
  EXPECT_TRUE(List("Combo1_0")->isEnabled());
  Press("CommandOK");
  EXPECT_EQ(mState.Current.Settings.Scan, (ScanSettings{0, 2, 3, 7, 9, 1, 3, 1, 1, 4, 0, 200, 255, 17}));
}

TEST_F(SettingsPages, AlertRoundTripFollowsTheCodeKind) {
  ASSERT_EQ(mState.Current.Settings.Alert, (AlertSettings{1, 2, 5, 3, 1, 2, 1, 150, 4, 1, 1, 5}));
  mState.Current.Settings.Alert[AlertSlot::LoneWorker] = 3;  // shows off
  Open<FrmAlert>();
  EXPECT_EQ(List("Combo1_2")->currentText(), "5");
  EXPECT_FALSE(Entries("Combo1_2").contains("3"));  // 5-Tone code 3 is free
  EXPECT_FALSE(List("Combo1_3")->isEnabled());
  EXPECT_FALSE(List("Combo1_8")->isEnabled());
  EXPECT_EQ(mDialog->findChild<QComboBox*>("Combo1_7"), nullptr);

  Pick("Combo1_1", 1);  // DTMF: the code memories, the stored code chosen again
  EXPECT_EQ(Entries("Combo1_2").size(), 16);
  EXPECT_EQ(List("Combo1_2")->currentText(), "M6");
  Pick("Combo1_6", 0);
  EXPECT_TRUE(List("Combo1_8")->isEnabled());
  PickText("Combo1_8", "20");
  mDriver.Tick("Check1", true);
  PickText("Combo2_1", "60");
  Pick("Combo1_0", 0);  // local alarm: the alarm time instead of the code
  EXPECT_TRUE(List("Combo1_3")->isEnabled());
  EXPECT_FALSE(List("Combo1_2")->isEnabled());
  Press("CommandOK");
  EXPECT_EQ(mDialog->result(), QDialog::Accepted);
  EXPECT_EQ(mState.Current.Settings.Alert, (AlertSettings{0, 1, 5, 3, 1, 2, 0, 21, 4, 1, 1, 60}));
}

TEST_F(SettingsPages, AlertWithoutCodeKindStoresNoCode) {
  Open<FrmAlert>();
  Pick("Combo1_1", 0);
  EXPECT_EQ(List("Combo1_2")->count(), 0);
  Press("CommandOK");
  EXPECT_EQ(mState.Current.Settings.Alert[AlertSlot::Code], 0);
}

// Opening corrects what the lists cannot show, but only OK may store it.
TEST_F(SettingsPages, CancelAfterOpeningCorrectionsChangesNothing) {
  mState.Current.Settings.Scan[ScanSlot::Revert] = 6;  // not offered with priority channel 2
  mState.Current.Settings.Scan[ScanSlot::EntryTone] = 2;
  mState.Current.Settings.Alert[AlertSlot::AlarmTime] = 0;
  mState.Current.Settings.Alert[AlertSlot::LoneWorker] = 3;
  const Codeplug before = mState.Current;
  const ChannelTable channels = mState.Channels;
  Open<FrmScan>();
  Pick("Combo1_1", 0);
  Press("CommandCancel");
  EXPECT_EQ(mDialog->result(), QDialog::Rejected);
  Open<FrmAlert>();
  Pick("Combo1_1", 1);
  Press("CommandCancel");
  EXPECT_EQ(mState.Current, before);
  EXPECT_EQ(mState.Channels, channels);
}

TEST_F(SettingsPages, CaptionsComeFromTheLanguageFile) {
  mState.LanguageIndex = kChinese;
  Open<FrmScan>();
  EXPECT_EQ(mDialog->windowTitle(), QString::fromUtf8("扫描"));
  EXPECT_EQ(Check()->text(), QString::fromUtf8("扫描进入提示音"));
  EXPECT_EQ(List("Combo1_1")->itemText(3), QString::fromUtf8("优先信道1 + 优先信道2"));
  Open<FrmAlert>();
  EXPECT_EQ(mDialog->windowTitle(), QString::fromUtf8("紧急报警信息"));
  EXPECT_EQ(List("Combo1_9")->itemText(0), QString::fromUtf8("连续"));
}

}  // namespace
}  // namespace px
