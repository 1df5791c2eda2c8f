// DecodeCodeplug and DecodeEmbeddedInfo over arbitrary radio images; shorter inputs are
// padded with zeros, longer ones cut. The image lives in a heap block of exactly its
// size, so any read past it is reported; the block is kept for the process, since a
// fresh one per input cost more page faults than the decoding itself.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

#include "link/codec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* rData, std::size_t rSize) {
  static const auto image = std::make_unique<px::RadioImage>();
  image->fill(0);
  std::memcpy(image->data(), rData, rSize < image->size() ? rSize : image->size());

  // One blank state for the process, assigned per input into one reused state: nothing
  // is looked up again, and no fresh 100 KB block is faulted in for every input.
  static const px::AppState kBlank;
  static px::AppState state;
  state = kBlank;
  px::EmbeddedInfo info;
  px::DecodeCodeplug(state, *image, info);
  (void)px::DecodeEmbeddedInfo(*image);
  if (state.Current.ChannelCount < 0 || state.Current.ChannelCount > px::kChannelSlots) __builtin_trap();
  return 0;
}
