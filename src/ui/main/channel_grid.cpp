#include "ui/main/channel_grid.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMimeData>
#include <QDropEvent>
#include <QMenu>

#include <algorithm>

#include "app/language.h"
#include "edit/channel_choices.h"
#include "edit/channel_rows.h"
#include "edit/codeplug_ops.h"
#include "ui/kit/apply_language.h"
#include "ui/kit/fixed_text_widgets.h"

namespace px {

namespace {

const QColor kHeaderText(0, 0, 155);
const QColor kLabelText(0, 0, 255);
const QColor kOddRow(255, 250, 250);
const QColor kEvenRow(250, 250, 255);

// Samples of the widest texts each channel column shows, beside its header.
const char* const kColumnSamples[kChannelColumns] = {
    "VFO", "000.00000", "000.00000", "MMMMMMM", "8.33K", "12.5K", "", "", "D000N", "D000N",
    "DTMF M16"};

int TextWidth(const QFontMetrics& rMetrics, const QString& rText) {
  int width = 0;
  for (const QString& line : rText.split(QLatin1Char('\n'))) {
    width = std::max(width, rMetrics.horizontalAdvance(line));
  }
  return width;
}

}  // namespace

ChannelGrid::ChannelGrid(QWidget* rParent) : QTableWidget(kGridRows - 1, kGridColumns, rParent) {
  setObjectName(QStringLiteral("Grid1"));
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  // Whole rows, several at once with Shift and Ctrl.
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setTabKeyNavigation(false);
  // Rows are dragged to another row; the drop moves the channels, never the cells.
  setDragEnabled(true);
  setAcceptDrops(true);
  viewport()->setAcceptDrops(true);
  setDragDropMode(QAbstractItemView::DragDrop);
  setDropIndicatorShown(true);
  setWordWrap(false);
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  // The filler only takes up what the columns leave; at its default width it pushed the
  // header past the viewport and brought up a needless horizontal scroll bar.
  horizontalHeader()->resizeSection(kGridColumns - 1, horizontalHeader()->minimumSectionSize());
  horizontalHeader()->setStretchLastSection(true);
  horizontalHeader()->setSectionsClickable(false);
  horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
  for (int row = 0; row < rowCount(); ++row) {
    for (int col = 0; col < kGridColumns; ++col) {
      auto* item = new QTableWidgetItem;
      // The filler column holds nothing: the cursor never stops there (Ctrl+End included).
      item->setFlags(col == kGridColumns - 1 ? Qt::NoItemFlags : Qt::ItemIsEnabled | Qt::ItemIsSelectable);
      if (col == 0) item->setTextAlignment(Qt::AlignCenter);
      setItem(row, col, item);
    }
  }
  for (int col = 0; col < kGridColumns; ++col) setHorizontalHeaderItem(col, new QTableWidgetItem);
  connect(this, &QTableWidget::cellDoubleClicked, this,
          [this](int rRow, int rCol) { RequestEdit(rRow + 1, rCol); });
}

void ChannelGrid::ShowListByData(const AppState& rState) {
  setUpdatesEnabled(false);
  InitShowListContent(rState);
  const int count = std::clamp<int>(rState.Current.ChannelCount, 0, kChannelSlots);
  for (int slot = 0; slot < count; ++slot) FillRow(rState, rState.Channels[static_cast<std::size_t>(slot)]);
  // A new codeplug empties the clipboard: the menu's Paste follows.
  setProperty("pasteEnabled", rState.ClipboardFilled);
  setUpdatesEnabled(true);
}

void ChannelGrid::InitShowListContent(const AppState& rState) {
  for (int row = 1; row < kGridRows; ++row) {
    ClearRow(row);
    // Backgrounds alternate by pairs: odd rows pink, even rows blue.
    const QColor& background = row % 2 == 1 ? kOddRow : kEvenRow;
    for (int col = 1; col < kGridColumns; ++col) item(row - 1, col)->setBackground(background);
    QTableWidgetItem* label = item(row - 1, 0);
    label->setForeground(kLabelText);
    label->setText(ToQ(RowLabelOf(row)));
  }
  LoadShowList(rState);
}

void ChannelGrid::LoadShowList(const AppState& rState) {
  const ChannelRowTexts headers = ChannelHeaderTexts(rState, "\n");
  const QFontMetrics metrics(font());
  const QFontMetrics headerMetrics(horizontalHeader()->font());
  for (int col = 0; col < kChannelColumns; ++col) {
    QTableWidgetItem* header = horizontalHeaderItem(col);
    header->setText(ToQ(headers[static_cast<std::size_t>(col)]));
    header->setForeground(kHeaderText);
    int width = std::max(TextWidth(headerMetrics, header->text()),
                         metrics.horizontalAdvance(QString::fromLatin1(kColumnSamples[col])));
    // Columns whose texts come from the language files.
    std::vector<int> ids;
    if (col == kColSpare2) ids = {1202, 1203};
    if (col == kColPower)
      for (const Choice& choice : TxPowerChoices()) ids.push_back(choice.TextId);
    if (col == kColDecode || col == kColEncode || col == kColSignalling) ids = {1206};
    for (int id : ids) width = std::max(width, metrics.horizontalAdvance(LangQ(rState, id)));
    setColumnWidth(col, width + 18);
  }
  horizontalHeaderItem(kChannelColumns)->setText(QString());
  const int lines = headers[kColDecode].find('\n') != std::string::npos ? 2 : 1;
  horizontalHeader()->setMinimumHeight(headerMetrics.height() * lines + 8);
}

void ChannelGrid::ReShowGrid(const AppState& rState, int rIndex, int rRow, int rCol) {
  (void)rCol;
  if (rIndex != 0 || rRow < 1 || rRow >= kGridRows) return;
  const int slot = FindChannelSlot(rState.Current, rState.Channels, rRow);
  if (slot >= 0) {
    FillRow(rState, rState.Channels[static_cast<std::size_t>(slot)]);
  } else {
    ClearRow(rRow);
  }
}

QString ChannelGrid::CellText(int rRow, int rCol) const {
  if (rCol < 0 || rCol >= kGridColumns || rRow < 0 || rRow >= kGridRows) return {};
  if (rRow == 0) return horizontalHeaderItem(rCol)->text();
  return item(rRow - 1, rCol)->text();
}

void ChannelGrid::FillRow(const AppState& rState, const ChannelRecord& rChannel) {
  const int row = rChannel.Number;
  // A damaged record with a number outside the grid has no row to show on.
  if (row < 1 || row >= kGridRows) return;
  const ChannelRowTexts texts = ChannelRowOf(rState, rChannel);
  for (int col = 1; col < kChannelColumns; ++col) {
    const std::string& text = texts[static_cast<std::size_t>(col)];
    // The name is the record's own bytes; the other cells are program and language texts.
    item(row - 1, col)->setText(col == kColName ? FixedQ(text) : ToQ(text));
  }
}

void ChannelGrid::ClearRow(int rRow) {
  for (int col = 1; col < kGridColumns; ++col) item(rRow - 1, col)->setText(QString());
}

void ChannelGrid::RequestEdit(int rRow, int rCol) {
  if (rRow > 0 && rCol > 0 && rCol < kGridColumns - 1) emit EditRequested(rRow);
}

void ChannelGrid::keyPressEvent(QKeyEvent* rEvent) {
  const Qt::KeyboardModifiers modifiers =
      rEvent->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
  if (modifiers == Qt::ControlModifier) {
    char key = 0;
    switch (rEvent->key()) {
      case Qt::Key_C: key = 'C'; break;
      case Qt::Key_X: key = 'X'; break;
      case Qt::Key_V: key = 'V'; break;
      default: break;
    }
    if (currentRow() >= 0) emit CtrlKeyPressed(key, CurrentGridRow());
    if (key != 0) {
      rEvent->accept();
      return;
    }
  }
  if (rEvent->key() == Qt::Key_Delete && modifiers == Qt::NoModifier && currentRow() >= 0) {
    emit DeleteRequested(CurrentGridRow());
    rEvent->accept();
    return;
  }
  if (rEvent->key() == Qt::Key_Return || rEvent->key() == Qt::Key_Enter) {
    RequestEdit(CurrentGridRow(), CurrentGridCol());
    rEvent->accept();
    return;
  }
  QTableWidget::keyPressEvent(rEvent);
}

void ChannelGrid::contextMenuEvent(QContextMenuEvent* rEvent) {
  const QModelIndex index = indexAt(viewport()->mapFromGlobal(rEvent->globalPos()));
  if (!index.isValid()) return;
  // A click inside the selection keeps it, so that the commands take every selected row.
  if (selectionModel()->isRowSelected(index.row(), QModelIndex()))
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
  else
    setCurrentIndex(index);
  const int row = index.row() + 1;
  QMenu menu(this);
  QAction* edit = menu.addAction(property("editText").toString());
  edit->setEnabled(index.column() > 0);
  menu.addSeparator();
  QAction* copy = menu.addAction(property("copyText").toString());
  QAction* cut = menu.addAction(property("cutText").toString());
  QAction* paste = menu.addAction(property("pasteText").toString());
  paste->setEnabled(property("pasteEnabled").toBool());
  QAction* remove = menu.addAction(property("deleteText").toString());
  QAction* chosen = menu.exec(rEvent->globalPos());
  if (chosen == edit) emit EditRequested(row);
  if (chosen == copy) emit CtrlKeyPressed('C', row);
  if (chosen == cut) emit CtrlKeyPressed('X', row);
  if (chosen == paste) emit CtrlKeyPressed('V', row);
  if (chosen == remove) emit DeleteRequested(row);
}

QMimeData* ChannelGrid::mimeData(const QList<QTableWidgetItem*>& rItems) const {
  QMimeData* data = QTableWidget::mimeData(rItems);
  if (!data) data = new QMimeData;
  QStringList rows;
  int last = -1;
  for (const QTableWidgetItem* item : rItems) {
    if (item->row() == last) continue;
    last = item->row();
    if (!rows.contains(QString::number(last + 1))) rows << QString::number(last + 1);
  }
  data->setData(QString::fromLatin1(kGridRowsMime), rows.join(QLatin1Char(',')).toLatin1());
  return data;
}

void ChannelGrid::dragEnterEvent(QDragEnterEvent* rEvent) {
  if (rEvent->mimeData()->hasFormat(QString::fromLatin1(kGridRowsMime))) rEvent->acceptProposedAction();
  else rEvent->ignore();
}

void ChannelGrid::dragMoveEvent(QDragMoveEvent* rEvent) {
  QTableWidget::dragMoveEvent(rEvent);  // scrolls near the edges, shows where it drops
  if (rEvent->mimeData()->hasFormat(QString::fromLatin1(kGridRowsMime)) &&
      rowAt(rEvent->position().toPoint().y()) >= 0)
    rEvent->acceptProposedAction();
  else
    rEvent->ignore();
}

void ChannelGrid::dropEvent(QDropEvent* rEvent) {
  const QString format = QString::fromLatin1(kGridRowsMime);
  const int target = rowAt(rEvent->position().toPoint().y()) + 1;
  if (!rEvent->mimeData()->hasFormat(format) || target < 1) {
    rEvent->ignore();
    return;
  }
  QList<int> rows;
  for (const QByteArray& part : rEvent->mimeData()->data(format).split(','))
    if (const int row = part.toInt(); row > 0) rows << row;
  // A copy to the view, not a move: a move would have the view clear the dragged cells
  // after the channels were already redrawn where they went.
  rEvent->setDropAction(Qt::CopyAction);
  rEvent->accept();
  if (!rows.isEmpty()) emit RowsDropped(rows, target);
}

}  // namespace px
