#pragma once
// The command line of px4800-sim.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "link/radio_responder.h"

namespace px::sim {

struct SimOptions {
  RadioProfile Profile;
  std::optional<std::string> Password;  // written into the memory at 0x004C
  std::string ImagePath;                // empty: a blank radio
  std::string SavePath;
  int Baud = 0;                         // 0: answer at once
  int TurnaroundMicros = 2000;          // per reply, with --baud only
  std::uint32_t Seed = 1;
  double Drop = 0;
  double Corrupt = 0;
  double Nak = 0;
  double StoreFaults = 0;  // a write block acknowledged but stored with one byte damaged
  long SilentAfter = -1;  // packets answered before the radio goes quiet; -1 never
  long SilentFor = -1;    // packets left unanswered then; -1 for good
  bool NoCts = false;     // the cable does not wire CTS: RTS/CTS handshaking sends nothing
  bool Help = false;
  bool Version = false;   // --version: print the program's version and stop
};

// Throws std::invalid_argument with a message for the user.
SimOptions ParseSimOptions(const std::vector<std::string>& rArgs);

extern const char* const kSimUsage;

}  // namespace px::sim
