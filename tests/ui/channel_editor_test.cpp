// The channel editor on the real dialog, offscreen: loading, enabling, the reactions of
// the lists, the key filters, Enter, OK and Cancel, through the dialog and through a file.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>

#include "app/bands.h"
#include "app/language.h"
#include "edit/codeplug_ops.h"
#include "edit/file_commands.h"
#include "support/dialog_driver.h"
#include "support/scripted_ui.h"
#include "support/started_program.h"
#include "support/temp_dir.h"
#include "ui/main/channel_grid.h"
#include "ui/main/frm_ch_edit.h"
#include "ui/main/frm_main.h"
#include "ui/kit/message_service.h"

namespace px {
namespace {

namespace fs = std::filesystem;

class ChannelEditorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    mState.Features.DtmfEnabled = mState.Features.TwoToneEnabled = mState.Features.FiveToneEnabled = true;
  }
  void TearDown() override {
    mDialog.reset();
    for (const auto& text : mMessages.Texts()) ADD_FAILURE() << "unexpected message: " << text;
  }

  FrmCHEdit& Open(int rRow) {
    mDialog = std::make_unique<FrmCHEdit>(mState, rRow);
    mDialog->show();
    mDialog->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(mDialog.get()));
    return *mDialog;
  }
  test::DialogDriver Driver() const { return test::DialogDriver(mDialog.get()); }
  template <typename T>
  T* Find(const char* rName) {
    return Driver().Find<T>(rName);
  }
  QLineEdit* Text(const char* rName) { return Driver().Text(rName); }
  QComboBox* List(const char* rName) { return Driver().List(rName); }
  QCheckBox* Check(const char* rName) { return Driver().Check(rName); }
  void Ok() { Driver().Ok(); }
  void Type(const char* rName, const QString& rText) { Driver().Type(rName, rText); }
  // Chooses an entry with the keyboard, so the list reacts as to a user.
  void Pick(const char* rName, int rIndex) {
    Driver().Pick(rName, rIndex);
    ASSERT_EQ(List(rName)->currentIndex(), rIndex) << rName;
  }
  QStringList Entries(const char* rName) { return Driver().Entries(rName); }
  const ChannelRecord* Record(int rRow) {
    const int slot = FindChannelSlot(mState.Current, mState.Channels, rRow);
    return slot < 0 ? nullptr : &mState.Channels[static_cast<std::size_t>(slot)];
  }
  void UseCodes(std::initializer_list<int> rTwoTone, std::initializer_list<int> rFiveTone) {
    for (auto& entry : mState.Current.Settings.TwoTone.Entries) entry.Empty = 1;
    for (auto& code : mState.Current.Settings.FiveTone.Codes) code.Empty = 1;
    for (int i : rTwoTone) mState.Current.Settings.TwoTone.Entries[static_cast<std::size_t>(i)].Empty = 0;
    for (int i : rFiveTone) mState.Current.Settings.FiveTone.Codes[static_cast<std::size_t>(i)].Empty = 0;
  }

  AppState mState;
  test::StartedProgram mProgram{mState};
  const test::TempDir& mDir = mProgram.Dir();
  ScriptedMessages mMessages;  // no box is ever shown; each test says what it expects
  std::unique_ptr<FrmCHEdit> mDialog;
};

TEST_F(ChannelEditorTest, EmptyRowEnablesItsInputsOnlyWhileTheReceiveBoxHoldsText) {
  Open(7);
  EXPECT_EQ(mDialog->windowTitle(), "Channel Edit");
  EXPECT_TRUE(Text("RxFreq")->isEnabled());
  for (const char* name : {"TxFreq", "Name0", "Name6", "PttIdCode"}) EXPECT_FALSE(Text(name)->isEnabled()) << name;
  for (const char* name : {"Step", "Squelch", "Signalling", "BusyLock"}) EXPECT_FALSE(List(name)->isEnabled()) << name;
  EXPECT_FALSE(Check("PttIdDecode")->isEnabled());
  EXPECT_TRUE(Find<QPushButton>("CommandOK")->isEnabled());
  EXPECT_EQ(List("Step")->currentText(), "12.5K");
  EXPECT_EQ(Text("PttIdCode")->text(), "00000");

  Type("RxFreq", "1");
  EXPECT_TRUE(Text("TxFreq")->isEnabled());
  EXPECT_TRUE(List("Squelch")->isEnabled());
  EXPECT_TRUE(Text("PttIdCode")->isEnabled());
  EXPECT_TRUE(Check("PttIdDecode")->isEnabled());
  QTest::keyClick(Text("RxFreq"), Qt::Key_Backspace);
  EXPECT_FALSE(Text("TxFreq")->isEnabled());
}

