#pragma once
// Serial port numbers and the rules of the port dialog. A port number n ("COMn") stands
// for one device by a fixed rule:
//   /dev/ttyS k   <-> COM k+1    (k < 32)
//   /dev/ttyUSB k <-> COM k+33   (k < 32)
//   /dev/ttyACM k <-> COM k+65   (k < 32)
//   /dev/pts/k    <-> COM k+97
// Pseudo-terminals are never offered as present ports; they are named by path.

#include <optional>
#include <string>
#include <vector>

namespace px {

std::optional<std::string> DeviceOfPort(int rPort);
std::optional<int> PortOfDevice(const std::string& rDevice);

// "COM" + the number in decimal.
std::string PortEntryText(int rPort);
// The entry text less its first three characters, when that is a decimal number.
std::optional<int> PortNumberOfEntry(const std::string& rEntry);

struct PresentPort {
  std::string Device;       // "/dev/ttyUSB0"
  std::string Description;  // the adapter's own description, may be empty
};

struct PortListEntry {
  std::string Text;  // "COMn"
  int Number = 0;
  std::string Device;
  std::string Description;
};

// The present ports that the rule can number, pseudo-terminals left out, in the order
// the system gave them.
std::vector<PortListEntry> PresentPortEntries(const std::vector<PresentPort>& rPresent);
std::vector<int> PresentPortNumbers(const std::vector<PresentPort>& rPresent);

enum class PortListMode { Present, Fixed };

// What the port dialog shows: its list, the selected entry, its working number.
struct PortDialogState {
  PortListMode Mode = PortListMode::Present;
  std::vector<PortListEntry> Entries;
  int Selected = -1;  // index into Entries, -1 for none
  int Working = 0;
};

// Opening: the list, then the entry of rComPort or else the first one.
PortDialogState OpenPortDialog(PortListMode rMode, const std::vector<PresentPort>& rPresent,
                               int rComPort);
// The one-second refresh (present-ports mode only; the fixed list never changes).
void RefreshPortDialog(PortDialogState& rDialog, const std::vector<PresentPort>& rPresent);
// The user picked entry rIndex (-1 for none).
void SelectPortEntry(PortDialogState& rDialog, int rIndex);
// OK: the new comPort and whether it is to be written to the settings file now, or
// nullopt when nothing changes.
struct PortChoice {
  int ComPort = 0;
  bool Store = false;
};
std::optional<PortChoice> AcceptPortDialog(const PortDialogState& rDialog);

}  // namespace px
