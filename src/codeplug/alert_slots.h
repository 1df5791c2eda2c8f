#pragma once
// The bytes of AlertSettings by what they hold. Times are in seconds; the emergency
// channel is a memory channel's Number (0 for none), which the radio keeps one lower.

#include <cstddef>

#include "codeplug/records.h"

namespace px::alert {

enum Slot : std::size_t {
  Kind = 0,           // position in the alarm kind list
  CodeKind = 1,       // CodeKind below
  Code = 2,           // DTMF: code memory 0..15; 5-Tone: the code's number 0..99
  AlarmTime = 3,
  TxTime = 4,
  RxTime = 5,
  ChannelSelect = 6,  // position: assigned channel, current channel
  Channel = 7,
  Cycle = 8,          // 0 continuous, else the number of cycles
  LoneWorker = 9,     // switch: automatic detection
  PreAlertTime = 10,
  LoneWorkerTime = 11,
  SlotCount = 12,
};
static_assert(SlotCount == std::tuple_size_v<AlertSettings>);

// What the identification code byte refers to.
enum CodeKind : Byte { CodeNone = 0, CodeDtmf = 1, CodeFiveTone = 2 };

// Ranges of the timed bytes.
inline constexpr int kTimeMin = 1;
inline constexpr int kTimeMax = 255;
inline constexpr int kPreAlertMax = 254;
inline constexpr int kLoneWorkerMin = 5;

// Defaults of a new codeplug: everything else 0.
inline constexpr Byte kDefaultPreAlertTime = 1;
inline constexpr Byte kDefaultLoneWorkerTime = 5;

}  // namespace px::alert
