#pragma once
// The Edit menu's channel commands on the grid: Cut, Copy, Paste, Delete, Remove, Select
// All, Move Up/Down, Insert, Sort, Find, with their shortcuts; rows dragged to another
// row; the editor on several selected channels. The work is the core's channel
// operations; each command is one step of the undo history.

#include <QList>
#include <QObject>

#include <functional>
#include <vector>

#include "app/app_state.h"
#include "edit/channel_ops.h"

class QAction;
class QDialog;
class QMenu;
class QWidget;

namespace px {

class ChannelGrid;
class ChannelWorkbench;
struct MainMenus;
class UserInterface;

class ChannelEditMenu : public QObject {
  Q_OBJECT

 public:
  ChannelEditMenu(AppState& rState, QWidget* rWindow, ChannelGrid* rGrid, const MainMenus& rMenus,
                  ChannelWorkbench& rWorkbench, UserInterface& rUi, std::function<void()> rRedraw);

  // The selected memory rows (the current row alone when it is not selected).
  std::vector<int> SelectedMemoryRows() const;

  void MoveBy(int rDelta);
  void MoveTo(const QList<int>& rRows, int rTarget);
  void Insert();
  void Remove();
  void Sort(SortKey rKey);
  // The find window (not modal), its text chosen.
  void ShowFind();
  // From the row after the current one; false when no channel matches.
  bool FindNext(const std::string& rText);
  // The editor on rRow, or on every selected memory channel when rRow is one of several
  // selected rows. False when it changed nothing.
  bool EditRows(int rRow);

  // Texts in the current language.
  void UpdateTexts();

  QAction* Action(const char* rName) const;

 private:
  QAction* Add(QMenu* rMenu, const char* rName, const QKeySequence& rShortcut);
  // Redraws and selects rRows.
  void ShowRows(const std::vector<int>& rRows);

  AppState& mState;
  QWidget* mWindow;
  ChannelGrid* mGrid;
  ChannelWorkbench& mWorkbench;
  UserInterface& mUi;
  std::function<void()> mRedraw;
  QMenu* mSortMenu = nullptr;
  QList<QAction*> mActions;
  QDialog* mFind = nullptr;
};

}  // namespace px
