#pragma once
// The modal progress display of a codeplug read or write. The transfer drives it; the
// user cannot close it, only the end of the transfer does.

#include <QDialog>

class QLabel;
class QProgressBar;

namespace px {

class FrmProgress : public QDialog {
  Q_OBJECT

 public:
  FrmProgress(const QString& rCaption, const QString& rLabel, QWidget* rParent = nullptr);

  // Bar to rPercent (0..100), the percentage label to "rPercent%".
  void SetProgressValue(int rPercent);
  int Value() const;
  // Closes the dialog; the only way it closes.
  void Finish();

 protected:
  void closeEvent(QCloseEvent* rEvent) override;
  void reject() override;

 private:
  QProgressBar* mBar;
  QLabel* mPercent;
  bool mFinishing = false;
};

}  // namespace px
