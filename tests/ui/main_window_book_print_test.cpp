// The main window opens the book dialog (tree and Edit menu) and the print dialog (File >
// Print); OK in the book dialog reaches the codeplug.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/bands.h"
#include "edit/file_commands.h"
#include "support/language_home.h"
#include "ui/kit/code_grid.h"
#include "ui/kit/message_service.h"
#include "ui/main/frm_main.h"
#include "ui/main/main_menus.h"
#include "ui/main/page_tree.h"
#include "ui/print/frm_print.h"
#include "ui/signalling/frm_commu_book.h"

namespace px {
namespace {

// Runs rStep on the modal dialog of type T once it is open.
template <class T>
void WhenOpen(std::function<void(T&)> rStep, bool* rSeen) {
  QTimer::singleShot(0, [rStep, rSeen] {
    auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
    if (!dialog) {
      for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = dynamic_cast<T*>(w); d && d->isVisible()) dialog = d;
    }
    *rSeen = dialog != nullptr;
    if (dialog) rStep(*dialog);
  });
}

class MainWindowBookPrint : public ::testing::Test {
 protected:
  void SetUp() override {
    mState = mHome.State();
    CreateNewCodeplug(mState);
    RebuildBandTexts(mState);
    mWindow = std::make_unique<FrmMain>(mState);
    mWindow->show();
  }
  test::LanguageHome mHome;
  AppState mState;
  ScriptedMessages mMessages;
  std::unique_ptr<FrmMain> mWindow;
};

TEST_F(MainWindowBookPrint, EditMenuAndTreeOpenTheBook) {
  const MainMenus& m = mWindow->Menus();
  ASSERT_TRUE(m.EditBook->isEnabled());
  ASSERT_NE(mWindow->Tree()->NodeOf("N8"), nullptr);
  bool seen = false;
  WhenOpen<QDialog>([](QDialog& rDialog) {
    auto* grid = rDialog.findChild<CodeGrid*>("MSFlexGrid1");
    grid->EnterCell(0, 1);
    QTest::keyClicks(rDialog.findChild<QLineEdit*>("MSFlexGrid1Text1"), "555");
    QTest::mouseClick(rDialog.findChild<QPushButton*>("CommandOK"), Qt::LeftButton);
  }, &seen);
  m.EditBook->trigger();
  EXPECT_TRUE(seen);
  EXPECT_EQ(mState.Current.Book[0].CallId.Display(), "555");
  EXPECT_TRUE(IsModified(mState));
}

TEST_F(MainWindowBookPrint, FilePrintOpensThePrintDialog) {
  const MainMenus& m = mWindow->Menus();
  ASSERT_TRUE(m.Print->isEnabled());
  bool seen = false;
  std::string title;
  WhenOpen<QDialog>([&title](QDialog& rDialog) {
    title = rDialog.objectName().toStdString();
    rDialog.reject();
  }, &seen);
  m.Print->trigger();
  EXPECT_TRUE(seen);
  EXPECT_EQ(title, "FrmPrint");
}

}  // namespace
}  // namespace px
