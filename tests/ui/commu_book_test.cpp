// The communication book dialog on real widgets: the grid, the in-place editor and its
// keys, Import / Export through the file dialogs, OK and Cancel.

#include <gtest/gtest.h>

#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "support/full_codeplug.h"
#include "support/language_home.h"
#include "ui/kit/code_grid.h"
#include "ui/kit/message_service.h"
#include "ui/signalling/frm_commu_book.h"

namespace px {
namespace {

class CommuBookDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    mState = mHome.State();
    FillFullCodeplug(mState);
    mBefore = mState.Current.Book;
  }
  CodeGrid* Grid(FrmCommuBook& rDialog) { return rDialog.findChild<CodeGrid*>("MSFlexGrid1"); }
  // The editor of the cell being edited.
  QLineEdit* Editor(FrmCommuBook& rDialog) {
    const int column = Grid(rDialog)->EditedCell().Column;
    return rDialog.findChild<QLineEdit*>(QStringLiteral("MSFlexGrid1Text%1").arg(column < 0 ? 1 : column));
  }
  void Click(FrmCommuBook& rDialog, const char* rName) {
    auto* button = rDialog.findChild<QPushButton*>(QString::fromLatin1(rName));
    ASSERT_NE(button, nullptr) << rName;
    QTest::mouseClick(button, Qt::LeftButton);
  }
  // Enters the cell and types into its editor.
  void Type(FrmCommuBook& rDialog, int rRow, int rColumn, const QString& rKeys) {
    Grid(rDialog)->EnterCell(rRow, rColumn);
    QLineEdit* editor = Editor(rDialog);
    ASSERT_TRUE(editor->isVisibleTo(&rDialog));
    editor->clear();
    QTest::keyClicks(editor, rKeys);
  }

  test::LanguageHome mHome;
  test::TempDir mDir;
  AppState mState;
  BookEntries mBefore{};
};

TEST_F(CommuBookDialog, GridShowsTheBook) {
  FrmCommuBook dialog(mState);
  CodeGrid* grid = Grid(dialog);
  ASSERT_NE(grid, nullptr);
  EXPECT_EQ(dialog.windowTitle(), "Communication Book");
  EXPECT_EQ(grid->rowCount(), 128);
  EXPECT_EQ(grid->columnCount(), 3);
  EXPECT_EQ(grid->horizontalHeaderItem(0)->text(), "No.");
  EXPECT_EQ(grid->horizontalHeaderItem(1)->text(), "Call ID");
  EXPECT_EQ(grid->horizontalHeaderItem(2)->text(), "Name");
  for (int r : {0, 1, 63, 127}) {
    EXPECT_EQ(grid->item(r, 0)->text(), QString::number(r));
    EXPECT_EQ(grid->item(r, 1)->text().toStdString(), mBefore[static_cast<std::size_t>(r)].CallId.Display());
    EXPECT_EQ(grid->item(r, 2)->text().toStdString(), mBefore[static_cast<std::size_t>(r)].Name.Display());
  }
  EXPECT_FALSE(Editor(dialog)->isVisibleTo(&dialog));
  // The position column gets no editor.
  grid->EnterCell(4, 0);
  EXPECT_FALSE(grid->EditedCell().Valid());
  EXPECT_EQ(grid->EditorOf(0), nullptr);

  SetLanguage(mState, kChinese);
  FrmCommuBook chinese(mState);
  EXPECT_EQ(chinese.windowTitle(), "通信簿");
  EXPECT_EQ(Grid(chinese)->horizontalHeaderItem(2)->text(), "名称");
  EXPECT_EQ(chinese.findChild<QPushButton*>("CommandInput")->text(), "导入(&I)...");
}

