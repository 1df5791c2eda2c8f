// The main window on real widgets, offscreen: the channel grid, its keys and context
// menu, the file commands, closing, the language round trip, the feature items and the
// window geometry. Every message box is answered from a script; files live in a
// temporary program folder.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMenu>
#include <QMap>
#include <QMenuBar>
#include <QProxyStyle>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QScrollBar>
#include <QSplitter>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidgetItem>

#include <filesystem>
#include <functional>
#include <memory>

#include "app/bands.h"
#include "app/feature_flags.h"
#include "app/language.h"
#include "edit/startup.h"
#include "edit/codeplug_ops.h"
#include "edit/file_commands.h"
#include "support/full_codeplug.h"
#include "support/scripted_ui.h"
#include "support/started_program.h"
#include "support/temp_dir.h"
#include "ui/main/channel_grid.h"
#include "ui/main/frm_main.h"
#include "ui/kit/message_service.h"
#include "ui/main/page_tree.h"

namespace px {
namespace {

namespace fs = std::filesystem;

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { OpenWindow(); }
  void TearDown() override { mWindow.reset(); }

  static QString Q(const std::string& rText) { return QString::fromStdString(rText); }

  void OpenWindow() {
    // A channel list left on the system clipboard by another test would be pasted.
    QGuiApplication::clipboard()->clear();
    mWindow = std::make_unique<FrmMain>(mState);
    mWindow->RestoreGeometry();
    mWindow->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(mWindow.get()));
  }

  FrmMain& Window() { return *mWindow; }
  // The title as the window system shows it: Qt turns the "[*]" marker into "*" while
  // the codeplug is modified and drops it otherwise.
  QString ShownTitle() {
    QString title = Window().windowTitle();
    return title.replace(QStringLiteral("[*]"), Window().isWindowModified() ? QStringLiteral("*") : QString());
  }
  ChannelGrid& Grid() { return *mWindow->Grid(); }
  QString Cell(int rRow, int rCol) { return Grid().CellText(rRow, rCol); }
  int Count() const { return mState.Current.ChannelCount; }

  // The codeplug with its first rCount channel slots as given, shown on the grid.
  void ShowChannels(const std::vector<ChannelRecord>& rChannels) {
    mState.Current.ChannelCount = static_cast<Int16>(rChannels.size());
    for (std::size_t i = 0; i < rChannels.size(); ++i) mState.Channels[i] = rChannels[i];
    CopyToSaved(mState);
    Window().ShowListByData();
  }

  static ChannelRecord Channel(int rNumber, const char* rRx = "014550000", const char* rName = "") {
    ChannelRecord ch;
    ch.Number = static_cast<Int16>(rNumber);
    ch.InUse = 1;
    ch.RxFreq.Assign(rRx);
    ch.OffsetFreq.Assign("000000000");
    ch.Name.Assign(rName);
    return ch;
  }

  void CtrlKey(int rRow, Qt::Key rKey, Qt::KeyboardModifiers rExtra = Qt::NoModifier) {
    Grid().SetCurrentCell(rRow, 1);
    QTest::keyClick(&Grid(), rKey, Qt::ControlModifier | rExtra);
  }

  // Opens the grid's context menu on a cell and chooses the entry whose text is rText.
  // Returns false when the entry was disabled (the menu is then closed with Escape).
  bool ContextCommand(int rRow, int rCol, const QString& rText) {
    Grid().scrollTo(Grid().model()->index(rRow - 1, rCol));
    const QRect cell = Grid().visualRect(Grid().model()->index(rRow - 1, rCol));
    const QPoint local = cell.center();
    bool chosen = false;
    QTimer::singleShot(0, [&] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      if (menu == nullptr) return;
      for (QAction* action : menu->actions()) {
        if (action->text() == rText && action->isEnabled()) {
          menu->setActiveAction(action);
          QTest::keyClick(menu, Qt::Key_Return);
          chosen = true;
          return;
        }
      }
      QTest::keyClick(menu, Qt::Key_Escape);
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, local, Grid().viewport()->mapToGlobal(local));
    QApplication::sendEvent(Grid().viewport(), &event);
    return chosen;
  }

  // Chooses rIndex in the language dialog opened by the Settings menu and presses OK.
  void ChooseLanguage(int rIndex) {
    bool done = false;
    QTimer::singleShot(0, [&] {
      QWidget* dialog = QApplication::activeModalWidget();
      if (dialog == nullptr) return;
      dialog->findChild<QComboBox*>(QStringLiteral("Combo1"))->setCurrentIndex(rIndex);
      QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("CommandOK")), Qt::LeftButton);
      done = true;
    });
    Window().Menus().Language->trigger();
    ASSERT_TRUE(done);
  }

  // A codeplug saved under rName in the temporary folder, with channels 1..rCount.
  std::string SavedFile(const std::string& rName, int rCount) {
    AppState other;
    other.ProgramFolder = mDir.Path().string();
    CreateNewCodeplug(other);
    other.Current.ChannelCount = static_cast<Int16>(rCount);
    for (int i = 0; i < rCount; ++i) {
      other.Channels[static_cast<std::size_t>(i)] = Channel(i + 1, "015000000", "FILE");
    }
    test::ScriptedUi ui;
    const std::string path = mDir.File(rName);
    EXPECT_TRUE(WriteCodeplug(other, ui, path));
    return path;
  }

  AppState mState;
  test::StartedProgram mProgram{mState};
  const test::TempDir& mDir = mProgram.Dir();
  std::unique_ptr<FrmMain> mWindow;
};

// ---- the channel grid ---------------------------------------------------------------

