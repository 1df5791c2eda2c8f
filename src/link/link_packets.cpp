#include "link/link_packets.h"

namespace px {

namespace {

void PutAddress(Packet& rPacket, int rAddress) {
  rPacket.push_back(static_cast<std::uint8_t>((rAddress >> 8) & 0xFF));
  rPacket.push_back(static_cast<std::uint8_t>(rAddress & 0xFF));
}

int AddressAt(std::span<const std::uint8_t> rBuffer, std::size_t rAt) {
  return (rBuffer[rAt] << 8) | rBuffer[rAt + 1];
}

// The common shape of a "W" block behind the echo: length, total, trailer, checksum.
bool IsWellFormedBlock(std::span<const std::uint8_t> rBuffer, std::size_t rEcho) {
  const std::size_t n = rBuffer.size();
  if (n < rEcho + DataBlockLength(16) || rBuffer[rEcho] != 0x57) return false;
  const std::size_t length = rBuffer[rEcho + 3];
  if (n != rEcho + DataBlockLength(length) || rBuffer[n - 1] != kAckByte) return false;
  const auto summed = rBuffer.subspan(rEcho + 1, 3 + length);
  return BlockChecksum(summed) == rBuffer[n - 2];
}

}  // namespace

Packet HandshakePacket() { return {0x50, 0x52, 0x4F, 0x47, 0x52, 0x41, 0x4D}; }

Packet IdentifyPacket() { return {0x02}; }

Packet ReadRequestPacket(int rAddress, int rLength) {
  Packet p{0x52};
  PutAddress(p, rAddress);
  p.push_back(static_cast<std::uint8_t>(rLength));
  return p;
}

Packet WriteBlockPacket(const RadioImage& rImage, int rAddress, int rLength) {
  Packet p{0x57};
  PutAddress(p, rAddress);
  p.push_back(static_cast<std::uint8_t>(rLength));
  for (int i = 0; i < rLength; ++i) p.push_back(rImage[static_cast<std::size_t>(rAddress + i)]);
  p.push_back(BlockChecksum(std::span(p).subspan(1)));
  p.push_back(kAckByte);
  return p;
}

Packet EndPacket() { return {0x45, 0x4E, 0x44}; }

std::uint8_t BlockChecksum(std::span<const std::uint8_t> rAddressLengthAndData) {
  unsigned sum = 0;
  for (auto b : rAddressLengthAndData) sum += b;
  return static_cast<std::uint8_t>(sum & 0xFF);
}

ReplyKind ClassifyReply(std::span<const std::uint8_t> rBuffer, std::size_t rEchoLength,
                        int rState, int rCurrentAddress, int rReadBlockSize) {
  const std::size_t n = rBuffer.size();
  const std::size_t e = rEchoLength;
  if (n == e + kAckReplyLength && rBuffer[e] == kAckByte) return ReplyKind::Acknowledge;
  if (n == e + kAckReplyLength && rBuffer[e] == kResendByte) return ReplyKind::Resend;
  if (n == e + kHandshakeReplyLength && rBuffer[e] == 0x4B && rBuffer[e + 1] == 0x56 &&
      rBuffer[e + 2] == kAckByte)
    return ReplyKind::Handshake;
  if (n == e + kIdentificationReplyLength && rBuffer[e] == 0x49 && rBuffer[n - 1] == kAckByte)
    return ReplyKind::Identification;
  if (rState == 3 && IsWellFormedBlock(rBuffer, e) &&
      AddressAt(rBuffer, e + 1) == kPasswordBlockAddress)
    return ReplyKind::PasswordBlock;
  if (IsWellFormedBlock(rBuffer, e) && AddressAt(rBuffer, e + 1) == rCurrentAddress &&
      rBuffer[e + 3] == rReadBlockSize)
    return ReplyKind::DataBlock;
  return ReplyKind::Ignored;
}

RadioIdentity ParseIdentification(std::span<const std::uint8_t> rRecord) {
  RadioIdentity id;
  if (rRecord.size() < kIdentificationReplyLength) return id;
  for (std::size_t i = 1; i <= 7; ++i) {
    const auto b = rRecord[i];
    if (b == 0x00 || b == 0xFF) break;
    id.Model.push_back(static_cast<char>(b));
  }
  const auto band = rRecord[8];
  id.BandCode = ((band & 0x0F) > 7 || band > 0x37) ? 0x30 : band;
  for (std::size_t i = 9; i <= 12; ++i) {
    const auto b = rRecord[i];
    if (b != 0x00 && b != 0xFF) id.Version.push_back(static_cast<char>(b));
  }
  id.OptionBit = (rRecord[13] & 0x10) != 0;
  id.Killed = (rRecord[14] & 0x01) != 0;
  id.Stunned = (rRecord[14] & 0x02) != 0;
  return id;
}

std::span<const std::uint8_t> BlockData(std::span<const std::uint8_t> rBuffer,
                                        std::size_t rEchoLength) {
  const std::size_t length = rBuffer[rEchoLength + 3];
  return rBuffer.subspan(rEchoLength + 4, length);
}

}  // namespace px
