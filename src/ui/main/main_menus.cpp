#include "ui/main/main_menus.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>

#include "app/language.h"
#include "ui/kit/apply_language.h"
#include "ui/main/page_catalogue.h"

namespace px {

namespace {

constexpr OwnText kMenuOpenImage{"Open &Image...", "打开映像(&I)..."};

QMenu* AddMenu(QMainWindow* rWindow, const char* rName, int rTextId) {
  QMenu* menu = rWindow->menuBar()->addMenu(QString::number(rTextId));
  menu->setObjectName(QString::fromLatin1(rName));
  menu->menuAction()->setObjectName(QString::fromLatin1(rName));
  SetTextId(menu->menuAction(), rTextId);
  return menu;
}

QAction* AddItem(QMenu* rMenu, const char* rName, int rTextId,
                 const QKeySequence& rShortcut = QKeySequence()) {
  QAction* action = rMenu->addAction(QString::number(rTextId));
  action->setObjectName(QString::fromLatin1(rName));
  SetTextId(action, rTextId);
  if (!rShortcut.isEmpty()) action->setShortcut(rShortcut);
  return action;
}

// A tool bar button is its own action so that its tool tip does not follow the menu
// caption, and it runs the menu item's command.
void AddButton(QToolBar* rBar, const char* rKey, QStyle::StandardPixmap rIcon, int rToolTipId,
               QAction* rCommand) {
  QAction* button = rBar->addAction(rBar->style()->standardIcon(rIcon), QString());
  button->setObjectName(QString::fromLatin1(rKey));
  if (rToolTipId > 0) SetToolTipId(button, rToolTipId);
  QObject::connect(button, &QAction::triggered, rCommand, &QAction::trigger);
  QObject::connect(rCommand, &QAction::enabledChanged, button, &QAction::setEnabled);
  button->setEnabled(rCommand->isEnabled());
}

}  // namespace

QList<QMenu*> MainMenus::Menus() const { return {File, Model, Edit, Settings, Program, View, Help}; }

MainMenus BuildMainMenus(QMainWindow* rWindow) {
  MainMenus m;
  m.File = AddMenu(rWindow, "MnuFile", 1000);
  m.New = AddItem(m.File, "MnuFileNew", 1001, QKeySequence(Qt::CTRL | Qt::Key_N));
  m.Open = AddItem(m.File, "MnuFileOpen", 1002, QKeySequence(Qt::CTRL | Qt::Key_O));
  // Not a number, so that ApplyLanguage leaves it to ApplyOwnMenuTexts.
  m.OpenImage = m.File->addAction(QString::fromUtf8(kMenuOpenImage.English));
  m.OpenImage->setObjectName(QStringLiteral("MnuFileOpenImage"));
  m.Save = AddItem(m.File, "MnuFileSave", 1003, QKeySequence(Qt::CTRL | Qt::Key_S));
  m.SaveAs = AddItem(m.File, "MnuFileSaveAs", 1004, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  m.File->addSeparator();
  m.Print = AddItem(m.File, "MnuFilePrint", 1005, QKeySequence(Qt::CTRL | Qt::Key_P));
  m.File->addSeparator();
  m.Exit = AddItem(m.File, "MnuFileExit", 1006, QKeySequence(Qt::CTRL | Qt::Key_Q));

  m.Model = AddMenu(rWindow, "MnuModel", 1060);
  m.ModelInfo = AddItem(m.Model, "MnuModelInfo", 1061);

  m.Edit = AddMenu(rWindow, "MnuEdit", 1010);
  m.EditChannel = AddItem(m.Edit, "MnuEditChannel", 1011);
  // One item per page of the catalogue, in its order.
  for (const PageRow& page : PageCatalogue())
    if (page.MenuAction != nullptr)
      m.*page.MenuAction =
          AddItem(m.Edit, page.MenuName, page.MenuTextId,
                  page.ShortcutKey != 0 ? QKeySequence(Qt::CTRL | static_cast<Qt::Key>(page.ShortcutKey)) : QKeySequence());

  m.Settings = AddMenu(rWindow, "MnuSet", 1030);
  m.ComPort = AddItem(m.Settings, "MnuSetCom", 1031);
  m.Language = AddItem(m.Settings, "MnuSetLanguage", 1032);
  m.Initialize = AddItem(m.Settings, "MnuSetInit", 1033);

  m.Program = AddMenu(rWindow, "MnuPro", 1040);
  m.Read = AddItem(m.Program, "MnuProRead", 1041, QKeySequence(Qt::CTRL | Qt::Key_R));
  m.Write = AddItem(m.Program, "MnuProWrite", 1042, QKeySequence(Qt::CTRL | Qt::Key_W));
  m.Password = AddItem(m.Program, "MnuProPassWord", 1043);

  m.View = AddMenu(rWindow, "MnuView", 1020);
  m.ViewToolBar = AddItem(m.View, "MnuViewToolBar", 1026);
  m.ViewStatusBar = AddItem(m.View, "MnuViewStatusBar", 1027);
  m.ViewToolBar->setCheckable(true);
  m.ViewStatusBar->setCheckable(true);

  m.Help = AddMenu(rWindow, "MnuHelp", 1050);
  m.HelpDtmf = AddItem(m.Help, "MnuHelpDTMF", 1053);
  m.HelpTwoTone = AddItem(m.Help, "MnuHelp2Tone", 1054);
  m.HelpFiveTone = AddItem(m.Help, "MnuHelp5Tone", 1055);
  for (QAction* item : {m.HelpDtmf, m.HelpTwoTone, m.HelpFiveTone}) item->setCheckable(true);
  m.HelpContents = AddItem(m.Help, "MnuHelpContents", 1051, QKeySequence::HelpContents);
  m.About = AddItem(m.Help, "MnuHelpAbout", 1052);

  m.ToolBar = rWindow->addToolBar(QString());
  m.ToolBar->setObjectName(QStringLiteral("Toolbar1"));
  m.ToolBar->setMovable(false);
  m.ToolBar->setIconSize(QSize(20, 20));
  AddButton(m.ToolBar, "TNewFile", QStyle::SP_FileIcon, 1001, m.New);
  AddButton(m.ToolBar, "TOpenFile", QStyle::SP_DialogOpenButton, 1002, m.Open);
  AddButton(m.ToolBar, "TSaveFile", QStyle::SP_DialogSaveButton, 1003, m.Save);
  m.ToolBar->addSeparator();
  AddButton(m.ToolBar, "TCommRead", QStyle::SP_ArrowDown, 1041, m.Read);
  AddButton(m.ToolBar, "TCommPort", QStyle::SP_ComputerIcon, 0, m.ComPort);
  AddButton(m.ToolBar, "TCommWrite", QStyle::SP_ArrowUp, 1042, m.Write);
  AddButton(m.ToolBar, "TAbout", QStyle::SP_MessageBoxInformation, 1052, m.About);
  return m;
}

void ApplyOwnMenuTexts(const MainMenus& rMenus, const AppState& rState) {
  rMenus.OpenImage->setText(OwnQ(rState, kMenuOpenImage));
}

}  // namespace px