TEST_F(MainWindowTest, EmptyCodeplugShowsEveryRowLabelAndBlankCells) {
  ShowChannels({});
  ASSERT_EQ(Grid().rowCount() + 1, 204);
  ASSERT_EQ(Grid().columnCount(), 12);
  for (int row = 1; row <= 200; ++row) EXPECT_EQ(Cell(row, 0), QString::number(row - 1)) << row;
  EXPECT_EQ(Cell(201, 0), "PA");
  EXPECT_EQ(Cell(202, 0), "PB");
  EXPECT_EQ(Cell(203, 0), "VFO");
  int filled = 0;
  for (int row = 1; row < kGridRows; ++row)
    for (int col = 1; col < kGridColumns; ++col) filled += Cell(row, col).isEmpty() ? 0 : 1;
  EXPECT_EQ(filled, 0);

  EXPECT_EQ(Cell(0, 0), "CH");
  EXPECT_EQ(Cell(0, 1), "Rx Frequency");
  EXPECT_EQ(Cell(0, 2), "Tx Frequency");
  EXPECT_EQ(Cell(0, 8), "CTCSS/DCS\nDecode");
  EXPECT_EQ(Cell(0, 9), "CTCSS/DCS\nEncode");
  EXPECT_EQ(Cell(0, 11), "");

  // Colours: headers, labels and the backgrounds that alternate row by row.
  EXPECT_EQ(Grid().horizontalHeaderItem(3)->foreground().color(), QColor(0, 0, 155));
  EXPECT_EQ(Grid().item(0, 0)->foreground().color(), QColor(0, 0, 255));
  EXPECT_EQ(Grid().item(0, 4)->background().color(), QColor(255, 250, 250));
  EXPECT_EQ(Grid().item(1, 4)->background().color(), QColor(250, 250, 255));
  EXPECT_EQ(Grid().item(202, 11)->background().color(), QColor(255, 250, 250));

  // With just room for every column the empty last one takes what is left; it brings up
  // no scroll bar.
  int columns = 0;
  for (int col = 0; col + 1 < kGridColumns; ++col) columns += Grid().horizontalHeader()->sectionSize(col);
  columns += Grid().horizontalHeader()->minimumSectionSize();
  for (int pass = 0; pass < 3; ++pass) {
    Window().resize(Window().width() + columns + 20 - Grid().viewport()->width(), 700);
    QApplication::processEvents();
  }
  ASSERT_EQ(Grid().viewport()->width(), columns + 20);
  EXPECT_LE(Grid().horizontalHeader()->length(), Grid().viewport()->width());
  EXPECT_EQ(Grid().horizontalScrollBar()->maximum(), 0);
}

TEST_F(MainWindowTest, RecordsShowOnTheRowOfTheirNumberWhateverTheirSlot) {
  ShowChannels({Channel(203, "014600000", "VFO"), Channel(5, "014550000", "FIVE"),
                Channel(201, "014700000", "PA")});
  EXPECT_EQ(Cell(5, 0), "4");
  EXPECT_EQ(Cell(5, 1), "145.50000");
  EXPECT_EQ(Cell(5, 3), "FIVE");
  EXPECT_EQ(Cell(203, 3), "VFO");
  EXPECT_EQ(Cell(201, 1), "147.00000");
  EXPECT_EQ(Cell(4, 1), "");
  EXPECT_EQ(Cell(6, 1), "");
  EXPECT_EQ(Cell(202, 1), "");
}

TEST_F(MainWindowTest, ColumnsShowDerivedTextsAndSubstituteOutOfRangeValues) {
  ChannelRecord minus = Channel(1);
  minus.OffsetFreq.Assign("000060000");
  minus.OffsetDirection = 1;
  minus.ToneTypeB = 2;
  minus.DcsIndexB = 19;
  minus.SignallingType = 1;
  minus.DtmfCodeIndex = 15;
  minus.StepIndex = 3;
  ChannelRecord plus = minus;
  plus.Number = 2;
  plus.OffsetDirection = 2;
  plus.DcsInvertB = 1;
  plus.SignallingType = 2;
  plus.TwoToneEntryNumber = 7;
  ChannelRecord none = minus;
  none.Number = 3;
  none.OffsetDirection = 0;
  none.SignallingType = 3;
  none.FiveToneEntryNumber = 42;
  ChannelRecord odd = minus;
  odd.Number = 4;
  odd.OffsetDirection = 5;
  odd.BandwidthIndex = 7;
  odd.Spare2 = 3;
  odd.TxPowerIndex = 5;
  odd.ToneTypeB = 1;
  odd.CtcssIndexB = 60;
  odd.ToneTypeA = 2;
  odd.DcsIndexA = 600;
  odd.DcsInvertA = 4;
  odd.SignallingType = 9;
  ChannelRecord edge = odd;
  edge.Number = 5;
  edge.CtcssIndexB = 51;
  edge.ToneTypeA = 0;
  edge.BandwidthIndex = 2;
  edge.Spare2 = 1;
  edge.TxPowerIndex = 1;
  ShowChannels({minus, plus, none, odd, edge});

  EXPECT_EQ(Cell(1, 2), "144.90000");
  EXPECT_EQ(Cell(2, 2), "146.10000");
  EXPECT_EQ(Cell(3, 2), "145.50000");
  EXPECT_EQ(Cell(4, 2), "145.50000");  // unknown direction repeats the receive frequency
  EXPECT_EQ(Cell(1, 4), "8.33K");
  EXPECT_EQ(Cell(1, 8), "D023N");
  EXPECT_EQ(Cell(2, 8), "D023I");
  EXPECT_EQ(Cell(1, 10), "DTMF M16");
  EXPECT_EQ(Cell(2, 10), "2tone 7");
  EXPECT_EQ(Cell(3, 10), "5tone 42");
  EXPECT_EQ(Cell(4, 10), "OFF");

  EXPECT_EQ(Cell(4, 5), "20K");
  EXPECT_EQ(Cell(4, 6), "Off");
  EXPECT_EQ(Cell(4, 7), "High");
  EXPECT_EQ(Cell(4, 8), "62.5");   // index past the list counts as the first tone
  EXPECT_EQ(Cell(4, 9), "D000I");  // index past 511 counts as 0, invert above 1 as set
  EXPECT_EQ(Cell(5, 8), "");       // the index just past the tones shows nothing
  EXPECT_EQ(Cell(5, 9), "OFF");
  EXPECT_EQ(Cell(5, 5), "12.5K");
  EXPECT_EQ(Cell(5, 6), "On");
  EXPECT_EQ(Cell(5, 7), "Middle");
  for (int row = 1; row <= 5; ++row) EXPECT_EQ(Cell(row, 11), "") << row;
}

