#pragma once
// The code tables of the signalling pages (2-Tone codes, 5-Tone codes, the communication
// book): a grid of plain cells with one in-place editor per editable column. Entering a
// cell (click, arrow keys, Enter) places that column's editor over it with the cell's
// text; leaving it commits: the editor's text goes into the cell and the page's commit
// hook may rewrite the row. Enter in an editor commits and walks to the next cell.
//
// The page's rules come in as hooks, so the grid knows no page:
// - EnterRule: the cell actually entered when the user enters one (a page can send the
//   cursor back to the start of its row);
// - EnterWalk: where Enter goes from a cell, given the editor's text;
// - Commit: called after a cell took the editor's text; it may rewrite any cell;
// - EditText: the text a cell's editor opens with, when that is not the cell's shown text
//   (a cell that shows decoration around what is edited).
// Rows count from 0; column 0 is usually the row's label and has no editor. With the grid
// itself focused (no editor open), Enter, F2 or typing opens the current cell's editor.
//
// Objects: the grid is named by the page; the editors are "<grid>Text<c>" / "<grid>List<c>"
// for column c, so tests can find and drive them.

#include <functional>
#include <vector>

#include <QStringList>
#include <QTableWidget>

#include "ui/kit/dialog_text_filter.h"

class QComboBox;
class QLineEdit;

namespace px {

struct GridCell {
  int Row = -1;
  int Column = -1;
  bool Valid() const { return Row >= 0 && Column >= 0; }
  bool operator==(const GridCell&) const = default;
};

struct CodeGridColumn {
  enum class Editor { None, Text, List };
  Editor Kind = Editor::None;
  int Width = 0;                 // pixels; 0 fits the header and the editor's width
  // Text: the longest text and the key filter (Rule wins when set).
  int MaxLength = 0;
  DialogTextFilter::Accept Accept = DialogTextFilter::Accept::Ascii;
  KeyRule Rule;
  // List: the entries; an empty cell chooses the first.
  QStringList Entries;
};

class CodeGrid : public QTableWidget {
  Q_OBJECT

 public:
  using EnterRule = std::function<GridCell(GridCell rWanted)>;
  using EnterWalk = std::function<GridCell(GridCell rFrom, const QString& rText)>;
  using Commit = std::function<void(GridCell rCell, const QString& rText)>;
  using EditText = std::function<QString(GridCell rCell)>;

  CodeGrid(const char* rName, int rRows, std::vector<CodeGridColumn> rColumns, QWidget* rParent = nullptr);

  void SetEnterRule(EnterRule rRule) { mEnterRule = std::move(rRule); }
  void SetEnterWalk(EnterWalk rWalk) { mEnterWalk = std::move(rWalk); }
  void SetCommit(Commit rCommit) { mCommit = std::move(rCommit); }
  void SetEditText(EditText rEditText) { mEditText = std::move(rEditText); }

  // Header texts, left to right (the page sets them in the current language).
  void SetHeaders(const QStringList& rHeaders);

  // Cell texts without going through an editor or the hooks (loading, page rules).
  QString CellText(int rRow, int rColumn) const;
  void SetCellText(int rRow, int rColumn, const QString& rText);

  // Enters a cell as the user would (the EnterRule applies); the open editor is committed
  // first.
  void EnterCell(int rRow, int rColumn);
  // Commits the open editor, if any, and hides it (a page's OK calls this first).
  void CommitEdit();
  // Hides the open editor without committing: what it holds no longer applies (the page
  // changed the cell under it).
  void DiscardEdit();
  // The cell whose editor is open; invalid when none is.
  GridCell EditedCell() const { return mEdited; }
  // The editor widget of a column (nullptr for a column without one).
  QWidget* EditorOf(int rColumn) const;

  // The next cell to the right that has an editor; after the row's last, the first of the
  // next row; after the last row, row 0. The walk when the page sets none.
  GridCell NextEditableCell(GridCell rFrom) const;

  // Width and height that show every column and about rVisibleRows rows.
  QSize SizeFor(int rVisibleRows) const;

 protected:
  bool eventFilter(QObject* rWatched, QEvent* rEvent) override;
  // With no editor open, Enter, F2 or a typed character opens the current cell's editor
  // (the character goes into it).
  void keyPressEvent(QKeyEvent* rEvent) override;

 private:
  void OnCurrentCellChanged(int rRow, int rColumn);
  void OpenEditor(GridCell rCell);
  void PlaceEditor();
  QString EditorText() const;
  void WalkOnEnter();

  std::vector<CodeGridColumn> mColumns;
  std::vector<QLineEdit*> mTexts;   // per column, nullptr when not a text column
  std::vector<QComboBox*> mLists;   // per column, nullptr when not a list column
  GridCell mEdited;
  bool mEntering = false;  // guards the cell changes the grid makes itself
  EnterRule mEnterRule;
  EnterWalk mEnterWalk;
  Commit mCommit;
  EditText mEditText;
};

}  // namespace px
