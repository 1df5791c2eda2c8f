// The radio commands: read, write, info and ports, over the real serial port code.

#include <termios.h>
#include <unistd.h>

#include <QCoreApplication>

#include <filesystem>
#include <fstream>
#include <iostream>

#include "app/bands.h"
#include "app/language.h"
#include "edit/startup.h"
#include "cli/cli_files.h"
#include "cli/commands.h"
#include "cli/fleet.h"
#include "cli/terminal_ui.h"
#include "codeplug/codeplug_file.h"
#include "edit/codeplug_ops.h"
#include "edit/file_commands.h"
#include "link/codec.h"
#include "link/link_engine.h"
#include "link/ports.h"
#include "link/transfer.h"
#include "platform/backups.h"
#include "platform/port_discovery.h"
#include "platform/serial_port.h"
#include "platform/trace.h"

namespace px {

// The image form of `info`, kept with the codec commands.
EmbeddedInfo EmbeddedInfoOfImageFile(const std::string& rPath);

namespace {

constexpr OptionSpec kPort{"--port", "", true};
constexpr OptionSpec kOutput{"--output", "-o", true};
constexpr OptionSpec kImage{"--image", "", true};
constexpr OptionSpec kPassword{"--password", "", true};
constexpr OptionSpec kYes{"--yes", "-y", false};
constexpr OptionSpec kTrace{"--trace", "", true};
constexpr OptionSpec kLang{"--lang", "", true};
constexpr OptionSpec kFlow = kFlowOption;
constexpr OptionSpec kJson = kJsonOption;

// Without a terminal to ask, "the radio does not answer" is answered Retry this often in
// one transfer, then Cancel.
constexpr int kUnattendedRetries = 3;

constexpr std::string_view kReadUsage =
    "Usage: px4800 read [--port DEV] -o OUT.dat [--image OUT.img] [--password PW] [--yes]\n"
    "       px4800 read --port DEV --port DEV ... -o OUT.dat [--log LOG.csv] [--password PW] [--yes]\n                    [--json]\n"
    "\n"
    "Reads the codeplug from the radio and writes it as OUT.dat and OUT.fre. The image\n"
    "read is also kept in the backups folder. With several ports the radios are read at\n"
    "the same time, each into OUT-<port>.dat (OUT-ttyUSB0.dat, OUT-pts-3.dat), with a\n"
    "progress line per port and a summary table with each radio's serial number; nothing\n"
    "is asked per radio. Without a terminal to ask, --yes is needed.\n"
    "\n"
    "  -o, --output OUT.dat  the codeplug file to write (\"-\": its JSON form to\n"
    "                        standard output)\n"
    "  --image OUT.img       also write the 16384-byte memory image as read (\"-\":\n"
    "                        standard output, when -o names a file)\n"
    "  --log LOG.csv         append a row per radio (time, port, model, serial number,\n"
    "                        IDs, result, backup) to this delivery record\n"
    "  -y, --yes             no confirmation question\n"
    "  --port DEV            COMn or a device path such as /dev/ttyUSB0 (default: the\n"
    "                        port stored in language/mysetup.ini)\n"
    "  --password PW         the radio's programming password (no question then)\n"
    "  --trace FILE          log every byte sent and received, with times, in hex (one\n"
    "                        port only)\n"
    "  --flow none|rtscts    flow control (default: the port settings, else rtscts);\n"
    "                        none for a cable that does not wire CTS\n"
    "  --lang en|zh          language of the messages (default en)\n"
    "  --json                with several ports: the summary as {\"succeeded\": BOOL,\n"
    "                        \"radios\": [{\"port\": PATH, \"succeeded\": BOOL, \"detail\":\n"
    "                        TEXT, \"serial\": TEXT, \"dtmf_id\": TEXT, \"five_tone_id\":\n"
    "                        TEXT}, ...]} instead of the table (null where none)\n";

constexpr std::string_view kWriteUsage =
    "Usage: px4800 write [--port DEV] FILE.dat [--password PW] [--yes]\n"
    "       px4800 write --port DEV [--port DEV ...] FILE.dat [--verify] [--password PW] [--yes]\n"
    "                    [--dtmf-id N] [--five-tone-id N] [--register FILE.csv] [--log LOG.csv]\n"
    "                    [--json]\n"
    "\n"
    "Encodes FILE.dat and writes it to the radio (addresses 0x0100 on). Nothing is sent\n"
    "when the codeplug cannot be encoded. FILE.dat \"-\" reads the JSON form from\n"
    "standard input (one port only). The image is kept in the backups folder first.\n"
    "With several ports the radios are written at the same time, with a progress line\n"
    "per port and a summary table; a radio that fails does not stop the others, and the\n"
    "exit status is 1 when any failed. Nothing is asked per radio. Without a terminal to\n"
    "ask, --yes is needed.\n"
    "\n"
    "Each radio can get its own DTMF and 5-Tone own ID; the codes that carry the own ID\n"
    "follow it, as on the DTMF and 5-Tone pages:\n"
    "  --dtmf-id N           the first port's DTMF own ID (three digits), the next N+1, ...\n"
    "  --five-tone-id N      the first port's 5-Tone own ID (five digits), the next N+1, ...\n"
    "  --register FILE.csv   the IDs by the radio's serial number, read from the radio\n"
    "                        first (header serial,dtmf_id,five_tone_id); a radio not in it\n"
    "                        is not written\n"
    "  --log LOG.csv         append a row per radio (time, port, model, serial number,\n"
    "                        IDs, result, backup of the image sent) to this delivery record\n"
    "\n"
    "  --verify              read each radio back after writing and compare what it\n"
    "                        holds with what was sent; a difference is a failure\n"
    "  -y, --yes             no confirmation question\n"
    "  --port DEV            COMn or a device path such as /dev/ttyUSB0 (default: the\n"
    "                        port stored in language/mysetup.ini)\n"
    "  --password PW         the radio's programming password (no question then)\n"
    "  --trace FILE          log every byte sent and received, with times, in hex (one\n"
    "                        port, without --verify)\n"
    "  --flow none|rtscts    flow control (default: the port settings, else rtscts);\n"
    "                        none for a cable that does not wire CTS\n"
    "  --lang en|zh          language of the messages (default en)\n"
    "  --json                with several ports or --verify: the summary as JSON, in\n"
    "                        the shape of read --json\n";

constexpr std::string_view kInfoUsage =
    "Usage: px4800 info [--port DEV] [--password PW] [--json]\n"
    "       px4800 info IN.img [--json]\n"
    "\n"
    "Reads the radio's embedded information and prints every field with its label; given\n"
    "IN.img, the embedded information of that memory image file instead (\"-\" reads the\n"
    "image from standard input). --image is an output elsewhere (read --image OUT.img),\n"
    "so the image to inspect is now a plain argument; \"info --image IN.img\" is still\n"
    "understood.\n"
    "\n"
    "  --json                print {\"radio_type\": TEXT or null, \"fields\": [{\"label\":\n"
    "                        TEXT, \"value\": TEXT}, ...]}, the fields in memory order\n"
    "  --port DEV            COMn or a device path such as /dev/ttyUSB0 (default: the\n"
    "                        port stored in language/mysetup.ini)\n"
    "  --password PW         the radio's programming password (no question then)\n"
    "  --trace FILE          log every byte sent and received, with times, in hex\n"
    "  --flow none|rtscts    flow control (default: the port settings, else rtscts);\n"
    "                        none for a cable that does not wire CTS\n"
    "  --lang en|zh          language of the messages (default en)\n";

constexpr std::string_view kPortsUsage =
    "Usage: px4800 ports [--json]\n"
    "\n"
    "Lists the serial ports present as \"COMn\", device and description, one per line\n"
    "separated by tabs. The number follows a fixed rule: /dev/ttyS k is COM k+1,\n"
    "/dev/ttyUSB k COM k+33, /dev/ttyACM k COM k+65, /dev/pts/k COM k+97\n"
    "(pseudo-terminals are not listed; name them with --port PATH).\n"
    "\n"
    "  --json  print [{\"port\": \"COMn\", \"device\": PATH, \"description\": TEXT}, ...]\n";

// The person at the terminal, as a transfer needs them.
class CliLinkUser : public LinkUser {
 public:
  CliLinkUser(TerminalUi& rUi, bool rInteractive) : mUi(rUi), mInteractive(rInteractive) {
    mBar = isatty(STDERR_FILENO) == 1;
    mUi.SetPolicy([this](const std::string&, MsgButtons rButtons, MsgIcon) {
      if (rButtons != MsgButtons::RetryCancel) return DefaultAnswer(rButtons);
      return mRetries++ < kUnattendedRetries ? MsgAnswer::Retry : MsgAnswer::Cancel;
    });
  }

