#include "edit/startup.h"

#include <charconv>
#include <string_view>

#include "app/bands.h"
#include "app/language.h"
#include "app/profile.h"
#include "app/program_folder.h"
#include "edit/file_commands.h"

namespace px {

namespace {

std::string SetupPath(const AppState& rState) { return SettingsPath(rState, kSetupFile); }
std::string FeaturePath(const AppState& rState) { return SettingsPath(rState, kFeatureFile); }

// The leading decimal integer of a text ("3", "-1", "12 ; note"); rDefault when there
// is none or it does not fit a port number's int16.
int IntegerOf(std::string_view rText, int rDefault) {
  int value = 0;
  const char* first = rText.data();
  const char* last = rText.data() + rText.size();
  if (first != last && *first == '+') ++first;
  const auto [end, error] = std::from_chars(first, last, value);
  if (error != std::errc{} || end == first || value < -32768 || value > 32767) return rDefault;
  return value;
}

// Boolean texts as the settings file may hold them: "1", "-1", "True", "yes" are true.
bool BooleanOf(std::string_view rText) {
  std::string lower(rText);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  if (lower == "true" || lower == "yes" || lower == "on") return true;
  return IntegerOf(lower, 0) != 0;
}

}  // namespace

void ReadSetupSettings(AppState& rState) {
  const auto file = ProfileFile::Load(SetupPath(rState)).value_or(ProfileFile{});
  rState.Setup.IsFirstRun = BooleanOf(file.Get(kSetupSection, "IsFirstRun"));
  rState.Setup.Skin = file.Get(kSetupSection, "Skin");
  rState.Setup.ComPort = IntegerOf(file.Get(kSetupSection, "comPort"), 0);
  rState.Setup.PortPath = file.Get(kSetupSection, "portPath");
  rState.Setup.FactoryFres = IntegerOf(file.Get(kSetupSection, "FactoryFres"), 0) != 0 ? 1 : 0;
  // Anything but a known name keeps the handshaking the radio's cable is made for.
  rState.Setup.Flow = FlowControlOf(file.Get(kSetupSection, "flowControl")).value_or(FlowControl::RtsCts);
}

std::optional<FlowControl> FlowControlOf(std::string_view rText) {
  std::string lower(rText);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  if (lower == "rtscts") return FlowControl::RtsCts;
  if (lower == "none") return FlowControl::None;
  return std::nullopt;
}

const char* FlowControlName(FlowControl rFlow) { return rFlow == FlowControl::None ? "none" : "rtscts"; }

bool WriteFlowControl(const AppState& rState) {
  return WriteProfileString(SetupPath(rState), kSetupSection, "flowControl",
                            FlowControlName(rState.Setup.Flow));
}

int CheckStoredPort(int rStored, const std::vector<int>& rPresent) {
  for (int port : rPresent) {
    if (port == rStored) return rStored;
  }
  return rPresent.empty() ? 0 : rPresent.front();
}

bool WriteComPort(const AppState& rState) {
  return WriteProfileString(SetupPath(rState), kSetupSection, "comPort",
                            std::to_string(rState.Setup.ComPort));
}

bool WritePortPath(const AppState& rState) {
  return WriteProfileString(SetupPath(rState), kSetupSection, "portPath", rState.Setup.PortPath);
}

void StartProgram(AppState& rState, UserInterface& /*rUi*/, const StartOptions& rOptions) {
  if (rOptions.ProgramFolder.empty()) {
    const ProgramFolders folders = LocateProgramFolders(rOptions.ExecutablePath);
    SeedSettingsFolder(folders);
    rState.ProgramFolder = folders.Program;
    rState.SettingsFolder = folders.Settings;
  } else {
    rState.ProgramFolder = JoinProgramPath(rOptions.ProgramFolder, "");
    rState.SettingsFolder.clear();
  }
  rState.Initializing = false;
  // The user's locale is left alone: every number text is written and read with ".".
  SetLanguage(rState, kEnglish);

  rState.ModelString = "PX-4800";
  rState.VersionText = "V100";
  rState.Band.Index = 7;
  rState.Current.BandIndex = 7;
  rState.Current.MinRxFreq = 136;
  rState.Current.MaxRxFreq = 174;
  rState.Current.MinTxFreq = 136;
  rState.Current.MaxTxFreq = 174;
  RebuildBandTexts(rState);

  // Ports are always checked against the present ones on this system.
  ReadSetupSettings(rState);
  const std::vector<int> present =
      rOptions.PresentPorts ? rOptions.PresentPorts() : std::vector<int>{};
  rState.Setup.ComPort = CheckStoredPort(rState.Setup.ComPort, present);

  // A read-only installation still starts; the settings are then simply not kept.
  if (rState.Setup.IsFirstRun) {
    WriteProfileString(SetupPath(rState), kSetupSection, "IsFirstRun", "0");
  }
  WriteComPort(rState);

  CreateNewCodeplug(rState);
  rState.Features = ReadFeatureFile(FeaturePath(rState));
}

bool StopProgram(AppState& rState) { return WriteFeatureFile(FeaturePath(rState), rState.Features); }

}  // namespace px