TEST_F(ChannelEditorTest, PaPbAndVfoRowsKeepThePttIdInputsDisabled) {
  for (const int row : {201, 202, 203}) {
    Open(row);
    Type("RxFreq", "146");
    EXPECT_TRUE(Text("TxFreq")->isEnabled()) << row;
    EXPECT_FALSE(Text("PttIdCode")->isEnabled()) << row;
    EXPECT_FALSE(Check("PttIdDecode")->isEnabled()) << row;
  }

  // PA: a new channel on its own row.
  Open(201);
  Type("RxFreq", "146.5");
  Type("TxFreq", "146.5");
  Ok();
  EXPECT_FALSE(mDialog->isVisible());
  ASSERT_NE(Record(201), nullptr);
  EXPECT_EQ(Record(201)->RxFreq.Raw(), "014650000");

  // PB: an existing channel is removed by clearing its receive frequency.
  Open(202);
  Type("RxFreq", "147");
  Type("TxFreq", "147");
  Ok();
  ASSERT_NE(Record(202), nullptr);
  Open(202);
  EXPECT_EQ(Text("RxFreq")->text(), "147.00000");
  Text("RxFreq")->clear();
  Ok();
  EXPECT_EQ(Record(202), nullptr);

  // VFO: cannot be cleared; the dialog stays, with the focus on the receive box.
  const std::string vfo(Record(203)->RxFreq.Raw());
  Open(203);
  Text("TxFreq")->setFocus();
  Text("RxFreq")->clear();
  Ok();
  EXPECT_EQ(mMessages.Texts(), (std::vector<std::string>{"VFO can't be null!"}));
  mMessages.Requests.clear();
  EXPECT_TRUE(mDialog->isVisible());
  EXPECT_EQ(QApplication::focusWidget(), Text("RxFreq"));
  EXPECT_EQ(Record(203)->RxFreq.Raw(), vfo);
  EXPECT_FALSE(mDialog->Changed());
}

