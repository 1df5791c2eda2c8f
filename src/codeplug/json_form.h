#pragma once
// The JSON form of a codeplug: every field of the Codeplug record under its own name,
// nested as the records nest, plus "Channels" with the occupied slots in slot order.
//
// Numbers are JSON numbers; a double that JSON cannot hold (an infinity or a NaN, which
// a damaged or foreign file may contain) is written as the string "0x" + its 16 hex
// digits of IEEE 754 bits, so that every file converts back byte for byte. Each
// text(N) is a string of exactly N characters, character k having the code point of
// byte k (0x00..0xFF), so NULs, padding and bytes above 0x7F survive exactly.

#include <string>

#include "codeplug/records.h"

namespace px {

// Pretty-printed, fields in file order.
std::string CodeplugToJson(const Codeplug& rPlug, const ChannelTable& rChannels);

// Accepts only the form CodeplugToJson writes: every field present, nothing else,
// each value of its field's type and range. On success slots 0..ChannelCount-1 hold
// the channels and the remaining slots are cleared. On failure the outputs are left
// untouched and rError names the field path and what is wrong, for example
// "Settings.Dtmf.CodeMemory[3].Digits: text must be 24 characters".
bool CodeplugFromJson(const std::string& rJson, Codeplug& rPlug, ChannelTable& rChannels,
                      std::string& rError);

}  // namespace px
