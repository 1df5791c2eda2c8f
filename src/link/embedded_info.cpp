#include "link/embedded_info.h"

#include "link/image_bytes.h"

namespace px {

EmbeddedInfo DecodeEmbeddedInfo(const RadioImage& rImage) {
  EmbeddedInfo info;
  VisitEmbeddedFields(info, [&rImage](auto& rField, std::size_t rAddress, bool rStopAtFF, const char*) {
    std::string text = GetImageText(rImage, rAddress, rField.Size, rStopAtFF);
    AssignWithNul(rField, TrimRight(text));
  });
  return info;
}

}  // namespace px
