#pragma once
// A page's field rows to and from the radio image: each row's place says where its value
// lies, so one row serves both directions.

#include <string>

#include "edit/page_fields.h"
#include "link/image_bytes.h"

namespace px {

// Writes every field the radio keeps into rArea. Bit fields share their byte: each such
// byte is cleared first, so bits no row names are 0.
template <class Bytes>
void EncodeFields(PageFields rFields, const Bytes& rValues, ImageArea rArea) {
  for (const PageField& field : rFields)
    if (field.Image.Width > 0 && field.Image.Width < 8) rArea.Put(field.Image.Offset, 0);
  for (const PageField& field : rFields) {
    const ImagePlace& place = field.Image;
    const int value = rValues[field.Slot];
    if (place.Width == 0) continue;
    const std::string name(field.Name);
    if (place.MinusOne) {
      rArea.Put(place.Offset, ToRadioByte(value - 1));
    } else if (place.Width == 8) {
      rArea.Put(place.Offset, ByteField(value, name.c_str()));
    } else {
      rArea.Put(place.Offset, static_cast<Byte>(rArea.Get(place.Offset) | BitField(value, place.Width, name.c_str()) << place.Bit));
    }
  }
}

// Reads every field the radio keeps from the image at rBase; the others stay as they are.
template <class Bytes>
void DecodeFields(PageFields rFields, const RadioImage& rImage, std::size_t rBase, Bytes& rValues) {
  for (const PageField& field : rFields) {
    const ImagePlace& place = field.Image;
    if (place.Width == 0) continue;
    const Byte byte = rImage[rBase + place.Offset];
    using Value = typename Bytes::value_type;
    if (place.MinusOne) {
      rValues[field.Slot] = static_cast<Value>(FromRadioByteMinusOne(byte));
    } else {
      rValues[field.Slot] = static_cast<Value>((byte >> place.Bit) & ((1 << place.Width) - 1));
    }
  }
}

}  // namespace px
