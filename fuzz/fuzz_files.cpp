// The codeplug file reader and the JSON form over arbitrary bytes: a file of the right
// size always reads, JSON either reads into a codeplug that writes back identically or
// is refused with a message.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "codeplug/codeplug_file.h"
#include "codeplug/json_form.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* rData, std::size_t rSize) {
  // One buffer for the process: a fresh one per input costs page faults, not coverage.
  static std::vector<px::Byte> bytes;
  bytes.assign(rData, rData + std::min(rSize, px::kCodeplugFileSize));
  bytes.resize(px::kCodeplugFileSize);
  px::Codeplug plug;
  if (!px::ParseCodeplug(bytes, plug)) __builtin_trap();
  if (px::SerializeCodeplug(plug) != bytes) __builtin_trap();

  px::ChannelTable channels{};
  px::Codeplug fromJson;
  std::string error;
  const std::string text(reinterpret_cast<const char*>(rData), rSize);
  if (px::CodeplugFromJson(text, fromJson, channels, error)) {
    px::Codeplug again;
    px::ChannelTable againChannels{};
    if (!px::CodeplugFromJson(px::CodeplugToJson(fromJson, channels), again, againChannels, error))
      __builtin_trap();
    if (px::SerializeCodeplug(again) != px::SerializeCodeplug(fromJson)) __builtin_trap();
  } else if (error.empty()) {
    __builtin_trap();
  }
  return 0;
}
