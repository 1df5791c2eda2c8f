#pragma once
// The bytes of ScanSettings by what they hold. Times are in tenths of a second, the wait
// time in units of 25 ms; the two priority channels are a memory channel's Number (0 for
// none), which the radio keeps one lower together with the two group bytes.

#include <cstddef>

#include "codeplug/records.h"

namespace px::scan {

enum Slot : std::size_t {
  Mode = 0,       // position in the scan mode list
  Priority = 1,   // position in the priority list
  Revert = 2,     // position in the revert master list
  LookBackA = 3,
  LookBackB = 4,
  RxResume = 5,
  TxResume = 6,
  Type = 7,       // position in the scan type list
  EntryTone = 8,  // switch
  WaitTime = 9,
  Group1 = 10,    // carried, never edited
  Channel1 = 11,
  Group2 = 12,    // carried, never edited
  Channel2 = 13,
  SlotCount = 14,
};
static_assert(SlotCount == std::tuple_size_v<ScanSettings>);

// Stored ranges of the timed bytes.
inline constexpr int kLookBackMin = 5;   // 0.5 s
inline constexpr int kResumeMin = 1;     // 0.1 s
inline constexpr int kTimeMax = 50;      // 5.0 s
inline constexpr int kWaitTimeMin = 2;   // 50 ms
inline constexpr int kWaitTimeMax = 255;
inline constexpr int kWaitTimeUnitMs = 25;

// Defaults of a new codeplug; WaitTime keeps what it held.
inline constexpr Byte kDefaultLookBack = 5;

}  // namespace px::scan
