#pragma once
// The print dialog: which pages go into the report, then Print (the system's print
// dialog), Preview or Save as PDF. Every button builds the same report of the current
// codeplug in the current language.

#include <QDialog>

#include <string>
#include <vector>

#include "app/app_state.h"
#include "link/embedded_info.h"
#include "ui/print/report_render.h"

class QCheckBox;
class QComboBox;
class QPrinter;

namespace px {

class FrmPrint : public QDialog {
 public:
  FrmPrint(const AppState& rState, const EmbeddedInfo& rEmbedded, QWidget* rParent = nullptr);

  // The checked pages' keys in print order.
  std::vector<std::string> ChosenPages() const;
  ReportPaper Paper() const;

 private:
  // False, after telling the user, when no page is chosen.
  bool HasChoice();
  Report BuildChosenReport() const;
  void SetAll(bool rChecked);
  void PrintReport();
  void PreviewReport();
  void SavePdf();
  void PreparePrinter(QPrinter& rPrinter) const;

  const AppState& mState;
  const EmbeddedInfo& mEmbedded;
  std::vector<QCheckBox*> mChecks;
  QComboBox* mPaper = nullptr;
};

}  // namespace px