TEST_F(ChannelEditorTest, EveryInputRoundTripsThroughTheDialogAndAFile) {
  UseCodes({2, 7}, {0, 40});
  Open(20);
  Type("RxFreq", "146.025");
  Type("TxFreq", "146.625");
  const char* letters[] = {"R", "E", "P", "-", "2", "0", "X"};
  for (int k = 0; k < kNameBoxes; ++k) {
    const std::string name = "Name" + std::to_string(k);
    Type(name.c_str(), letters[k]);
  }
  Pick("Step", 7);
  Pick("Bandwidth", 2);
  Pick("TxPower", 1);
  Pick("ToneTypeB", 2);
  Pick("DcsB", 300);
  Check("DcsInvertB")->setChecked(true);
  Pick("ToneTypeA", 1);
  Pick("CtcssA", 12);
  Pick("Signalling", 3);  // 5Tone
  Pick("FiveToneCode", 1);
  Pick("Squelch", 4);
  Pick("FiveTonePttId", 3);
  Type("PttIdCode", "4321");
  Pick("Scrambler", 1);
  Pick("BusyLock", 2);
  for (const char* name : {"TxInhibit", "Talkaround", "Compander", "ScanSkip", "PttIdDecode"})
    Check(name)->setChecked(true);
  Ok();
  ASSERT_FALSE(mDialog->isVisible());
  ASSERT_TRUE(mDialog->Changed());
  const ChannelRecord stored = *Record(20);
  EXPECT_EQ(stored.Name.Raw(), "REP-20X");
  EXPECT_EQ(stored.OffsetDirection, 2);
  EXPECT_EQ(stored.SignallingType, 3);
  EXPECT_EQ(stored.FiveToneEntryNumber, 40);
  EXPECT_EQ(stored.SquelchModeIndex, 4);
  EXPECT_EQ(stored.PttIdCode.Raw(), "43210");
  EXPECT_EQ(stored.DcsIndexB, 300);

  const auto check = [this](const char* rWhen) {
    SCOPED_TRACE(rWhen);
    Open(20);
    EXPECT_EQ(Text("RxFreq")->text(), "146.02500");
    EXPECT_EQ(Text("TxFreq")->text(), "146.62500");
    EXPECT_EQ(Text("Name3")->text(), "-");
    EXPECT_EQ(List("Step")->currentIndex(), 7);
    EXPECT_EQ(List("Bandwidth")->currentIndex(), 2);
    EXPECT_EQ(List("TxPower")->currentIndex(), 1);
    EXPECT_EQ(List("DcsB")->currentText(), "454");
    EXPECT_TRUE(List("DcsB")->isVisibleTo(mDialog.get()));
    EXPECT_FALSE(List("CtcssB")->isVisibleTo(mDialog.get()));
    EXPECT_TRUE(Check("DcsInvertB")->isChecked());
    EXPECT_EQ(List("CtcssA")->currentIndex(), 12);
    EXPECT_EQ(List("Signalling")->currentText(), "5Tone");
    EXPECT_EQ(List("FiveToneCode")->currentText(), "40");
    EXPECT_TRUE(List("FiveToneCode")->isVisibleTo(mDialog.get()));
    EXPECT_FALSE(List("DtmfCode")->isVisibleTo(mDialog.get()));
    EXPECT_EQ(List("Squelch")->currentText(), "CTCSS/DCS or Signalling");
    EXPECT_EQ(List("FiveTonePttId")->currentIndex(), 3);
    EXPECT_EQ(Text("PttIdCode")->text(), "43210");
    EXPECT_EQ(List("Scrambler")->currentIndex(), 1);
    EXPECT_EQ(List("BusyLock")->currentText(), "Busy");
    EXPECT_TRUE(Check("Talkaround")->isChecked());
    EXPECT_FALSE(Check("Reverse")->isChecked());
    EXPECT_TRUE(Check("PttIdDecode")->isChecked());
  };
  check("reopened");
  // OK without a change gives the same record back.
  Ok();
  EXPECT_EQ(std::memcmp(Record(20), &stored, sizeof stored), 0);

  test::ScriptedUi ui;
  const std::string path = mDir.File("fleet.dat");
  ASSERT_TRUE(WriteCodeplug(mState, ui, path));
  CreateNewCodeplug(mState);
  ASSERT_EQ(Record(20), nullptr);
  UseCodes({}, {});
  ASSERT_TRUE(OpenCodeplugFile(mState, ui, path));
  check("from the file");
}

TEST_F(ChannelEditorTest, ToneTypeShowsItsListAtTheFirstEntry) {
  Open(3);
  Type("RxFreq", "145.5");
  EXPECT_FALSE(List("CtcssB")->isVisibleTo(mDialog.get()));
  EXPECT_FALSE(List("DcsB")->isVisibleTo(mDialog.get()));
  List("CtcssB")->setCurrentIndex(9);
  Pick("ToneTypeB", 1);
  EXPECT_TRUE(List("CtcssB")->isVisibleTo(mDialog.get()));
  EXPECT_EQ(List("CtcssB")->currentText(), "62.5");
  EXPECT_FALSE(Check("DcsInvertB")->isVisibleTo(mDialog.get()));
  Check("DcsInvertB")->setChecked(true);
  Pick("ToneTypeB", 2);
  EXPECT_FALSE(List("CtcssB")->isVisibleTo(mDialog.get()));
  EXPECT_EQ(List("DcsB")->currentText(), "000");
  EXPECT_TRUE(Check("DcsInvertB")->isVisibleTo(mDialog.get()));
  EXPECT_TRUE(Check("DcsInvertB")->isEnabled());
  EXPECT_FALSE(Check("DcsInvertB")->isChecked());
  Pick("ToneTypeB", 0);
  EXPECT_FALSE(List("DcsB")->isVisibleTo(mDialog.get()));
  EXPECT_EQ(List("Squelch")->count(), 1);

  // The encode set reacts the same way, on its own.
  Pick("ToneTypeA", 2);
  EXPECT_TRUE(List("DcsA")->isVisibleTo(mDialog.get()));
  EXPECT_FALSE(List("DcsB")->isVisibleTo(mDialog.get()));
}

