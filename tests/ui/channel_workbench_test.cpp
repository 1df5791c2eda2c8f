// The main window's additions on real widgets, offscreen: undo and redo over every kind
// of change with the modified state, several rows at once, the channel list on the
// system clipboard, the import preview and the compare window.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <cstdlib>
#include <fstream>
#include <memory>

#include "edit/channel_clipboard.h"
#include "edit/codeplug_ops.h"
#include "edit/file_commands.h"
#include "support/main_window_test.h"
#include "support/scripted_ui.h"
#include "ui/kit/message_service.h"
#include "ui/main/channel_grid.h"
#include "ui/main/channel_workbench.h"
#include "ui/main/frm_ch_edit.h"
#include "ui/main/frm_compare.h"
#include "ui/main/frm_import_preview.h"
#include "ui/main/frm_main.h"

namespace px {
namespace {

class WorkbenchTest : public test::MainWindowTest {
 protected:
  ChannelWorkbench& Bench() { return *mWindow->Workbench(); }
  int Count() const { return mState.Current.ChannelCount; }
  QAction& UndoAction() { return *Bench().Undo().UndoAction(); }
  QAction& RedoAction() { return *Bench().Undo().RedoAction(); }

  static ChannelRecord Channel(int rNumber, const char* rName, const char* rRx = "014550000") {
    ChannelRecord ch;
    ch.Number = static_cast<Int16>(rNumber);
    ch.InUse = 1;
    ch.RxFreq.Assign(rRx);
    ch.OffsetFreq.Assign("000000000");
    ch.Name.Assign(rName);
    ch.StepIndex = 5;
    return ch;
  }
  // The channels as saved, shown on the grid. As this program saves them: with the
  // channel references repaired (every Ctrl key repairs them again, outside undo).
  void ShowSaved(const std::vector<ChannelRecord>& rChannels) {
    mState.Current.ChannelCount = static_cast<Int16>(rChannels.size());
    for (std::size_t i = 0; i < rChannels.size(); ++i) mState.Channels[i] = rChannels[i];
    RepairChannelReferences(mState);
    CopyToSaved(mState);
    mWindow->ShowListByData();
  }
  void Key(int rRow, Qt::Key rKey, Qt::KeyboardModifiers rModifiers = Qt::ControlModifier) {
    Grid().SetCurrentCell(rRow, 1);
    QTest::keyClick(&Grid(), rKey, rModifiers);
  }
  // Rows rFirst..rLast selected, rFirst current.
  void SelectRows(int rFirst, int rLast) {
    Grid().SetCurrentCell(rFirst, 1);
    Grid().clearSelection();
    for (int row = rFirst; row <= rLast; ++row)
      Grid().selectionModel()->select(Grid().model()->index(row - 1, 0),
                                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
  }
  void KeyOnSelection(Qt::Key rKey, Qt::KeyboardModifiers rModifiers = Qt::ControlModifier) {
    QTest::keyClick(&Grid(), rKey, rModifiers);
  }
  std::string WriteFile(const std::string& rName, const std::string& rText) {
    const std::string path = mProgram.Dir().File(rName);
    std::ofstream(path, std::ios::binary) << rText;
    return path;
  }
  static void Shot(QWidget* rWidget, const std::string& rName) {
    if (const char* dir = std::getenv("PX_SHOT_DIR")) rWidget->grab().save(QString::fromStdString(std::string(dir) + "/" + rName));
  }

};

TEST_F(WorkbenchTest, GridChangesUndoAndRedoBackToTheSavedState) {
  ShowSaved({Channel(10, "TEN"), Channel(11, "ELEVEN")});
  EXPECT_FALSE(UndoAction().isEnabled());
  EXPECT_EQ(UndoAction().text(), "Undo");

  Key(10, Qt::Key_X);
  EXPECT_EQ(Cell(10, 3), "");
  EXPECT_TRUE(IsModified(mState));
  EXPECT_EQ(UndoAction().text(), "Undo cut channel 9");
  Key(20, Qt::Key_V);
  EXPECT_EQ(UndoAction().text(), "Undo paste channel 19");
  SelectRows(11, 11);
  KeyOnSelection(Qt::Key_Delete, Qt::NoModifier);
  EXPECT_EQ(Count(), 1);
  EXPECT_EQ(UndoAction().text(), "Undo delete channel 10");

  UndoAction().trigger();
  EXPECT_EQ(Cell(11, 3), "ELEVEN");
  EXPECT_EQ(RedoAction().text(), "Redo delete channel 10");
  UndoAction().trigger();
  EXPECT_EQ(Cell(20, 3), "");
  UndoAction().trigger();
  EXPECT_EQ(Cell(10, 3), "TEN");
  EXPECT_FALSE(IsModified(mState));  // back where it was saved
  EXPECT_FALSE(UndoAction().isEnabled());

  // The standard shortcuts work with the grid focused.
  Grid().setFocus();
  QTest::keySequence(&Grid(), QKeySequence::Redo);
  RedoAction().trigger();
  EXPECT_EQ(Cell(20, 3), "TEN");
  EXPECT_TRUE(IsModified(mState));
  QTest::keySequence(&Grid(), QKeySequence::Undo);
  EXPECT_EQ(Cell(20, 3), "");
  RedoAction().trigger();

  // A copy changes nothing and so adds nothing to undo.
  const int steps = Bench().Undo().Stack().count();
  Key(20, Qt::Key_C);
  EXPECT_EQ(Bench().Undo().Stack().count(), steps);

  mState.LanguageIndex = kChinese;
  Bench().UpdateTexts();
  EXPECT_EQ(UndoAction().text().toStdString(), "撤销粘贴信道 19");
  EXPECT_EQ(RedoAction().text().toStdString(), "重做删除信道 10");
}

TEST_F(WorkbenchTest, EditorOkInitializeAndImportAreUndoneAndNewClearsTheHistory) {
  ShowSaved({Channel(5, "FIVE")});
  QTimer::singleShot(0, [] {
    auto* dialog = qobject_cast<FrmCHEdit*>(QApplication::activeModalWidget());
    if (!dialog) return;
    dialog->findChild<QLineEdit*>("RxFreq")->setText("150.125");
    dialog->findChild<QLineEdit*>("TxFreq")->setText("150.125");
    dialog->findChild<QPushButton*>("CommandOK")->click();
  });
  mWindow->OpenEditor(5);
  EXPECT_EQ(Cell(5, 1), "150.12500");
  EXPECT_EQ(UndoAction().text(), "Undo edit channel 4");
  // Cancel in the editor changes nothing and records nothing.
  QTimer::singleShot(0, [] {
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) dialog->reject();
  });
  mWindow->OpenEditor(6);
  EXPECT_EQ(Bench().Undo().Stack().count(), 1);