  MsgAnswer Ask(const std::string& rText, MsgButtons rButtons, MsgIcon rIcon) override {
    EndBarLine();
    return mUi.Ask(rText, rButtons, rIcon);
  }
  std::optional<std::string> ChooseFileToOpen(const std::string& rFilter,
                                              const std::string& rProposed) override {
    return mUi.ChooseFileToOpen(rFilter, rProposed);
  }
  std::optional<std::string> ChooseFileToSave(const std::string& rFilter,
                                              const std::string& rProposed) override {
    return mUi.ChooseFileToSave(rFilter, rProposed);
  }

  std::optional<std::string> AskPassword(const std::string& rCurrent) override {
    EndBarLine();
    if (!mInteractive) {
      // The engine asks only when the password it holds does not match.
      if (rCurrent.empty())
        mUi.Err() << "px4800: the radio asks for its programming password; give it with --password\n";
      else
        mUi.Err() << "px4800: the radio refused the password given with --password; give the"
                     " radio's programming password (letters count as typed)\n";
      return std::nullopt;
    }
    mUi.Err() << "px4800: programming password: " << std::flush;
    termios saved{};
    const bool quiet = tcgetattr(STDIN_FILENO, &saved) == 0;
    if (quiet) {
      termios silent = saved;
      silent.c_lflag &= static_cast<tcflag_t>(~ECHO);
      tcsetattr(STDIN_FILENO, TCSANOW, &silent);
    }
    std::string line;
    const bool got = static_cast<bool>(std::getline(std::cin, line));
    if (quiet) tcsetattr(STDIN_FILENO, TCSANOW, &saved);
    mUi.Err() << "\n";
    if (!got) return std::nullopt;
    return line.substr(0, 4);
  }