TEST_F(ChannelEditorTest, SignallingListsFollowTheFeatures) {
  mState.Features.DtmfEnabled = mState.Features.TwoToneEnabled = mState.Features.FiveToneEnabled = false;
  Open(4);
  EXPECT_EQ(Entries("Signalling"), QStringList{"OFF"});
  EXPECT_FALSE(List("DtmfPttId")->isVisibleTo(mDialog.get()));
  EXPECT_FALSE(List("FiveTonePttId")->isVisibleTo(mDialog.get()));

  mState.Features.TwoToneEnabled = true;
  Open(4);
  EXPECT_EQ(Entries("Signalling"), (QStringList{"OFF", "2Tone"}));
  EXPECT_FALSE(List("DtmfPttId")->isVisibleTo(mDialog.get()));

  mState.Features.DtmfEnabled = mState.Features.FiveToneEnabled = true;
  UseCodes({5, 6}, {});
  Open(4);
  EXPECT_EQ(Entries("Signalling"), (QStringList{"OFF", "DTMF", "2Tone", "5Tone"}));
  EXPECT_TRUE(List("DtmfPttId")->isVisibleTo(mDialog.get()));
  EXPECT_TRUE(List("FiveTonePttId")->isVisibleTo(mDialog.get()));
  EXPECT_EQ(Entries("DtmfCode").size(), 16);
  EXPECT_EQ(Entries("DtmfCode").last(), "M16");
  EXPECT_EQ(Entries("TwoToneCode"), (QStringList{"5", "6"}));
  Type("RxFreq", "145.5");
  Type("TxFreq", "145.5");
  Pick("Signalling", 2);
  EXPECT_TRUE(List("TwoToneCode")->isVisibleTo(mDialog.get()));
  EXPECT_EQ(List("TwoToneCode")->currentText(), "5");
  EXPECT_FALSE(List("DtmfCode")->isVisibleTo(mDialog.get()));
  Pick("Signalling", 3);  // no 5-Tone code in use: a list without entry
  EXPECT_TRUE(List("FiveToneCode")->isVisibleTo(mDialog.get()));
  EXPECT_EQ(List("FiveToneCode")->currentIndex(), -1);
  EXPECT_FALSE(List("TwoToneCode")->isVisibleTo(mDialog.get()));
  Ok();
  EXPECT_EQ(Record(4)->SignallingType, 3);
  EXPECT_EQ(Record(4)->FiveToneEntryNumber, 0);
  EXPECT_EQ(Record(4)->TwoToneEntryNumber, 5);  // every code list is stored, shown or not

  // The two PTT ID lists exclude each other.
  Open(4);
  Pick("DtmfPttId", 2);
  Pick("FiveTonePttId", 1);
  EXPECT_EQ(List("DtmfPttId")->currentIndex(), 0);
  Pick("DtmfPttId", 3);
  EXPECT_EQ(List("FiveTonePttId")->currentIndex(), 0);
}

