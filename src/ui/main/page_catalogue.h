#pragma once
// The pages of the codeplug, one row each: the tree node, the Edit-menu item, the feature
// flag that offers them and how they open. The page tree, the Edit menu, ReShowFun and
// the main window's dispatch are all built from this table; a new page is one row.

#include <QString>

#include <cstdint>
#include <span>

#include "app/app_state.h"
#include "ui/main/main_menus.h"

class QAction;
class QDialog;
class QWidget;

namespace px {

enum class PageKind {
  Grid,        // the channel grid of the main window itself
  Dialog,      // a modal page dialog
  RadioRead,   // read from the radio (the embedded information)
};

// A page dialog: constructed on the program state, shown with exec(); OK stores into
// rState.Current and accepts, Cancel changes nothing.
using PageDialogMaker = QDialog* (*)(AppState& rState, QWidget* rParent);

template <class Dialog>
QDialog* MakePageDialog(AppState& rState, QWidget* rParent) {
  return new Dialog(rState, rParent);
}

struct PageRow {
  const char* Key;      // also the key of its report section: "options", "keys", ...
  const char* TreeKey;  // node identity in the page tree: "N4", ...
  int TreeTextId;       // 0: the fixed text "CH"
  QAction* MainMenus::*MenuAction;       // nullptr: no Edit-menu item
  const char* MenuName;                  // objectName of the Edit-menu item
  int MenuTextId;
  std::int16_t FeatureFlags::*Feature;   // nullptr: always offered
  PageKind Kind;
  PageDialogMaker Make;                  // Dialog pages; nullptr while not built
  int ShortcutKey = 0;                   // the Edit-menu item's shortcut is Ctrl with this Qt::Key
};

std::span<const PageRow> PageCatalogue();
const PageRow* PageByTreeKey(const QString& rTreeKey);

// The feature flag offers the page (the tree shows it, the Edit item is visible).
bool PageOffered(const PageRow& rPage, const AppState& rState);
// The program has what opens the page.
bool PageBuilt(const PageRow& rPage);

// Opens a Dialog page modally; true when it was accepted.
bool ExecPageDialog(const PageRow& rPage, AppState& rState, QWidget* rParent);

}  // namespace px