TEST_F(CommuBookDialog, EditorKeysStoredFormAndOk) {
  FrmCommuBook dialog(mState);
  Type(dialog, 3, 1, "1a2-3 ");
  EXPECT_EQ(Editor(dialog)->text(), "123");
  EXPECT_EQ(Editor(dialog)->maxLength(), 5);
  Type(dialog, 3, 2, "ab c\\~.");
  EXPECT_EQ(Editor(dialog)->text(), "AB C");
  EXPECT_EQ(Editor(dialog)->maxLength(), 7);
  // Leaving the cell stores it; the grid shows the display form.
  EXPECT_EQ(Grid(dialog)->item(3, 1)->text(), "123");
  Type(dialog, 4, 2, "");
  EXPECT_EQ(Grid(dialog)->item(3, 2)->text(), "AB C");
  // Enter stores the cell, moves on to the next one and does not close the dialog.
  Type(dialog, 5, 1, "42");
  QTest::keyClick(Editor(dialog), Qt::Key_Return);
  EXPECT_EQ(Grid(dialog)->item(5, 1)->text(), "42");
  EXPECT_EQ(Grid(dialog)->EditedCell(), (GridCell{5, 2}));
  EXPECT_EQ(dialog.result(), 0);
  EXPECT_EQ(mState.Current.Book, mBefore);  // nothing before OK

  Type(dialog, 127, 2, "last");  // still in the editor when OK is pressed
  Click(dialog, "CommandOK");
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  const BookEntries& book = mState.Current.Book;
  EXPECT_EQ(std::string(book[3].CallId.Raw()), std::string("123\0 ", 5));
  EXPECT_EQ(std::string(book[3].Name.Raw()), std::string("AB C\0  ", 7));
  EXPECT_EQ(book[4].Name, FixedText<7>::DefaultEmpty());
  EXPECT_EQ(std::string(book[127].Name.Raw()), std::string("LAST\0  ", 7));
  EXPECT_EQ(book[0], mBefore[0]);
}

TEST_F(CommuBookDialog, ExportImportIntoAnotherCodeplugAndCancel) {
  const std::string path = mDir.File("stations.cb");
  {
    FrmCommuBook dialog(mState);
    Type(dialog, 0, 2, "first");  // the cell being edited goes into the file
    ScriptedMessages messages;
    messages.File(path);
    Click(dialog, "CommandOutput");
    EXPECT_TRUE(messages.Texts().empty());
    ASSERT_EQ(messages.Requests.size(), 1u);
    EXPECT_EQ(messages.Requests[0].Proposed, "new.cb");
    EXPECT_TRUE(dialog.isVisible() || dialog.result() == 0);
    EXPECT_EQ(dialog.Work().Path, path);
    Click(dialog, "CommandCancel");
  }
  EXPECT_EQ(mState.Current.Book, mBefore);
  EXPECT_EQ(mState.BookFilePath, "new.cb");

  AppState other = mHome.State();
  {
    FrmCommuBook dialog(other);
    ScriptedMessages messages;
    messages.File(path);
    Click(dialog, "CommandInput");
    EXPECT_EQ(Grid(dialog)->item(0, 2)->text(), "FIRST");
    Click(dialog, "CommandCancel");  // Cancel after an import: the codeplug keeps its book
  }
  EXPECT_EQ(other.Current.Book, AppState{}.Current.Book);
  FrmCommuBook dialog(other);
  ScriptedMessages messages;
  messages.File(path);
  Click(dialog, "CommandInput");
  Click(dialog, "CommandOK");
  BookEntries expected = mBefore;
  expected[0].Name.Assign(std::string("FIRST\0 ", 7));
  EXPECT_EQ(other.Current.Book, expected);
  EXPECT_EQ(other.BookFilePath, path);
}

TEST_F(CommuBookDialog, BadFilesAndCancelledDialogsChangeNothing) {
  test::WriteBytes(mDir.File("short.cb"), std::vector<unsigned char>(1000, '1'));
  FrmCommuBook dialog(mState);
  Type(dialog, 2, 1, "777");
  ScriptedMessages messages;
  messages.File(mDir.File("short.cb")).File(std::nullopt).File(std::nullopt).File(mDir.File("no/dir/x.cb"));
  Click(dialog, "CommandInput");   // wrong size
  Click(dialog, "CommandInput");   // cancelled
  Click(dialog, "CommandOutput");  // cancelled
  Click(dialog, "CommandOutput");  // cannot be written
  const auto texts = messages.Texts();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].rfind("file error.", 0), 0u);
  EXPECT_NE(texts[0].find("1000 bytes"), std::string::npos) << texts[0];
  EXPECT_EQ(texts[1].rfind("file error.", 0), 0u);
  EXPECT_EQ(dialog.result(), 0);  // still open
  EXPECT_EQ(Grid(dialog)->item(2, 1)->text(), "777");
  EXPECT_EQ(dialog.Work().Path, "new.cb");
  EXPECT_FALSE(std::filesystem::exists(mDir.File("no")));
  Click(dialog, "CommandCancel");
  EXPECT_EQ(mState.Current.Book, mBefore);
}

}  // namespace
}  // namespace px
