#include "link/image_file.h"

#include <algorithm>

#include "app/bands.h"
#include "app/language.h"
#include "app/reason_text.h"
#include "codeplug/file_bytes.h"
#include "edit/codeplug_ops.h"
#include "edit/file_commands.h"
#include "link/codec.h"

namespace px {
namespace {

constexpr OwnText kImageFileType{"Radio image", "电台映像"};
constexpr OwnText kCannotOpen{"The image \"%1\" cannot be opened:", "无法打开映像“%1”："};
constexpr OwnText kWrongSize{
    "it has %1 bytes, but a radio memory image has exactly %2 bytes.\r\nChoose an image read from"
    " the radio (for instance one of the automatic backups).",
    "它有 %1 字节，而电台内存映像正好是 %2 字节。\r\n请选择从电台读出的映像（例如自动备份之一）。"};

std::string Replace(std::string rText, const std::string& rMark, const std::string& rValue) {
  if (const auto at = rText.find(rMark); at != std::string::npos) rText.replace(at, rMark.size(), rValue);
  return rText;
}

std::string FileNameOnly(const std::string& rPath) {
  const auto slash = rPath.find_last_of("/\\");
  return slash == std::string::npos ? rPath : rPath.substr(slash + 1);
}

std::string OpenFailureText(const AppState& rState, const std::string& rPath,
                            const ImageFileResult& rResult) {
  std::string text = Replace(OwnTextOf(rState, kCannotOpen), "%1", FileNameOnly(rPath)) + "\r\n";
  if (!rResult.WrongSize) return text + LocalReason(rState, rResult.Reason);
  return text + Replace(Replace(OwnTextOf(rState, kWrongSize), "%1", std::to_string(rResult.Size)),
                        "%2", std::to_string(kImageSize));
}

}  // namespace

ImageFileResult ReadImageFile(const std::string& rPath) {
  ImageFileResult result;
  std::vector<Byte> bytes;
  std::uintmax_t size = 0;
  const FileRead read = ReadFileBytes(rPath, bytes, result.Reason, kImageSize, &size);
  if (read != FileRead::Read && read != FileRead::TooLarge) return result;
  result.Size = static_cast<std::size_t>(read == FileRead::TooLarge ? size : bytes.size());
  if (read == FileRead::TooLarge || bytes.size() != kImageSize) {
    result.WrongSize = true;
    return result;
  }
  RadioImage image{};
  std::copy(bytes.begin(), bytes.end(), image.begin());
  result.Image = image;
  return result;
}

std::string ImageFileProblem(const std::string& rPath, const ImageFileResult& rResult) {
  if (!rResult.WrongSize) return rResult.Reason;
  return rPath + " is not a radio memory image: " + std::to_string(rResult.Size) +
         " bytes, an image has " + std::to_string(kImageSize);
}

std::string ImageFileFilter(const AppState& rState) {
  return OwnTextOf(rState, kImageFileType) + " (*.img)|*.img";
}

bool OpenImageFile(AppState& rState, UserInterface& rUi, const std::string& rPath) {
  const ImageFileResult file = ReadImageFile(rPath);
  if (!file.Image) {
    rUi.Tell(OpenFailureText(rState, rPath, file), MsgIcon::Critical);
    return false;
  }
  // An image does not say its band; the program's band stays, as `px4800 decode` does
  // without --band.
  DecodeCodeplug(rState, *file.Image);
  RebuildBandTexts(rState);
  rState.FilePath = "new.dat";
  rState.Untitled = true;
  rState.UnsavedRead = true;
  CopyToSaved(rState);
  return true;
}

std::optional<std::string> OpenImageCommand(AppState& rState, UserInterface& rUi,
                                            const std::string& rProposed) {
  if (NeedsSaveQuestion(rState)) {
    const MsgAnswer answer = rUi.Ask(LangMsg(rState, 9001), MsgButtons::YesNoCancel, MsgIcon::Warning);
    if (answer == MsgAnswer::Cancel) return std::nullopt;
    if (answer == MsgAnswer::Yes && !SaveCommand(rState, rUi)) return std::nullopt;
  }
  auto path = rUi.ChooseFileToOpen(ImageFileFilter(rState), rProposed);
  if (!path || !OpenImageFile(rState, rUi, *path)) return std::nullopt;
  return path;
}

}  // namespace px
