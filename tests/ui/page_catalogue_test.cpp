// Every page of the catalogue that is built, in both languages, on a full codeplug: no
// empty caption or list entry, Cancel changes nothing, OK without a change changes
// nothing; and each one opens from its tree node and from its Edit-menu item.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QTreeWidgetItem>

#include <memory>

#include "app/language.h"
#include "edit/codeplug_ops.h"
#include "edit/file_commands.h"
#include "support/dialog_driver.h"
#include "support/filtered_boxes.h"
#include "support/full_codeplug.h"
#include "support/started_program.h"
#include "ui/kit/help_window.h"
#include "ui/kit/message_service.h"
#include "ui/main/frm_main.h"
#include "ui/main/page_catalogue.h"
#include "ui/main/page_tree.h"

namespace px {
namespace {

// The desktop's catalogue adds to the core's, row for row: a page missing on either side
// would print without a tree node, or show a node the report, diff and help know nothing of.
TEST(PageCatalogueRows, EveryCorePageHasExactlyOneDesktopRowAndViceVersa) {
  for (const CorePage& core : CorePages()) {
    int rows = 0;
    for (const PageRow& page : PageCatalogue()) rows += core.Key == page.Key ? 1 : 0;
    EXPECT_EQ(rows, 1) << core.Key;
  }
  for (const PageRow& page : PageCatalogue()) {
    int rows = 0;
    for (const CorePage& core : CorePages()) rows += core.Key == page.Key ? 1 : 0;
    EXPECT_EQ(rows, 1) << page.Key;
    EXPECT_EQ(&CoreOf(page), FindCorePage(page.Key)) << page.Key;
  }
}

// F1 in a page's window opens the page's topic, as the core's row names it.
TEST(PageCatalogueRows, EachPageWindowOpensItsHelpTopic) {
  const struct {
    const char* Window;
    const char* Topic;
  } cases[] = {{"frmMain", "index"}, {"FrmOption", "options"},   {"FrmKeySet", "keys"},
               {"FrmScan", "scan"},   {"FrmAlert", "alert"},       {"FrmDTMF", "dtmf"},
               {"Frm2Tone", "twotone"}, {"Frm5Tone", "fivetone"}, {"FrmCommuBook", "book"},
               {"FrmEMG", "embedded"}, {"FrmDTMFSpecial", "dtmf"}, {"FrmCHEdit", "editor"},
               {"Unknown", "index"}};
  for (const auto& c : cases) EXPECT_EQ(HelpTopicOf(QString::fromLatin1(c.Window)).toStdString(), c.Topic) << c.Window;
  for (const CorePage& page : CorePages())
    EXPECT_EQ(HelpTopicOf(QString::fromStdString(std::string(page.Window))).toStdString(), page.HelpTopic) << page.Key;
}

bool IsBareNumber(const QString& rText) {
  bool number = false;
  rText.toInt(&number);
  return number;
}

// The select-all button in a table's corner is the one button that has no text.
bool IsTableCornerButton(const QAbstractButton& rButton) {
  auto* table = qobject_cast<QTableView*>(rButton.parentWidget());
  return table != nullptr && rButton.text().isEmpty() && qstrcmp(rButton.metaObject()->className(), "QTableCornerButton") == 0;
}

class PageCatalogueTest : public ::testing::Test {
 protected:
  void SetUp() override {
    mState.Features.DtmfEnabled = mState.Features.TwoToneEnabled = mState.Features.FiveToneEnabled = 1;
    mState.Features.FeatureItemsRevealed = 1;  // or the window takes the signalling pages away
    FillFullCodeplug(mState);
    CopyToSaved(mState);
  }
  void TearDown() override {
    for (const auto& text : mMessages.Texts()) ADD_FAILURE() << "unexpected message: " << text;
  }

  // Every caption, label, button and list entry of rDialog holds a text; a caption that
  // is only a number is a text id without its text.
  static void ExpectTexts(QDialog& rDialog, const std::string& rWhere) {
    EXPECT_FALSE(rDialog.windowTitle().isEmpty()) << rWhere;
    for (QLabel* label : rDialog.findChildren<QLabel*>())
      EXPECT_FALSE(label->text().isEmpty() || IsBareNumber(label->text()))
          << rWhere << " label " << label->objectName().toStdString();
    for (QAbstractButton* button : rDialog.findChildren<QAbstractButton*>()) {
      if (IsTableCornerButton(*button)) continue;
      EXPECT_FALSE(button->text().isEmpty() || IsBareNumber(button->text()))
          << rWhere << " button " << button->objectName().toStdString();
    }
    for (QGroupBox* box : rDialog.findChildren<QGroupBox*>())
      EXPECT_FALSE(box->title().isEmpty()) << rWhere << " group " << box->objectName().toStdString();
    for (QComboBox* list : rDialog.findChildren<QComboBox*>()) {
      EXPECT_GT(list->count(), 0) << rWhere << " " << list->objectName().toStdString();
      for (int i = 0; i < list->count(); ++i)
        EXPECT_FALSE(list->itemText(i).isEmpty()) << rWhere << " " << list->objectName().toStdString() << " entry " << i;
    }
  }

