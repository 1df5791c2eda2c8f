#pragma once
// What the px4800 commands share about files: the output option, codeplug names, the
// overwrite question, and whole files read and written with the path and the system's
// reason in every error (thrown as CommandError).

#include <ostream>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "cli/commands.h"
#include "link/radio_image.h"

namespace px {

inline constexpr OptionSpec kOutputOption{"--output", "-o", true};
inline constexpr OptionSpec kYesOption{"--yes", "-y", false};

// The program state of a command: the program folder and the language.
AppState CommandState(const CommandContext& rCtx, int rLanguage);

// The -o value; a UsageError when it is missing or empty.
std::string RequireOutput(const ParsedArgs& rArgs);
// A CommandError unless rPath is a name a codeplug may be written under.
void RequireCodeplugName(const std::string& rPath);
// A CommandError unless rPath can be written now (its folder exists and takes files).
void RequireWritable(const std::string& rPath);

// A CommandError when rOutput is the same file as one of rInputs (a report written over
// the codeplug it reports on).
void RequireNotInput(const std::string& rOutput, const std::vector<std::string>& rInputs);

// Before replacing files that exist: anything but a regular file is refused whatever
// the answer; then with --yes, go on; on a terminal, ask; otherwise
// refuse, since nobody has said that they may go.
void ConfirmOverwrite(CommandContext& rCtx, const ParsedArgs& rArgs,
                      const std::vector<std::string>& rPaths);

// Reads the pair into rState.Current and rState.Channels, with the file's own band, and
// prints the warning of a missing or short channel file.
void ReadCodeplugInto(const std::string& rPath, AppState& rState, std::ostream& rErr);

// "-" is standard input. Only a regular file (or standard input) of at most rCeiling
// bytes is read; anything else is refused before it is read.
std::string ReadTextFile(const std::string& rPath, std::size_t rCeiling);
void WriteTextFile(const std::string& rPath, const std::string& rText);
// To standard output when -o is absent or "-", else to that file (overwrite as above).
void WriteTextOutput(CommandContext& rCtx, const ParsedArgs& rArgs, const std::string& rText);
// Writes the pair and says so on rErr.
void WritePair(const std::string& rPath, const Codeplug& rPlug, const ChannelTable& rChannels,
               std::ostream& rErr);
// Throws with the file's name and the reason when it is no image.
RadioImage RequireImageFile(const std::string& rPath);
void WriteImageFile(const std::string& rPath, const RadioImage& rImage);

}  // namespace px