TEST_F(ChannelEditorTest, SquelchListFollowsTonesSignallingAndReverse) {
  Open(5);
  Type("RxFreq", "145.5");
  Type("TxFreq", "145.5");
  EXPECT_EQ(Entries("Squelch"), QStringList{"Carrier"});
  Pick("Signalling", 1);  // DTMF, decode tone none
  EXPECT_EQ(Entries("Squelch"), (QStringList{"Carrier", "Signalling"}));
  Pick("Squelch", 1);
  Pick("ToneTypeB", 1);
  EXPECT_EQ(Entries("Squelch").size(), 5);
  EXPECT_EQ(List("Squelch")->currentText(), "Signalling");  // kept through the rebuild
  Pick("ToneTypeB", 0);
  Pick("Signalling", 0);
  EXPECT_EQ(Entries("Squelch"), QStringList{"Carrier"});

  // Reverse clears Talkaround and hands the squelch to the encode tone.
  Pick("ToneTypeA", 1);
  Check("Talkaround")->setChecked(true);
  Check("Reverse")->setChecked(true);
  EXPECT_FALSE(Check("Talkaround")->isChecked());
  EXPECT_EQ(Entries("Squelch"), (QStringList{"Carrier", "CTCSS/DCS"}));
  Check("Talkaround")->setChecked(true);
  EXPECT_FALSE(Check("Reverse")->isChecked());
  EXPECT_EQ(Entries("Squelch"), QStringList{"Carrier"});

  Pick("Signalling", 1);
  Pick("Squelch", 1);
  Ok();
  EXPECT_EQ(Record(5)->SquelchModeIndex, 2);
}

TEST_F(ChannelEditorTest, TextBoxesFilterTheirKeys) {
  Open(6);
  QLineEdit* rx = Text("RxFreq");
  rx->setFocus();
  QTest::keyClicks(rx, "1a4-5.x5 ~");
  EXPECT_EQ(rx->text(), "145.5");
  QTest::keyClicks(rx, "123456789");
  EXPECT_EQ(rx->text().size(), 9);
  QTest::sendKeyEvent(QTest::Click, rx, Qt::Key_unknown, QString::fromUtf8("\xe9"), Qt::NoModifier);
  EXPECT_EQ(rx->text().size(), 9);

  // No clipboard in any box, no context menu either.
  QApplication::clipboard()->setText("999");
  for (const char* name : {"RxFreq", "TxFreq", "Name0", "PttIdCode"}) {
    QLineEdit* edit = Text(name);
    const QString before = edit->text();
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit->text(), before) << name;
    EXPECT_EQ(edit->contextMenuPolicy(), Qt::NoContextMenu) << name;
  }

  // Entering a box selects its text, so typing replaces it.
  Text("PttIdCode")->setFocus();
  QApplication::processEvents();
  EXPECT_EQ(Text("PttIdCode")->selectedText(), "00000");

  Type("PttIdCode", "12a3456");
  EXPECT_EQ(Text("PttIdCode")->text(), "12345");
  Type("TxFreq", "x1y");
  EXPECT_EQ(Text("TxFreq")->text(), "x1y");
  QTest::sendKeyEvent(QTest::Click, Text("TxFreq"), Qt::Key_unknown, QString::fromUtf8("\xe4\xb8\xad"), Qt::NoModifier);
  EXPECT_EQ(Text("TxFreq")->text(), "x1y");

  // A name box takes one character, refuses "\" and "~", then hands on to the next box.
  QLineEdit* first = Text("Name0");
  first->setFocus();
  QTest::keyClicks(first, "\\~");
  EXPECT_EQ(first->text(), "");
  EXPECT_EQ(QApplication::focusWidget(), first);
  QTest::keyClick(first, Qt::Key_A);
  EXPECT_EQ(first->text(), "a");
  EXPECT_EQ(QApplication::focusWidget(), Text("Name1"));
  QTest::keyClick(QApplication::focusWidget(), 'B');
  QTest::keyClick(QApplication::focusWidget(), 'C');
  EXPECT_EQ(Text("Name1")->text(), "B");
  EXPECT_EQ(Text("Name2")->text(), "C");
  EXPECT_EQ(QApplication::focusWidget(), Text("Name3"));
}

TEST_F(ChannelEditorTest, EnterWalksThroughTheInputsInOrder) {
  mState.Features.TwoToneEnabled = false;
  Open(8);
  Type("RxFreq", "145.5");
  QStringList walked;
  for (int i = 0; i < 40 && walked.size() < 33; ++i) {
    walked << QApplication::focusWidget()->objectName();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  }
  const QStringList expected{"RxFreq", "TxFreq", "Name0", "Name1", "Name2", "Name3", "Name4", "Name5",
                             "Name6", "Step", "Bandwidth", "TxPower", "ToneTypeB", "ToneTypeA",
                             "Signalling", "Squelch", "DtmfPttId", "FiveTonePttId", "PttIdCode",
                             "Scrambler", "BusyLock", "TxInhibit", "Reverse", "Talkaround", "Compander",
                             "ScanSkip", "PttIdDecode", "CommandOK", "CommandCancel", "RxFreq"};
  walked = walked.mid(0, expected.size());
  EXPECT_EQ(walked, expected);
  EXPECT_TRUE(mDialog->isVisible());  // Enter on OK and Cancel only moved on
  EXPECT_EQ(Record(8), nullptr);
}

