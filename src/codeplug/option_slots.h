#pragma once
// Names for the slots of OptionSettings::OptionValues, after the setting each one holds
// (the list it is chosen from on the optional-functions page). The codec, the reference
// repair and the page all index the array through these names.

#include <cstddef>

namespace px {

namespace OptionSlot {
enum : std::size_t {
  WorkMode = 0,         // frequency / channel / mixed mode
  DisplayMode = 1,      // frequency or channel shown
  PowerOnChannel = 2,   // the grid's channel number (Number - 1), 200 PA, 201 PB
  SquelchLevel = 3,
  BatterySave = 4,
  ChannelDisplay = 5,   // channel number or name, in channel mode
  BacklightTime = 6,
  MicGain = 7,
  ToneBurst = 8,
  TimeOutTimer = 9,
  VoxLevel = 10,
  VoiceLanguage = 11,
  FmRadio = 12,         // 0: the FM radio and its key are disabled
  LowBatteryAlert = 13,
  BusyLockout = 14,
  KeyBeep = 15,
  VoicePrompt = 16,
  RogerBeep = 17,
  KeypadLock = 18,
  PowerOnDisplay = 19,
  VolumeLevel = 20,     // 20 .. 22 are not kept by the radio
  DisplayColour = 21,
  DualWatch = 22,
  Count = 23,
};
}  // namespace OptionSlot

}  // namespace px