  {
    ScriptedMessages script;
    script.Answer(MsgAnswer::No).Answer(MsgAnswer::Ok);  // do not save; confirm the clearing
    mWindow->InitializeCodeplug();
  }
  EXPECT_EQ(Cell(5, 1), "");
  EXPECT_EQ(UndoAction().text(), "Undo Initialize");
  UndoAction().trigger();
  EXPECT_EQ(Cell(5, 1), "150.12500");
  UndoAction().trigger();
  EXPECT_EQ(Cell(5, 1), "145.50000");
  EXPECT_FALSE(IsModified(mState));

  const std::string csv = WriteFile("in.csv", "Location,Frequency,Name\r\n7,146.5,SEVEN\r\n");
  QTimer::singleShot(0, [] {
    if (auto* dialog = qobject_cast<FrmImportPreview*>(QApplication::activeModalWidget())) dialog->accept();
  });
  EXPECT_TRUE(Bench().ImportChannelsFrom(csv));
  EXPECT_EQ(Cell(8, 3), "SEVEN");
  EXPECT_EQ(UndoAction().text(), "Undo import channels");
  UndoAction().trigger();
  EXPECT_EQ(Cell(8, 3), "");
  RedoAction().trigger();

  {
    ScriptedMessages script;
    script.Answer(MsgAnswer::No).Answer(MsgAnswer::Ok);
    mWindow->NewFile();
  }
  EXPECT_EQ(Bench().Undo().Stack().count(), 0);
  EXPECT_FALSE(UndoAction().isEnabled());
  EXPECT_FALSE(RedoAction().isEnabled());
}

// A page's OK is one step of the history, named by the page; undoing it returns to the
// saved state.
TEST_F(WorkbenchTest, APageOkIsUndoneAsOneStep) {
  ShowSaved({Channel(5, "FIVE")});
  const RadioSettings before = mState.Current.Settings;
  QTimer::singleShot(0, [] {
    QWidget* dialog = QApplication::activeModalWidget();
    if (!dialog) return;
    auto* list = dialog->findChild<QComboBox*>("Combo1_3");
    list->setCurrentIndex((list->currentIndex() + 1) % list->count());
    dialog->findChild<QPushButton*>("CommandOK")->click();
  });
  mWindow->Menus().EditOptions->trigger();
  ASSERT_NE(mState.Current.Settings, before);
  EXPECT_TRUE(IsModified(mState));
  EXPECT_EQ(UndoAction().text(), "Undo Optional Functions");
  UndoAction().trigger();
  EXPECT_EQ(mState.Current.Settings, before);
  EXPECT_FALSE(IsModified(mState));
}

TEST_F(WorkbenchTest, SeveralRowsPasteOverExistingChannelsOnlyAfterAYes) {
  std::vector<ChannelRecord> channels;
  for (int n = 1; n <= 10; ++n) channels.push_back(Channel(n, ("CH" + std::to_string(n)).c_str()));
  channels.push_back(Channel(52, "KEEP"));
  ShowSaved(channels);

  SelectRows(1, 10);
  KeyOnSelection(Qt::Key_C);
  EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith("Location,Name,Frequency"));
  EXPECT_EQ(QGuiApplication::clipboard()->text().count('\n'), 11);

