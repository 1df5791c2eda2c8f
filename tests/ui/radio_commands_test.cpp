// The radio commands from the desktop functions against px4800-sim over a real
// pseudo-terminal: every question answered through the message service.

#include <gtest/gtest.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "app/bands.h"
#include "app/language.h"
#include "edit/codeplug_ops.h"
#include "edit/file_commands.h"
#include "link/codec.h"
#include "link/transfer.h"
#include "support/temp_dir.h"
#include "support/virtual_radio.h"
#include "ui/main/channel_grid.h"
#include "ui/main/frm_com_set.h"
#include "ui/main/frm_main.h"
#include "ui/main/frm_progress.h"
#include "ui/kit/message_service.h"
#include "ui/main/radio_commands.h"

namespace px {
namespace {

using namespace std::chrono_literals;

// A virtual radio; stopped with SIGTERM (which makes it save) when destroyed.
struct Sim : test::VirtualRadio {
  explicit Sim(const std::vector<std::string>& rArgs) : VirtualRadio(PX_SIM, rArgs) {}
};

// Watches for the progress dialog while a transfer runs.
struct ProgressWatch {
  ProgressWatch() {
    QObject::connect(&Timer, &QTimer::timeout, [this] {
      for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* dialog = qobject_cast<FrmProgress*>(w);
        if (!dialog || !dialog->isVisible()) continue;
        Seen = true;
        Modal = Modal || dialog->isModal();
        Caption = dialog->windowTitle().toStdString();
        if (Values.empty() || Values.back() != dialog->Value()) Values.push_back(dialog->Value());
      }
    });
    Timer.start(2);
  }
  QTimer Timer;
  bool Seen = false;
  bool Modal = false;
  std::string Caption;
  std::vector<int> Values;
};

class RadioCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    mState.ProgramFolder = mDir.Path().string();
    CreateNewCodeplug(mState);
    RebuildBandTexts(mState);
    CopyToSaved(mState);
  }

  test::TempDir mDir;
  AppState mState;
  RadioContext mRadio;
};

TEST_F(RadioCommands, ReadReplacesTheCodeplugAndShowsProgress) {
  // A radio whose channel 1 differs from the program's.
  AppState radio;
  radio.ProgramFolder = mState.ProgramFolder;
  CreateNewCodeplug(radio);
  RebuildBandTexts(radio);
  if (radio.Current.ChannelCount < 1) radio.Current.ChannelCount = 1;
  radio.Channels[0].Number = 1;
  radio.Channels[0].RxFreq.Assign("015512500");
  RadioImage image{};
  {
    ScriptedMessages none;
    MessageService service;
    ASSERT_TRUE(EncodeCodeplug(radio, image, service));
  }
  const std::string imagePath = mDir.File("radio.img");
  test::WriteBytes(imagePath, {image.begin(), image.end()});
  Sim sim({"--image", imagePath});
  ASSERT_FALSE(sim.Device().empty());
  mRadio.PortPath = sim.Device();
  mState.FilePath = mDir.File("old.dat");
  mState.Untitled = false;

  ScriptedMessages boxes;
  boxes.Answer(MsgAnswer::Ok);  // the read confirmation
  ProgressWatch watch;
  EXPECT_TRUE(RunReadCommand(mState, mRadio, nullptr));

  const auto texts = boxes.Texts();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0], LinkTextOf(mState, LinkText::ConfirmRead));
  EXPECT_EQ(texts[1], LinkTextOf(mState, LinkText::ReadDone));
  EXPECT_TRUE(watch.Seen);
  EXPECT_TRUE(watch.Modal);
  EXPECT_EQ(watch.Caption, LinkTextOf(mState, LinkText::ProgressReadCaption));
  EXPECT_GE(watch.Values.size(), 3u);  // it advanced while the blocks came in
  EXPECT_TRUE(std::is_sorted(watch.Values.begin(), watch.Values.end()));
  EXPECT_EQ(mState.Channels[0].RxFreq.Display(), "015512500");
  EXPECT_TRUE(mState.Untitled);
  EXPECT_TRUE(mState.FilePath.ends_with("new.dat"));
  EXPECT_FALSE(IsModified(mState));
  EXPECT_FALSE(mRadio.Busy);
}