  // Opens the page, checks its texts, then presses rButton; the result code it ended with.
  int OpenAndPress(const PageRow& rPage, const char* rButton, const std::string& rWhere) {
    const std::unique_ptr<QDialog> dialog(rPage.Make(mState, nullptr));
    dialog->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog.get())) << rWhere;
    ExpectTexts(*dialog, rWhere);
    // Every filtered box of the page keeps out what its filter refuses, whatever the way in.
    if (!test::FilteredBoxes(dialog.get()).empty()) test::ExpectFilteredBoxesRefuseEveryWayIn(dialog.get());
    test::DialogDriver(dialog.get()).Press(rButton);
    EXPECT_FALSE(dialog->isVisible()) << rWhere << " stays open after " << rButton;
    return dialog->result();
  }

  void ExpectUnchanged(const std::string& rWhere) {
    EXPECT_FALSE(IsModified(mState)) << rWhere;
    EXPECT_EQ(mState.Current.Settings, mState.SavedCodeplug.Settings) << rWhere;
    EXPECT_EQ(mState.Current.Book, mState.SavedCodeplug.Book) << rWhere;
  }

  // Runs rOpen, expecting it to show a modal dialog named rName, which is cancelled.
  bool OpensModal(const std::function<void()>& rOpen, const QString& rName) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
      QWidget* dialog = QApplication::activeModalWidget();
      if (dialog == nullptr) return;
      seen = dialog->objectName() == rName;
      test::DialogDriver(dialog).Cancel();
    });
    rOpen();
    return seen;
  }

  AppState mState;
  test::StartedProgram mProgram{mState};
  ScriptedMessages mMessages;
};

TEST_F(PageCatalogueTest, EveryBuiltPageHasItsTextsAndChangesNothingUnlessTheUserDoes) {
  int built = 0;
  for (const int language : {kEnglish, kChinese}) {
    SetLanguage(mState, language);
    for (const PageRow& page : PageCatalogue()) {
      if (page.Kind != PageKind::Dialog || page.Make == nullptr) continue;
      ++built;
      const std::string where = std::string(page.Key) + (language == kChinese ? " (Chinese)" : " (English)");
      EXPECT_EQ(OpenAndPress(page, "CommandCancel", where), QDialog::Rejected) << where;
      ExpectUnchanged(where + " after Cancel");
      EXPECT_EQ(OpenAndPress(page, "CommandOK", where), QDialog::Accepted) << where;
      ExpectUnchanged(where + " after OK");
    }
  }
  EXPECT_GE(built, 4);  // options and keys, in both languages
}

TEST_F(PageCatalogueTest, BuiltPagesOpenFromTheirTreeNodeAndTheirEditItem) {
  FrmMain window(mState);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  for (const PageRow& page : PageCatalogue()) {
    QTreeWidgetItem* node = window.Tree()->NodeOf(QString::fromLatin1(page.TreeKey));
    ASSERT_NE(node, nullptr) << page.Key;
    EXPECT_EQ((node->flags() & Qt::ItemIsEnabled) != 0, PageBuilt(page)) << page.Key;
    if (page.MenuAction != nullptr) {
      EXPECT_EQ((window.Menus().*page.MenuAction)->isEnabled(), PageBuilt(page)) << page.Key;
    }
    if (page.Kind != PageKind::Dialog || page.Make == nullptr) continue;

    const std::unique_ptr<QDialog> probe(page.Make(mState, nullptr));
    const QString name = probe->objectName();
    // The help finds the page's topic by this name.
    EXPECT_EQ(name.toStdString(), CoreOf(page).Window) << page.Key;
    EXPECT_TRUE(OpensModal([&] { (window.Menus().*page.MenuAction)->trigger(); }, name)) << page.Key;
    EXPECT_TRUE(OpensModal(
        [&] {
          window.Tree()->scrollToItem(node);
          const QRect place = window.Tree()->visualItemRect(node);
          QTest::mouseClick(window.Tree()->viewport(), Qt::LeftButton, {}, place.center());
        },
        name))
        << page.Key;
  }
  ExpectUnchanged("after opening every page");
}

}  // namespace
}  // namespace px