  {
    ScriptedMessages script;
    script.Answer(MsgAnswer::No);
    Key(50, Qt::Key_V);
    ASSERT_EQ(script.Requests.size(), 1u);
    EXPECT_NE(script.Requests[0].Text.find("10 channels from channel 49"), std::string::npos);
    EXPECT_NE(script.Requests[0].Text.find("1 of those rows"), std::string::npos);
    EXPECT_EQ(Count(), 11);
    EXPECT_EQ(Cell(52, 3), "KEEP");
  }
  {
    ScriptedMessages script;
    script.Answer(MsgAnswer::Yes);
    Key(50, Qt::Key_V);
    EXPECT_EQ(script.Requests.size(), 1u);
  }
  EXPECT_EQ(Count(), 20);
  for (int n = 1; n <= 10; ++n) EXPECT_EQ(Cell(49 + n, 3), QString("CH%1").arg(n));
  // Channel 51 (row 52) was replaced, not removed: a reference to it stays.
  EXPECT_EQ(mState.Current.Settings.Scan[11], 52);
  // A paste at the end stops at the last memory channel.
  {
    ScriptedMessages script;
    Key(195, Qt::Key_V);
    EXPECT_TRUE(script.Requests.empty());
  }
  EXPECT_EQ(Cell(200, 3), "CH6");
  EXPECT_EQ(Cell(201, 3), "");
  EXPECT_EQ(UndoAction().text(), "Undo paste 6 channels from channel 194");
  UndoAction().trigger();
  UndoAction().trigger();
  EXPECT_EQ(Count(), 11);
  EXPECT_EQ(Cell(52, 3), "KEEP");

  // Delete of several rows asks first.
  SelectRows(2, 4);
  {
    ScriptedMessages script;
    script.Answer(MsgAnswer::No);
    KeyOnSelection(Qt::Key_Delete, Qt::NoModifier);
    EXPECT_EQ(script.Texts(), std::vector<std::string>{"Delete the 3 selected channels?"});
  }
  EXPECT_EQ(Count(), 11);
  {
    ScriptedMessages script;
    script.Answer(MsgAnswer::Yes);
    KeyOnSelection(Qt::Key_Delete, Qt::NoModifier);
  }
  EXPECT_EQ(Count(), 8);
  EXPECT_EQ(Cell(3, 1), "");
  EXPECT_EQ(UndoAction().text(), "Undo delete 3 channels from channel 1");