TEST_F(RadioCommands, ReadShowsTheNewChannelsBeforeItsSuccessMessage) {
  AppState radio;
  radio.ProgramFolder = mState.ProgramFolder;
  CreateNewCodeplug(radio);
  RebuildBandTexts(radio);
  radio.Current.ChannelCount = 1;
  radio.Channels[0] = ChannelRecord{};
  radio.Channels[0].Number = 1;
  radio.Channels[0].InUse = 1;
  radio.Channels[0].RxFreq.Assign("015512500");
  radio.Channels[0].OffsetFreq.Assign("000000000");
  RadioImage image{};
  {
    MessageService service;
    ASSERT_TRUE(EncodeCodeplug(radio, image, service));
  }
  const std::string imagePath = mDir.File("radio.img");
  test::WriteBytes(imagePath, {image.begin(), image.end()});
  Sim sim({"--image", imagePath});
  ASSERT_FALSE(sim.Device().empty());

  mState.Current.ChannelCount = 0;
  CopyToSaved(mState);
  FrmMain window(mState);
  window.Radio().PortPath = sim.Device();
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  ASSERT_EQ(window.Grid()->CellText(1, 1), "");
  std::vector<std::string> texts;
  QString shownWithTheMessage = QStringLiteral("(no message)");
  MessageService::InstallAnswerer([&](const MessageRequest& rRequest) {
    texts.push_back(rRequest.Text);
    if (rRequest.Text == LinkTextOf(mState, LinkText::ReadDone))
      shownWithTheMessage = window.Grid()->CellText(1, 1);
    return MessageReply{MsgAnswer::Ok, std::nullopt};
  });
  window.Menus().Read->trigger();
  MessageService::InstallAnswerer({});
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[1], LinkTextOf(mState, LinkText::ReadDone));
  EXPECT_EQ(shownWithTheMessage, "155.12500");
  EXPECT_EQ(window.Grid()->CellText(1, 1), "155.12500");
}

TEST_F(RadioCommands, WriteSendsTheCodeplugToTheRadio) {
  if (mState.Current.ChannelCount < 1) mState.Current.ChannelCount = 1;
  mState.Channels[0].Number = 1;
  mState.Channels[0].RxFreq.Assign("016000000");
  const std::string saved = mDir.File("after.img");
  Sim sim({"--save", saved});
  ASSERT_FALSE(sim.Device().empty());
  mRadio.PortPath = sim.Device();

  ScriptedMessages boxes;
  boxes.Answer(MsgAnswer::Ok);  // the write confirmation
  ProgressWatch watch;
  RunWriteCommand(mState, mRadio, nullptr);
  const auto texts = boxes.Texts();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0], LinkTextOf(mState, LinkText::ConfirmWrite));
  EXPECT_EQ(texts[1], LinkTextOf(mState, LinkText::WriteDone));
  EXPECT_TRUE(watch.Seen);
  EXPECT_EQ(watch.Caption, LinkTextOf(mState, LinkText::ProgressWriteCaption));
  EXPECT_GE(watch.Values.size(), 3u);

  sim.Stop();
  const auto bytes = test::ReadBytes(saved);
  ASSERT_EQ(bytes.size(), kImageSize);
  RadioImage image{};
  std::copy(bytes.begin(), bytes.end(), image.begin());
  AppState back;
  back.ProgramFolder = mState.ProgramFolder;
  DecodeCodeplug(back, image);
  EXPECT_EQ(back.Channels[0].RxFreq.Display(), "016000000");
}

