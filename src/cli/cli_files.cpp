#include "cli/cli_files.h"

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <iterator>

#include "app/bands.h"
#include "app/language.h"
#include "cli/terminal_ui.h"
#include "codeplug/codeplug_file.h"
#include "codeplug/file_bytes.h"
#include "codeplug/input_file.h"
#include "codeplug/output_file.h"
#include "codeplug/json_form.h"
#include "link/image_file.h"

namespace px {

AppState CommandState(const CommandContext& rCtx, int rLanguage) {
  AppState state;
  state.ProgramFolder = rCtx.ProgramFolder;
  SetLanguage(state, rLanguage);
  return state;
}

std::string RequireOutput(const ParsedArgs& rArgs) {
  const auto out = rArgs.Value(kOutputOption.Long);
  if (!out || out->empty()) throw UsageError("missing -o FILE");
  return *out;
}

void RequireCodeplugName(const std::string& rPath) {
  if (IsStandardStream(rPath)) return;
  if (const std::string problem = CodeplugNameProblem(rPath); !problem.empty())
    throw CommandError(problem);
}

void RequireWritable(const std::string& rPath) {
  if (const std::string problem = OutputProblem(rPath); !problem.empty()) throw CommandError(problem);
}

void RequireNotInput(const std::string& rOutput, const std::vector<std::string>& rInputs) {
  if (IsStandardStream(rOutput)) return;
  for (const std::string& input : rInputs) {
    std::error_code sameError;
    std::error_code outError;
    std::error_code inError;
    const bool same = std::filesystem::equivalent(rOutput, input, sameError);
    const auto outPath = std::filesystem::weakly_canonical(rOutput, outError);
    const auto inPath = std::filesystem::weakly_canonical(input, inError);
    if (same || (!outError && !inError && outPath == inPath)) throw CommandError(rOutput + " is one of the inputs (" + input + "); choose another output file");
  }
}

std::vector<std::string> PairPaths(const std::string& rPath) {
  if (IsStandardStream(rPath)) return {};
  return {rPath, SideFilePath(rPath)};
}

void ConfirmOverwrite(CommandContext& rCtx, const ParsedArgs& rArgs,
                      const std::vector<std::string>& rPaths) {
  for (const std::string& path : rPaths)
    if (std::string problem = OutputTargetProblem(path); !problem.empty()) throw CommandError(problem);
  const bool assumeYes = rArgs.Has(kYesOption.Long);
  const bool interactive = TerminalUi::IsInteractiveTerminal();
  TerminalUi ui(std::cin, rCtx.Err, interactive);
  for (const std::string& path : rPaths) {
    std::error_code ec;
    if (IsStandardStream(path) || !std::filesystem::exists(path, ec) || assumeYes) continue;
    if (!interactive) throw CommandError(path + " exists; give --yes to overwrite");
    if (ui.Ask(path + " exists. Overwrite it?", MsgButtons::OkCancel, MsgIcon::Question) != MsgAnswer::Ok)
      throw CommandError("cancelled; nothing written");
  }
}

void ReadCodeplugJsonInto(const std::string& rJson, const std::string& rName, AppState& rState) {
  std::string error;
  if (!CodeplugFromJson(rJson, rState.Current, rState.Channels, error))
    throw CommandError(rName + ": " + error);
  rState.Band.Index = rState.Current.BandIndex;
  RebuildBandTexts(rState);
}

void ReadCodeplugInto(const std::string& rPath, AppState& rState, std::ostream& rErr) {
  if (IsStandardStream(rPath)) {
    ReadCodeplugJsonInto(ReadTextFile(rPath, kJsonCeiling), "standard input", rState);
    return;
  }
  std::string error;
  std::string warning;
  if (!ReadCodeplugFiles(rPath, rState.Current, rState.Channels, error, &warning))
    throw CommandError(error);
  if (!warning.empty()) rErr << "px4800: warning: " << warning << "\n";
  // The file's own band, not one of the program's.
  rState.Band.Index = rState.Current.BandIndex;
  RebuildBandTexts(rState);
}

std::string ReadTextFile(const std::string& rPath, std::size_t rCeiling) {
  InputFile file = rPath == "-" ? ReadStandardInput(rCeiling) : ReadInputFile(rPath, rCeiling);
  if (file.Result != InputRead::Read) throw CommandError(file.Error);
  return std::string(file.Bytes.begin(), file.Bytes.end());
}

void WriteTextFile(const std::string& rPath, const std::string& rText) {
  std::string error;
  const auto* data = reinterpret_cast<const Byte*>(rText.data());
  if (!ReplaceFileBytes(rPath, std::span(data, rText.size()), error)) throw CommandError(error);
}

void WriteTextOutput(CommandContext& rCtx, const ParsedArgs& rArgs, const std::string& rText) {
  const auto out = rArgs.Value(kOutputOption.Long);
  if (!out || *out == "-") {
    rCtx.Out << rText;
    return;
  }
  if (out->empty()) throw UsageError("empty -o FILE");
  ConfirmOverwrite(rCtx, rArgs, {*out});
  WriteTextFile(*out, rText);
}

void WriteBytesOutput(CommandContext& rCtx, const ParsedArgs& rArgs, const std::string& rPath,
                      std::span<const Byte> rBytes, const std::string& rDetail) {
  if (IsStandardStream(rPath)) {
    rCtx.Out.write(reinterpret_cast<const char*>(rBytes.data()), static_cast<std::streamsize>(rBytes.size()));
    rCtx.Out.flush();
    return;
  }
  ConfirmOverwrite(rCtx, rArgs, {rPath});
  std::string error;
  if (!ReplaceFileBytes(rPath, rBytes, error)) throw CommandError(error);
  Tell(rCtx, "wrote " + rPath + rDetail);
}

void WritePair(CommandContext& rCtx, const std::string& rPath, const Codeplug& rPlug,
               const ChannelTable& rChannels) {
  if (IsStandardStream(rPath)) {
    rCtx.Out << CodeplugToJson(rPlug, rChannels);
    return;
  }
  std::string error;
  if (!WriteCodeplugFiles(rPath, rPlug, rChannels, error)) throw CommandError(error);
  Tell(rCtx, "wrote " + rPath + " and " + SideFilePath(rPath) + " (" + std::to_string(rPlug.ChannelCount) +
                 (rPlug.ChannelCount == 1 ? " channel)" : " channels)"));
}

std::string JsonText(const nlohmann::ordered_json& rJson) {
  return rJson.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
}

void Tell(const CommandContext& rCtx, const std::string& rText) {
  if (!rCtx.Quiet) rCtx.Err << "px4800: " << rText << "\n";
}

RadioImage RequireImageBytes(const std::string& rBytes, const std::string& rName) {
  if (rBytes.size() != kImageSize)
    throw CommandError(rName + " is not a radio memory image: it holds " + std::to_string(rBytes.size()) +
                       " bytes, an image " + std::to_string(kImageSize));
  RadioImage image{};
  std::transform(rBytes.begin(), rBytes.end(), image.begin(), [](char c) { return static_cast<Byte>(c); });
  return image;
}

RadioImage RequireImageFile(const std::string& rPath) {
  if (IsStandardStream(rPath)) return RequireImageBytes(ReadTextFile(rPath, kImageSize), "standard input");
  const ImageFileResult file = ReadImageFile(rPath);
  if (!file.Image) throw CommandError(ImageFileProblem(rPath, file));
  return *file.Image;
}

void WriteImageFile(const std::string& rPath, const RadioImage& rImage) {
  std::string error;
  if (!ReplaceFileBytes(rPath, rImage, error)) throw CommandError(error);
}

}  // namespace px
