#pragma once
// The embedded-information page: what the maker and dealer stored in the radio, shown
// after it has been read. Nothing here is ever stored or written back.

#include <QDate>
#include <QDialog>

#include "app/app_state.h"
#include "link/embedded_info.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace px {

// The values the program holds before any radio is read, for the day rToday.
EmbeddedInfo StartupEmbeddedInfo(const QDate& rToday);

class FrmEMG : public QDialog {
  Q_OBJECT

 public:
  FrmEMG(const AppState& rState, const EmbeddedInfo& rInfo, QWidget* rParent = nullptr);

 private:
  void OnHelp();

  const AppState& mState;
};

}  // namespace px