TEST_F(RadioCommands, FailedReadLeavesTheCodeplugAsItWas) {
  Sim sim({"--radio-version", "V101"});
  ASSERT_FALSE(sim.Device().empty());
  mRadio.PortPath = sim.Device();
  mState.Current.MaxRxFreq = 170;  // a change not yet saved
  const auto before = mState.Current;
  const auto channels = mState.Channels;

  ScriptedMessages boxes;
  boxes.Answer(MsgAnswer::No);  // don't save first
  boxes.Answer(MsgAnswer::Ok);  // the read confirmation
  EXPECT_FALSE(RunReadCommand(mState, mRadio, nullptr));
  const auto texts = boxes.Texts();
  ASSERT_EQ(texts.size(), 4u);
  EXPECT_EQ(texts[0], LinkTextOf(mState, LinkText::SaveModified));
  EXPECT_EQ(texts[2], LinkTextOf(mState, LinkText::WrongVersion));
  EXPECT_EQ(texts[3], LinkTextOf(mState, LinkText::ReadFailed));
  EXPECT_TRUE(mState.Current == before);
  EXPECT_TRUE(mState.Channels == channels);
  EXPECT_TRUE(IsModified(mState));
}

TEST_F(RadioCommands, MissingPortIsReportedAndNothingStarts) {
  mRadio.PortPath = mDir.File("no-such-device");
  ScriptedMessages boxes;
  EXPECT_FALSE(RunReadCommand(mState, mRadio, nullptr));
  const auto texts = boxes.Texts();
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_TRUE(texts[0].starts_with(LinkTextOf(mState, LinkText::PortOpenFailed)));
  EXPECT_FALSE(mRadio.Busy);
}

TEST_F(RadioCommands, AMissingPortIsExplainedInChineseToo) {
  SetLanguage(mState, kChinese);
  mRadio.PortPath = mDir.File("no-such-device");
  ScriptedMessages boxes;
  EXPECT_FALSE(RunReadCommand(mState, mRadio, nullptr));
  const auto texts = boxes.Texts();
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_NE(texts[0].find(mDir.File("no-such-device") + "：没有这个设备。写频线插好了吗？"), std::string::npos) << texts[0];
  EXPECT_EQ(texts[0].find("no such device"), std::string::npos) << texts[0];
}

TEST_F(RadioCommands, PasswordGivenBeforehandIsUsedAndKept) {
  Sim sim({"--password", "ab"});
  ASSERT_FALSE(sim.Device().empty());
  mRadio.PortPath = sim.Device();
  mRadio.EnteredPassword = "ab";
  ScriptedMessages boxes;
  boxes.Answer(MsgAnswer::Ok);
  EXPECT_TRUE(RunReadCommand(mState, mRadio, nullptr));
  ASSERT_EQ(boxes.Texts().size(), 2u);
  EXPECT_EQ(boxes.Texts()[1], LinkTextOf(mState, LinkText::ReadDone));
  EXPECT_EQ(mRadio.EnteredPassword, "ab");
}

// A pseudo-terminal typed into the port dialog is kept in the settings and used by the
// next read in place of the COM number.
TEST_F(RadioCommands, ReadGoesThroughTheDevicePathTypedInThePortDialog) {
  std::filesystem::create_directories(mDir.Path() / "language");
  RadioImage image{};
  {
    ScriptedMessages none;
    MessageService service;
    ASSERT_TRUE(EncodeCodeplug(mState, image, service));
  }
  const std::string imagePath = mDir.File("radio.img");
  test::WriteBytes(imagePath, {image.begin(), image.end()});
  Sim sim({"--image", imagePath});
  ASSERT_FALSE(sim.Device().empty());
  mState.Setup.ComPort = 1;
  {
    FrmComSet dialog(mState, PortListMode::Present, [] { return std::vector<PresentPort>{}; });
    auto* path = dialog.findChild<QLineEdit*>("Text1");
    ASSERT_NE(path, nullptr);
    QTest::keyClicks(path, QString::fromStdString(sim.Device()));
    QTest::mouseClick(dialog.findChild<QPushButton*>("CommandOK"), Qt::LeftButton);
  }
  EXPECT_EQ(TransferDevice(mState, mRadio), sim.Device());
  ScriptedMessages boxes;
  boxes.Answer(MsgAnswer::Ok);  // the read confirmation
  EXPECT_TRUE(RunReadCommand(mState, mRadio, nullptr));
  const auto texts = boxes.Texts();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[1], LinkTextOf(mState, LinkText::ReadDone));
}

