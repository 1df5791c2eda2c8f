#pragma once
// The radio's 16 KiB memory as one byte array, index = radio address, and the window
// through which each encoder writes its own part of it.

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>

#include "codeplug/records.h"

namespace px {

constexpr std::size_t kImageSize = 16384;
using RadioImage = std::array<Byte, kImageSize>;

// Addresses the codec and the link share.
constexpr std::size_t kReadStart = 0x0010;   // first address a read fills
constexpr std::size_t kWriteStart = 0x0100;  // first address a write sends

// The blank pattern: what the image holds before a read and before every encoding.
// The bit maps come out all 1, so every slot that nothing was stored for reads free.
void PreFillImage(RadioImage& rImage);

// An encoder met a value it cannot convert, or tried to write outside its area. The
// codec turns it into the encoder's message; it never leaves the codec.
// what() names the field and the value where the encoder knows them.
class EncodeFailure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
  EncodeFailure(const std::string& rWhat, int rChannelNumber)
      : std::runtime_error(rWhat), ChannelNumber(rChannelNumber) {}

  int ChannelNumber = 0;  // the channel being encoded; 0 outside the channels
};

// A bounded part of the image, handed around by value like a view. Every encoder writes through one of these, so whatever
// a codeplug holds (a count beyond its field, a text longer than its area) it cannot
// spill into a neighbouring area: such a write is an EncodeFailure instead.
class ImageArea {
 public:
  // rBegin and rSize must lie inside the image.
  ImageArea(RadioImage& rImage, std::size_t rBegin, std::size_t rSize);

  std::size_t Begin() const { return mBegin; }
  std::size_t Size() const { return mSize; }

  // rOffset counts from the start of the area.
  void Put(std::size_t rOffset, Byte rValue);
  Byte Get(std::size_t rOffset) const;

  // A smaller window inside this one.
  ImageArea Sub(std::size_t rOffset, std::size_t rSize) const;

 private:
  RadioImage* mImage;
  std::size_t mBegin;
  std::size_t mSize;
};

}  // namespace px
