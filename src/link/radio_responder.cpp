#include "link/radio_responder.h"

#include <algorithm>

namespace px {

namespace {

constexpr std::size_t kHandshakeLength = 7;
constexpr std::size_t kEndLength = 3;
constexpr std::size_t kReadRequestLength = 4;

bool StartsWith(std::span<const std::uint8_t> rBytes, const Packet& rPrefix) {
  const std::size_t n = std::min(rBytes.size(), rPrefix.size());
  return std::equal(rPrefix.begin(), rPrefix.begin() + static_cast<long>(n), rBytes.begin());
}

}  // namespace

Packet IdentificationRecord(const RadioProfile& rProfile) {
  Packet p(16, 0x00);
  p[0] = 0x49;
  for (std::size_t i = 0; i < 7 && i < rProfile.Model.size(); ++i)
    p[1 + i] = static_cast<std::uint8_t>(rProfile.Model[i]);
  p[8] = rProfile.BandCode;
  for (std::size_t i = 0; i < 4 && i < rProfile.Version.size(); ++i)
    p[9 + i] = static_cast<std::uint8_t>(rProfile.Version[i]);
  p[13] = rProfile.OptionFlag ? 0x10 : 0x00;
  p[14] = static_cast<std::uint8_t>((rProfile.Killed ? 0x01 : 0) | (rProfile.Stunned ? 0x02 : 0));
  p[15] = kAckByte;
  return p;
}

void SetRadioPassword(RadioImage& rMemory, const std::string& rPassword) {
  for (std::size_t i = 0; i < 4; ++i)
    rMemory[0x4C + i] = i < rPassword.size() ? static_cast<std::uint8_t>(rPassword[i]) : 0xFF;
}

RadioResponder::RadioResponder(const RadioProfile& rProfile, RadioImage& rMemory)
    : mProfile(rProfile), mMemory(rMemory) {}

int RadioResponder::PacketLengthAtFront() const {
  const std::span<const std::uint8_t> b(mPending);
  switch (b[0]) {
    case 0x50: {
      if (!StartsWith(b, HandshakePacket())) return -1;
      return b.size() >= kHandshakeLength ? static_cast<int>(kHandshakeLength) : 0;
    }
    case 0x45: {
      if (!StartsWith(b, EndPacket())) return -1;
      return b.size() >= kEndLength ? static_cast<int>(kEndLength) : 0;
    }
    case 0x02:
      return 1;
    case 0x52:
      return b.size() >= kReadRequestLength ? static_cast<int>(kReadRequestLength) : 0;
    case 0x57: {
      if (b.size() < 4) return 0;
      const std::size_t total = DataBlockLength(b[3]);
      return b.size() >= total ? static_cast<int>(total) : 0;
    }
    default:
      return -1;
  }
}

std::vector<RadioResponder::Event> RadioResponder::Receive(std::span<const std::uint8_t> rBytes) {
  std::vector<Event> events;
  mPending.insert(mPending.end(), rBytes.begin(), rBytes.end());
  while (!mPending.empty()) {
    const int length = PacketLengthAtFront();
    if (length == 0) break;
    if (length < 0) {
      mPending.erase(mPending.begin());
      continue;
    }
    const Packet packet(mPending.begin(), mPending.begin() + length);
    mPending.erase(mPending.begin(), mPending.begin() + length);
    Handle(packet, events);
  }
  return events;
}

void RadioResponder::Handle(std::span<const std::uint8_t> rPacket, std::vector<Event>& rEvents) {
  const auto reply = [&](Packet rBytes) {
    rEvents.push_back({Event::Reply, std::move(rBytes), 0, rPacket[0]});
  };
  switch (rPacket[0]) {
    case 0x50:
      mProgramming = true;
      reply({0x4B, 0x56, kAckByte});
      return;
    case 0x45:
      if (!mProgramming) return;
      mProgramming = false;
      reply({kAckByte});
      rEvents.push_back({Event::Ended, {}, 0, rPacket[0]});
      return;
    default:
      break;
  }
  if (!mProgramming) return;
  if (rPacket[0] == 0x02) {
    reply(IdentificationRecord(mProfile));
    return;
  }
  const int address = (rPacket[1] << 8) | rPacket[2];
  const int length = rPacket[3];
  if (rPacket[0] == 0x52) {
    if (address + length > static_cast<int>(mMemory.size())) return;
    reply(WriteBlockPacket(mMemory, address, length));
    return;
  }
  // A write block: checked as the program checks the radio's blocks.
  const auto summed = rPacket.subspan(1, static_cast<std::size_t>(3 + length));
  const bool intact = BlockChecksum(summed) == rPacket[rPacket.size() - 2] &&
                      rPacket.back() == kAckByte;
  if (!intact) {
    reply({kResendByte});
    return;
  }
  // The area below 0x0100 belongs to the maker and the dealer.
  if (address < 0x0100 || address > 0x3FF0 || address + length > 0x4000) {
    rEvents.push_back({Event::WriteRefused, {}, address, rPacket[0]});
    return;
  }
  for (int i = 0; i < length; ++i)
    mMemory[static_cast<std::size_t>(address + i)] = rPacket[static_cast<std::size_t>(4 + i)];
  rEvents.push_back({Event::Reply, {kAckByte}, address, rPacket[0]});
}

}  // namespace px
