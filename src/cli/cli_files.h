#pragma once
// File helpers the command files share: codeplug pairs, whole text files, images.

#include <initializer_list>
#include <optional>
#include <ostream>
#include <string>

#include "app/app_state.h"
#include "cli/commands.h"
#include "link/radio_image.h"

namespace px {

// A codeplug path whose channel file would be the file itself cannot be written.
void CheckCodeplugPath(const std::string& rPath);
// Asks before replacing a file that exists; no question with rAssumeYes or without a
// terminal. Throws CommandError when the user declines.
void ConfirmOverwrite(CommandContext& rCtx, bool rAssumeYes, std::initializer_list<std::string> rPaths);
// Reads FILE.dat and its channel file; the file's own band, not one of the program's.
// A missing or short channel file is a warning on rErr.
void ReadCodeplugInto(const std::string& rPath, AppState& rState, std::ostream& rErr);
// "-" is standard input.
std::string ReadWholeFile(const std::string& rPath);
// Through a temporary file renamed over the target, so a failure leaves no half file.
void WriteWholeFile(const std::string& rPath, const std::string& rText);
void WritePair(const std::string& rPath, const Codeplug& rPlug, const ChannelTable& rChannels,
               std::ostream& rErr);
// rText to standard output when rOut is absent or "-", else to the file (asking before
// replacing it unless rAssumeYes).
void WriteTextOutput(CommandContext& rCtx, const std::optional<std::string>& rOut, bool rAssumeYes,
                     const std::string& rText);
// A 16384-byte memory image.
RadioImage ReadImageFile(const std::string& rPath);
void WriteImageFile(const std::string& rPath, const RadioImage& rImage);

}  // namespace px
