#include "link/ports.h"

#include <array>
#include <charconv>
#include <string_view>

namespace px {

namespace {

struct DeviceFamily {
  std::string_view Prefix;
  int First;  // port number of unit 0
  int Units;  // how many units the rule covers
};

constexpr int kLastPortNumber = 32767;
constexpr std::array<DeviceFamily, 4> kFamilies{{
    {"/dev/ttyS", 1, 32},
    {"/dev/ttyUSB", 33, 32},
    {"/dev/ttyACM", 65, 32},
    {"/dev/pts/", 97, kLastPortNumber - 97 + 1},
}};

std::optional<int> DecimalOf(std::string_view rText) {
  if (rText.empty() || rText.size() > 5) return std::nullopt;
  for (char c : rText)
    if (c < '0' || c > '9') return std::nullopt;
  int value = 0;
  const auto [end, error] = std::from_chars(rText.data(), rText.data() + rText.size(), value);
  if (error != std::errc() || end != rText.data() + rText.size()) return std::nullopt;
  return value;
}

std::vector<PortListEntry> FixedEntries() {
  std::vector<PortListEntry> entries;
  for (int n = 1; n <= 255; ++n)
    entries.push_back({PortEntryText(n), n, DeviceOfPort(n).value_or(""), ""});
  return entries;
}

int IndexOfNumber(const std::vector<PortListEntry>& rEntries, int rNumber) {
  for (std::size_t i = 0; i < rEntries.size(); ++i)
    if (rEntries[i].Text == PortEntryText(rNumber)) return static_cast<int>(i);
  return -1;
}

// Select rNumber's entry, else the first; the working number follows the selection.
void SelectNumberOrFirst(PortDialogState& rDialog, int rNumber) {
  if (rDialog.Entries.empty()) {
    rDialog.Selected = -1;
    rDialog.Working = 0;
    return;
  }
  const int index = IndexOfNumber(rDialog.Entries, rNumber);
  SelectPortEntry(rDialog, index >= 0 ? index : 0);
}

}  // namespace

std::optional<std::string> DeviceOfPort(int rPort) {
  for (const auto& f : kFamilies)
    if (rPort >= f.First && rPort < f.First + f.Units)
      return std::string(f.Prefix) + std::to_string(rPort - f.First);
  return std::nullopt;
}

std::optional<int> PortOfDevice(const std::string& rDevice) {
  for (const auto& f : kFamilies) {
    if (rDevice.rfind(f.Prefix, 0) != 0) continue;
    const auto unit = DecimalOf(std::string_view(rDevice).substr(f.Prefix.size()));
    if (unit && *unit < f.Units) return f.First + *unit;
  }
  return std::nullopt;
}

std::string PortEntryText(int rPort) { return "COM" + std::to_string(rPort); }

std::optional<int> PortNumberOfEntry(const std::string& rEntry) {
  if (rEntry.size() <= 3) return std::nullopt;
  return DecimalOf(std::string_view(rEntry).substr(3));
}

std::vector<PortListEntry> PresentPortEntries(const std::vector<PresentPort>& rPresent) {
  std::vector<PortListEntry> entries;
  for (const auto& p : rPresent) {
    if (p.Device.rfind("/dev/pts/", 0) == 0) continue;
    const auto number = PortOfDevice(p.Device);
    if (number) entries.push_back({PortEntryText(*number), *number, p.Device, p.Description});
  }
  return entries;
}

std::vector<int> PresentPortNumbers(const std::vector<PresentPort>& rPresent) {
  std::vector<int> numbers;
  for (const auto& e : PresentPortEntries(rPresent)) numbers.push_back(e.Number);
  return numbers;
}

PortDialogState OpenPortDialog(PortListMode rMode, const std::vector<PresentPort>& rPresent,
                               int rComPort) {
  PortDialogState dialog;
  dialog.Mode = rMode;
  dialog.Entries = rMode == PortListMode::Fixed ? FixedEntries() : PresentPortEntries(rPresent);
  SelectNumberOrFirst(dialog, rComPort);
  return dialog;
}

void RefreshPortDialog(PortDialogState& rDialog, const std::vector<PresentPort>& rPresent) {
  if (rDialog.Mode == PortListMode::Fixed) return;
  rDialog.Entries = PresentPortEntries(rPresent);
  SelectNumberOrFirst(rDialog, rDialog.Working);
}

void SelectPortEntry(PortDialogState& rDialog, int rIndex) {
  if (rIndex < 0 || rIndex >= static_cast<int>(rDialog.Entries.size())) {
    rDialog.Selected = -1;
    rDialog.Working = 0;
    return;
  }
  rDialog.Selected = rIndex;
  rDialog.Working =
      PortNumberOfEntry(rDialog.Entries[static_cast<std::size_t>(rIndex)].Text).value_or(0);
}

std::optional<PortChoice> AcceptPortDialog(const PortDialogState& rDialog) {
  if (rDialog.Selected < 0) return PortChoice{0, false};
  const auto number =
      PortNumberOfEntry(rDialog.Entries[static_cast<std::size_t>(rDialog.Selected)].Text);
  if (!number) return std::nullopt;
  return PortChoice{*number, true};
}

}  // namespace px
