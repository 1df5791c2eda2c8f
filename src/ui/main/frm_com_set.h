#pragma once
// The port dialog: the serial ports present, each "COMn" with its device path and
// description, refreshed every second so that a cable plugged in shows up at once.

#include <QDialog>
#include <QTimer>

#include <functional>
#include <vector>

#include "app/app_state.h"
#include "link/ports.h"

class QComboBox;
class QLineEdit;

namespace px {

using PresentPortsSource = std::function<std::vector<PresentPort>()>;

class FrmComSet : public QDialog {
  Q_OBJECT

 public:
  // rPorts lists the ports present now; it is asked again at every refresh.
  FrmComSet(AppState& rState, PortListMode rMode, PresentPortsSource rPorts,
            QWidget* rParent = nullptr);

  // The one-second refresh, callable by tests without waiting.
  void ReShowComPort();
  const PortDialogState& DialogState() const { return mDialog; }
  // The port chosen by OK; nullopt when OK changed nothing or the dialog was cancelled.
  const std::optional<PortChoice>& Choice() const { return mChoice; }

  // "COM3   /dev/ttyUSB0   USB serial adapter"
  static QString EntryCaption(const PortListEntry& rEntry);

 protected:
  void done(int rResult) override;

 private:
  void FillCombo();
  void OnOk();

  AppState& mState;
  PresentPortsSource mPorts;
  PortDialogState mDialog;
  QComboBox* mCombo;
  QComboBox* mFlowCombo;  // RTS/CTS, none
  QLineEdit* mPathText;   // a device path that takes precedence over the list
  QTimer mTimer;
  std::optional<PortChoice> mChoice;
};

}  // namespace px
