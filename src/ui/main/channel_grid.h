#pragma once
// The channel grid of the main window: 203 channel rows below the header row, the row
// label column, ten channel columns and a filler. Rows are addressed as the grid
// shows them: row 0 is the header, row r (1..203) holds the channel with Number r;
// column 0 is the row label. The grid is read-only; keys and clicks become signals.

#include <QList>
#include <QTableWidget>

#include "app/app_state.h"

namespace px {

inline constexpr int kGridRows = 204;     // header row + 203 channel rows
inline constexpr int kGridColumns = 12;   // label, ten channel columns, filler
// The rows a drag carries, "3,4,5", in the grid's row numbers.
inline constexpr const char* kGridRowsMime = "application/x-px4800-grid-rows";

class ChannelGrid : public QTableWidget {
  Q_OBJECT

 public:
  explicit ChannelGrid(QWidget* rParent = nullptr);

  // Clears every cell, sets the colours, headers and row labels, then fills every
  // row that has a record.
  void ShowListByData(const AppState& rState);
  void InitShowListContent(const AppState& rState);
  // Header row and the column widths that fit the header and cell texts.
  void LoadShowList(const AppState& rState);
  // Redraws row rRow of grid rIndex (only grid 0 exists); rCol is not used.
  void ReShowGrid(const AppState& rState, int rIndex, int rRow, int rCol);

  // Texts in the grid's own coordinates (row 0 = headers, column 0 = labels).
  QString CellText(int rRow, int rCol) const;
  int CurrentGridRow() const { return currentRow() + 1; }
  int CurrentGridCol() const { return currentColumn(); }
  // Moves to the cell and selects its row alone, whatever modifier keys are down.
  void SetCurrentCell(int rRow, int rCol) {
    setCurrentCell(rRow - 1, rCol, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  }

 signals:
  // Double click or Enter on a channel cell (row and column above 0).
  void EditRequested(int rRow);
  // A key pressed with Ctrl held and no Shift or Alt; rKey is the letter or 0.
  void CtrlKeyPressed(char rKey, int rRow);
  // Context menu commands on rRow.
  void DeleteRequested(int rRow);
  // Rows dragged from this grid and dropped on rTarget.
  void RowsDropped(const QList<int>& rRows, int rTarget);

 protected:
  void keyPressEvent(QKeyEvent* rEvent) override;
  void contextMenuEvent(QContextMenuEvent* rEvent) override;
  QMimeData* mimeData(const QList<QTableWidgetItem*>& rItems) const override;
  void dragEnterEvent(QDragEnterEvent* rEvent) override;
  void dragMoveEvent(QDragMoveEvent* rEvent) override;
  void dropEvent(QDropEvent* rEvent) override;

 private:
  void FillRow(const AppState& rState, const ChannelRecord& rChannel);
  void ClearRow(int rRow);
  void RequestEdit(int rRow, int rCol);

};

}  // namespace px
