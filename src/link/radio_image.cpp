#include "link/radio_image.h"

#include <algorithm>

namespace px {

void PreFillImage(RadioImage& rImage) {
  const auto fill = [&rImage](std::size_t rFirst, std::size_t rLast, Byte rValue) {
    std::fill(rImage.begin() + static_cast<std::ptrdiff_t>(rFirst),
              rImage.begin() + static_cast<std::ptrdiff_t>(rLast + 1), rValue);
  };
  // 0x0000..0x000F is never transferred; it is blanked with the embedded area.
  fill(0x0000, 0x00FF, 0x00);
  fill(0x0100, 0x013F, 0xFF);
  fill(0x0140, 0x037F, 0x00);
  fill(0x0380, 0x039F, 0xFF);
  fill(0x03A0, 0x3FFF, 0x00);
}

ImageArea::ImageArea(RadioImage& rImage, std::size_t rBegin, std::size_t rSize)
    : mImage(&rImage), mBegin(rBegin), mSize(rSize) {
  if (rBegin > kImageSize || rSize > kImageSize - rBegin)
    throw EncodeFailure("image area outside the radio memory");
}

void ImageArea::Put(std::size_t rOffset, Byte rValue) {
  if (rOffset >= mSize)
    throw EncodeFailure("write at offset " + std::to_string(rOffset) + " outside an area of " +
                        std::to_string(mSize) + " bytes");
  (*mImage)[mBegin + rOffset] = rValue;
}

Byte ImageArea::Get(std::size_t rOffset) const {
  if (rOffset >= mSize) throw EncodeFailure("read outside the image area");
  return (*mImage)[mBegin + rOffset];
}

ImageArea ImageArea::Sub(std::size_t rOffset, std::size_t rSize) const {
  if (rOffset > mSize || rSize > mSize - rOffset)
    throw EncodeFailure("image area outside its parent area");
  return ImageArea(*mImage, mBegin + rOffset, rSize);
}

}  // namespace px
