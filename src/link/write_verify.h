#pragma once
// Verify after write: the image read back from the radio compared with the image sent,
// over the area a write sends (0x0100 to the end of memory).

#include <cstddef>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "link/radio_image.h"

namespace px {

struct ByteMismatch {
  std::size_t Address = 0;
  Byte Sent = 0;
  Byte Read = 0;
};

struct VerifyResult {
  std::size_t Differing = 0;          // bytes that differ in all
  std::vector<ByteMismatch> First;    // the first few, in address order
  bool Matches() const { return Differing == 0; }
};

inline constexpr std::size_t kMismatchesShown = 8;

VerifyResult CompareWrittenArea(const RadioImage& rSent, const RadioImage& rReadBack);

// "The radio holds what was written." or "Verify failed: 3 bytes differ from what was
// written, first at 0x0120 (written 12, read 13), ..." in the current language.
std::string VerifyResultText(const AppState& rState, const VerifyResult& rResult);
// The read-back itself failed: nothing is known about what the radio holds.
std::string VerifyReadFailedText(const AppState& rState);

}  // namespace px
