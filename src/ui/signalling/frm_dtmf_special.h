#pragma once
// The DTMF special call: composes an ANI call ("012*345") or a PTT ID ("*345") from the
// separator and own ID that the DTMF page shows. The DTMF page puts the result into the
// code box that had the focus; nothing reaches the codeplug before that page's OK.

#include <QDialog>

#include "app/app_state.h"

class QComboBox;
class QGroupBox;
class QLineEdit;

namespace px {

class FrmDTMFSpecial : public QDialog {
  Q_OBJECT

 public:
  FrmDTMFSpecial(AppState& rState, QWidget* rParent = nullptr);

  // The separator and own ID of the calling page.
  void SetCallParts(char rSeparator, const QString& rOwnId);
  // The composed code once accepted.
  QString Result() const { return mResult; }

 protected:
  bool eventFilter(QObject* rWatched, QEvent* rEvent) override;

 private:
  void OnKindChanged();
  void OnOk();

  char mSeparator = '*';
  QString mOwnId = QStringLiteral("000");
  QString mResult;
  QComboBox* mKind = nullptr;
  QGroupBox* mCalledFrame = nullptr;
  QLineEdit* mCalled = nullptr;
};

}  // namespace px
