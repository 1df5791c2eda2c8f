#pragma once
// The packets of the programming protocol, the classification of what comes back, and
// the identification record. All multi-byte numbers on the line are big-endian; every
// reply arrives behind the cable's echo of the packet that asked for it.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "link/link_interfaces.h"

namespace px {

using Packet = std::vector<std::uint8_t>;

constexpr std::uint8_t kAckByte = 0x06;
constexpr std::uint8_t kResendByte = 0x0A;
constexpr int kPasswordBlockAddress = 0x0040;

// Reply lengths after the echo.
constexpr std::size_t kHandshakeReplyLength = 3;       // "KV" ACK
constexpr std::size_t kIdentificationReplyLength = 16;
constexpr std::size_t kAckReplyLength = 1;
constexpr std::size_t DataBlockLength(std::size_t rDataBytes) { return rDataBytes + 6; }

Packet HandshakePacket();
Packet IdentifyPacket();
Packet ReadRequestPacket(int rAddress, int rLength);
// "W", address, length, the image bytes from rAddress on, checksum, ACK.
Packet WriteBlockPacket(const RadioImage& rImage, int rAddress, int rLength);
Packet EndPacket();

// Sum modulo 256 of the address, length and data bytes of a block (the bytes between
// the leading "W" and the checksum).
std::uint8_t BlockChecksum(std::span<const std::uint8_t> rAddressLengthAndData);

enum class ReplyKind {
  Ignored,
  Acknowledge,
  Resend,
  Handshake,
  Identification,
  PasswordBlock,
  DataBlock,
};

// Tests the whole received buffer, echo included, in the protocol's order and returns
// the first kind that matches. rState is the link state (the password block is only
// recognised in state 3).
ReplyKind ClassifyReply(std::span<const std::uint8_t> rBuffer, std::size_t rEchoLength,
                        int rState, int rCurrentAddress, int rReadBlockSize);

struct RadioIdentity {
  std::string Model;
  std::string Version;
  std::int16_t BandCode = 0x30;
  bool Killed = false;
  bool Stunned = false;
  bool OptionBit = false;  // bit 4 of the first flags byte
};

// rRecord is the 16-byte identification record ("I" … ACK) without the echo.
RadioIdentity ParseIdentification(std::span<const std::uint8_t> rRecord);

// The data bytes of a block reply that ClassifyReply accepted.
std::span<const std::uint8_t> BlockData(std::span<const std::uint8_t> rBuffer,
                                        std::size_t rEchoLength);

}  // namespace px