  void OpenProgress(const std::string& rCaption, const std::string& rLabel) override {
    mCaption = rCaption;
    mLabel = rLabel;
    mShown = -1;
    ShowProgress(0);
  }
  void ShowProgress(int rPercent) override {
    if (rPercent == mShown) return;
    mShown = rPercent;
    if (!mBar) return;
    constexpr int kWidth = 40;
    const int filled = rPercent * kWidth / 100;
    mUi.Err() << "\r" << mCaption << " [" << std::string(static_cast<std::size_t>(filled), '#')
              << std::string(static_cast<std::size_t>(kWidth - filled), '.') << "] " << mLabel
              << " " << rPercent << "%" << std::flush;
    mBarDrawn = true;
  }
  void CloseProgress() override { EndBarLine(); }

  void TransferEnded(int, bool) override {
    if (QCoreApplication::instance()) QCoreApplication::exit(0);
  }

 private:
  void EndBarLine() {
    if (mBarDrawn) mUi.Err() << "\n";
    mBarDrawn = false;
  }

  TerminalUi& mUi;
  bool mInteractive;
  bool mBar = false;
  bool mBarDrawn = false;
  int mRetries = 0;
  int mShown = -1;
  std::string mCaption;
  std::string mLabel;
};

std::string DeviceFor(const ParsedArgs& rArgs, const AppState& rState) {
  if (const auto port = rArgs.Value(kPort.Long)) {
    if (port->rfind("COM", 0) == 0) {
      const auto number = PortNumberOfEntry(*port);
      const auto device = number ? DeviceOfPort(*number) : std::nullopt;
      if (!device) throw UsageError(*port + " is not a port number the tool can map");
      return *device;
    }
    return *port;
  }
  const auto device = DeviceOfPort(rState.Setup.ComPort);
  if (!device) throw UsageError("no serial port is chosen; give one with --port");
  return *device;
}

// One transfer from start to end: the port, the engine and the event loop.
struct RadioSession {
  CommandContext& Ctx;
  AppState State;
  RadioImage Image{};
  std::string Password;
  LinkTrace Trace;
  TerminalUi Ui;
  CliLinkUser User;

  RadioSession(CommandContext& rCtx, const ParsedArgs& rArgs)
      : Ctx(rCtx),
        Ui(std::cin, rCtx.Err, TerminalUi::IsInteractiveTerminal()),
        User(Ui, TerminalUi::IsInteractiveTerminal()) {
    Ui.SetAssumeYes(rArgs.Has(kYes.Long));
    State.ProgramFolder = rCtx.ProgramFolder;
    SetLanguage(State, LanguageIndexOf(rArgs));
    ReadSetupSettings(State);
    CreateNewCodeplug(State);
    CopyToSaved(State);
    if (const auto pw = rArgs.Value(kPassword.Long)) Password = CleanPasswordEntry(*pw);
    ApplyFlowOption(rArgs, State);
    if (const auto trace = rArgs.Value(kTrace.Long)) {
      if (!Trace.Open(*trace)) throw CommandError("cannot write the trace file " + *trace);
    }
  }

