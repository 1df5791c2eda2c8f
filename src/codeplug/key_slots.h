#pragma once
// Names for the bytes of KeyFunctions: five programmable keys, each with a function for
// a short press, a long press and a press together with FUNC; and the function codes
// that other pages refer to.

#include <cstddef>

namespace px {

namespace KeySlot {
enum : std::size_t {
  ShortPress = 0,  // P1 .. P5 short press: 0 .. 4
  LongPress = 5,   // P1 .. P5 long press: 5 .. 9
  FuncPress = 10,  // FUNC + P1 .. P5: 10 .. 14
  KeysPerKind = 5,
  Count = 15,
};
}  // namespace KeySlot

namespace KeyFunction {
enum : int {
  None = 0,
  FmRadio = 10,  // offered on a short press only while the FM radio is enabled
  Count = 21,
};
}  // namespace KeyFunction

}  // namespace px
