// The in-place grid editor of the widget kit on its own: entering cells, committing on
// leaving, the key filter of each column, the Enter walk and the page hooks.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <memory>
#include <vector>

#include "ui/kit/code_grid.h"

namespace px {
namespace {

// Upper-cases "a".."f" and takes hexadecimal digits only.
char HexKey(char rKey) {
  if (rKey >= 'a' && rKey <= 'f') return static_cast<char>(rKey - 'a' + 'A');
  if ((rKey >= '0' && rKey <= '9') || (rKey >= 'A' && rKey <= 'F')) return rKey;
  return 0;
}

class CodeGridTest : public ::testing::Test {
 protected:
  void SetUp() override {
    using Editor = CodeGridColumn::Editor;
    std::vector<CodeGridColumn> columns(4);
    columns[1].Kind = Editor::Text;
    columns[1].MaxLength = 6;
    columns[1].Accept = DialogTextFilter::Accept::Frequency;
    columns[2].Kind = Editor::Text;
    columns[2].MaxLength = 4;
    columns[2].Rule = HexKey;
    columns[3].Kind = Editor::List;
    columns[3].Entries = {"one", "two", "three"};
    mWindow = std::make_unique<QWidget>();
    mGrid = new CodeGrid("Grid", 40, columns, mWindow.get());
    mGrid->SetHeaders({"No.", "Tone", "Code", "Kind"});
    for (int r = 0; r < 40; ++r) mGrid->SetCellText(r, 0, QString::number(r));
    auto* layout = new QVBoxLayout(mWindow.get());
    layout->addWidget(mGrid);
    mWindow->resize(mGrid->SizeFor(8) + QSize(20, 20));
    mGrid->SetCommit([this](GridCell rCell, const QString& rText) { mCommits.push_back({rCell, rText}); });
    mWindow->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(mWindow.get()));
  }
  QLineEdit* Text(int rColumn) { return qobject_cast<QLineEdit*>(mGrid->EditorOf(rColumn)); }
  QComboBox* List(int rColumn) { return qobject_cast<QComboBox*>(mGrid->EditorOf(rColumn)); }
  void ClickCell(int rRow, int rColumn) {
    const QRect rect = mGrid->visualRect(mGrid->model()->index(rRow, rColumn));
    QTest::mouseClick(mGrid->viewport(), Qt::LeftButton, {}, rect.center());
  }

  struct Committed {
    GridCell Cell;
    QString Text;
  };
  std::unique_ptr<QWidget> mWindow;
  CodeGrid* mGrid = nullptr;
  std::vector<Committed> mCommits;
};

TEST_F(CodeGridTest, ClickingACellOpensItsEditorAndLeavingItCommits) {
  mGrid->SetCellText(2, 1, "1000.0");
  ClickCell(2, 1);
  ASSERT_EQ(mGrid->EditedCell(), (GridCell{2, 1}));
  EXPECT_TRUE(Text(1)->isVisible());
  EXPECT_TRUE(Text(1)->hasFocus());
  EXPECT_EQ(Text(1)->text(), "1000.0");
  EXPECT_EQ(Text(1)->objectName(), "GridText1");
  Text(1)->selectAll();
  QTest::keyClicks(Text(1), "12x3.5");  // the letter is refused
  ClickCell(5, 2);
  EXPECT_EQ(mGrid->CellText(2, 1), "123.5");
  ASSERT_EQ(mCommits.size(), 1u);
  EXPECT_EQ(mCommits[0].Cell, (GridCell{2, 1}));
  EXPECT_EQ(mCommits[0].Text, "123.5");
  EXPECT_FALSE(Text(1)->isVisible());
  EXPECT_EQ(mGrid->EditedCell(), (GridCell{5, 2}));
  // The label column has no editor: entering it commits and opens nothing.
  QTest::keyClicks(Text(2), "ab9z");
  ClickCell(6, 0);
  EXPECT_EQ(mGrid->CellText(5, 2), "AB9");
  EXPECT_FALSE(mGrid->EditedCell().Valid());
}

TEST_F(CodeGridTest, EnterWalksRightThenDownAndWrapsToTheFirstRow) {
  mGrid->EnterCell(38, 1);
  QTest::keyClick(Text(1), Qt::Key_Return);
  EXPECT_EQ(mGrid->EditedCell(), (GridCell{38, 2}));
  QTest::keyClick(Text(2), Qt::Key_Enter);
  EXPECT_EQ(mGrid->EditedCell(), (GridCell{38, 3}));
  EXPECT_TRUE(List(3)->hasFocus());
  QTest::keyClick(List(3), Qt::Key_Return);
  EXPECT_EQ(mGrid->EditedCell(), (GridCell{39, 1}));
  mGrid->EnterCell(39, 3);
  QTest::keyClick(List(3), Qt::Key_Return);
  EXPECT_EQ(mGrid->EditedCell(), (GridCell{0, 1}));
  // The list's empty cell chose its first entry, and each Enter committed once.
  EXPECT_EQ(mGrid->CellText(38, 3), "one");
  EXPECT_EQ(mCommits.size(), 5u);
}

TEST_F(CodeGridTest, PageHooksRedirectTheCursorAndChooseTheWalk) {
  // A row starts with its first column; Enter on an empty editor goes down one row.
  mGrid->SetEnterRule([this](GridCell rWanted) {
    if (rWanted.Column >= 2 && mGrid->CellText(rWanted.Row, 1).isEmpty()) return GridCell{rWanted.Row, 1};
    return rWanted;
  });
  mGrid->SetEnterWalk([this](GridCell rFrom, const QString& rText) {
    if (rText.isEmpty()) return GridCell{rFrom.Row + 1, rFrom.Column};
    return mGrid->NextEditableCell(rFrom);
  });
  ClickCell(4, 3);
  EXPECT_EQ(mGrid->EditedCell(), (GridCell{4, 1}));
  QTest::keyClick(Text(1), Qt::Key_Return);
  EXPECT_EQ(mGrid->EditedCell(), (GridCell{5, 1}));
  QTest::keyClicks(Text(1), "300");
  QTest::keyClick(Text(1), Qt::Key_Return);
  EXPECT_EQ(mGrid->EditedCell(), (GridCell{5, 2}));
}

TEST_F(CodeGridTest, ScrollingCommitsAndHidesTheEditor) {
  mGrid->EnterCell(1, 2);
  QTest::keyClicks(Text(2), "12");
  mGrid->verticalScrollBar()->setValue(mGrid->verticalScrollBar()->maximum());
  EXPECT_FALSE(mGrid->EditedCell().Valid());
  EXPECT_FALSE(Text(2)->isVisible());
  EXPECT_EQ(mGrid->CellText(1, 2), "12");
  // A cell out of view is scrolled to before its editor opens over it.
  mGrid->EnterCell(0, 1);
  EXPECT_TRUE(mGrid->viewport()->rect().contains(Text(1)->geometry()));
}

}  // namespace
}  // namespace px
