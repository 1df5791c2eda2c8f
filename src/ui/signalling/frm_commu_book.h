#pragma once
// The communication book dialog: 128 stations in a grid edited in place, Import and
// Export of the book file, OK and Cancel.

#include <QDialog>

#include "app/app_state.h"
#include "edit/book_rules.h"

class QLineEdit;
class QTableWidget;

namespace px {

class FrmCommuBook : public QDialog {
 public:
  explicit FrmCommuBook(AppState& rState, QWidget* rParent = nullptr);

  // The working copy, as OK would store it.
  const BookWork& Work() const { return mWork; }

 protected:
  bool eventFilter(QObject* rWatched, QEvent* rEvent) override;

 private:
  void ShowBookData();
  void EnterCell(int rRow, int rColumn);
  void CommitCell();
  void PlaceEditor();
  void Import();
  void Export();
  void Confirm();

  AppState& mState;
  BookWork mWork;
  QTableWidget* mGrid = nullptr;
  QLineEdit* mEditor = nullptr;
  int mEditRow = -1;     // entry being edited, -1 for none
  int mEditColumn = 0;
};

}  // namespace px
