// Receive classification over arbitrary buffers: the first bytes choose the echo length,
// the link state and the current address; the rest is what arrived on the port.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "link/link_packets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* rData, std::size_t rSize) {
  if (rSize < 4) return 0;
  const std::size_t echo = rData[0] % 24;
  static constexpr int kStates[] = {0, 1, 2, 3, 4, 45, 69};
  const int state = kStates[rData[1] % 7];
  const int address = ((rData[2] << 8) | rData[3]) & 0x3FF0;
  const std::vector<std::uint8_t> buffer(rData + 4, rData + rSize);
  const auto kind = px::ClassifyReply(buffer, echo, state, address, 16);
  if (kind == px::ReplyKind::DataBlock) {
    const auto data = px::BlockData(buffer, echo);
    if (data.data() < buffer.data() || data.data() + data.size() > buffer.data() + buffer.size())
      __builtin_trap();
  }
  if (kind == px::ReplyKind::Identification && buffer.size() >= echo + 16)
    (void)px::ParseIdentification(std::span(buffer).subspan(echo, 16));
  return 0;
}
