#pragma once
// The start and stop steps that need no window: program state, "language/mysetup.ini",
// the stored serial port, the new codeplug and the feature record "Setting.ini".

#include <functional>
#include <optional>
#include <string_view>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/user_interface.h"

namespace px {

// The numbers of the serial ports present now ("COMn" → n), in the order offered.
using PresentPortsFunction = std::function<std::vector<int>()>;

struct StartOptions {
  // argv[0] or "/proc/self/exe"; the program folder is its folder unless PX4800_HOME
  // is set. Ignored when ProgramFolder is given.
  std::string ExecutablePath = "/proc/self/exe";
  // When not empty, used as the program folder as it is.
  std::string ProgramFolder;
  // Without it no port is present: the stored port becomes 0.
  PresentPortsFunction PresentPorts;
};

inline constexpr const char* kSetupFile = "language/mysetup.ini";
inline constexpr const char* kSetupSection = "language";
inline constexpr const char* kFeatureFile = "Setting.ini";

// Everything the program does before its first window: resets the program state to
// English, model "PX-4800", band 7, version "V100"; reads and rewrites the setup file;
// checks the stored port; creates the new codeplug; reads the feature flags.
void StartProgram(AppState& rState, UserInterface& rUi, const StartOptions& rOptions);

// The core part of closing the program: writes the feature record. False when it could
// not be written; closing goes on, and the next start reads the flags it finds.
[[nodiscard]] bool StopProgram(AppState& rState);

// Steps of the start, exposed for the port dialogs and the tests.
// Reads the four keys of the setup file into rState.Setup; missing or unusable values
// give IsFirstRun false, Skin "", comPort 0, FactoryFres 0.
void ReadSetupSettings(AppState& rState);
// The stored port if present, else the first present port, else 0.
int CheckStoredPort(int rStored, const std::vector<int>& rPresent);
// Writes "comPort" = rState.Setup.ComPort; false when the file could not be written.
bool WriteComPort(const AppState& rState);
// Writes "portPath" = rState.Setup.PortPath (empty: the COM number applies).
bool WritePortPath(const AppState& rState);
// Writes "flowControl" = "rtscts" or "none"; false when the file could not be written.
bool WriteFlowControl(const AppState& rState);
// "rtscts" / "none" (any case) → the setting; nullopt for anything else.
std::optional<FlowControl> FlowControlOf(std::string_view rText);
const char* FlowControlName(FlowControl rFlow);

}  // namespace px
