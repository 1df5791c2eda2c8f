#pragma once
// Names for the bytes of ScanSettings. Times are in tenths of a second, the wait time in
// units of 25 ms; the two priority channels are a memory channel's Number (0 for none),
// which the radio keeps one lower together with the two group bytes.

#include <cstddef>

namespace px {

namespace ScanSlot {
enum : std::size_t {
  Mode = 0,       // position in the scan mode list
  Priority = 1,   // position in the priority list
  Revert = 2,     // position in the revert master list
  LookBackA = 3,  // 5 .. 50
  LookBackB = 4,
  RxResume = 5,   // 1 .. 50
  TxResume = 6,
  Type = 7,       // position in the scan type list
  EntryTone = 8,  // switch
  WaitTime = 9,   // 2 .. 255
  Group1 = 10,    // carried, never edited
  Channel1 = 11,
  Group2 = 12,    // carried, never edited
  Channel2 = 13,
  Count = 14,
};
}  // namespace ScanSlot

}  // namespace px
