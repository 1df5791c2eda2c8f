#pragma once
// What the fleet tests share: a codeplug whose own IDs are carried by codes, and a radio
// memory that answers with a given serial number.

#include <cstddef>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "link/radio_image.h"

namespace px::test {

// DTMF own ID 345 carried by an ANI call and the PTT ID begin code; 5-Tone own ID 12345
// carried by a PTT ID code.
inline void GiveCarriedOwnIds(AppState& rState) {
  DtmfSettings& dtmf = rState.Current.Settings.Dtmf;
  dtmf.SelfId.Assign("345");
  dtmf.SeparatorDigit = 14;
  dtmf.CodeMemory[0].Digits.Assign("012E345");
  dtmf.CodeMemory[0].Length = 7;
  dtmf.PttIdBeginCode.Digits.Assign("E345");
  dtmf.PttIdBeginCode.Length = 4;
  FiveToneSettings& five = rState.Current.Settings.FiveTone;
  five.PageText.Assign("12345");
  five.PageBytes[3] = 5;
  five.Codes[0].Empty = 0;
  five.Codes[0].Digits.Assign("E612345");
  five.Codes[0].CodeBytes[2] = 7;
}

// An erased memory with rSerial at 0x0020 and no password.
inline std::vector<unsigned char> ImageWithSerial(const std::string& rSerial) {
  std::vector<unsigned char> image(kImageSize, 0xFF);
  for (std::size_t i = 0; i < 16; ++i) image[0x20 + i] = i < rSerial.size() ? static_cast<unsigned char>(rSerial[i]) : 0;
  return image;
}

}  // namespace px::test
