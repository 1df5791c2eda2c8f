#pragma once
// The menu bar and tool bar of the main window. Every action carries its text id and
// an objectName after its menu item ("MnuFileNew"); tool bar buttons are named by
// their keys ("TNewFile").

#include <QList>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

namespace px {

struct AppState;

struct MainMenus {
  QMenu* File = nullptr;
  QAction* New = nullptr;
  QAction* Open = nullptr;
  QAction* OpenImage = nullptr;
  QAction* Save = nullptr;
  QAction* SaveAs = nullptr;
  QAction* Print = nullptr;
  QAction* Exit = nullptr;

  QMenu* Model = nullptr;
  QAction* ModelInfo = nullptr;

  QMenu* Edit = nullptr;
  QAction* EditChannel = nullptr;
  QAction* EditOptions = nullptr;
  QAction* EditDtmf = nullptr;
  QAction* EditTwoTone = nullptr;
  QAction* EditFiveTone = nullptr;
  QAction* EditScan = nullptr;
  QAction* EditAlert = nullptr;
  QAction* EditKeys = nullptr;
  QAction* EditBook = nullptr;
  QAction* EditEmbedded = nullptr;

  QMenu* Settings = nullptr;
  QAction* ComPort = nullptr;
  QAction* Language = nullptr;
  QAction* Initialize = nullptr;

  QMenu* Program = nullptr;
  QAction* Read = nullptr;
  QAction* Write = nullptr;
  QAction* Password = nullptr;

  QMenu* View = nullptr;
  QAction* ViewToolBar = nullptr;
  QAction* ViewStatusBar = nullptr;

  QMenu* Help = nullptr;
  QAction* HelpDtmf = nullptr;
  QAction* HelpTwoTone = nullptr;
  QAction* HelpFiveTone = nullptr;
  QAction* HelpContents = nullptr;
  QAction* About = nullptr;

  QToolBar* ToolBar = nullptr;

  // The top-level menus in order, for the language tests.
  QList<QMenu*> Menus() const;
};

// Builds the menus and the tool bar on rWindow; texts come with ApplyLanguage.
MainMenus BuildMainMenus(QMainWindow* rWindow);
// The captions that are the program's own rather than the language file's; after each
// ApplyLanguage.
void ApplyOwnMenuTexts(const MainMenus& rMenus, const AppState& rState);

}  // namespace px
