#pragma once
// The radio commands of the main window (read, write, embedded information) and the
// shell dialogs it opens from its menus (model, port, password, about).
//
// What a run keeps for the radio beyond AppState lives in a RadioContext: the port path
// given on the command line, the trace file, the password the user entered, the last
// radio image and embedded information. The main window owns one and hands it in; the
// overloads without a context use the one kept on rParent's top-level window (created
// on first use; see RadioContextOf).

#include <functional>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "link/embedded_info.h"
#include "link/ports.h"
#include "link/radio_image.h"
#include "platform/trace.h"

class QWidget;

namespace px {

struct RadioContext {
  // A device path such as "/dev/pts/3" (the --port PATH override, also "COMn"); empty
  // means the device of AppState::Setup.ComPort.
  std::string PortPath;
  // When not empty, every byte over the cable is logged to this file (--trace FILE).
  std::string TracePath;
  // The programming password given in this run; asked once, kept for the run.
  std::string EnteredPassword;
  RadioImage Image{};
  EmbeddedInfo Embedded;  // start-up values until a radio is read
  // The port list of the port dialog; empty means the system's present ports. Tests
  // inject their own list here.
  std::function<std::vector<PresentPort>()> PresentPorts;
  PortListMode PortMode = PortListMode::Present;

  // Opened on the first transfer once TracePath is set, kept for the run.
  LinkTrace Trace;
  // A transfer is running; the commands refuse to start a second one.
  bool Busy = false;
  // How the last transfer went, for the status bar: whether it ran (it may have been
  // declined before), whether it succeeded, and the last message it showed.
  bool LastStarted = false;
  bool LastSucceeded = false;
  std::string LastMessage;
  // Run once a read codeplug is in place, before its success message: the main window
  // redraws here, so that the message shows over the new contents, not the old.
  std::function<void()> ShowReadCodeplug;
  // After a successful write, read the radio back and compare (the main window's
  // setting); a difference is reported as a failed write.
  bool VerifyAfterWrite = false;

  RadioContext();
  RadioContext(const RadioContext&) = delete;
  RadioContext& operator=(const RadioContext&) = delete;
};

// The device a transfer opens: the PortPath override ("COMn" mapped), else the device
// of the stored port; "" when there is none (the open then fails and says so).
std::string TransferDevice(const AppState& rState, const RadioContext& rRadio);

// The context kept on rParent's top-level window (one per window, made on first use).
RadioContext& RadioContextOf(QWidget* rParent);

// Each returns true when the codeplug was replaced or changed, so that the main window
// redraws its grid and title; false otherwise (declined, failed, or nothing to redraw).
bool RunReadCommand(AppState& rState, RadioContext& rRadio, QWidget* rParent);
bool RunWriteCommand(AppState& rState, RadioContext& rRadio, QWidget* rParent);
// Opens the embedded-information dialog after a successful read; never changes the
// codeplug, so it returns nothing.
void RunEmbeddedInfoCommand(AppState& rState, RadioContext& rRadio, QWidget* rParent);

bool RunReadCommand(AppState& rState, QWidget* rParent);
bool RunWriteCommand(AppState& rState, QWidget* rParent);
void RunEmbeddedInfoCommand(AppState& rState, QWidget* rParent);

// True after OK: the band limits (and so possibly channels) changed; redraw.
bool OpenModelDialog(AppState& rState, QWidget* rParent);
// The port dialog; OK stores the chosen port in AppState::Setup.ComPort and the
// setup file. Returns true after OK.
bool OpenComSetDialog(AppState& rState, RadioContext& rRadio, QWidget* rParent);
bool OpenComSetDialog(AppState& rState, QWidget* rParent);
// The programming password, kept in the context for the rest of the run.
void OpenPasswordDialog(AppState& rState, RadioContext& rRadio, QWidget* rParent);
void OpenPasswordDialog(AppState& rState, QWidget* rParent);
void OpenAboutDialog(AppState& rState, QWidget* rParent);

}  // namespace px