  // Runs the transfer that rStart begins; true when it succeeded.
  template <class StartFn>
  bool Run(const std::string& rDevice, StartFn rStart, LinkEngine*& rEngineOut,
           RadioIdentity& rIdentity, EmbeddedInfo& rInfo, int* rBlocksWritten = nullptr) {
    int argc = Ctx.Argc;
    QCoreApplication app(argc, Ctx.Argv);
    QCoreApplication::setApplicationName("px4800-cps");
    SerialLinkPort port(rDevice, Trace.IsOpen() ? &Trace : nullptr);
    port.SetFlowControl(State.Setup.Flow);
    LinkEngine engine(State, Image, Password, port, User);
    rEngineOut = &engine;
    port.BytesArrived = [&engine](std::span<const std::uint8_t> rBytes) { engine.OnBytesArrived(rBytes); };
    port.TimerExpired = [&engine] { engine.OnTimerExpired(); };
    const bool started = rStart(engine);
    if (started && engine.IsRunning()) app.exec();
    rEngineOut = nullptr;
    rIdentity = engine.Identity();
    rInfo = engine.Embedded();
    if (rBlocksWritten) *rBlocksWritten = engine.BlocksWritten();
    return started && engine.LastSucceeded();
  }
};

std::optional<std::string> ReportBackup(CommandContext& rCtx, const RadioImage& rImage,
                                        BackupDirection rDirection, const std::string& rModel) {
  int argc = rCtx.Argc;
  QCoreApplication app(argc, rCtx.Argv);
  QCoreApplication::setApplicationName("px4800-cps");
  std::string error;
  if (const auto path = SaveBackup(rImage, rDirection, rModel, error)) {
    Tell(rCtx, std::string("backup of the image ") +
                   (rDirection == BackupDirection::Read ? "read" : "to be written") + ": " + *path);
    return path;
  }
  rCtx.Err << "px4800: warning: no backup kept: " << error << "\n";
  return std::nullopt;
}

// Before a transfer of half a minute: whatever it is to produce must be writable.
void RequireReadOutputs(const std::string& rOutput, const std::optional<std::string>& rImage) {
  if (IsStandardStream(rOutput) && rImage && IsStandardStream(*rImage))
    throw UsageError("-o - and --image - would both go to standard output");
  RequireCodeplugName(rOutput);
  for (const std::string& path : PairPaths(rOutput)) RequireWritable(path);
  if (rImage && !IsStandardStream(*rImage)) RequireWritable(*rImage);
}

int RunRead(CommandContext& rCtx) {
  if (WantsFleet(rCtx.Args)) return RunFleetRead(rCtx);
  const auto args = ParseArguments(rCtx.Args, {kPort, kOutput, kImage, kPassword, kYes, kTrace, kLang, kFlow}, 0, 0);
  const auto output = args.Value(kOutput.Long);
  if (!output || output->empty()) throw UsageError("missing -o OUT.dat");
  RequireReadOutputs(*output, args.Value(kImage.Long));
  RequireRadioConsent(args, false);
  RadioSession s(rCtx, args);
  const std::string device = DeviceFor(args, s.State);
  LinkEngine* engine = nullptr;
  RadioIdentity identity;
  EmbeddedInfo info;
  const bool ok = s.Run(device, [&](LinkEngine& e) { return StartCodeplugRead(e, s.State, s.Image, s.User); },
                        engine, identity, info);
  if (!ok) return kExitFailure;
  ReportBackup(rCtx, s.Image, BackupDirection::Read, identity.Model);
  if (const auto image = args.Value(kImage.Long)) {
    if (IsStandardStream(*image))
      WriteBytesOutput(rCtx, args, *image, s.Image);
    else
      WriteImageFile(*image, s.Image);
  }
  if (IsStandardStream(*output)) {
    // What a save would store, with the band index.
    CopyToSaved(s.State);
    WritePair(rCtx, *output, s.State.SavedCodeplug, s.State.SavedChannels);
    return kExitSuccess;
  }
  if (!WriteCodeplug(s.State, s.Ui, *output)) return kExitFailure;
  return kExitSuccess;
}

void ReadCodeplugFile(const std::string& rPath, AppState& rState, std::ostream& rErr) {
  ReadCodeplugInto(rPath, rState, rErr);
  rState.FilePath = rPath;
  rState.Untitled = false;
  CopyToSaved(rState);
}

int RunWrite(CommandContext& rCtx) {
  if (WantsFleet(rCtx.Args)) return RunFleetWrite(rCtx);
  const auto args = ParseArguments(rCtx.Args, {kPort, kPassword, kYes, kTrace, kLang, kFlow}, 1, 1);
  RequireRadioConsent(args, true);
  RadioSession s(rCtx, args);
  ReadCodeplugFile(args.Positionals[0], s.State, rCtx.Err);
  const std::string device = DeviceFor(args, s.State);
  // Encoded before the port is touched: a codeplug that cannot be encoded sends nothing.
  if (!EncodeCodeplug(s.State, s.Image, s.Ui)) return kExitFailure;
  const auto backup = ReportBackup(rCtx, s.Image, BackupDirection::Write, s.State.ModelString);
  LinkEngine* engine = nullptr;
  RadioIdentity identity;
  EmbeddedInfo info;
  int written = 0;
  const bool ok = s.Run(device, [&](LinkEngine& e) { return StartCodeplugWrite(e, s.State, s.Image, s.User); },
                        engine, identity, info, &written);
  if (ok) return kExitSuccess;
  // Only a write that got under way has changed the radio; the file it came from is
  // what completes it.
  if (written > 0) {
    rCtx.Err << "px4800: the radio may now hold a partly written codeplug (" << written
             << " blocks were written)\npx4800: writing " << args.Positionals[0]
             << " again completes it";
    if (backup) rCtx.Err << " (the image sent is kept in " << *backup << ")";
    rCtx.Err << "\n";
  }
  return kExitFailure;
}

void PrintEmbeddedInfo(CommandContext& rCtx, bool rJson, const std::optional<std::string>& rRadioType,
                       const EmbeddedInfo& rInfo) {
  const auto fields = LabelledEmbeddedInfo(rInfo);
  if (rJson) {
    nlohmann::ordered_json json;
    json["radio_type"] = rRadioType ? nlohmann::ordered_json(*rRadioType) : nlohmann::ordered_json(nullptr);
    json["fields"] = nlohmann::ordered_json::array();
    for (const auto& field : fields) json["fields"].push_back({{"label", field.Label}, {"value", field.Value}});
    rCtx.Out << JsonText(json);
    return;
  }
  if (rRadioType) rCtx.Out << "Radio Type: " << *rRadioType << "\n";
  for (const auto& field : fields) rCtx.Out << field.Label << ": " << field.Value << "\n";
}

int RunInfo(CommandContext& rCtx) {
  // "--image IN.img" was the image form before --image meant an output everywhere.
  std::vector<std::string> words;
  for (const auto& arg : rCtx.Args)
    if (arg != "--image") words.push_back(arg.starts_with("--image=") ? arg.substr(8) : arg);
  const auto args = ParseArguments(words, {kPort, kPassword, kTrace, kLang, kFlow, kJson}, 0, 1);
  if (!args.Positionals.empty()) {
    if (args.Has(kPort.Long) || args.Has(kPassword.Long) || args.Has(kTrace.Long))
      throw UsageError("an image file and a radio cannot both be asked");
    PrintEmbeddedInfo(rCtx, args.Has(kJson.Long), std::nullopt, EmbeddedInfoOfImageFile(args.Positionals[0]));
    return kExitSuccess;
  }
  RadioSession s(rCtx, args);
  const std::string device = DeviceFor(args, s.State);
  LinkEngine* engine = nullptr;
  RadioIdentity identity;
  EmbeddedInfo info;
  const bool ok = s.Run(device, [&](LinkEngine& e) { return StartEmbeddedRead(e, s.Image); },
                        engine, identity, info);
  if (!ok) return kExitFailure;
  PrintEmbeddedInfo(rCtx, args.Has(kJson.Long), ProductNameOf(identity.Model), info);
  return kExitSuccess;
}

int RunPorts(CommandContext& rCtx) {
  const ParsedArgs args = ParseArguments(rCtx.Args, {kJson}, 0, 0);
  int argc = rCtx.Argc;
  QCoreApplication app(argc, rCtx.Argv);
  const auto entries = PresentPortEntries(DiscoverSerialPorts());
  if (args.Has(kJson.Long)) {
    nlohmann::ordered_json json = nlohmann::ordered_json::array();
    for (const auto& entry : entries)
      json.push_back({{"port", entry.Text}, {"device", entry.Device}, {"description", entry.Description}});
    rCtx.Out << JsonText(json);
    return kExitSuccess;
  }
  for (const auto& entry : entries)
    rCtx.Out << entry.Text << "\t" << entry.Device << "\t" << entry.Description << "\n";
  return kExitSuccess;
}

const CommandRegistrar kRadioCommands(30, {
    {"read", "read the codeplug from a radio", kReadUsage, RunRead},
    {"write", "write a codeplug file to a radio", kWriteUsage, RunWrite},
    {"info", "read a radio's embedded information", kInfoUsage, RunInfo},
    {"ports", "list the serial ports present", kPortsUsage, RunPorts},
});

}  // namespace
}  // namespace px
