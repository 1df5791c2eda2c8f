#pragma once
// What the main window offers beyond the single-row grid commands: several channels at
// once (copy, cut, paste, delete of the selected rows, CSV text on the system clipboard
// both ways), channel lists imported and exported as CSV with a preview, File > Compare
// with..., the verify-after-write setting, and undo/redo of every codeplug change.
//
// The main window calls the hooks below where it changes the codeplug; the page
// catalogue's dispatch records a page's OK with RecordChange(before, OfPage(title)).

#include <QObject>

#include <functional>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "edit/undo_history.h"
#include "ui/main/codeplug_undo.h"

class QAction;
class QMainWindow;

namespace px {

class ChannelGrid;
struct MainMenus;
class UserInterface;

class ChannelWorkbench : public QObject {
  Q_OBJECT

 public:
  ChannelWorkbench(AppState& rState, QMainWindow* rWindow, ChannelGrid* rGrid, const MainMenus& rMenus,
                   UserInterface& rUi, std::function<void()> rRedraw);

  CodeplugUndo& Undo() { return mUndo; }

  // Undo hooks.
  void RecordChange(const CodeplugSnapshot& rBefore, const ChangeDescription& rChange) {
    mUndo.RecordChange(rBefore, rChange);
  }
  template <class F>
  void Track(const ChangeDescription& rChange, F&& rOperation) {
    mUndo.Track(rChange, std::forward<F>(rOperation));
  }
  void ClearHistory() { mUndo.Clear(); }

  // The grid's Ctrl keys and Delete on the selected rows (rRow when it is not selected).
  void HandleCtrlKey(char rKey, int rRow);
  void DeleteRows(int rRow);
  std::vector<int> SelectedRows(int rRow) const;

  // The File menu's commands.
  void ImportChannels();
  // Shows the preview of rPath; true when the user accepted it and it was imported.
  bool ImportChannelsFrom(const std::string& rPath);
  void ExportChannels();
  void CompareWithFile();
  void CompareWith(const std::string& rPath);

  bool VerifyAfterWrite() const;
  void SetVerifyAfterWrite(bool rOn);

  // Texts of the added menu items in the current language.
  void UpdateTexts();

  QAction* ImportAction() const { return mImport; }
  QAction* ExportAction() const { return mExport; }
  QAction* CompareAction() const { return mCompare; }
  QAction* VerifyAction() const { return mVerify; }

 private:
  void Copy(const std::vector<int>& rRows);
  void Paste(int rRow);

  AppState& mState;
  QMainWindow* mWindow;
  ChannelGrid* mGrid;
  UserInterface& mUi;
  std::function<void()> mRedraw;
  CodeplugUndo mUndo;
  std::vector<ChannelRecord> mClip;  // what the last copy or cut took, empty rows too
  std::string mClipText;             // the CSV text that copy put on the system clipboard
  QAction* mImport = nullptr;
  QAction* mExport = nullptr;
  QAction* mCompare = nullptr;
  QAction* mVerify = nullptr;
};

}  // namespace px