TEST_F(MainWindowTest, DamagedRecordsStillShowAndNeverLeaveTheGrid) {
  ChannelRecord blank = Channel(1, "FFFFFFFFF");
  blank.OffsetDirection = 1;
  blank.OffsetFreq.Assign("000060000");
  ChannelRecord letters = Channel(2, "14A500000");
  letters.OffsetFreq.Assign("00X600000");
  letters.OffsetDirection = 2;
  ChannelRecord outside = Channel(300, "015000000", "LOST");
  ChannelRecord zero = Channel(0, "015000000", "ZERO");
  ShowChannels({blank, letters, outside, zero});

  EXPECT_EQ(Cell(1, 1), "");
  EXPECT_EQ(Cell(1, 2), "");  // no receive frequency, nothing to offset from
  EXPECT_EQ(Cell(1, 0), "0");
  // A stored text that is not a number shows the lowest receive limit.
  EXPECT_EQ(Cell(2, 1).toDouble(), mState.Current.MinRxFreq);
  EXPECT_FALSE(Cell(2, 2).isEmpty());
  for (int row = 1; row < kGridRows; ++row) {
    EXPECT_NE(Cell(row, 3), "LOST") << row;
    EXPECT_NE(Cell(row, 3), "ZERO") << row;
  }

  // A count beyond the table is read as the table's size.
  FillFullCodeplug(mState);
  mState.Current.ChannelCount = 32000;
  Window().ShowListByData();
  EXPECT_FALSE(Cell(203, 1).isEmpty());
}

TEST_F(MainWindowTest, FullCodeplugFillsEveryRowAndReShowGridServesOnlyTheChannelGrid) {
  FillFullCodeplug(mState);
  CopyToSaved(mState);
  Window().ShowListByData();
  for (int row = 1; row < kGridRows; ++row) {
    EXPECT_FALSE(Cell(row, 1).isEmpty()) << row;
    EXPECT_FALSE(Cell(row, 7).isEmpty()) << row;
  }
  const QString name = Cell(12, 3);
  const int slot = FindChannelSlot(mState.Current, mState.Channels, 12);
  ASSERT_GE(slot, 0);
  mState.Channels[static_cast<std::size_t>(slot)].Name.Assign("CHANGED");
  Window().ReShowGrid(1, 12, 1);  // no such grid
  EXPECT_EQ(Cell(12, 3), name);
  Window().ReShowGrid(0, 12, 7);  // the column is not used
  EXPECT_EQ(Cell(12, 3), "CHANGED");
  mState.Channels[static_cast<std::size_t>(slot)].Number = 0;
  Window().ReShowGrid(0, 12, 1);
  for (int col = 1; col < kGridColumns; ++col) EXPECT_EQ(Cell(12, col), "") << col;
  EXPECT_EQ(Cell(12, 0), "11");
  Window().ReShowGrid(0, 0, 1);    // the header row is not a channel row
  Window().ReShowGrid(0, 204, 1);  // past the last row
  EXPECT_EQ(Cell(0, 1), "Rx Frequency");
}

