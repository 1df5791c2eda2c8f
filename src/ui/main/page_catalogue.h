#pragma once
// What only the desktop knows of each page of the core catalogue (page_catalogue_core.h),
// one row each under the core row's key: the tree node, the Edit-menu item, the feature
// flag that offers the page and how it opens. The page tree, the Edit menu, ReShowFun and
// the main window's dispatch are all built from this table, in its order (the tree's).

#include <QString>

#include <cstdint>
#include <span>

#include "app/app_state.h"
#include "edit/page_catalogue_core.h"
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
  const char* Key;      // the core row's key: "options", "keys", ...
  const char* TreeKey;  // node identity in the page tree: "N4", ...
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
// The core's row of the page (its texts, help topic, record and fields).
const CorePage& CoreOf(const PageRow& rPage);

// The feature flag offers the page (the tree shows it, the Edit item is visible).
bool PageOffered(const PageRow& rPage, const AppState& rState);
// The program has what opens the page.
bool PageBuilt(const PageRow& rPage);

// Opens a Dialog page modally; true when it was accepted.
bool ExecPageDialog(const PageRow& rPage, AppState& rState, QWidget* rParent);

}  // namespace px
