#pragma once
// Names for the bytes of AlertSettings. Times are in seconds; the emergency channel is a
// memory channel's Number (0 for none), which the radio keeps one lower.

#include <cstddef>

namespace px {

namespace AlertSlot {
enum : std::size_t {
  Kind = 0,           // position in the alarm kind list
  CodeKind = 1,       // AlertCodeKind
  Code = 2,           // DTMF: code memory 0 .. 15; 5-Tone: the code's number 0 .. 99
  AlarmTime = 3,      // 1 .. 255
  TxTime = 4,
  RxTime = 5,
  ChannelSelect = 6,  // position: assigned channel, current channel
  Channel = 7,
  Cycle = 8,          // 0 continuous, else the number of cycles
  LoneWorker = 9,     // switch: automatic detection
  PreAlertTime = 10,  // 1 .. 254
  LoneWorkerTime = 11,  // 5 .. 255
  Count = 12,
};
}  // namespace AlertSlot

// What the identification code byte refers to.
namespace AlertCodeKind {
enum : int { None = 0, Dtmf = 1, FiveTone = 2 };
}  // namespace AlertCodeKind

}  // namespace px
