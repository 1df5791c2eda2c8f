#pragma once
// The radio's side of the programming protocol, answering from a memory image: what the
// virtual radio runs and what the engine's tests talk to. Faults are the caller's
// business (drop, damage or refuse the replies this gives).

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "link/link_packets.h"
#include "link/radio_image.h"

namespace px {

struct RadioProfile {
  std::string Model = "PX-4800";   // up to 7 bytes
  std::string Version = "V100";    // up to 4 bytes
  std::uint8_t BandCode = 0x37;
  bool OptionFlag = false;         // bit 4 of the first flags byte
  bool Killed = false;
  bool Stunned = false;
};

// The 16-byte identification record, "I" … ACK.
Packet IdentificationRecord(const RadioProfile& rProfile);
// Puts a programming password of up to four characters at 0x004C; empty clears it.
void SetRadioPassword(RadioImage& rMemory, const std::string& rPassword);

class RadioResponder {
 public:
  RadioResponder(const RadioProfile& rProfile, RadioImage& rMemory);

  struct Event {
    enum Kind { Reply, WriteRefused, Ended } What = Reply;
    Packet Bytes;   // the reply (without the echo) for Reply
    int Address = 0;           // of the block, for WriteRefused and a write block's ACK
    std::uint8_t Request = 0;  // first byte of the packet this answers
  };

  // Takes bytes as they come off the line (packets may be split or joined) and returns
  // what the radio does for each complete packet.
  std::vector<Event> Receive(std::span<const std::uint8_t> rBytes);

  bool Programming() const { return mProgramming; }

 private:
  // Length of the packet at the front of mPending, 0 when incomplete, -1 for a stray byte.
  int PacketLengthAtFront() const;
  void Handle(std::span<const std::uint8_t> rPacket, std::vector<Event>& rEvents);

  RadioProfile mProfile;
  RadioImage& mMemory;
  std::vector<std::uint8_t> mPending;
  bool mProgramming = false;
};

}  // namespace px
