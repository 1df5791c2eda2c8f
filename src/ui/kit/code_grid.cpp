#include "ui/kit/code_grid.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>

#include <algorithm>
#include <utility>

namespace px {

namespace {

bool IsEnter(const QKeyEvent* rKey) {
  return rKey->key() == Qt::Key_Return || rKey->key() == Qt::Key_Enter;
}

}  // namespace

CodeGrid::CodeGrid(const char* rName, int rRows, std::vector<CodeGridColumn> rColumns, QWidget* rParent)
    : QTableWidget(rRows, static_cast<int>(rColumns.size()), rParent), mColumns(std::move(rColumns)) {
  setObjectName(QString::fromLatin1(rName));
  verticalHeader()->hide();
  horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setSectionsClickable(false);
  setEditTriggers(QAbstractItemView::NoEditTriggers);  // the grid's own editors only
  setSelectionMode(QAbstractItemView::SingleSelection);
  setTabKeyNavigation(false);
  setWordWrap(false);
  for (int r = 0; r < rowCount(); ++r) {
    for (int c = 0; c < columnCount(); ++c) {
      auto* item = new QTableWidgetItem;
      item->setTextAlignment(Qt::AlignCenter);
      item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
      setItem(r, c, item);
    }
  }

  const QString name = objectName();
  for (std::size_t c = 0; c < mColumns.size(); ++c) {
    const CodeGridColumn& column = mColumns[c];
    QLineEdit* text = nullptr;
    QComboBox* list = nullptr;
    if (column.Kind == CodeGridColumn::Editor::Text) {
      text = new QLineEdit(viewport());
      text->setObjectName(name + QStringLiteral("Text%1").arg(c));
      if (column.MaxLength > 0) text->setMaxLength(column.MaxLength);
      text->setAlignment(Qt::AlignCenter);
      if (column.Rule)
        DialogTextFilter::Install(text, column.Rule);
      else
        DialogTextFilter::Install(text, column.Accept);
      text->installEventFilter(this);  // after the key filter, so it sees Enter first
      text->hide();
    } else if (column.Kind == CodeGridColumn::Editor::List) {
      list = new QComboBox(viewport());
      list->setObjectName(name + QStringLiteral("List%1").arg(c));
      list->addItems(column.Entries);
      list->installEventFilter(this);
      list->hide();
    }
    mTexts.push_back(text);
    mLists.push_back(list);
    if (column.Width > 0) setColumnWidth(static_cast<int>(c), column.Width);
  }

  // Rows as high as an editor needs, no higher, so that many of them show at once.
  int rowHeight = fontMetrics().height() + 6;
  for (std::size_t c = 0; c < mColumns.size(); ++c)
    if (QWidget* editor = EditorOf(static_cast<int>(c))) rowHeight = std::max(rowHeight, editor->sizeHint().height());
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(rowHeight);

  connect(this, &QTableWidget::currentCellChanged, this,
          [this](int rRow, int rColumn) { OnCurrentCellChanged(rRow, rColumn); });
  // A click on the current cell changes nothing current, but enters it again.
  connect(this, &QTableWidget::cellPressed, this, [this](int rRow, int rColumn) { EnterCell(rRow, rColumn); });
  // Scrolling takes the cell away from under its editor.
  connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { CommitEdit(); });
  connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { CommitEdit(); });
}

void CodeGrid::SetHeaders(const QStringList& rHeaders) {
  setHorizontalHeaderLabels(rHeaders);
  const QFontMetrics metrics = horizontalHeader()->fontMetrics();
  for (int c = 0; c < columnCount() && c < rHeaders.size(); ++c) {
    int width = std::max(mColumns[static_cast<std::size_t>(c)].Width, metrics.horizontalAdvance(rHeaders[c]) + 16);
    if (QWidget* editor = EditorOf(c)) width = std::max(width, editor->sizeHint().width());
    setColumnWidth(c, width);
  }
}

QString CodeGrid::CellText(int rRow, int rColumn) const {
  const QTableWidgetItem* cell = item(rRow, rColumn);
  return cell ? cell->text() : QString();
}

void CodeGrid::SetCellText(int rRow, int rColumn, const QString& rText) {
  if (QTableWidgetItem* cell = item(rRow, rColumn)) cell->setText(rText);
}

QWidget* CodeGrid::EditorOf(int rColumn) const {
  if (rColumn < 0 || rColumn >= static_cast<int>(mColumns.size())) return nullptr;
  const auto c = static_cast<std::size_t>(rColumn);
  if (mTexts[c]) return mTexts[c];
  return mLists[c];
}

GridCell CodeGrid::NextEditableCell(GridCell rFrom) const {
  const int rows = rowCount();
  const int columns = columnCount();
  if (rows == 0) return {};
  int row = std::clamp(rFrom.Row, 0, rows - 1);
  int column = rFrom.Column;
  for (int step = 0; step < rows * columns + columns; ++step) {
    if (++column >= columns) {
      column = 0;
      row = (row + 1) % rows;
    }
    if (EditorOf(column)) return {row, column};
  }
  return {};
}

void CodeGrid::OnCurrentCellChanged(int rRow, int rColumn) {
  if (mEntering || rRow < 0 || rColumn < 0) return;
  EnterCell(rRow, rColumn);
}