TEST_F(RadioCommands, PortOverrideAndStoredPortNameTheDevice) {
  mState.Setup.ComPort = 34;
  EXPECT_EQ(TransferDevice(mState, mRadio), "/dev/ttyUSB1");
  mRadio.PortPath = "COM1";
  EXPECT_EQ(TransferDevice(mState, mRadio), "/dev/ttyS0");
  mRadio.PortPath = "/dev/pts/9";
  EXPECT_EQ(TransferDevice(mState, mRadio), "/dev/pts/9");
  mRadio.PortPath.clear();
  mState.Setup.PortPath = "/dev/pts/4";  // a typed path before the COM number
  EXPECT_EQ(TransferDevice(mState, mRadio), "/dev/pts/4");
  mRadio.PortPath = "COM1";  // the one-off override before both
  EXPECT_EQ(TransferDevice(mState, mRadio), "/dev/ttyS0");
  mRadio.PortPath.clear();
  mState.Setup.PortPath.clear();
  mState.Setup.ComPort = 0;
  EXPECT_EQ(TransferDevice(mState, mRadio), "");
}

TEST_F(RadioCommands, CancelOfAReadClosesTheRadioAndLeavesTheCodeplug) {
  Sim sim({"--baud", "9600"});
  ASSERT_FALSE(sim.Device().empty());
  mRadio.PortPath = sim.Device();
  mState.Current.MaxRxFreq = 170;  // a change not yet saved
  const auto before = mState.Current;
  const auto channels = mState.Channels;

  ScriptedMessages boxes;
  boxes.Answer(MsgAnswer::No);  // don't save first
  boxes.Answer(MsgAnswer::Ok);  // the read confirmation
  bool pressed = false;
  QTimer press;
  QObject::connect(&press, &QTimer::timeout, [&] {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      auto* dialog = qobject_cast<FrmProgress*>(w);
      if (!dialog || !dialog->isVisible() || dialog->Value() < 1 || pressed) continue;
      auto* cancel = dialog->findChild<QPushButton*>("CommandCancel");
      ASSERT_NE(cancel, nullptr);
      EXPECT_EQ(cancel->text(), "Cancel");
      pressed = true;
      cancel->click();
      EXPECT_FALSE(cancel->isEnabled());
    }
  });
  press.start(5);
  EXPECT_FALSE(RunReadCommand(mState, mRadio, nullptr));
  EXPECT_TRUE(pressed);
  const auto texts = boxes.Texts();
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[2], LinkTextOf(mState, LinkText::ReadCancelled));
  EXPECT_TRUE(mState.Current == before);
  EXPECT_TRUE(mState.Channels == channels);
  EXPECT_FALSE(mRadio.Busy);
}

}  // namespace
}  // namespace px

namespace px {
namespace {

// With verify on, a write is read back; the user hears one verdict at the end, and a
// radio that stored something else is told as a failed write.
TEST_F(RadioCommands, VerifyAfterWriteReadsBackAndReportsADifferenceAsFailure) {
  mRadio.VerifyAfterWrite = true;
  for (const bool faulty : {false, true}) {
    Sim sim(faulty ? std::vector<std::string>{"--store-faults", "0.05", "--seed", "5"} : std::vector<std::string>{});
    ASSERT_FALSE(sim.Device().empty());
    mRadio.PortPath = sim.Device();
    ScriptedMessages boxes;
    boxes.Answer(MsgAnswer::Ok);  // the write confirmation
    RunWriteCommand(mState, mRadio, nullptr);
    const auto texts = boxes.Texts();
    ASSERT_EQ(texts.size(), 2u) << ::testing::PrintToString(texts);
    EXPECT_EQ(texts[0], LinkTextOf(mState, LinkText::ConfirmWrite));
    if (faulty) {
      EXPECT_TRUE(texts[1].starts_with(LinkTextOf(mState, LinkText::WriteFailed))) << texts[1];
      EXPECT_NE(texts[1].find("Verify failed"), std::string::npos) << texts[1];
      EXPECT_EQ(boxes.Requests[1].Icon, MsgIcon::Critical);
    } else {
      EXPECT_TRUE(texts[1].starts_with(LinkTextOf(mState, LinkText::WriteDone))) << texts[1];
      EXPECT_NE(texts[1].find("Verified"), std::string::npos) << texts[1];
    }
  }
}

}  // namespace
}  // namespace px
