#pragma once
// The embedded-information page: what the maker and dealer stored in the radio, shown
// after it has been read. Nothing here is ever stored or written back.

#include <QDialog>

#include "app/app_state.h"
#include "codeplug/embedded_info.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace px {

class FrmEMG : public QDialog {
  Q_OBJECT

 public:
  FrmEMG(const AppState& rState, const EmbeddedInfo& rInfo, QWidget* rParent = nullptr);

 private:
  void OnHelp();

  const AppState& mState;
};

}  // namespace px