void CodeGrid::EnterCell(int rRow, int rColumn) {
  if (rRow < 0 || rRow >= rowCount() || rColumn < 0 || rColumn >= columnCount()) return;
  const GridCell wanted{rRow, rColumn};
  if (mEdited == wanted) return;
  CommitEdit();
  const GridCell target = mEnterRule ? mEnterRule(wanted) : wanted;
  if (!target.Valid()) return;
  mEntering = true;
  setCurrentCell(target.Row, target.Column);
  mEntering = false;
  if (EditorOf(target.Column)) OpenEditor(target);
}

void CodeGrid::OpenEditor(GridCell rCell) {
  if (QTableWidgetItem* cell = item(rCell.Row, rCell.Column)) scrollToItem(cell);
  mEdited = rCell;
  const QString text = mEditText ? mEditText(rCell) : CellText(rCell.Row, rCell.Column);
  const auto c = static_cast<std::size_t>(rCell.Column);
  if (QLineEdit* edit = mTexts[c]) {
    edit->setText(text);
  } else if (QComboBox* list = mLists[c]) {
    list->setCurrentIndex(std::max(0, list->findText(text)));
  }
  PlaceEditor();
  QWidget* editor = EditorOf(rCell.Column);
  editor->show();
  editor->raise();
  editor->setFocus(Qt::OtherFocusReason);
}

void CodeGrid::PlaceEditor() {
  if (!mEdited.Valid()) return;
  EditorOf(mEdited.Column)->setGeometry(visualRect(model()->index(mEdited.Row, mEdited.Column)));
}

QString CodeGrid::EditorText() const {
  if (!mEdited.Valid()) return {};
  const auto c = static_cast<std::size_t>(mEdited.Column);
  if (mTexts[c]) return mTexts[c]->text();
  if (mLists[c]) return mLists[c]->currentText();
  return {};
}

void CodeGrid::CommitEdit() {
  if (!mEdited.Valid()) return;
  const GridCell cell = mEdited;
  const QString text = EditorText();
  QWidget* editor = EditorOf(cell.Column);
  mEdited = {};  // first: the focus leaving the editor below commits nothing more
  if (editor->hasFocus()) setFocus(Qt::OtherFocusReason);
  editor->hide();
  SetCellText(cell.Row, cell.Column, text);
  if (mCommit) mCommit(cell, text);
}

void CodeGrid::DiscardEdit() {
  if (!mEdited.Valid()) return;
  QWidget* editor = EditorOf(mEdited.Column);
  mEdited = {};  // first: the focus leaving the editor below commits nothing
  if (editor->hasFocus()) setFocus(Qt::OtherFocusReason);
  editor->hide();
}

void CodeGrid::WalkOnEnter() {
  const GridCell from = mEdited;
  const QString text = EditorText();
  CommitEdit();
  const GridCell next = mEnterWalk ? mEnterWalk(from, text) : NextEditableCell(from);
  if (next.Valid()) EnterCell(next.Row, next.Column);
}

bool CodeGrid::eventFilter(QObject* rWatched, QEvent* rEvent) {
  const bool isEditor = mEdited.Valid() && rWatched == EditorOf(mEdited.Column);
  if (isEditor && rEvent->type() == QEvent::KeyPress && IsEnter(static_cast<QKeyEvent*>(rEvent))) {
    WalkOnEnter();
    return true;
  }
  if (isEditor && rEvent->type() == QEvent::FocusOut) {
    // A list's own popup or another window taking the focus does not leave the cell.
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(rEvent)->reason();
    if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) CommitEdit();
  }
  return QTableWidget::eventFilter(rWatched, rEvent);
}

void CodeGrid::keyPressEvent(QKeyEvent* rEvent) {
  const int row = currentRow();
  const int column = currentColumn();
  const bool opens = IsEnter(rEvent) || rEvent->key() == Qt::Key_F2 ||
                     (!rEvent->text().isEmpty() && rEvent->text().at(0).isPrint());
  if (mEdited.Valid() || !opens || row < 0 || !EditorOf(column)) {
    QTableWidget::keyPressEvent(rEvent);
    return;
  }
  EnterCell(row, column);
  if (!mEdited.Valid()) return;
  QWidget* editor = EditorOf(mEdited.Column);
  if (auto* text = qobject_cast<QLineEdit*>(editor); text && !IsEnter(rEvent) && rEvent->key() != Qt::Key_F2) {
    text->clear();  // typing replaces the cell's text, through the editor's key filter
    QKeyEvent typed(QEvent::KeyPress, rEvent->key(), rEvent->modifiers(), rEvent->text());
    QCoreApplication::sendEvent(text, &typed);
  }
}

QSize CodeGrid::SizeFor(int rVisibleRows) const {
  int width = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
  for (int c = 0; c < columnCount(); ++c) width += columnWidth(c);
  const int row = rowCount() > 0 ? rowHeight(0) : verticalHeader()->defaultSectionSize();
  const int height = 2 * frameWidth() + horizontalHeader()->sizeHint().height() + rVisibleRows * row;
  return {width, height};
}

}  // namespace px
