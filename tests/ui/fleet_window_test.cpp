// The fleet window driving two virtual radios over real pseudo-terminals: the same
// engine as the command line, with a row per radio.

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

#include <fstream>
#include <sstream>

#include "edit/codeplug_ops.h"
#include "edit/file_commands.h"
#include "link/codec.h"
#include "support/fleet_radios.h"
#include "support/virtual_radio.h"
#include "support/temp_dir.h"
#include "ui/main/frm_fleet.h"
#include "ui/main/radio_commands.h"

namespace px {
namespace {

using test::ReadText;

// A memory with serial number rSerial at 0x0020 and no password.
std::string RadioWithSerial(const test::TempDir& rDir, const std::string& rSerial) {
  const std::string path = rDir.File(rSerial + ".img");
  test::WriteBytes(path, test::ImageWithSerial(rSerial));
  return path;
}

class FleetWindowTest : public ::testing::Test {
 protected:
  FleetWindowTest() {
    mState.ProgramFolder = "/nonexistent-px4800-folder";
    CreateNewCodeplug(mState);
    test::GiveCarriedOwnIds(mState);
    CopyToSaved(mState);
    mRadio.PresentPorts = [] { return std::vector<PresentPort>{}; };
  }

  template <class T>
  T* Child(FrmFleet& rWindow, const char* rName) {
    T* child = rWindow.findChild<T*>(QString::fromLatin1(rName));
    EXPECT_NE(child, nullptr) << rName;
    return child;
  }

  void AddPort(FrmFleet& rWindow, const std::string& rDevice) {
    Child<QLineEdit>(rWindow, "TextPortPath")->setText(QString::fromStdString(rDevice));
    QTest::mouseClick(Child<QPushButton>(rWindow, "CommandAddPort"), Qt::LeftButton);
  }

  AppState Held(const std::string& rImagePath) {
    const auto bytes = test::ReadBytes(rImagePath);
    RadioImage image{};
    std::copy_n(bytes.begin(), std::min(bytes.size(), image.size()), image.begin());
    AppState held;
    DecodeCodeplug(held, image);
    return held;
  }

  test::TempDir mDir;
  AppState mState;
  RadioContext mRadio;
};

TEST_F(FleetWindowTest, TwoRadiosGetTheirOwnIdentitiesAndARecord) {
  test::VirtualRadio a(PX_SIM, {"--image", RadioWithSerial(mDir, "SN-W1"), "--save", mDir.File("a.img")});
  test::VirtualRadio b(PX_SIM, {"--image", RadioWithSerial(mDir, "SN-W2"), "--save", mDir.File("b.img")});
  FrmFleet window(mState, mRadio);
  window.show();
  AddPort(window, a.Device());
  AddPort(window, b.Device());
  ASSERT_EQ(Child<QListWidget>(window, "ListPorts")->count(), 2);

  // Numbered without a start value: refused in the window, nothing sent.
  Child<QRadioButton>(window, "OptionNumberIds")->setChecked(true);
  QTest::mouseClick(Child<QPushButton>(window, "CommandStart"), Qt::LeftButton);
  EXPECT_EQ(window.Engine(), nullptr);
  EXPECT_FALSE(Child<QLabel>(window, "LabelStatus")->text().isEmpty());

  Child<QLineEdit>(window, "TextDtmfStart")->setText("101");
  Child<QLineEdit>(window, "TextFiveToneStart")->setText("24680");
  Child<QCheckBox>(window, "CheckVerify")->setChecked(true);
  Child<QLineEdit>(window, "TextLog")->setText(QString::fromStdString(mDir.File("delivery.csv")));
  QTest::mouseClick(Child<QPushButton>(window, "CommandStart"), Qt::LeftButton);
  ASSERT_NE(window.Engine(), nullptr);
  EXPECT_TRUE(Child<QPushButton>(window, "CommandCancelAll")->isEnabled());
  EXPECT_FALSE(Child<QPushButton>(window, "CommandStart")->isEnabled());
  QTRY_VERIFY_WITH_TIMEOUT(window.Engine()->Finished(), 60000);
  EXPECT_TRUE(window.Engine()->AllSucceeded());

  auto* table = Child<QTableWidget>(window, "GridRadios");
  ASSERT_EQ(table->rowCount(), 2);
  const char* serials[] = {"SN-W1", "SN-W2"};
  const char* dtmf[] = {"101", "102"};
  const char* five[] = {"24680", "24681"};
  for (int row = 0; row < 2; ++row) {
    EXPECT_EQ(table->item(row, 2)->text().toStdString(), serials[row]);
    EXPECT_EQ(table->item(row, 3)->text().toStdString(), dtmf[row]);
    EXPECT_EQ(table->item(row, 4)->text().toStdString(), five[row]);
    EXPECT_TRUE(table->item(row, 5)->text().contains("Verified")) << table->item(row, 5)->text().toStdString();
  }
  EXPECT_FALSE(Child<QPushButton>(window, "CommandCancelAll")->isEnabled());

  EXPECT_EQ(a.Stop(), 0);
  EXPECT_EQ(b.Stop(), 0);
  const std::string images[] = {mDir.File("a.img"), mDir.File("b.img")};
  for (int i = 0; i < 2; ++i) {
    const AppState held = Held(images[i]);
    EXPECT_EQ(held.Current.Settings.Dtmf.SelfId.Display(), dtmf[i]);
    EXPECT_EQ(held.Current.Settings.Dtmf.CodeMemory[0].Digits.Display(), std::string("012E") + dtmf[i]);
    EXPECT_EQ(held.Current.Settings.FiveTone.PageText.Display(), five[i]);
  }
  const std::string log = ReadText(mDir.File("delivery.csv"));
  EXPECT_NE(log.find(",SN-W1,101,24680,verified,"), std::string::npos) << log;
  EXPECT_NE(log.find(",SN-W2,102,24681,verified,"), std::string::npos) << log;
  // The codeplug in the program is the file's, not a radio's.
  EXPECT_EQ(mState.Current.Settings.Dtmf.SelfId.Display(), "345");
}

// A register that is a named pipe is refused at once, naming it; the window never waits
// for a writer that will not come.
TEST_F(FleetWindowTest, ARegisterThatIsAPipeIsRefusedNotWaitedOn) {
  const std::string fifo = mDir.File("radios.csv");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  FrmFleet window(mState, mRadio);
  window.show();
  AddPort(window, mDir.File("no-such-port"));
  Child<QRadioButton>(window, "OptionRegisterIds")->setChecked(true);
  Child<QLineEdit>(window, "TextRegister")->setText(QString::fromStdString(fifo));
  QTest::mouseClick(Child<QPushButton>(window, "CommandStart"), Qt::LeftButton);
  EXPECT_EQ(window.Engine(), nullptr);
  const QString status = Child<QLabel>(window, "LabelStatus")->text();
  EXPECT_TRUE(status.contains("radios.csv is not a regular file")) << status.toStdString();
}

}  // namespace
}  // namespace px
