#pragma once
// Radio memory images kept as files (".img", as the backups and `px4800 encode` write
// them), and opening one in place of the codeplug as a read from the radio would.

#include <optional>
#include <string>

#include "app/app_state.h"
#include "app/user_interface.h"
#include "link/radio_image.h"

namespace px {

struct ImageFileResult {
  std::optional<RadioImage> Image;
  // Set when Image is not: the file cannot be read, or has the wrong size.
  std::string Reason;
  std::size_t Size = 0;
  bool WrongSize = false;
};

// Reads rPath; only a file of exactly kImageSize bytes is an image.
ImageFileResult ReadImageFile(const std::string& rPath);
// The reason in English, naming the file ("x.img is not a radio memory image: ...").
std::string ImageFileProblem(const std::string& rPath, const ImageFileResult& rResult);

// "Radio image (*.img)|*.img" in the current language.
std::string ImageFileFilter(const AppState& rState);

// File > Open image: the save question when something would be lost, the file dialog
// proposing rProposed (a folder or file), then the image decoded as a read leaves it:
// untitled and not yet saved, in the current band. Returns the image's path when the
// codeplug was replaced; a cancel or a file that is no image changes nothing (the latter
// is told).
std::optional<std::string> OpenImageCommand(AppState& rState, UserInterface& rUi,
                                            const std::string& rProposed);
bool OpenImageFile(AppState& rState, UserInterface& rUi, const std::string& rPath);

}  // namespace px
