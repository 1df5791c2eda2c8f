// The shell dialogs on real widgets: typed into, OK pressed, the state checked.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSysInfo>
#include <QTest>

#include <array>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "app/bands.h"
#include "edit/startup.h"
#include "edit/codeplug_ops.h"
#include "edit/file_commands.h"
#include "support/temp_dir.h"
#include "ui/main/frm_about.h"
#include "ui/main/frm_com_set.h"
#include "ui/main/frm_model.h"
#include "ui/main/frm_pass_word.h"
#include "ui/main/frm_progress.h"
#include "support/dialog_driver.h"
#include "ui/kit/message_service.h"
#include "ui/kit/program_identity.h"
#include "platform/startup_embedded.h"
#include "ui/settings/frm_emg.h"

namespace px {
namespace {

template <class T>
T* Child(QWidget& rDialog, const char* rName) {
  return test::DialogDriver(&rDialog).Find<T>(rName);
}

void Retype(QLineEdit* rEdit, const QString& rText) {
  rEdit->clear();
  QTest::keyClicks(rEdit, rText);
}

class ShellDialogs : public ::testing::Test {
 protected:
  void SetUp() override {
    mState.ProgramFolder = mDir.Path().string();
    std::filesystem::create_directories(mDir.Path() / "language");
    CreateNewCodeplug(mState);
    RebuildBandTexts(mState);
    CopyToSaved(mState);
  }

  // The four limit texts as the dialog shows them after OK.
  std::array<QString, 4> ModelOk(const std::array<const char*, 4>& rTyped) {
    FrmModel dialog(mState);
    std::array<QLineEdit*, 4> boxes{};
    for (int i = 0; i < 4; ++i) {
      boxes[static_cast<std::size_t>(i)] =
          Child<QLineEdit>(dialog, QString("Text1_%1").arg(i).toLatin1().constData());
      Retype(boxes[static_cast<std::size_t>(i)], QString::fromLatin1(rTyped[static_cast<std::size_t>(i)]));
    }
    QTest::mouseClick(Child<QPushButton>(dialog, "CommandOK"), Qt::LeftButton);
    EXPECT_TRUE(dialog.Accepted());
    std::array<QString, 4> shown;
    for (std::size_t i = 0; i < 4; ++i) shown[i] = boxes[i]->text();
    return shown;
  }

