#pragma once
// The modal progress display of a codeplug read or write. The transfer drives it and
// closes it at its end; Cancel, the window's close button and Escape only ask the
// transfer to stop (CancelRequested), which then ends it.

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

namespace px {

class FrmProgress : public QDialog {
  Q_OBJECT

 public:
  FrmProgress(const QString& rCaption, const QString& rLabel, QWidget* rParent = nullptr);

  // The caption of the Cancel button (our own text, in the current language).
  void SetCancelText(const QString& rText);
  // After the transfer has taken the request: the button stays pressed-out.
  void DisableCancel();

  // Bar to rPercent (0..100), the percentage label to "rPercent%".
  void SetProgressValue(int rPercent);
  int Value() const;
  // Closes the dialog; the only way it closes.
  void Finish();

 signals:
  void CancelRequested();

 protected:
  void closeEvent(QCloseEvent* rEvent) override;
  void reject() override;

 private:
  QProgressBar* mBar;
  QLabel* mPercent;
  QPushButton* mCancel;
  bool mFinishing = false;
};

}  // namespace px
