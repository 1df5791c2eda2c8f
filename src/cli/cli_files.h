#pragma once
// What the px4800 commands share about files: the output option, codeplug names, the
// overwrite question, and whole files read and written with the path and the system's
// reason in every error (thrown as CommandError).

#include <ostream>
#include <span>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "app/app_state.h"
#include "cli/commands.h"
#include "link/radio_image.h"

namespace px {

inline constexpr OptionSpec kOutputOption{"--output", "-o", true};
inline constexpr OptionSpec kYesOption{"--yes", "-y", false};

// The program state of a command: the program folder and the language.
AppState CommandState(const CommandContext& rCtx, int rLanguage);

// "-": standard input or output in place of a file.
inline bool IsStandardStream(const std::string& rPath) { return rPath == "-"; }

// The -o value; a UsageError when it is missing or empty.
std::string RequireOutput(const ParsedArgs& rArgs);
// A CommandError unless rPath is a name a codeplug may be written under ("-" is).
void RequireCodeplugName(const std::string& rPath);
// A CommandError unless rPath can be written now (its folder exists and takes files).
void RequireWritable(const std::string& rPath);

// A CommandError when rOutput is the same file as one of rInputs (a report written over
// the codeplug it reports on).
void RequireNotInput(const std::string& rOutput, const std::vector<std::string>& rInputs);

// The two files a codeplug written to rPath replaces; none for "-".
std::vector<std::string> PairPaths(const std::string& rPath);

// Before replacing files that exist: anything but a regular file is refused whatever
// the answer; then with --yes, go on; on a terminal, ask; otherwise refuse, since
// nobody has said that they may go. "-" is never asked about.
void ConfirmOverwrite(CommandContext& rCtx, const ParsedArgs& rArgs,
                      const std::vector<std::string>& rPaths);

// Reads the pair into rState.Current and rState.Channels, with the file's own band, and
// prints the warning of a missing or short channel file. "-" reads the JSON form from
// standard input.
void ReadCodeplugInto(const std::string& rPath, AppState& rState, std::ostream& rErr);
// The JSON form into rState as ReadCodeplugInto leaves it; rName names it in errors.
void ReadCodeplugJsonInto(const std::string& rJson, const std::string& rName, AppState& rState);

// "-" is standard input. Only a regular file (or standard input) of at most rCeiling
// bytes is read; anything else is refused before it is read.
std::string ReadTextFile(const std::string& rPath, std::size_t rCeiling);
void WriteTextFile(const std::string& rPath, const std::string& rText);
// To standard output when -o is absent or "-", else to that file (overwrite as above).
void WriteTextOutput(CommandContext& rCtx, const ParsedArgs& rArgs, const std::string& rText);
// rBytes to rPath, after the overwrite question, then "wrote rPath rDetail" unless
// quiet; "-" writes them to standard output as they are.
void WriteBytesOutput(CommandContext& rCtx, const ParsedArgs& rArgs, const std::string& rPath,
                      std::span<const Byte> rBytes, const std::string& rDetail = "");
// Writes the pair and says so on standard error unless quiet; "-" prints the JSON form.
void WritePair(CommandContext& rCtx, const std::string& rPath, const Codeplug& rPlug,
               const ChannelTable& rChannels);
// --json output: two-space indents, a final newline, and any byte that is no UTF-8
// replaced (a radio's texts are whatever bytes it holds).
std::string JsonText(const nlohmann::ordered_json& rJson);
// "px4800: TEXT" on standard error, unless --quiet.
void Tell(const CommandContext& rCtx, const std::string& rText);
// Throws with the file's name and the reason when it is no image ("-": standard input).
RadioImage RequireImageFile(const std::string& rPath);
// rBytes as an image; rName names them in the error when they are no image.
RadioImage RequireImageBytes(const std::string& rBytes, const std::string& rName);
void WriteImageFile(const std::string& rPath, const RadioImage& rImage);

}  // namespace px
