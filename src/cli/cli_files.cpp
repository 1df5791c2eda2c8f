#include "cli/cli_files.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

#include "app/bands.h"
#include "cli/terminal_ui.h"
#include "codeplug/codeplug_file.h"

namespace px {

namespace fs = std::filesystem;

// A codeplug path whose channel file would be the file itself cannot be written.
void CheckCodeplugPath(const std::string& rPath) {
  if (SideFilePath(rPath) == rPath)
    throw CommandError(rPath + ": the channel file would be the codeplug file itself; use a name ending in .dat");
}

// Asks before replacing a file that exists; no question with --yes or without a terminal.
void ConfirmOverwrite(CommandContext& rCtx, bool rAssumeYes,
                      std::initializer_list<std::string> rPaths) {
  TerminalUi ui(std::cin, rCtx.Err, TerminalUi::IsInteractiveTerminal());
  ui.SetAssumeYes(rAssumeYes);
  for (const std::string& path : rPaths) {
    std::error_code ec;
    if (!fs::exists(path, ec)) continue;
    if (ui.Ask(path + " exists. Overwrite it?", MsgButtons::OkCancel, MsgIcon::Question) != MsgAnswer::Ok)
      throw CommandError("cancelled; nothing written");
  }
}

void ReadCodeplugInto(const std::string& rPath, AppState& rState, std::ostream& rErr) {
  std::string error;
  if (!ReadCodeplugFiles(rPath, rState.Current, rState.Channels, error)) throw CommandError(error);
  // The file's own band, not one of the program's.
  rState.Band.Index = rState.Current.BandIndex;
  RebuildBandTexts(rState);

  const std::string side = SideFilePath(rPath);
  std::error_code ec;
  const auto size = fs::file_size(side, ec);
  const auto needed = static_cast<std::uintmax_t>(std::max<int>(rState.Current.ChannelCount, 0)) * kChannelRecordSize;
  if (ec && needed > 0)
    rErr << "px4800: warning: " << side << " is missing; its channels are left empty\n";
  else if (!ec && size < needed)
    rErr << "px4800: warning: " << side << " holds " << size / kChannelRecordSize << " of "
         << rState.Current.ChannelCount << " channels; the others are left empty\n";
}

std::string ReadWholeFile(const std::string& rPath) {
  std::ostringstream text;
  if (rPath == "-") {
    text << std::cin.rdbuf();
    return text.str();
  }
  std::ifstream in(rPath, std::ios::binary);
  if (!in) throw CommandError("cannot read " + rPath + ": " + std::strerror(errno));
  text << in.rdbuf();
  if (in.bad()) throw CommandError("cannot read " + rPath);
  return text.str();
}

// Through a temporary file renamed over the target, so a failure leaves no half file.
void WriteWholeFile(const std::string& rPath, const std::string& rText) {
  const std::string temp = rPath + ".tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) throw CommandError("cannot write " + rPath + ": " + std::strerror(errno));
    out << rText;
    out.flush();
    if (!out) {
      std::error_code ec;
      fs::remove(temp, ec);
      throw CommandError("cannot write " + rPath);
    }
  }
  std::error_code ec;
  fs::rename(temp, rPath, ec);
  if (ec) {
    fs::remove(temp, ec);
    throw CommandError("cannot write " + rPath + ": " + ec.message());
  }
}

void WriteTextOutput(CommandContext& rCtx, const std::optional<std::string>& rOut, bool rAssumeYes,
                     const std::string& rText) {
  if (!rOut || *rOut == "-") {
    rCtx.Out << rText;
    return;
  }
  if (rOut->empty()) throw UsageError("empty -o FILE");
  ConfirmOverwrite(rCtx, rAssumeYes, {*rOut});
  WriteWholeFile(*rOut, rText);
}

void WritePair(const std::string& rPath, const Codeplug& rPlug, const ChannelTable& rChannels,
               std::ostream& rErr) {
  std::string error;
  if (!WriteCodeplugFiles(rPath, rPlug, rChannels, error)) throw CommandError(error);
  rErr << "px4800: wrote " << rPath << " and " << SideFilePath(rPath) << " (" << rPlug.ChannelCount
       << (rPlug.ChannelCount == 1 ? " channel)\n" : " channels)\n");
}

RadioImage ReadImageFile(const std::string& rPath) {
  std::ifstream in(rPath, std::ios::binary);
  if (!in) throw CommandError("cannot read " + rPath + ": " + std::strerror(errno));
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) throw CommandError("cannot read " + rPath);
  if (bytes.size() != kImageSize)
    throw CommandError(rPath + " is not a radio memory image: " + std::to_string(bytes.size()) +
                       " bytes, an image has " + std::to_string(kImageSize));
  RadioImage image{};
  std::copy(bytes.begin(), bytes.end(), image.begin());
  return image;
}

// Through a temporary file renamed over the target, so a failure leaves no half file.
void WriteImageFile(const std::string& rPath, const RadioImage& rImage) {
  const std::string temp = rPath + ".tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(rImage.data()), static_cast<std::streamsize>(rImage.size()));
    out.flush();
    if (!out) {
      std::error_code ec;
      fs::remove(temp, ec);
      throw CommandError("cannot write " + rPath + ": " + std::strerror(errno));
    }
  }
  std::error_code ec;
  fs::rename(temp, rPath, ec);
  if (ec) {
    fs::remove(temp, ec);
    throw CommandError("cannot write " + rPath + ": " + ec.message());
  }
}

}  // namespace px