TEST_F(MainWindowTest, EnterAndDoubleClickAskForTheEditorOnlyOnChannelCells) {
  // The editor itself is not opened here: the request is caught before the window sees it.
  QObject::disconnect(&Grid(), &ChannelGrid::EditRequested, &Window(), nullptr);
  QSignalSpy requests(&Grid(), &ChannelGrid::EditRequested);
  Grid().SetCurrentCell(5, 3);
  QTest::keyClick(&Grid(), Qt::Key_Return);
  Grid().SetCurrentCell(203, 0);
  QTest::keyClick(&Grid(), Qt::Key_Enter);
  Grid().SetCurrentCell(203, 2);
  QTest::keyClick(&Grid(), Qt::Key_Enter);
  ASSERT_EQ(requests.count(), 2);
  EXPECT_EQ(requests.at(0).at(0).toInt(), 5);
  EXPECT_EQ(requests.at(1).at(0).toInt(), 203);

  auto doubleClick = [this](int rRow, int rCol) {
    Grid().scrollTo(Grid().model()->index(rRow - 1, rCol));
    const QRect rect = Grid().visualRect(Grid().model()->index(rRow - 1, rCol));
    // An item view takes a double click only on the cell its first press hit.
    QTest::mousePress(Grid().viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    QTest::mouseDClick(Grid().viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
  };
  Grid().scrollToTop();
  doubleClick(2, 4);
  doubleClick(1, 0);  // label column
  ASSERT_EQ(requests.count(), 3);
  EXPECT_EQ(requests.at(2).at(0).toInt(), 2);
  // The header row is not a grid row: a double click there is no request either.
  QTest::mouseDClick(Grid().horizontalHeader()->viewport(), Qt::LeftButton, Qt::NoModifier,
                     QPoint(Grid().columnViewportPosition(3) + 5, 5));
  EXPECT_EQ(requests.count(), 3);
}

// ---- keys and the clipboard ---------------------------------------------------------

TEST_F(MainWindowTest, PasteBeforeAnyCopyDoesNothingAndAnEmptyCopyClearsTheTarget) {
  ShowChannels({Channel(1, "014500000", "ONE"), Channel(3, "014600000", "THREE")});
  CtrlKey(3, Qt::Key_V);
  EXPECT_EQ(Count(), 2);
  EXPECT_EQ(Cell(3, 3), "THREE");

  CtrlKey(2, Qt::Key_C);  // empty row
  EXPECT_TRUE(mState.ClipboardFilled);
  CtrlKey(3, Qt::Key_V);
  EXPECT_EQ(Count(), 1);
  EXPECT_EQ(Cell(3, 1), "");
  EXPECT_EQ(Cell(3, 0), "2");
  EXPECT_EQ(Cell(1, 3), "ONE");
  // Pasting an empty clipboard on an empty row changes nothing.
  CtrlKey(100, Qt::Key_V);
  EXPECT_EQ(Count(), 1);
}

TEST_F(MainWindowTest, CutMovesAChannelAndOneCopyPastesOnManyRows) {
  ShowChannels({Channel(10, "014500000", "TEN"), Channel(11, "014510000", "ELEVEN")});
  CtrlKey(10, Qt::Key_X);
  EXPECT_EQ(Cell(10, 1), "");
  EXPECT_EQ(Cell(11, 3), "ELEVEN");
  EXPECT_EQ(Count(), 1);
  CtrlKey(20, Qt::Key_V);
  EXPECT_EQ(Cell(20, 3), "TEN");
  EXPECT_EQ(Cell(20, 1), "145.00000");
  EXPECT_EQ(Count(), 2);

  CtrlKey(11, Qt::Key_C);
  CtrlKey(30, Qt::Key_V);
  CtrlKey(203, Qt::Key_V);
  EXPECT_EQ(Count(), 4);
  EXPECT_EQ(Cell(30, 3), "ELEVEN");
  EXPECT_EQ(Cell(203, 3), "ELEVEN");
  // The pasted record takes the number of its row.
  const int vfo = FindChannelSlot(mState.Current, mState.Channels, 203);
  ASSERT_GE(vfo, 0);
  EXPECT_EQ(mState.Channels[static_cast<std::size_t>(vfo)].Name.Display(), "ELEVEN");
  EXPECT_EQ(FindChannelSlot(mState.Current, mState.Channels, 11) >= 0, true);

  // Ctrl with Shift is not a clipboard key.
  CtrlKey(11, Qt::Key_X, Qt::ShiftModifier);
  EXPECT_EQ(Cell(11, 3), "ELEVEN");
  EXPECT_EQ(Count(), 4);
}

TEST_F(MainWindowTest, EveryCtrlKeyRepairsTheChannelReferencesOfTheSettings) {
  ShowChannels({Channel(4), Channel(9), Channel(201)});
  Byte& scanChannel = mState.Current.Settings.Scan[11];
  scanChannel = 9;
  CtrlKey(4, Qt::Key_C);
  EXPECT_EQ(scanChannel, 9);  // still exists
  CtrlKey(9, Qt::Key_X);
  EXPECT_EQ(scanChannel, 4);  // the last ordinary channel in slot order
  mState.Current.Settings.Alert[7] = 150;
  QTest::keyClick(&Grid(), Qt::Key_Control, Qt::ControlModifier);  // Ctrl alone
  EXPECT_EQ(mState.Current.Settings.Alert[7], 4);
  CtrlKey(4, Qt::Key_X);
  EXPECT_EQ(scanChannel, 0);  // no ordinary channel left; PA does not count
}

TEST_F(MainWindowTest, ContextMenuCopiesCutsPastesAndDeletes) {
  ShowChannels({Channel(1, "014500000", "A"), Channel(2, "014510000", "B"), Channel(3, "014520000", "C")});
  const QString copy = QStringLiteral("&Copy\tCtrl+C");
  const QString cut = QStringLiteral("Cu&t\tCtrl+X");
  const QString paste = QStringLiteral("&Paste\tCtrl+V");
  const QString remove = QStringLiteral("&Delete");

  EXPECT_FALSE(ContextCommand(5, 1, paste));  // nothing copied yet
  EXPECT_TRUE(ContextCommand(2, 3, copy));
  EXPECT_TRUE(ContextCommand(5, 1, paste));
  EXPECT_EQ(Cell(5, 3), "B");
  EXPECT_EQ(Count(), 4);

  EXPECT_TRUE(ContextCommand(3, 2, cut));
  EXPECT_EQ(Cell(3, 1), "");
  EXPECT_TRUE(ContextCommand(6, 2, paste));
  EXPECT_EQ(Cell(6, 3), "C");
  EXPECT_EQ(Count(), 4);

  // Delete in slot 0 keeps the others in their order.
  EXPECT_TRUE(ContextCommand(1, 0, remove));
  EXPECT_EQ(Cell(1, 1), "");
  ASSERT_EQ(Count(), 3);
  EXPECT_EQ(mState.Channels[0].Number, 2);
  EXPECT_EQ(mState.Channels[1].Number, 5);
  EXPECT_EQ(mState.Channels[2].Number, 6);

  // A cut of an empty row empties the clipboard: its paste clears the target.
  EXPECT_TRUE(ContextCommand(100, 1, cut));
  EXPECT_TRUE(ContextCommand(6, 1, paste));
  EXPECT_EQ(Cell(6, 1), "");
  EXPECT_EQ(Count(), 2);
}

TEST_F(MainWindowTest, NewClearsTheClipboardForKeysAndMenu) {
  ShowChannels({Channel(1, "014500000", "A")});
  CtrlKey(1, Qt::Key_C);
  mState.Current.Settings.Scan[0] ^= 1;  // modified
  ScriptedMessages script;
  script.Answer(MsgAnswer::No).Answer(MsgAnswer::Ok);
  Window().NewFile();
  EXPECT_FALSE(mState.ClipboardFilled);
  const int count = Count();
  CtrlKey(50, Qt::Key_V);
  EXPECT_EQ(Count(), count);
  EXPECT_FALSE(ContextCommand(50, 1, QStringLiteral("&Paste\tCtrl+V")));
}

// ---- file commands ------------------------------------------------------------------

TEST_F(MainWindowTest, NewAsksAboutChangesThenConfirmsTheClearing) {
  ShowChannels({Channel(1), Channel(2)});
  mState.Channels[1].Name.Assign("EDITED");
  ASSERT_TRUE(IsModified(mState));
  {
    ScriptedMessages script;
    script.Answer(MsgAnswer::Cancel);
    Window().NewFile();
    EXPECT_EQ(script.Requests.size(), 1u);
    EXPECT_EQ(script.Requests[0].Text, LangMsg(mState, 9001));
    EXPECT_EQ(script.Requests[0].Buttons, MsgButtons::YesNoCancel);
    EXPECT_EQ(Count(), 2);
  }
  {
    ScriptedMessages script;
    script.Answer(MsgAnswer::No).Answer(MsgAnswer::Cancel);
    Window().NewFile();
    ASSERT_EQ(script.Texts().size(), 2u);
    EXPECT_EQ(script.Texts()[1], "All data will be cleared.");
    EXPECT_EQ(Count(), 2);
    EXPECT_EQ(Cell(2, 3), "");  // the name field trims to what it shows
  }
  {
    // Yes saves first: an untitled codeplug goes straight to the file dialog.
    const std::string path = mDir.File("kept.dat");
    ScriptedMessages script;
    script.Answer(MsgAnswer::Yes).File(path).Answer(MsgAnswer::Ok);
    Window().NewFile();
    EXPECT_EQ(script.Unscripted, 0);
    EXPECT_EQ(fs::file_size(path), 8667u);
    EXPECT_TRUE(fs::exists(mDir.File("kept.fre")));
    EXPECT_EQ(mState.FilePath, "new.dat");
    EXPECT_TRUE(mState.Untitled);
    EXPECT_TRUE(ShownTitle().endsWith(":new.dat]")) << ShownTitle().toStdString();
    EXPECT_FALSE(IsModified(mState));
  }
  {
    // Unchanged: only the clearing is confirmed.
    ScriptedMessages script;
    script.Answer(MsgAnswer::Ok);
    Window().NewFile();
    EXPECT_EQ(script.Texts(), std::vector<std::string>{"All data will be cleared."});
  }
}

TEST_F(MainWindowTest, OpenShowsTheFileAndAFailedOpenKeepsEverything) {
  const std::string good = SavedFile("good.dat", 3);
  {
    ScriptedMessages script;
    script.File(good);
    Window().OpenFile();
    EXPECT_EQ(script.Unscripted, 0);
  }
  EXPECT_EQ(Count(), 3);
  EXPECT_EQ(Cell(3, 3), "FILE");
  EXPECT_EQ(mState.FilePath, good);
  EXPECT_FALSE(mState.Untitled);
  EXPECT_FALSE(IsModified(mState));
  const QString title = ShownTitle();
  EXPECT_TRUE(title.endsWith(QString::fromStdString(":" + good + "]")));
  EXPECT_TRUE(title.startsWith("NR_6240[NR-6240:")) << title.toStdString();

  // A file of the wrong size and a file that is not there: told, and nothing changes.
  const std::string bad = mDir.File("bad.dat");
  test::WriteBytes(bad, std::vector<unsigned char>(100, 0x55));
  for (const std::string& path : {bad, mDir.File("missing.dat")}) {
    ScriptedMessages script;
    script.File(path).Answer(MsgAnswer::Ok);
    Window().OpenFile();
    ASSERT_EQ(script.Texts().size(), 1u);
    EXPECT_EQ(script.Texts()[0].rfind("file error.", 0), 0u);
    EXPECT_EQ(Count(), 3);
    EXPECT_EQ(Cell(3, 3), "FILE");
    EXPECT_EQ(mState.FilePath, good);
    EXPECT_EQ(ShownTitle(), title);
    EXPECT_TRUE(Window().isVisible());
  }

  // Modified: the question first; Cancel shows no file dialog.
  mState.Channels[0].Name.Assign("EDITED");
  ScriptedMessages script;
  script.Answer(MsgAnswer::Cancel);
  Window().OpenFile();
  ASSERT_EQ(script.Requests.size(), 1u);
  EXPECT_EQ(script.Requests[0].Text, "File has been modify,save it now?");
  EXPECT_EQ(mState.Channels[0].Name.Display(), "EDITED");
}

TEST_F(MainWindowTest, TitleMarksUnsavedChangesAndTheStatusBarSaysWhatHappenedInEitherLanguage) {
  EXPECT_TRUE(Window().windowTitle().endsWith(QStringLiteral("[*]")));
  EXPECT_FALSE(Window().isWindowModified());
  EXPECT_FALSE(ShownTitle().contains(QLatin1Char('*')));
  EXPECT_EQ(Window().StatusText(), "Ready");

  // A change made anywhere shows in the marker with the next clock tick at the latest.
  mState.Channels[0].Name.Assign("CHANGED");
  QTRY_VERIFY_WITH_TIMEOUT(Window().isWindowModified(), 2500);
  EXPECT_TRUE(ShownTitle().endsWith(QStringLiteral("]*")));

  const std::string path = mDir.File("status.dat");
  {
    ScriptedMessages script;
    script.File(path);
    Window().SaveFileAs();
  }
  EXPECT_FALSE(Window().isWindowModified());
  EXPECT_EQ(Window().StatusText(), "Saved status.dat");
  {
    ScriptedMessages script;
    script.File(std::nullopt);
    Window().SaveFileAs();
  }
  EXPECT_EQ(Window().StatusText(), "Not saved");
  {
    ScriptedMessages script;
    script.File(path);
    Window().OpenFile();
  }
  EXPECT_EQ(Window().StatusText(), "Opened status.dat");
  SetLanguage(mState, kChinese);
  Window().ApplyWindowLanguage();
  EXPECT_EQ(Window().StatusText(), QString::fromUtf8("已打开 status.dat"));
}

TEST_F(MainWindowTest, SaveAsksBeforeOverwritingAndSaveAsMovesThePath) {
  {
    // Untitled: Save is Save As, with the current path proposed.
    ScriptedMessages script;
    script.File(std::nullopt);
    Window().SaveFile();
    ASSERT_EQ(script.Requests.size(), 1u);
    EXPECT_EQ(script.Requests[0].Kind, MessageKind::SaveFile);
    EXPECT_EQ(script.Requests[0].Proposed, "new.dat");
    EXPECT_TRUE(mState.Untitled);
  }
  const std::string first = mDir.File("first.dat");
  {
    ScriptedMessages script;
    script.File(first);
    Window().SaveFileAs();
    EXPECT_EQ(script.Unscripted, 0);
  }
  EXPECT_EQ(mState.FilePath, first);
  EXPECT_FALSE(mState.Untitled);
  EXPECT_TRUE(ShownTitle().endsWith(QString::fromStdString(":" + first + "]")));

  // Titled: the overwrite question; Cancel leaves the file as it was.
  mState.Channels[0].Name.Assign("SECOND");
  const auto before = test::ReadBytes(mDir.File("first.fre"));
  {
    ScriptedMessages script;
    script.Answer(MsgAnswer::Cancel);
    Window().SaveFile();
    ASSERT_EQ(script.Requests.size(), 1u);
    EXPECT_EQ(script.Requests[0].Text, "\"first.dat\"file will be Overwrite,Continue?");
    EXPECT_EQ(script.Requests[0].Buttons, MsgButtons::OkCancel);
    EXPECT_EQ(test::ReadBytes(mDir.File("first.fre")), before);
    EXPECT_TRUE(IsModified(mState));
  }
  {
    ScriptedMessages script;
    script.Answer(MsgAnswer::Ok);
    Window().SaveFile();
    EXPECT_NE(test::ReadBytes(mDir.File("first.fre")), before);
    EXPECT_FALSE(IsModified(mState));
  }
  // Save As that fails: the message, and the path and title stay.
  const QString title = ShownTitle();
  {
    ScriptedMessages script;
    script.File(mDir.File("no/such/folder/x.dat")).Answer(MsgAnswer::Ok);
    Window().SaveFileAs();
    ASSERT_EQ(script.Texts().size(), 1u);
    EXPECT_EQ(script.Texts()[0].rfind("file error.", 0), 0u);
  }
  EXPECT_EQ(mState.FilePath, first);
  EXPECT_EQ(ShownTitle(), title);
}

// ---- closing ------------------------------------------------------------------------

TEST_F(MainWindowTest, CloseWithoutChangesAsksNothingAndWritesTheFeatureRecord) {
  ScriptedMessages script;
  mState.Features.FeatureItemsRevealed = 1;
  EXPECT_TRUE(Window().close());
  EXPECT_TRUE(script.Requests.empty());
  EXPECT_EQ(ReadFeatureFile(mDir.File("Setting.ini")).FeatureItemsRevealed, 1);
}

TEST_F(MainWindowTest, CloseSaysWhenTheFeatureRecordCannotBeWritten) {
  fs::create_directories(mDir.Path() / "Setting.ini");  // a folder where the file belongs
  ScriptedMessages script;
  EXPECT_TRUE(Window().close());
  ASSERT_EQ(script.Requests.size(), 1u);
  EXPECT_NE(script.Requests[0].Text.find("Setting.ini"), std::string::npos);
  EXPECT_EQ(script.Requests[0].Icon, MsgIcon::Warning);
}

TEST_F(MainWindowTest, CloseWithChangesCancelKeepsTheWindowAndNoDiscards) {
  mState.Channels[0].Name.Assign("EDITED");
  {
    ScriptedMessages script;
    script.Answer(MsgAnswer::Cancel);
    EXPECT_FALSE(Window().close());
    ASSERT_EQ(script.Requests.size(), 1u);
    EXPECT_EQ(script.Requests[0].Text, LangMsg(mState, 9001));
    EXPECT_EQ(script.Requests[0].Buttons, MsgButtons::YesNoCancel);
    EXPECT_TRUE(Window().isVisible());
    EXPECT_FALSE(fs::exists(mDir.File("Setting.ini")));
  }
  {
    // Exit takes the same way.
    ScriptedMessages script;
    script.Answer(MsgAnswer::Cancel);
    Window().Menus().Exit->trigger();
    EXPECT_EQ(script.Requests.size(), 1u);
    EXPECT_TRUE(Window().isVisible());
  }
  ScriptedMessages script;
  script.Answer(MsgAnswer::No);
  EXPECT_TRUE(Window().close());
  EXPECT_FALSE(Window().isVisible());
  EXPECT_EQ(script.Requests.size(), 1u);
  EXPECT_FALSE(fs::exists(mDir.File("new.dat")));
}

TEST_F(MainWindowTest, CloseWithChangesYesClosesOnlyWhenTheSaveSucceeded) {
  mState.Channels[0].Name.Assign("EDITED");
  {
    // Untitled: the file dialog cancelled.
    ScriptedMessages script;
    script.Answer(MsgAnswer::Yes).File(std::nullopt);
    EXPECT_FALSE(Window().close());
    EXPECT_TRUE(Window().isVisible());
  }
  {
    // A folder that does not exist.
    ScriptedMessages script;
    script.Answer(MsgAnswer::Yes).File(mDir.File("none/x.dat")).Answer(MsgAnswer::Ok);
    EXPECT_FALSE(Window().close());
    EXPECT_EQ(script.Unscripted, 0);
    EXPECT_TRUE(Window().isVisible());
  }
  const std::string path = mDir.File("closing.dat");
  {
    ScriptedMessages script;
    script.Answer(MsgAnswer::Yes).File(path);
    EXPECT_TRUE(Window().close());
    EXPECT_EQ(script.Unscripted, 0);
    EXPECT_FALSE(Window().isVisible());
  }
  AppState reread;
  reread.ProgramFolder = mDir.Path().string();
  test::ScriptedUi ui;
  ASSERT_TRUE(OpenCodeplugFile(reread, ui, path));
  EXPECT_EQ(reread.Channels[0].Name.Display(), "EDITED");
}

// A codeplug read from a radio is untitled and in no file: closing asks like a change.
TEST_F(MainWindowTest, CloseAfterAReadAsksToSaveIt) {
  mState.UnsavedRead = true;  // as a completed read leaves it, unmodified
  {
    ScriptedMessages script;
    script.Answer(MsgAnswer::Cancel);
    EXPECT_FALSE(Window().close());
    ASSERT_EQ(script.Requests.size(), 1u);
    EXPECT_EQ(script.Requests[0].Buttons, MsgButtons::YesNoCancel);
  }
  ScriptedMessages script;
  script.Answer(MsgAnswer::No);
  EXPECT_TRUE(Window().close());
}

// Save As to "trap.fre" would write the side file and then the codeplug over it.
TEST_F(MainWindowTest, SaveAsToANameThatIsNotDatWritesNothing) {
  mState.Channels[0].Name.Assign("EDITED");
  ScriptedMessages script;
  script.File(mDir.File("trap.fre")).Answer(MsgAnswer::Ok);
  Window().Menus().SaveAs->trigger();
  EXPECT_EQ(script.Unscripted, 0);
  ASSERT_EQ(script.Texts().size(), 1u);
  EXPECT_NE(script.Texts()[0].find(".dat"), std::string::npos) << script.Texts()[0];
  EXPECT_FALSE(fs::exists(mDir.File("trap.fre")));
  EXPECT_EQ(mState.FilePath, "new.dat");
  EXPECT_TRUE(IsModified(mState));
  EXPECT_EQ(Window().windowTitle().contains(QStringLiteral("trap")), false);
}

TEST_F(MainWindowTest, CloseOfATitledCodeplugAsksTheOverwriteQuestionToo) {
  const std::string path = SavedFile("titled.dat", 2);
  {
    ScriptedMessages script;
    script.File(path);
    Window().OpenFile();
  }
  mState.Channels[1].Name.Assign("CHANGED");
  {
    ScriptedMessages script;
    script.Answer(MsgAnswer::Yes).Answer(MsgAnswer::Cancel);
    EXPECT_FALSE(Window().close());
    EXPECT_EQ(script.Requests.size(), 2u);
  }
  ScriptedMessages script;
  script.Answer(MsgAnswer::Yes).Answer(MsgAnswer::Ok);
  EXPECT_TRUE(Window().close());
  AppState reread;
  test::ScriptedUi ui;
  ASSERT_TRUE(OpenCodeplugFile(reread, ui, path));
  EXPECT_EQ(reread.Channels[1].Name.Display(), "CHANGED");
}

// ---- language -----------------------------------------------------------------------

struct Captions {
  QStringList Menus;     // every top-level menu and item caption, with the tool tips
  QStringList Tree;      // every tree node
  QStringList Headers;   // every grid header
  QString Title;
  bool operator==(const Captions&) const = default;
};

Captions CaptionsOf(FrmMain& rWindow) {
  Captions c;
  for (QMenu* menu : rWindow.Menus().Menus()) {
    c.Menus << menu->title();
    for (QAction* action : menu->actions()) {
      if (!action->isSeparator()) c.Menus << action->text();
    }
  }
  for (QAction* button : rWindow.Menus().ToolBar->actions()) c.Menus << button->toolTip();
  const auto nodes = rWindow.Tree()->findItems(QStringLiteral("*"), Qt::MatchWildcard | Qt::MatchRecursive);
  for (QTreeWidgetItem* node : nodes) c.Tree << node->text(0);
  for (int col = 0; col < kGridColumns; ++col) c.Headers << rWindow.Grid()->CellText(0, col);
  c.Title = rWindow.windowTitle();
  return c;
}

TEST_F(MainWindowTest, LanguageRoundTripRestoresEveryCaption) {
  // Every item on the screen, the feature dependent ones included.
  mState.Features.FeatureItemsRevealed = 1;
  mState.Features.DtmfEnabled = mState.Features.TwoToneEnabled = mState.Features.FiveToneEnabled = 1;
  OpenWindow();
  Window().ReShowFun();
  const Captions english = CaptionsOf(Window());
  ASSERT_EQ(english.Tree.size(), 11);
  for (const QString& caption : english.Menus + english.Tree + english.Headers.mid(0, 11)) {
    bool number = false;
    caption.toInt(&number);
    EXPECT_FALSE(number) << caption.toStdString();
  }
  EXPECT_EQ(english.Menus.first(), "&File");

  ChooseLanguage(1);
  EXPECT_EQ(mState.LanguageIndex, kChinese);
  const Captions chinese = CaptionsOf(Window());
  ASSERT_EQ(chinese.Menus.size(), english.Menus.size());
  ASSERT_EQ(chinese.Tree.size(), english.Tree.size());
  int differ = 0;
  for (int i = 0; i < english.Menus.size(); ++i) {
    if (english.Menus[i] != chinese.Menus[i]) ++differ;
    EXPECT_FALSE(chinese.Menus[i].isEmpty() && !english.Menus[i].isEmpty()) << i;
  }
  EXPECT_GT(differ, english.Menus.size() * 3 / 4);
  EXPECT_NE(chinese.Headers, english.Headers);
  EXPECT_NE(chinese.Tree[2], english.Tree[2]);
  EXPECT_TRUE(chinese.Title.contains(QStringLiteral("[文件:")));

  ChooseLanguage(0);
  EXPECT_EQ(mState.LanguageIndex, kEnglish);
  EXPECT_EQ(CaptionsOf(Window()), english);
}

// ---- feature items ------------------------------------------------------------------

TEST_F(MainWindowTest, CtrlAloneRevealsTheFeatureItemsAndTheyRebuildMenusAndTree) {
  const MainMenus& m = Window().Menus();
  EXPECT_FALSE(m.HelpDtmf->isVisible());
  EXPECT_FALSE(m.EditDtmf->isVisible());
  EXPECT_EQ(Window().Tree()->NodeOf("N5"), nullptr);

  // Ctrl with Shift is not Ctrl alone, nor is Ctrl as part of a shortcut.
  QTest::keyClick(&Grid(), Qt::Key_Control, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_FALSE(m.HelpDtmf->isVisible());
  QTest::keyPress(&Grid(), Qt::Key_Control, Qt::ControlModifier);
  QTest::keyClick(&Grid(), Qt::Key_C, Qt::ControlModifier);
  QTest::keyRelease(&Grid(), Qt::Key_Control);
  EXPECT_FALSE(m.HelpDtmf->isVisible());
  EXPECT_EQ(mState.Features.FeatureItemsRevealed, 0);
  QTest::keyClick(Window().Tree(), Qt::Key_Control, Qt::ControlModifier);
  EXPECT_EQ(mState.Features.FeatureItemsRevealed, 1);
  for (QAction* item : {m.HelpDtmf, m.HelpTwoTone, m.HelpFiveTone}) {
    EXPECT_TRUE(item->isVisible());
    EXPECT_FALSE(item->isChecked());
  }

  m.HelpDtmf->trigger();
  EXPECT_TRUE(m.HelpDtmf->isChecked());
  EXPECT_EQ(mState.Features.DtmfEnabled, 1);
  EXPECT_TRUE(m.EditDtmf->isVisible());
  EXPECT_NE(Window().Tree()->NodeOf("N5"), nullptr);
  m.HelpFiveTone->trigger();
  EXPECT_EQ(mState.Features.FiveToneEnabled, 1);
  EXPECT_EQ(Window().Tree()->Keys(),
            (QStringList{"N0", "N1", "N4", "N5", "N7", "N10", "N11", "N12", "N8", "N9"}));
  m.HelpDtmf->trigger();
  EXPECT_EQ(mState.Features.DtmfEnabled, 0);
  EXPECT_FALSE(m.EditDtmf->isVisible());
  EXPECT_EQ(Window().Tree()->NodeOf("N5"), nullptr);

  // The choice survives a close and the next start.
  ScriptedMessages script;
  ASSERT_TRUE(Window().close());
  const FeatureFlags stored = ReadFeatureFile(mDir.File("Setting.ini"));
  EXPECT_EQ(stored.FiveToneEnabled, 1);
  EXPECT_EQ(stored.DtmfEnabled, 0);
  EXPECT_EQ(stored.FeatureItemsRevealed, 1);
  mState.Features = stored;
  OpenWindow();
  EXPECT_TRUE(Window().Menus().HelpFiveTone->isVisible());
  EXPECT_TRUE(Window().Menus().HelpFiveTone->isChecked());
  EXPECT_NE(Window().Tree()->NodeOf("N7"), nullptr);
}

// A style under which a single click also activates an item, as on some desktops.
class SingleClickActivates : public QProxyStyle {
 public:
  int styleHint(StyleHint rHint, const QStyleOption* rOption, const QWidget* rWidget,
                QStyleHintReturn* rReturn) const override {
    if (rHint == QStyle::SH_ItemView_ActivateItemOnSingleClick) return 1;
    return QProxyStyle::styleHint(rHint, rOption, rWidget, rReturn);
  }
};

TEST_F(MainWindowTest, ATreeNodeActsOnceForAClickOrAnEnter) {
  PageTree tree;
  SingleClickActivates style;
  tree.setStyle(&style);
  tree.LoadShowTree(mState);
  tree.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&tree));
  QSignalSpy chosen(&tree, &PageTree::PageChosen);
  QTreeWidgetItem* info = tree.NodeOf(QStringLiteral("N9"));
  ASSERT_NE(info, nullptr);
  tree.scrollToItem(info);
  QTest::mouseClick(tree.viewport(), Qt::LeftButton, Qt::NoModifier, tree.visualItemRect(info).center());
  ASSERT_EQ(chosen.count(), 1);
  EXPECT_EQ(chosen.at(0).at(0).toString(), "N9");
  QTest::keyClick(&tree, Qt::Key_Return);
  EXPECT_EQ(chosen.count(), 2);
  // A disabled node does nothing.
  QTreeWidgetItem* scan = tree.NodeOf(QStringLiteral("N10"));
  scan->setFlags(scan->flags() & ~Qt::ItemIsEnabled);
  QTest::mouseClick(tree.viewport(), Qt::LeftButton, Qt::NoModifier, tree.visualItemRect(scan).center());
  EXPECT_EQ(chosen.count(), 2);
}

TEST_F(MainWindowTest, FlagsWithoutTheRevealAreClearedWhenTheWindowLoads) {
  mState.Features = FeatureFlags{1, 1, 1, 1, 0};
  OpenWindow();
  EXPECT_EQ(mState.Features, FeatureFlags{});
  EXPECT_FALSE(Window().Menus().EditFiveTone->isVisible());
  EXPECT_EQ(Window().Tree()->NodeOf("N7"), nullptr);
  // Ctrl on the window itself reveals them too.
  QTest::keyClick(&Window(), Qt::Key_Control, Qt::ControlModifier);
  EXPECT_TRUE(Window().Menus().HelpTwoTone->isVisible());
}

// ---- geometry -----------------------------------------------------------------------

TEST_F(MainWindowTest, GeometryIsSavedAtCloseAndRestoredAtTheNextStart) {
  // Without stored values the window fits the screen.
  const QRect screen = Window().screen()->availableGeometry();
  EXPECT_LE(Window().width(), screen.width());
  EXPECT_LE(Window().height(), screen.height());
  EXPECT_GE(Window().width(), std::min(screen.width(), 800));

  Window().resize(700, 500);
  Window().move(30, 40);
  ScriptedMessages script;
  ASSERT_TRUE(Window().close());
  {
    QSettings stored(QStringLiteral("px4800-cps"), QStringLiteral("NR_6240"));
    EXPECT_EQ(stored.value("Settings/MainWidth").toInt(), 700);
    EXPECT_EQ(stored.value("Settings/MainHeight").toInt(), 500);
    EXPECT_TRUE(stored.contains("Settings/MainLeft"));
  }
  OpenWindow();
  EXPECT_EQ(Window().size(), QSize(700, 500));

  // Minimised at close: the stored geometry stays as it was.
  Window().resize(640, 480);
  Window().setWindowState(Qt::WindowMinimized);
  ASSERT_TRUE(Window().close());
  QSettings stored(QStringLiteral("px4800-cps"), QStringLiteral("NR_6240"));
  EXPECT_EQ(stored.value("Settings/MainWidth").toInt(), 700);

  // Values beyond the screen come back onto it.
  stored.setValue("Settings/MainLeft", "100000");
  stored.setValue("Settings/MainWidth", "50");
  stored.sync();
  OpenWindow();
  EXPECT_TRUE(screen.intersects(Window().geometry()));
  EXPECT_GE(Window().width(), 200);
}

TEST_F(MainWindowTest, SplitterKeepsTheGridAtLeastHalfTheWindow) {
  Window().resize(1000, 600);
  QApplication::processEvents();
  auto* splitter = Window().findChild<QSplitter*>(QStringLiteral("Splitter"));
  ASSERT_NE(splitter, nullptr);
  Window().SizeControls(0, false);
  EXPECT_GE(splitter->sizes().at(0), splitter->width() / 2 - 1);
  Window().SizeControls(100000, false);
  EXPECT_GT(splitter->sizes().at(1), 0);
  // A window resize keeps the tree's width.
  Window().SizeControls(splitter->width() * 3 / 4, false);
  const int tree = splitter->sizes().at(1);
  Window().resize(1200, 600);
  QApplication::processEvents();
  EXPECT_NEAR(splitter->sizes().at(1), tree, 2);
}

}  // namespace
}  // namespace px