  // Cut of several rows: no question, one undo step.
  SelectRows(5, 7);
  KeyOnSelection(Qt::Key_X);
  EXPECT_EQ(Count(), 5);
  UndoAction().trigger();
  EXPECT_EQ(Count(), 8);
}

TEST_F(WorkbenchTest, AChannelListFromAnotherProgramIsPasted) {
  ShowSaved({Channel(1, "ONE")});
  QGuiApplication::clipboard()->setText(
      "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq\r\n"
      "0,\"A,1\",146.000000,+,0.600000,Tone,100.0\r\n"
      "1,B,999.000000,,0,,\r\n"
      "7,C,147.000000,,0,,\r\n");
  ScriptedMessages script;
  Key(100, Qt::Key_V);
  EXPECT_EQ(Cell(100, 3), "A,1");
  EXPECT_EQ(Cell(101, 3), "C");
  EXPECT_EQ(Count(), 3);
  // The refused row is told.
  ASSERT_EQ(script.Texts().size(), 1u);
  EXPECT_NE(script.Texts()[0].find("line 3 (location 1)"), std::string::npos) << script.Texts()[0];
}

TEST_F(WorkbenchTest, ImportShowsWhatItWillDoAndCancelChangesNothing) {
  ShowSaved({Channel(3, "OLD")});
  const std::string csv = WriteFile(
      "list.csv",
      "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,"
      "CrossMode,Mode,TStep,Skip,Power\r\n"
      "0,Repeater,145.600000,-,0.600000,Tone,88.5,88.5,023,NN,023,Tone->Tone,FM,12.50,,High\r\n"
      "2,Replaced,146.520000,,0,TSQL,88.5,100.0,023,NN,023,Tone->Tone,NFM,5.00,S,Low\r\n"
      "5,Far,450.000000,,0,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,High\r\n"
      "6,Odd,145.000000,,0,Tone,88.6,88.5,023,NN,023,Tone->Tone,FM,5.00,,High\r\n");
  const ChannelTable before = mState.Channels;
  for (const int language : {kEnglish, kChinese}) {
    mState.LanguageIndex = static_cast<Int16>(language);
    int rows = -1, refused = -1;
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<FrmImportPreview*>(QApplication::activeModalWidget());
      if (!dialog) return;
      rows = dialog->Channels()->rowCount();
      refused = dialog->Refused()->count();
      Shot(dialog, std::string("import-preview-") + (language == kChinese ? "zh" : "en") + ".png");
      dialog->findChild<QPushButton*>("CommandCancel")->click();
    });
    EXPECT_FALSE(Bench().ImportChannelsFrom(csv));
    EXPECT_EQ(rows, 2);
    EXPECT_EQ(refused, 2);
  }
  EXPECT_EQ(mState.Channels, before);
  EXPECT_EQ(Bench().Undo().Stack().count(), 0);
}

TEST_F(WorkbenchTest, CompareWindowListsTheDifferencesWithAFile) {
  ShowSaved({Channel(3, "SAME"), Channel(13, "OLD", "014550000")});
  const std::string path = mProgram.Dir().File("other.dat");
  {
    ScriptedMessages script;
    script.File(path);
    mWindow->SaveFileAs();
  }
  mState.Channels[1].RxFreq.Assign("014552500");
  mState.Current.Settings.Scan[3] = 9;
  for (const int language : {kEnglish, kChinese}) {
    mState.LanguageIndex = static_cast<Int16>(language);
    QStringList rows;
    QTimer::singleShot(0, [&] {
      auto* window = qobject_cast<FrmCompare*>(QApplication::activeModalWidget());
      if (!window) return;
      for (int r = 0; r < window->Differences()->rowCount(); ++r)
        rows << window->Differences()->item(r, 0)->text() + " | " + window->Differences()->item(r, 1)->text() +
                    " | " + window->Differences()->item(r, 2)->text();
      Shot(window, std::string("compare-") + (language == kChinese ? "zh" : "en") + ".png");
      window->accept();
    });
    ScriptedMessages script;
    script.File(path);
    Bench().CompareWithFile();
    ASSERT_EQ(rows.size(), 3) << rows.join("\n").toStdString();
    if (language == kEnglish) {
      EXPECT_EQ(rows[0], "channel 12 Rx Frequency | 145.52500 | 145.50000");
      EXPECT_EQ(rows[1], "channel 12 Tx Frequency | 145.52500 | 145.50000");
      // A page's setting as its dialog shows it.
      EXPECT_TRUE(rows[2].startsWith("Scan ") && rows[2].endsWith(" | 0.9 | 0.5")) << rows[2].toStdString();
    }
  }
}

}  // namespace
}  // namespace px
