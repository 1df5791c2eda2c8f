#include "link/codeplug_source.h"

#include <fstream>
#include <iterator>

#include "app/bands.h"
#include "codeplug/codeplug_file.h"
#include "link/codec.h"

namespace px {

namespace {

bool IsImagePath(const std::string& rPath) {
  return rPath.ends_with(".img") || rPath.ends_with(".IMG");
}

}  // namespace

bool LoadCodeplugOrImage(const std::string& rPath, AppState& rOut, std::string& rError) {
  if (!IsImagePath(rPath)) {
    if (!ReadCodeplugFiles(rPath, rOut.Current, rOut.Channels, rError)) return false;
    // The file's own band, not the program's.
    rOut.Band.Index = rOut.Current.BandIndex;
    RebuildBandTexts(rOut);
    return true;
  }
  std::ifstream in(rPath, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (!in.eof() && !in.good()) {
    rError = "cannot read " + rPath;
    return false;
  }
  if (bytes.size() != kImageSize) {
    rError = rPath + " is not a radio memory image: " + std::to_string(bytes.size()) + " bytes, an image has " +
             std::to_string(kImageSize);
    return false;
  }
  RadioImage image{};
  for (std::size_t i = 0; i < kImageSize; ++i) image[i] = static_cast<Byte>(bytes[i]);
  DecodeCodeplug(rOut, image);
  return true;
}

}  // namespace px