TEST_F(ChannelEditorTest, FrequencyOutsideTheBandWarnsOnceAndIsClamped) {
  Open(9);
  Type("RxFreq", "400");
  Type("TxFreq", "145.5");
  Ok();
  ASSERT_EQ(mMessages.Requests.size(), 1u);
  EXPECT_EQ(mMessages.Requests[0].Text, LangText(mState, 2001));
  EXPECT_EQ(mMessages.Requests[0].Icon, MsgIcon::Warning);
  mMessages.Requests.clear();
  EXPECT_EQ(Record(9)->RxFreq.Raw(), "017400000");
  EXPECT_EQ(Record(9)->OffsetDirection, 1);

  // An empty transmit box is no number either: the band's lowest, with the warning.
  Open(11);
  Type("RxFreq", "145.5");
  Ok();
  EXPECT_EQ(mMessages.Texts(), std::vector<std::string>{LangText(mState, 2001)});
  mMessages.Requests.clear();
  Open(11);
  EXPECT_EQ(Text("TxFreq")->text(), "136.00000");
}

TEST_F(ChannelEditorTest, CancelAndClosingChangeNothing) {
  const ChannelTable before = mState.Channels;
  const int count = mState.Current.ChannelCount;
  Open(10);
  Type("RxFreq", "145.5");
  QTest::mouseClick(Find<QPushButton>("CommandCancel"), Qt::LeftButton);
  EXPECT_FALSE(mDialog->isVisible());
  Open(203);
  Type("RxFreq", "150");
  mDialog->close();
  EXPECT_EQ(mState.Current.ChannelCount, count);
  EXPECT_EQ(std::memcmp(&before, &mState.Channels, sizeof before), 0);
}

TEST_F(ChannelEditorTest, MainWindowOpensTheEditorAndRedrawsTheRow) {
  FrmMain window(mState);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  bool seen = false;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<FrmCHEdit*>(QApplication::activeModalWidget());
    if (dialog == nullptr) return;
    seen = true;
    auto* rx = dialog->findChild<QLineEdit*>("RxFreq");
    rx->setText("150.125");
    dialog->findChild<QLineEdit*>("TxFreq")->setText("150.125");
    dialog->findChild<QLineEdit*>("Name0")->setText("Q");
    dialog->findChild<QPushButton*>("CommandOK")->click();
  });
  window.Grid()->SetCurrentCell(12, 3);
  QTest::keyClick(window.Grid(), Qt::Key_Return);
  EXPECT_TRUE(seen);
  EXPECT_EQ(window.Grid()->CellText(12, 1), "150.12500");
  EXPECT_EQ(window.Grid()->CellText(12, 3), "Q");

  // Shots of the dialog for a look, when asked for.
  if (const char* dir = std::getenv("PX_SHOT_DIR")) {
    mState.Features.DtmfEnabled = mState.Features.FiveToneEnabled = true;
    const int slot = FindChannelSlot(mState.Current, mState.Channels, 12);
    ChannelRecord& shown = mState.Channels[static_cast<std::size_t>(slot)];
    shown.ToneTypeB = 2;
    shown.DcsIndexB = 19;
    shown.ToneTypeA = 1;
    shown.SignallingType = 1;
    for (const Int16 language : {kEnglish, kChinese}) {
      mState.LanguageIndex = language;
      Open(12);
      const char* name = language == kEnglish ? "/channel_editor_en.png" : "/channel_editor_zh.png";
      mDialog->grab().save(QString::fromUtf8(dir) + name);
    }
    mState.LanguageIndex = kEnglish;
  }
}

}  // namespace
}  // namespace px
