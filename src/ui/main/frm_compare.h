#pragma once
// File > Compare with...: the differences between the codeplug being edited and a file,
// one row per field.

#include <QDialog>

#include <vector>

#include "app/app_state.h"
#include "edit/codeplug_diff.h"

class QTableWidget;

namespace px {

class FrmCompare : public QDialog {
  Q_OBJECT

 public:
  FrmCompare(const AppState& rState, const std::string& rOtherPath,
             const std::vector<CodeplugDifference>& rDifferences, QWidget* rParent = nullptr);

  QTableWidget* Differences() const { return mTable; }

 private:
  QTableWidget* mTable = nullptr;
};

}  // namespace px
