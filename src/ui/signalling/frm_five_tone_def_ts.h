#pragma once
// The user-defined tone table: sixteen frequencies in Hz for the digits 0 .. F, kept in
// tenths of Hz. Edits the 5-Tone page's scratch copy; OK writes it, Cancel leaves it.

#include <array>

#include <QDialog>

#include "app/app_state.h"

class QLineEdit;

namespace px {

class Frm5ToneDefTS : public QDialog {
  Q_OBJECT

 public:
  Frm5ToneDefTS(const AppState& rState, FiveToneSettings& rFive, QWidget* rParent = nullptr);

 protected:
  bool eventFilter(QObject* rWatched, QEvent* rEvent) override;

 private:
  void OnOk();

  FiveToneSettings& mFive;
  std::array<QLineEdit*, 16> mBoxes{};
};

}  // namespace px