namespace px {
namespace {

// The commands users repeat have shortcuts, and no two items anywhere share one (Qt
// would then run neither).
TEST_F(MainWindowTest, RepeatedCommandsHaveShortcutsAndNoTwoItemsShareOne) {
  const MainMenus& m = Window().Menus();
  EXPECT_EQ(m.SaveAs->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  EXPECT_EQ(m.Exit->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
  EXPECT_EQ(m.Read->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_R));
  EXPECT_EQ(m.Write->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_W));
  EXPECT_EQ(m.EditOptions->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_1));
  QMap<QString, QString> seen;
  for (QMenu* menu : m.Menus()) {
    for (QAction* item : menu->actions()) {
      if (item->shortcut().isEmpty()) continue;
      const QString key = item->shortcut().toString();
      EXPECT_FALSE(seen.contains(key)) << key.toStdString() << ": " << seen.value(key).toStdString() << " and "
                                       << item->objectName().toStdString();
      seen.insert(key, item->objectName());
    }
  }
}

}  // namespace
}  // namespace px

namespace px {
namespace {

// The empty filler column is no cell to stand on: Ctrl+End stops before it, and a
// double click there opens nothing.
TEST_F(MainWindowTest, TheFillerColumnIsNeitherCurrentNorEditable) {
  Grid().setFocus();
  Grid().SetCurrentCell(5, 1);
  QTest::keyClick(&Grid(), Qt::Key_End, Qt::ControlModifier);
  EXPECT_GT(Grid().CurrentGridCol(), 0);
  EXPECT_LT(Grid().CurrentGridCol(), kGridColumns - 1);
  QSignalSpy edits(&Grid(), &ChannelGrid::EditRequested);
  const QModelIndex filler = Grid().model()->index(4, kGridColumns - 1);
  Grid().scrollTo(filler);
  QTest::mouseDClick(Grid().viewport(), Qt::LeftButton, Qt::NoModifier, Grid().visualRect(filler).center());
  EXPECT_EQ(edits.count(), 0);
  EXPECT_FALSE(Grid().model()->flags(filler) & Qt::ItemIsSelectable);
}

}  // namespace
}  // namespace px