  test::TempDir mDir;
  AppState mState;
};

TEST_F(ShellDialogs, ModelDialogCorrectsTheTypedLimits) {
  using Shown = std::array<QString, 4>;
  EXPECT_EQ(ModelOk({"150", "160", "150", "160"}), (Shown{"150.00000", "160.00000", "150.00000", "160.00000"}));
  EXPECT_EQ(mState.Current.MinRxFreq, 150);
  EXPECT_EQ(mState.Current.MaxTxFreq, 160);
  // One limit outside the chosen range goes to that range's edge.
  EXPECT_EQ(ModelOk({"150", "500", "150", "160"}), (Shown{"150.00000", "174.00000", "150.00000", "160.00000"}));
  // Equal counts for ranges 2 and 3: the lower number wins.
  EXPECT_EQ(ModelOk({"230", "230", "230", "230"}), (Shown{"230.00000", "230.00000", "230.00000", "230.00000"}));
  // Nothing typed: range 1 throughout.
  EXPECT_EQ(ModelOk({"", "", "", ""}), (Shown{"136.00000", "174.00000", "136.00000", "174.00000"}));
  EXPECT_EQ(mState.Current.MaxRxFreq, 174);
  // Reversed pairs are exchanged.
  EXPECT_EQ(ModelOk({"170", "140", "165", "145"}), (Shown{"140.00000", "170.00000", "145.00000", "165.00000"}));
  EXPECT_EQ(mState.Current.MinRxFreq, 140);
  EXPECT_EQ(mState.Current.MaxRxFreq, 170);
}

TEST_F(ShellDialogs, ModelDialogBoxesTakeDigitsAndPointOnly) {
  FrmModel dialog(mState);
  auto* box = Child<QLineEdit>(dialog, "Text1_0");
  box->clear();
  QTest::keyClicks(box, "4a0-0.5x");
  EXPECT_EQ(box->text(), "400.5");
  QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);  // no paste
  EXPECT_EQ(box->text(), "400.5");
}

TEST_F(ShellDialogs, NewLimitsMoveTheChannelsAndCancelKeepsEverything) {
  if (mState.Current.ChannelCount < 1) mState.Current.ChannelCount = 1;
  mState.Channels[0].Number = 1;
  mState.Channels[0].RxFreq.Assign("015000000");
  const auto before = mState.Current;
  {
    FrmModel dialog(mState);
    Retype(Child<QLineEdit>(dialog, "Text1_0"), "400");
    QTest::mouseClick(Child<QPushButton>(dialog, "CommandCancel"), Qt::LeftButton);
    EXPECT_FALSE(dialog.Accepted());
  }
  EXPECT_EQ(mState.Current.MinRxFreq, before.MinRxFreq);
  ModelOk({"400", "490", "400", "490"});
  EXPECT_EQ(mState.Current.MinRxFreq, 400);
  EXPECT_EQ(mState.Channels[0].RxFreq.Display(), "040000000");
}

std::vector<PresentPort> TwoPorts() {
  return {{"/dev/ttyUSB0", "USB serial adapter"}, {"/dev/ttyS1", ""}};
}

TEST_F(ShellDialogs, PortDialogWithoutPortsStoresNone) {
  mState.Setup.ComPort = 34;
  FrmComSet dialog(mState, PortListMode::Present, [] { return std::vector<PresentPort>{}; });
  auto* combo = Child<QComboBox>(dialog, "Combo1");
  EXPECT_EQ(combo->count(), 0);
  EXPECT_EQ(combo->currentIndex(), -1);
  QTest::mouseClick(Child<QPushButton>(dialog, "CommandOK"), Qt::LeftButton);
  EXPECT_EQ(mState.Setup.ComPort, 0);
}

TEST_F(ShellDialogs, PortDialogShowsDevicesAndStoresTheChoice) {
  mState.Setup.ComPort = 2;  // /dev/ttyS1
  FrmComSet dialog(mState, PortListMode::Present, TwoPorts);
  auto* combo = Child<QComboBox>(dialog, "Combo1");
  ASSERT_EQ(combo->count(), 2);
  EXPECT_EQ(combo->itemText(0), "COM33   /dev/ttyUSB0   USB serial adapter");
  EXPECT_EQ(combo->itemText(1), "COM2   /dev/ttyS1");
  EXPECT_EQ(combo->currentIndex(), 1);
  combo->setCurrentIndex(0);
  emit combo->activated(0);
  QTest::mouseClick(Child<QPushButton>(dialog, "CommandOK"), Qt::LeftButton);
  EXPECT_EQ(mState.Setup.ComPort, 33);
  AppState reread;
  reread.ProgramFolder = mState.ProgramFolder;
  ReadSetupSettings(reread);
  EXPECT_EQ(reread.Setup.ComPort, 33);
}

// The flow control sits beside the port: RTS/CTS unless chosen, kept in the settings
// file by OK, untouched by Cancel.
TEST_F(ShellDialogs, PortDialogKeepsTheFlowControlChoice) {
  {
    FrmComSet dialog(mState, PortListMode::Present, TwoPorts);
    auto* flow = Child<QComboBox>(dialog, "Combo2");
    ASSERT_EQ(flow->count(), 2);
    EXPECT_EQ(flow->currentIndex(), 0);
    flow->setCurrentIndex(1);
    QTest::mouseClick(Child<QPushButton>(dialog, "CommandCancel"), Qt::LeftButton);
    EXPECT_EQ(mState.Setup.Flow, FlowControl::RtsCts);
  }
  FrmComSet dialog(mState, PortListMode::Present, TwoPorts);
  Child<QComboBox>(dialog, "Combo2")->setCurrentIndex(1);
  QTest::mouseClick(Child<QPushButton>(dialog, "CommandOK"), Qt::LeftButton);
  EXPECT_EQ(mState.Setup.Flow, FlowControl::None);
  AppState reread;
  reread.ProgramFolder = mState.ProgramFolder;
  ReadSetupSettings(reread);
  EXPECT_EQ(reread.Setup.Flow, FlowControl::None);
  FrmComSet again(mState, PortListMode::Present, TwoPorts);
  EXPECT_EQ(Child<QComboBox>(again, "Combo2")->currentIndex(), 1);
}

TEST(FileDialogs, TheFilterGivesTheSuffixAddedToABareName) {
  EXPECT_EQ(DefaultSuffixOf("Data File (*.dat)|*.dat"), "dat");
  EXPECT_EQ(DefaultSuffixOf("Book (*.cb)|*.cb|All (*.*)|*.*"), "cb");
  EXPECT_EQ(DefaultSuffixOf("All (*.*)|*.*"), "");
  EXPECT_EQ(DefaultSuffixOf("no pattern"), "");
}

TEST_F(ShellDialogs, PortDialogWithTheStoredPortAbsentShowsTheFirst) {
  mState.Setup.ComPort = 7;
  FrmComSet dialog(mState, PortListMode::Present, TwoPorts);
  EXPECT_EQ(Child<QComboBox>(dialog, "Combo1")->currentIndex(), 0);
  EXPECT_EQ(dialog.DialogState().Working, 33);
  QTest::mouseClick(Child<QPushButton>(dialog, "CommandCancel"), Qt::LeftButton);
  EXPECT_EQ(mState.Setup.ComPort, 7);  // Cancel changes nothing
}

TEST_F(ShellDialogs, PortDialogRefreshFollowsPortsComingAndGoing) {
  std::vector<PresentPort> present = TwoPorts();
  mState.Setup.ComPort = 2;
  FrmComSet dialog(mState, PortListMode::Present, [&present] { return present; });
  auto* combo = Child<QComboBox>(dialog, "Combo1");
  present.erase(present.begin() + 1);  // the chosen port is unplugged
  dialog.ReShowComPort();
  ASSERT_EQ(combo->count(), 1);
  EXPECT_EQ(combo->currentIndex(), 0);
  EXPECT_EQ(dialog.DialogState().Working, 33);
  present.push_back({"/dev/ttyACM0", "modem"});
  dialog.ReShowComPort();
  EXPECT_EQ(combo->count(), 2);
  EXPECT_EQ(combo->currentIndex(), 0);  // the working port stays chosen
  present.clear();
  dialog.ReShowComPort();
  EXPECT_EQ(combo->count(), 0);
  EXPECT_EQ(dialog.DialogState().Working, 0);
}

TEST_F(ShellDialogs, PortDialogFixedListIsNeverRefreshed) {
  mState.Setup.ComPort = 300;
  FrmComSet dialog(mState, PortListMode::Fixed, [] { return std::vector<PresentPort>{}; });
  auto* combo = Child<QComboBox>(dialog, "Combo1");
  EXPECT_EQ(combo->count(), 255);
  EXPECT_EQ(combo->currentIndex(), 0);
  dialog.ReShowComPort();
  EXPECT_EQ(combo->count(), 255);
}

TEST_F(ShellDialogs, PasswordDialogKeepsTheCleanedEntryOnOkOnly) {
  {
    FrmPassWord dialog(mState, "ab");
    auto* box = Child<QLineEdit>(dialog, "Text1");
    EXPECT_EQ(box->text(), "ab");
    Retype(box, "12 3456");
    EXPECT_EQ(box->text(), "12 3");  // four characters at most
    Retype(box, "12  ");
    QTest::mouseClick(Child<QPushButton>(dialog, "CommandOK"), Qt::LeftButton);
    EXPECT_TRUE(dialog.Accepted());
    EXPECT_EQ(dialog.Entry(), "12");
  }
  FrmPassWord cancelled(mState, "ab");
  QTest::mouseClick(Child<QPushButton>(cancelled, "CommandCancel"), Qt::LeftButton);
  EXPECT_FALSE(cancelled.Accepted());
}

TEST_F(ShellDialogs, ProgressShowsPercentAndCannotBeClosedByTheUser) {
  FrmProgress dialog("Read data from radio", "Completion percentage:");
  dialog.show();
  EXPECT_EQ(Child<QLabel>(dialog, "Label2")->text(), "0%");
  dialog.SetProgressValue(42);
  EXPECT_EQ(Child<QProgressBar>(dialog, "ProgressBar1")->value(), 42);
  EXPECT_EQ(Child<QLabel>(dialog, "Label2")->text(), "42%");
  QTest::keyClick(&dialog, Qt::Key_Escape);
  dialog.close();
  EXPECT_TRUE(dialog.isVisible());
  dialog.Finish();
  EXPECT_FALSE(dialog.isVisible());
}

TEST_F(ShellDialogs, EmbeddedInfoShowsTheFieldsInTheLanguage) {
  EmbeddedInfo info = StartupEmbeddedInfo(QDate(2026, 3, 9));
  EXPECT_EQ(info.SerialNumber.Display(), "2026030900000001");
  EXPECT_EQ(info.ManufactureCode.Display(), "03-1-E-1");
  info.MaintenanceReason.Assign("new keypad   ");
  FrmEMG english(mState, info);
  EXPECT_EQ(english.windowTitle(), "Embedded Message");
  EXPECT_EQ(Child<QLineEdit>(english, "Text1_0")->text(), "0595");
  EXPECT_EQ(Child<QLineEdit>(english, "Text1_7")->text(), "001A");
  EXPECT_EQ(Child<QPlainTextEdit>(english, "Text1_4")->toPlainText(), "new keypad");
  EXPECT_EQ(Child<QComboBox>(english, "Combo1_0")->currentText(), "NR-6240");
  EXPECT_EQ(Child<QLabel>(english, "Label1_2")->text(), "Producted Date");
  mState.LanguageIndex = kChinese;
  FrmEMG chinese(mState, EmbeddedInfo{});
  EXPECT_EQ(chinese.windowTitle(), QString::fromUtf8("嵌入信息"));
  EXPECT_EQ(Child<QLabel>(chinese, "Label1_11")->text(), QString::fromUtf8("经手人"));
  EXPECT_EQ(Child<QLabel>(chinese, "Label3_4")->text(), "");
}

TEST_F(ShellDialogs, AboutShowsTheProgramQtAndSystemVersions) {
  ScriptedMessages boxes;
  frmAbout about(mState);
  QTest::mouseClick(Child<QPushButton>(about, "CommandSysInfo"), Qt::LeftButton);
  ASSERT_EQ(boxes.Texts().size(), 1u);
  const std::string text = boxes.Texts()[0];
  EXPECT_NE(text.find("V100"), std::string::npos) << text;
  EXPECT_NE(text.find(std::string("Qt: ") + qVersion()), std::string::npos) << text;
  EXPECT_NE(text.find(QSysInfo::kernelVersion().toStdString()), std::string::npos) << text;
}

TEST_F(ShellDialogs, TheProgramAddsNothingToWindowTitles) {
  // Qt appends an application display name of its own to every window title; the
  // program's names leave it to follow the application name, which Qt does not append.
  const QString before = QApplication::applicationName();
  NameProgram();
  EXPECT_EQ(QApplication::applicationName(), "px4800-cps");
  EXPECT_EQ(QApplication::applicationDisplayName(), QApplication::applicationName());
  QApplication::setApplicationName(before);
  // The about box names the product all the same.
  frmAbout about(mState);
  EXPECT_TRUE(about.windowTitle().endsWith(QStringLiteral("NR_6240"))) << about.windowTitle().toStdString();
  EXPECT_EQ(Child<QLabel>(about, "lblTitle")->text(), "NR_6240");
}

// The version the project declares, read from its build file rather than the program.
std::string DeclaredProjectVersion() {
  std::ifstream file(std::string(PX_SOURCE_DIR) + "/CMakeLists.txt");
  std::stringstream text;
  text << file.rdbuf();
  std::smatch match;
  const std::string content = text.str();
  return std::regex_search(content, match, std::regex(R"(project\(px4800-cps VERSION ([0-9.]+))")) ? match[1].str()
                                                                                                  : "";
}

// About used to read "NR_6240 V100 ()": the program had no version, and no window icon.
TEST_F(ShellDialogs, AboutShowsTheProgramsOwnVersionAndItsIcon) {
  const std::string version = DeclaredProjectVersion();
  ASSERT_FALSE(version.empty());
  const QString before = QApplication::applicationName();
  NameProgram();
  EXPECT_EQ(QApplication::applicationVersion().toStdString(), version);
  EXPECT_FALSE(QApplication::windowIcon().isNull());
  for (const int language : {kEnglish, kChinese}) {
    mState.LanguageIndex = static_cast<short>(language);
    frmAbout about(mState);
    const QString shown = Child<QLabel>(about, "lblProgramVersion")->text();
    EXPECT_TRUE(shown.endsWith(QString::fromStdString(version))) << shown.toStdString();
    EXPECT_GT(shown.size(), static_cast<qsizetype>(version.size()) + 1) << "no words before the version";
    ScriptedMessages boxes;
    QTest::mouseClick(Child<QPushButton>(about, "CommandSysInfo"), Qt::LeftButton);
    ASSERT_EQ(boxes.Texts().size(), 1u);
    EXPECT_NE(boxes.Texts()[0].find("V100 (" + version + ")"), std::string::npos) << boxes.Texts()[0];
  }
  QApplication::setApplicationName(before);
}

}  // namespace
}  // namespace px
