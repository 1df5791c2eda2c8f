// The image codec commands: encode a codeplug file to a radio image, decode an image
// back to a codeplug file, and show the embedded information an image holds.

#include <iostream>

#include "app/app_state.h"
#include "app/bands.h"
#include "app/language.h"
#include "cli/cli_files.h"
#include "cli/commands.h"
#include "cli/terminal_ui.h"
#include "codeplug/codeplug_file.h"
#include "edit/codeplug_ops.h"
#include "link/codec.h"
#include "link/embedded_info.h"

namespace px {
namespace {

constexpr OptionSpec kOutput = kOutputOption;
constexpr OptionSpec kYes = kYesOption;
constexpr OptionSpec kBand{"--band", "", true};

constexpr std::string_view kEncodeUsage =
    "Usage: px4800 encode FILE.dat -o OUT.img [--yes]\n"
    "\n"
    "Encodes the codeplug as a write to the radio would, and writes the 16384-byte memory\n"
    "image: from 0x0100 on what a write sends, below 0x0100 the blank pattern. A value the\n"
    "radio cannot hold ends the command with the encoder's message and no file.\n"
    "FILE.dat \"-\" reads the JSON form from standard input.\n"
    "\n"
    "  -o, --output OUT.img  the image file to write (\"-\": standard output)\n"
    "  -y, --yes             overwrite an existing file (needed without a terminal)\n";

constexpr std::string_view kDecodeUsage =
    "Usage: px4800 decode IN.img -o OUT.dat [--band N] [--yes]\n"
    "\n"
    "Decodes a 16384-byte memory image into the codeplug a completed read would give,\n"
    "and writes OUT.dat and OUT.fre. IN.img \"-\" reads the image from standard input.\n"
    "\n"
    "  -o, --output OUT.dat  the codeplug file to write (\"-\": its JSON form to\n"
    "                        standard output)\n"
    "  --band N              the band code the radio reported, 0..7 (default: band index 7)\n"
    "  -y, --yes             overwrite existing files (needed without a terminal)\n";


Int16 BandIndexOf(const ParsedArgs& rArgs) {
  const auto band = rArgs.Value(kBand.Long);
  if (!band) return 7;
  if (band->size() != 1 || (*band)[0] < '0' || (*band)[0] > '7')
    throw UsageError("--band takes the radio's band code, 0..7");
  return static_cast<Int16>((*band)[0] - '0');
}

int RunEncode(CommandContext& rCtx) {
  const ParsedArgs args = ParseArguments(rCtx.Args, {kOutput, kYes}, 1, 1);
  const std::string out = RequireOutput(args);
  AppState state = CommandState(rCtx, kEnglish);
  ReadCodeplugInto(args.Positionals[0], state, rCtx.Err);

  RadioImage image{};
  TerminalUi ui(std::cin, rCtx.Err, false);
  if (!EncodeCodeplug(state, image, ui)) return kExitFailure;  // the message is told
  WriteBytesOutput(rCtx, args, out, image);
  return kExitSuccess;
}

int RunDecode(CommandContext& rCtx) {
  const ParsedArgs args = ParseArguments(rCtx.Args, {kOutput, kBand, kYes}, 1, 1);
  const std::string out = RequireOutput(args);
  RequireCodeplugName(out);
  const Int16 band = BandIndexOf(args);
  const RadioImage image = RequireImageFile(args.Positionals[0]);

  // As a completed read leaves it: decoded, the radio's band, untitled, saved.
  AppState state = CommandState(rCtx, kEnglish);
  DecodeCodeplug(state, image);
  state.Band.Index = band;
  RebuildBandTexts(state);
  state.FilePath = "new.dat";
  state.Untitled = true;
  CopyToSaved(state);

  ConfirmOverwrite(rCtx, args, PairPaths(out));
  WritePair(rCtx, out, state.SavedCodeplug, state.SavedChannels);
  return kExitSuccess;
}

}  // namespace

// `info IN.img`: the embedded information of an image file, which the radio commands'
// info command hands over to this.
EmbeddedInfo EmbeddedInfoOfImageFile(const std::string& rPath) {
  return DecodeEmbeddedInfo(RequireImageFile(rPath));
}

namespace {

const CommandRegistrar kCodecCommands(20, {
    {"encode", "encode a codeplug file to a radio memory image", kEncodeUsage, RunEncode},
    {"decode", "decode a radio memory image to a codeplug file pair", kDecodeUsage, RunDecode},
});

}  // namespace
}  // namespace px
