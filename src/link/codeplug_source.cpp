#include "link/codeplug_source.h"

#include "app/bands.h"
#include "codeplug/codeplug_file.h"
#include "link/codec.h"
#include "link/image_file.h"

namespace px {

namespace {

bool IsImagePath(const std::string& rPath) {
  return rPath.ends_with(".img") || rPath.ends_with(".IMG");
}

}  // namespace

bool LoadCodeplugOrImage(const std::string& rPath, AppState& rOut, std::string& rError,
                         std::string* rWarning) {
  if (!IsImagePath(rPath)) {
    if (!ReadCodeplugFiles(rPath, rOut.Current, rOut.Channels, rError, rWarning)) return false;
    // The file's own band, not the program's.
    rOut.Band.Index = rOut.Current.BandIndex;
    RebuildBandTexts(rOut);
    return true;
  }
  // The one image reader: the system's reason when it cannot be read, the size otherwise.
  const ImageFileResult file = ReadImageFile(rPath);
  if (!file.Image) {
    rError = ImageFileProblem(rPath, file);
    return false;
  }
  DecodeCodeplug(rOut, *file.Image);
  return true;
}

}  // namespace px
