#pragma once
// Everything the program holds between commands. One instance is created by each
// program and handed by reference to whatever needs it; tests make as many as they like.

#include <array>
#include <string>

#include "app/feature_flags.h"
#include "app/language.h"
#include "codeplug/band_limits.h"
#include "codeplug/records.h"

namespace px {

struct BandState {
  Int16 Index = 7;         // current band index; copied into BandIndex when stored
  std::string Text;        // "Rx(136 - 174 MHz) Tx(136 - 174 MHz)"
  std::string RxRangeText; // "136 - 174 MHz"
  std::string TxRangeText;
  BandLimits Limits;       // working limits of the frequency checks
};

// How the port holds back what it sends: RTS/CTS waits for the cable's clear-to-send,
// which a cable that does not wire CTS never gives.
enum class FlowControl { RtsCts, None };

// Keys of "language/mysetup.ini", section "language".
struct SetupSettings {
  bool IsFirstRun = false;
  std::string Skin;
  int ComPort = 0;
  // key "portPath": a device path typed by the user; when set it is used instead of ComPort.
  std::string PortPath;
  int FactoryFres = 0;
  FlowControl Flow = FlowControl::RtsCts;  // key "flowControl": "rtscts" or "none"
};

struct AppState {
  std::string ProgramFolder;   // shipped files; ends without a separator
  std::string SettingsFolder;  // what the program writes; empty: the program folder

  Codeplug Current;
  ChannelTable Channels{};
  Codeplug SavedCodeplug;
  ChannelTable SavedChannels{};

  std::string FilePath = "new.dat";
  std::string BookFilePath = "new.cb";
  bool Untitled = true;
  // The codeplug came from a radio and no file holds it yet: it counts as unchanged,
  // but leaving it still asks whether to save it.
  bool UnsavedRead = false;
  bool Initializing = false;  // the Initialize command is running New

  std::string ModelString = "PX-4800";
  std::string VersionText = "V100";
  BandState Band;
  Int16 LanguageIndex = 1;  // 1 English, 2 Chinese
  mutable LanguageCache LanguageTexts;  // parsed language files, filled by the lookups
  FeatureFlags Features;
  SetupSettings Setup;

  // The channel clipboard: set by copy and cut, cleared only by New.
  bool ClipboardFilled = false;
  ChannelRecord Clipboard;
};

// Paths below the program folder, with the platform's separator.
std::string ProgramPath(const AppState& rState, const std::string& rRelative);
// Paths of the files the program writes ("Setting.ini", "language/mysetup.ini").
std::string SettingsPath(const AppState& rState, const std::string& rRelative);

}  // namespace px
