#pragma once
// frmMain: the program's one non-modal window. The channel grid and the page tree side
// by side, the menus, tool bar and status bar, and the commands behind them.

#include <QMainWindow>

#include <functional>

#include "app/app_state.h"
#include "ui/main/main_menus.h"
#include "ui/kit/message_service.h"
#include "ui/main/radio_commands.h"

class QLabel;
class QSplitter;

namespace px {

class ChannelGrid;
class ChannelEditMenu;
class ChannelWorkbench;
class PageTree;
struct PageRow;

class FrmMain : public QMainWindow {
  Q_OBJECT

 public:
  explicit FrmMain(AppState& rState, QWidget* rParent = nullptr);

  // Title, headers, row labels and every row with a record.
  void ShowListByData();
  void LoadShowTree();
  void ReShowGrid(int rIndex, int rRow, int rCol);
  // Edit menu signalling items after the feature flags, then the tree.
  void ReShowFun();
  // Language texts on the window, its tree and its grid.
  void ApplyWindowLanguage();
  // Places the splitter rX pixels from the left, kept between half the window width
  // and 30 pixels short of the right edge.
  void SizeControls(int rX, bool rFrmChange);

  // The commands of the menus, callable by tests.
  void NewFile();
  void OpenFile();
  void SaveFile();
  void SaveFileAs();
  void InitializeCodeplug();
  void EditCurrentChannel();
  void OpenEditor(int rRow);
  void RevealFeatureItems();
  // The title with its unsaved-changes marker.
  void UpdateTitle();
  void ReadEmbeddedInfo();
  QString StatusText() const;
  // Opens a page of the catalogue as its tree node and Edit-menu item do.
  void OpenPage(const PageRow& rPage);

  // The window's own settings store group ("Settings"); tests may point it elsewhere.
  void RestoreGeometry();
  void SaveGeometry();

  AppState& State() { return mState; }
  RadioContext& Radio() { return mRadio; }
  MessageService& Messages() { return mMessages; }
  ChannelGrid* Grid() const { return mGrid; }
  PageTree* Tree() const { return mTree; }
  // Several channels, CSV, compare, verify setting, undo/redo.
  ChannelWorkbench* Workbench() const { return mWorkbench; }
  // The Edit menu's channel commands: move, sort, insert, remove, find, edit many.
  ChannelEditMenu* EditMenu() const { return mEditMenu; }
  const MainMenus& Menus() const { return mMenus; }
  QString TitleText() const;

 protected:
  void closeEvent(QCloseEvent* rEvent) override;
  void resizeEvent(QResizeEvent* rEvent) override;

 private:
  void ConnectCommands();
  void OnCtrlKey(char rKey, int rRow);
  void OnDeleteRow(int rRow);
  void OnPageChosen(const QString& rKey);
  void SetFeature(std::int16_t FeatureFlags::*rFlag, bool rOn);
  void ShowFeatureItems();
  void UpdateClock();
  void ShowHelpContents();
  // The status text is kept as how to make it, so that a language change redoes it.
  void SetStatus(std::function<QString()> rText);
  void ReportFileStatus(const OwnText& rText);
  void ReportTransfer(const OwnText& rDone, const OwnText& rFailed);
  bool ConfirmClose();

  AppState& mState;
  MessageService mMessages;
  RadioContext mRadio;
  MainMenus mMenus;
  ChannelGrid* mGrid = nullptr;
  PageTree* mTree = nullptr;
  ChannelWorkbench* mWorkbench = nullptr;
  ChannelEditMenu* mEditMenu = nullptr;
  QSplitter* mSplitter = nullptr;
  QLabel* mStatusText = nullptr;
  QLabel* mStatusDate = nullptr;
  QLabel* mStatusTime = nullptr;
  std::function<QString()> mStatusSource;
  int mTreeWidth = 0;
  bool mClosed = false;
};

}  // namespace px
