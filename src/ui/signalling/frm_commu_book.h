#pragma once
// The communication book dialog: 128 stations in a grid edited in place, Import and
// Export of the book file, OK and Cancel.

#include <QDialog>

#include "app/app_state.h"
#include "edit/book_rules.h"

namespace px {

class CodeGrid;

class FrmCommuBook : public QDialog {
 public:
  explicit FrmCommuBook(AppState& rState, QWidget* rParent = nullptr);

  // The working copy, as OK would store it.
  const BookWork& Work() const { return mWork; }

 private:
  void ShowBookData();
  void Import();
  void Export();
  void Confirm();

  AppState& mState;
  BookWork mWork;
  CodeGrid* mGrid = nullptr;
};

}  // namespace px
