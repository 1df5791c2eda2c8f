// The Edit menu's channel commands on real widgets, offscreen: the keys (Alt+Up/Down,
// Insert, Ctrl+Delete, Ctrl+F), drag and drop of rows, the editor on several channels,
// cells pasted from a spreadsheet, each undone, with the settings that name a channel
// still naming it.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <map>
#include <memory>

#include "codeplug/alert_slots.h"
#include "codeplug/option_slots.h"
#include "codeplug/scan_slots.h"
#include "edit/codeplug_ops.h"
#include "edit/file_commands.h"
#include "support/dialog_driver.h"
#include "support/main_window_test.h"
#include "ui/kit/message_service.h"
#include "ui/main/channel_edit_menu.h"
#include "ui/main/channel_grid.h"
#include "ui/main/channel_workbench.h"
#include "ui/main/frm_ch_edit.h"
#include "ui/main/frm_main.h"

namespace px {
namespace {

constexpr int kName = 3;
constexpr int kPower = 7;

class EditMenuTest : public test::MainWindowTest {
 protected:
  QAction& Undo() { return *mWindow->Workbench()->Undo().UndoAction(); }

  // Rows 1..rCount hold "CH1".."CHn"; scan 1 names row 2, scan 2 row 4, alert row 6 and
  // power-on row 8, all saved.
  void ShowSaved(int rCount) {
    mState.Current.ChannelCount = 0;
    for (int n = 1; n <= rCount; ++n) {
      ChannelRecord& ch = mState.Channels[static_cast<std::size_t>(mState.Current.ChannelCount++)];
      ch = ChannelRecord{};
      ch.Number = static_cast<Int16>(n);
      ch.InUse = 1;
      ch.RxFreq.Assign(n % 2 ? "014550000" : "014450000");
      ch.OffsetFreq.Assign("000000000");
      ch.Name.Assign("CH" + std::to_string(n));
      ch.StepIndex = 5;
      ch.TxPowerIndex = 0;
    }
    mState.Current.Settings.Scan[ScanSlot::Channel1] = 2;
    mState.Current.Settings.Scan[ScanSlot::Channel2] = 4;
    mState.Current.Settings.Alert[AlertSlot::Channel] = 6;
    mState.Current.Settings.Options.OptionValues[OptionSlot::PowerOnChannel] = 8 - 1;
    RepairChannelReferences(mState);
    CopyToSaved(mState);
    mWindow->ShowListByData();
  }
  // The names the scan 1, scan 2, alert and power-on references point at.
  std::vector<QString> References() {
    const auto& s = mState.Current.Settings;
    return {Cell(s.Scan[ScanSlot::Channel1], kName), Cell(s.Scan[ScanSlot::Channel2], kName),
            Cell(s.Alert[AlertSlot::Channel], kName), Cell(s.Options.OptionValues[OptionSlot::PowerOnChannel] + 1, kName)};
  }
  const std::vector<QString> kNamed{"CH2", "CH4", "CH6", "CH8"};

