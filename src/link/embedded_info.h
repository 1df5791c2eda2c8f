#pragma once
// The embedded information as the radio image holds it.

#include "codeplug/embedded_info.h"
#include "link/radio_image.h"

namespace px {

EmbeddedInfo DecodeEmbeddedInfo(const RadioImage& rImage);

}  // namespace px