  void Select(int rFirst, int rLast) {
    Grid().SetCurrentCell(rFirst, 1);
    for (int row = rFirst; row <= rLast; ++row)
      Grid().selectionModel()->select(Grid().model()->index(row - 1, 0),
                                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
  }
  void Press(Qt::Key rKey, Qt::KeyboardModifiers rModifiers) {
    Grid().setFocus();
    QTest::keyClick(&Grid(), rKey, rModifiers);
  }
  void UndoAll() {
    while (Undo().isEnabled()) Undo().trigger();
  }

};

void CollectShortcuts(const QMenu* rMenu, std::map<QString, QStringList>& rSeen) {
  for (QAction* action : rMenu->actions()) {
    if (action->menu()) CollectShortcuts(action->menu(), rSeen);
    for (const QKeySequence& key : action->shortcuts())
      rSeen[key.toString()] << action->objectName();
  }
}

TEST_F(EditMenuTest, EveryItemHasItsOwnShortcut) {
  std::map<QString, QStringList> seen;
  for (QAction* top : mWindow->menuBar()->actions())
    if (top->menu()) CollectShortcuts(top->menu(), seen);
  for (const auto& [key, names] : seen) EXPECT_EQ(names.size(), 1) << key.toStdString() << ": " << names.join(", ").toStdString();
  const std::map<const char*, QKeySequence> wanted = {
      {"MnuEditCut", QKeySequence(Qt::CTRL | Qt::Key_X)},     {"MnuEditCopy", QKeySequence(Qt::CTRL | Qt::Key_C)},
      {"MnuEditPaste", QKeySequence(Qt::CTRL | Qt::Key_V)},   {"MnuEditDelete", QKeySequence(Qt::Key_Delete)},
      {"MnuEditMoveUp", QKeySequence(Qt::ALT | Qt::Key_Up)},  {"MnuEditMoveDown", QKeySequence(Qt::ALT | Qt::Key_Down)},
      {"MnuEditFind", QKeySequence(Qt::CTRL | Qt::Key_F)},    {"MnuEditSelectAll", QKeySequence(Qt::CTRL | Qt::Key_A)},
  };
  for (const auto& [name, key] : wanted) {
    QAction* action = mWindow->EditMenu()->Action(name);
    ASSERT_NE(action, nullptr) << name;
    EXPECT_EQ(action->shortcut(), key) << name;
    EXPECT_TRUE(mWindow->Menus().Edit->actions().contains(action)) << name;
  }
  // Both languages.
  EXPECT_EQ(mWindow->EditMenu()->Action("MnuEditRemove")->text(), "&Remove Rows");
  mState.LanguageIndex = kChinese;
  mWindow->EditMenu()->UpdateTexts();
  EXPECT_EQ(mWindow->EditMenu()->Action("MnuEditRemove")->text(), QString::fromUtf8("移除行(&R)"));
}

TEST_F(EditMenuTest, KeysMoveInsertAndRemoveRowsEachOneUndoStep) {
  ShowSaved(10);
  Select(4, 5);
  Press(Qt::Key_Up, Qt::AltModifier);
  EXPECT_EQ(Cell(3, kName), "CH4");
  EXPECT_EQ(Cell(5, kName), "CH3");
  EXPECT_EQ(Undo().text(), "Undo move 2 channels to channel 2");
  EXPECT_EQ(References(), kNamed);
  // The moved rows stay selected, so the keys go on moving them.
  Press(Qt::Key_Down, Qt::AltModifier);
  Press(Qt::Key_Down, Qt::AltModifier);
  EXPECT_EQ(Cell(5, kName), "CH4");
  EXPECT_EQ(Cell(6, kName), "CH5");
  EXPECT_EQ(Cell(4, kName), "CH6");
  EXPECT_EQ(References(), kNamed);

  Grid().clearSelection();
  Select(2, 2);
  Press(Qt::Key_Insert, Qt::NoModifier);
  EXPECT_EQ(Cell(2, kName), "");
  EXPECT_EQ(Cell(3, kName), "CH2");
  EXPECT_EQ(Cell(11, kName), "CH10");
  EXPECT_EQ(References(), kNamed);
  EXPECT_EQ(Undo().text(), "Undo insert a row at channel 1");

  // Ctrl+Delete asks before the channels go.
  Grid().clearSelection();
  Select(1, 3);
  {
    ScriptedMessages script;
    script.Answer(MsgAnswer::No);
    Press(Qt::Key_Delete, Qt::ControlModifier);
    ASSERT_EQ(script.Requests.size(), 1u);
    EXPECT_NE(script.Requests[0].Text.find("2 of them hold a channel"), std::string::npos);
    EXPECT_EQ(Cell(1, kName), "CH1");
  }
  {
    ScriptedMessages script;
    script.Answer(MsgAnswer::Yes);
    Press(Qt::Key_Delete, Qt::ControlModifier);
  }
  EXPECT_EQ(Cell(1, kName), "CH3");
  EXPECT_EQ(Cell(9, kName), "");
  EXPECT_EQ(Undo().text(), "Undo remove 3 channels from channel 0");
  // Scan 1 named CH2, which is gone: the last memory channel of the table now.
  EXPECT_EQ(References(), (std::vector<QString>{"CH10", "CH4", "CH6", "CH8"}));

  UndoAll();
  EXPECT_FALSE(IsModified(mState));
  EXPECT_EQ(References(), kNamed);
  for (int n = 1; n <= 10; ++n) EXPECT_EQ(Cell(n, kName), QString("CH%1").arg(n));
}

TEST_F(EditMenuTest, SortByFrequencyThenUndo) {
  ShowSaved(10);
  mWindow->EditMenu()->Action("MnuEditSortRx")->trigger();
  // Even rows are at 144.5 MHz, odd ones at 145.5: the even ones first, each in order.
  EXPECT_EQ(Cell(1, kName), "CH2");
  EXPECT_EQ(Cell(5, kName), "CH10");
  EXPECT_EQ(Cell(6, kName), "CH1");
  EXPECT_EQ(References(), kNamed);
  EXPECT_EQ(Undo().text(), "Undo sort channels");
  Undo().trigger();
  EXPECT_FALSE(IsModified(mState));
  EXPECT_EQ(Cell(1, kName), "CH1");
}

TEST_F(EditMenuTest, RowsDraggedToAnotherRowMoveThere) {
  ShowSaved(10);
  Select(2, 3);
  auto* data = Grid().model()->mimeData(Grid().selectionModel()->selectedIndexes());
  ASSERT_TRUE(data->hasFormat(kGridRowsMime));
  EXPECT_EQ(data->data(kGridRowsMime), "2,3");
  // A synthetic drop event never reaches the view without a drag in progress, so the
  // drop is given as the grid reports it: the rows it carried and the row under the
  // pointer.
  QList<int> carried;
  for (const QByteArray& part : data->data(kGridRowsMime).split(',')) carried << part.toInt();
  emit Grid().RowsDropped(carried, 8);
  EXPECT_EQ(Cell(8, kName), "CH2");
  EXPECT_EQ(Cell(9, kName), "CH3");
  EXPECT_EQ(Cell(2, kName), "CH4");
  EXPECT_EQ(Cell(7, kName), "CH9");
  EXPECT_EQ(References(), kNamed);
  EXPECT_EQ(Undo().text(), "Undo move 2 channels to channel 7");
  Undo().trigger();
  EXPECT_FALSE(IsModified(mState));
  delete data;

  // Dropped on the row it came from: nothing moves.
  emit Grid().RowsDropped({8}, 8);
  EXPECT_FALSE(IsModified(mState));
}

TEST_F(EditMenuTest, TheEditorOnTenChannelsSetsOnlyWhatWasChanged) {
  ShowSaved(12);
  Select(1, 10);
  bool opened = false;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<FrmCHEdit*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    opened = true;
    EXPECT_TRUE(dialog->windowTitle().endsWith("10 channels")) << dialog->windowTitle().toStdString();
    test::DialogDriver driver(dialog);
    driver.Pick("TxPower", 2);  // Low
    driver.Ok();
  });
  Grid().setFocus();
  QTest::keyClick(&Grid(), Qt::Key_Return);
  ASSERT_TRUE(opened);
  for (int n = 1; n <= 12; ++n) {
    SCOPED_TRACE(n);
    EXPECT_EQ(Cell(n, kPower), n <= 10 ? "Low" : "High");
    EXPECT_EQ(Cell(n, kName), QString("CH%1").arg(n));  // each keeps its own
    EXPECT_EQ(Cell(n, 1), n % 2 ? "145.50000" : "144.50000");
  }
  EXPECT_EQ(Undo().text(), "Undo edit 10 channels");
  Undo().trigger();
  EXPECT_EQ(Cell(5, kPower), "High");
  EXPECT_FALSE(IsModified(mState));
}

TEST_F(EditMenuTest, FindMovesTheCurrentRow) {
  ShowSaved(12);
  Grid().SetCurrentCell(1, 1);
  mWindow->EditMenu()->Action("MnuEditFind")->trigger();
  auto* find = mWindow->findChild<QDialog*>("FrmFind");
  ASSERT_NE(find, nullptr);
  ASSERT_TRUE(find->isVisible());
  test::DialogDriver driver(find);
  driver.Type("FindText", "ch1");
  driver.Press("FindNext");
  EXPECT_EQ(Grid().CurrentGridRow(), 10);  // CH10, after the current CH1
  driver.Press("FindNext");
  EXPECT_EQ(Grid().CurrentGridRow(), 11);
  driver.Type("FindText", "144.5");
  driver.Press("FindNext");
  EXPECT_EQ(Grid().CurrentGridRow(), 12);
  driver.Type("FindText", "nowhere");
  driver.Press("FindNext");
  EXPECT_EQ(Grid().CurrentGridRow(), 12);
  EXPECT_TRUE(find->findChild<QLabel*>("FindStatus")->text().contains("nowhere"));
}

TEST_F(EditMenuTest, CellsFromASpreadsheetPasteAsChannels) {
  ShowSaved(2);
  QGuiApplication::clipboard()->setText(
      "5\t146.52000\t146.52000\tCALL\t12.5K\t12.5K\tOFF\tLow\t88.5\t88.5\tOFF\n"
      "6\t147.00000\t147.60000\tRPT\t5K\t25K\tOFF\tMiddle\tOFF\tD023N\tOFF\n");
  Grid().SetCurrentCell(20, 1);
  Press(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Cell(20, kName), "CALL");
  EXPECT_EQ(Cell(20, kPower), "Low");
  EXPECT_EQ(Cell(21, kName), "RPT");
  EXPECT_EQ(Cell(21, 2), "147.60000");
  EXPECT_EQ(Cell(21, 9), "D023N");
  EXPECT_EQ(Undo().text(), "Undo paste 2 channels from channel 19");
  Undo().trigger();
  EXPECT_EQ(Cell(20, kName), "");
  EXPECT_FALSE(IsModified(mState));
}

}  // namespace
}  // namespace px
