// The fleet forms of read and write on the command line: the fleet engine does the work;
// here are its options, a progress line per port and a summary table at the end.

#include <unistd.h>

#include <QCoreApplication>

#include <algorithm>
#include <iostream>
#include <memory>
#include <set>

#include "app/bands.h"
#include "app/language.h"
#include "cli/cli_files.h"
#include "cli/fleet.h"
#include "cli/terminal_ui.h"
#include "codeplug/codeplug_file.h"
#include "codeplug/input_file.h"
#include "edit/codeplug_ops.h"
#include "edit/file_commands.h"
#include "edit/fleet_identity.h"
#include "edit/radio_register.h"
#include "edit/startup.h"
#include "link/ports.h"
#include "link/transfer.h"
#include "platform/fleet_engine.h"

namespace px {

namespace {

constexpr OptionSpec kOutput = kOutputOption;
constexpr OptionSpec kPassword{"--password", "", true};
constexpr OptionSpec kYes = kYesOption;
constexpr OptionSpec kFlow = kFlowOption;
constexpr OptionSpec kLang{"--lang", "", true};
constexpr OptionSpec kVerify{"--verify", "", false};
constexpr OptionSpec kDtmfId{"--dtmf-id", "", true};
constexpr OptionSpec kFiveToneId{"--five-tone-id", "", true};
constexpr OptionSpec kRegister{"--register", "", true};
constexpr OptionSpec kLog{"--log", "", true};

// Every --port value, in order, and the arguments without them.
std::vector<std::string> TakePorts(std::vector<std::string>& rArgs) {
  std::vector<std::string> ports, rest;
  for (std::size_t i = 0; i < rArgs.size(); ++i) {
    const std::string& a = rArgs[i];
    if (a == "--") {
      rest.insert(rest.end(), rArgs.begin() + static_cast<long>(i), rArgs.end());
      break;
    }
    if (a == "--port") {
      if (i + 1 >= rArgs.size()) throw UsageError("option '--port' needs a value");
      ports.push_back(rArgs[++i]);
    } else if (a.starts_with("--port=")) {
      ports.push_back(a.substr(7));
    } else {
      rest.push_back(a);
    }
  }
  rArgs = rest;
  return ports;
}

std::string DeviceOfArgument(const std::string& rPort) {
  if (!rPort.starts_with("COM")) return rPort;
  const auto number = PortNumberOfEntry(rPort);
  const auto device = number ? DeviceOfPort(*number) : std::nullopt;
  if (!device) throw UsageError(rPort + " is not a port number the tool can map");
  return *device;
}

// The terminal's view of the fleet: one line per port, redrawn in place on a terminal,
// a line per quarter otherwise; the table at the end.
class FleetLines : public FleetObserver {
 public:
  explicit FleetLines(CommandContext& rCtx) : mCtx(rCtx), mTerminal(isatty(STDERR_FILENO) == 1) {}

  void Attach(const FleetEngine& rEngine) {
    mEngine = &rEngine;
    mShownQuarter.assign(rEngine.Count(), -1);
    for (std::size_t i = 0; i < rEngine.Count(); ++i) mDeviceWidth = std::max(mDeviceWidth, rEngine.Radio(i).Device.size());
  }

  void RadioChanged(std::size_t) override { Draw(); }
  void FleetFinished() override {
    if (QCoreApplication::instance()) QCoreApplication::exit(0);
  }

  void Draw() {
    if (!mEngine) return;
    if (mTerminal) {
      if (mDrawn) mCtx.Err << "\033[" << mEngine->Count() << "A";
      for (std::size_t i = 0; i < mEngine->Count(); ++i) mCtx.Err << "\r\033[K" << Line(mEngine->Radio(i)) << "\n";
      mCtx.Err << std::flush;
      mDrawn = true;
      return;
    }
    for (std::size_t i = 0; i < mEngine->Count(); ++i) {
      const FleetRadio& radio = mEngine->Radio(i);
      const int quarter = radio.Step == FleetStep::Done ? 5 : radio.Step == FleetStep::Waiting ? -2 : radio.Percent / 25;
      if (quarter == mShownQuarter[i]) continue;
      mShownQuarter[i] = quarter;
      mCtx.Err << Line(radio) << "\n";
    }
  }

  // --json in place of the table: {"succeeded": BOOL, "radios": [{"port", "succeeded",
  // "detail", "serial", "dtmf_id", "five_tone_id"}]}; a value nobody gave is null.
  void Json() const {
    nlohmann::ordered_json radios = nlohmann::ordered_json::array();
    const auto orNull = [](const std::optional<std::string>& rText) {
      return rText ? nlohmann::ordered_json(*rText) : nlohmann::ordered_json(nullptr);
    };
    for (std::size_t i = 0; i < mEngine->Count(); ++i) {
      const FleetRadio& r = mEngine->Radio(i);
      radios.push_back({{"port", r.Device}, {"succeeded", r.Succeeded}, {"detail", r.Detail},
                        {"serial", r.Serial.empty() ? nlohmann::ordered_json(nullptr) : nlohmann::ordered_json(r.Serial)},
                        {"dtmf_id", orNull(r.Ids.Dtmf)}, {"five_tone_id", orNull(r.Ids.FiveTone)}});
    }
    mCtx.Out << JsonText({{"succeeded", mEngine->AllSucceeded()}, {"radios", radios}});
  }

  // The table: a serial number column when any radio gave one, IDs when any has them.
  void Summary() const {
    const auto pad = [](std::string s, std::size_t w) { s.resize(std::max(w, s.size()), ' '); return s; };
    std::size_t port = 4, serial = 0;
    bool ids = false;
    for (std::size_t i = 0; i < mEngine->Count(); ++i) {
      const FleetRadio& r = mEngine->Radio(i);
      port = std::max(port, r.Device.size());
      if (!r.Serial.empty()) serial = std::max<std::size_t>({serial, 6, r.Serial.size()});
      ids = ids || r.Ids.Dtmf || r.Ids.FiveTone;
    }
    mCtx.Out << pad("port", port) << "  " << pad("result", 6) << "  ";
    if (serial) mCtx.Out << pad("serial", serial) << "  ";
    if (ids) mCtx.Out << "dtmf  5-tone  ";
    mCtx.Out << "detail\n";
    for (std::size_t i = 0; i < mEngine->Count(); ++i) {
      const FleetRadio& r = mEngine->Radio(i);
      mCtx.Out << pad(r.Device, port) << "  " << pad(r.Succeeded ? "ok" : "FAILED", 6) << "  ";
      if (serial) mCtx.Out << pad(r.Serial.empty() ? "-" : r.Serial, serial) << "  ";
      if (ids) mCtx.Out << pad(r.Ids.Dtmf.value_or("-"), 4) << "  " << pad(r.Ids.FiveTone.value_or("-"), 6) << "  ";
      mCtx.Out << r.Detail << "\n";
    }
  }

 private:
  std::string Line(const FleetRadio& rRadio) const {
    std::string phase;
    switch (rRadio.Step) {
      case FleetStep::Waiting: phase = "waiting"; break;
      case FleetStep::Identifying: phase = "serial number"; break;
      case FleetStep::Writing: phase = "write"; break;
      case FleetStep::Verifying: phase = "verify"; break;
      case FleetStep::Reading: phase = "read"; break;
      case FleetStep::Done: phase = rRadio.Succeeded ? "ok" : "FAILED"; break;
    }
    constexpr int kWidth = 30;
    const bool running = rRadio.Step != FleetStep::Done && rRadio.Step != FleetStep::Waiting;
    const int filled = rRadio.Step == FleetStep::Done ? kWidth : running ? rRadio.Percent * kWidth / 100 : 0;
    std::string line = rRadio.Device;
    line.resize(std::max<std::size_t>(line.size() + 1, mDeviceWidth + 1), ' ');
    line += "[" + std::string(static_cast<std::size_t>(filled), '#') +
            std::string(static_cast<std::size_t>(kWidth - filled), '.') + "] " + phase;
    if (running) line += " " + std::to_string(rRadio.Percent) + "%";
    return line;
  }

  CommandContext& mCtx;
  const FleetEngine* mEngine = nullptr;
  bool mTerminal;
  bool mDrawn = false;
  std::size_t mDeviceWidth = 0;
  std::vector<int> mShownQuarter;
};

struct FleetArgs {
  std::vector<std::string> Devices;
  ParsedArgs Args;
};

FleetArgs ParseFleetArgs(CommandContext& rCtx, std::initializer_list<OptionSpec> rOptions, std::size_t rPositionals) {
  std::vector<std::string> words = rCtx.Args;
  FleetArgs parsed;
  const std::vector<std::string> ports = TakePorts(words);
  parsed.Args = ParseArguments(words, rOptions, rPositionals, rPositionals);
  // Two spellings of one device are one port: compared as resolved.
  std::set<std::string> seen;
  for (const std::string& port : ports) {
    const std::string device = DeviceOfArgument(port);
    if (!seen.insert(ResolvedDevice(device)).second) throw UsageError(port + " is given twice");
    parsed.Devices.push_back(device);
  }
  return parsed;
}

// Defaults shared by every radio: language, setup, a new codeplug as the base.
AppState BaseState(const CommandContext& rCtx, const ParsedArgs& rArgs) {
  AppState state;
  state.ProgramFolder = rCtx.ProgramFolder;
  SetLanguage(state, LanguageIndexOf(rArgs));
  ReadSetupSettings(state);
  ApplyFlowOption(rArgs, state);
  CreateNewCodeplug(state);
  CopyToSaved(state);
  return state;
}

std::vector<std::string> DevicesOrStored(FleetArgs& rFleet, const AppState& rState) {
  if (!rFleet.Devices.empty()) return rFleet.Devices;
  const auto device = DeviceOfPort(rState.Setup.ComPort);
  if (!device) throw UsageError("no serial port is chosen; give one with --port");
  return {*device};
}

// The identities asked for: numbered from --dtmf-id/--five-tone-id, or --register.
void TakeIdentityOptions(const ParsedArgs& rArgs, FleetPlan& rPlan) {
  const auto dtmf = rArgs.Value(kDtmfId.Long);
  const auto five = rArgs.Value(kFiveToneId.Long);
  const auto reg = rArgs.Value(kRegister.Long);
  if (reg && (dtmf || five)) throw UsageError("--register takes the IDs from the register; give no --dtmf-id or --five-tone-id");
  std::string error;
  if (dtmf) {
    rPlan.NumberFrom.Dtmf = DtmfOwnIdOf(*dtmf, error);
    if (!rPlan.NumberFrom.Dtmf) throw UsageError("--dtmf-id: " + error);
  }
  if (five) {
    rPlan.NumberFrom.FiveTone = FiveToneOwnIdOf(*five, error);
    if (!rPlan.NumberFrom.FiveTone) throw UsageError("--five-tone-id: " + error);
  }
  if (dtmf || five) rPlan.Identities = FleetIdentities::Numbered;
  if (reg) {
    std::vector<std::string> errors;
    const auto parsed = ParseRegister(ReadTextFile(*reg, kCsvCeiling), errors);
    if (!parsed) {
      std::string all;
      for (const std::string& e : errors) all += "\n  " + *reg + ": " + e;
      throw CommandError("the register " + *reg + " is refused; nothing written:" + all);
    }
    rPlan.Register = *parsed;
    rPlan.Identities = FleetIdentities::Register;
  }
}

void TakeLogOption(const ParsedArgs& rArgs, FleetPlan& rPlan) {
  const auto log = rArgs.Value(kLog.Long);
  if (!log) return;
  if (log->empty()) throw UsageError("--log needs a file name");
  RequireWritable(*log);
  rPlan.LogPath = *log;
  rPlan.ReadSerial = true;
}

int RunEngine(CommandContext& rCtx, FleetPlan rPlan, const std::vector<std::string>& rDevices, bool rJson) {
  int argc = rCtx.Argc;
  QCoreApplication app(argc, rCtx.Argv);
  QCoreApplication::setApplicationName("px4800-cps");
  FleetLines lines(rCtx);
  FleetEngine engine(std::move(rPlan), rDevices, lines);
  lines.Attach(engine);
  std::string error;
  if (!engine.Prepare(error)) throw CommandError(error + "; nothing sent");
  lines.Draw();
  engine.Start();
  if (!engine.Finished()) app.exec();
  if (rJson)
    lines.Json();
  else
    lines.Summary();
  if (!engine.LogError().empty()) rCtx.Err << "px4800: error: the delivery log: " << engine.LogError() << "\n";
  return engine.AllSucceeded() && engine.LogError().empty() ? kExitSuccess : kExitFailure;
}

// The whole fleet is confirmed once, on the terminal unless --yes.
bool ConfirmFleet(CommandContext& rCtx, const ParsedArgs& rArgs, const std::string& rText) {
  TerminalUi ui(std::cin, rCtx.Err, TerminalUi::IsInteractiveTerminal());
  ui.SetAssumeYes(rArgs.Has(kYes.Long));
  return ui.Ask(rText, MsgButtons::OkCancel, MsgIcon::Question) == MsgAnswer::Ok;
}

}  // namespace

void ApplyFlowOption(const ParsedArgs& rArgs, AppState& rState) {
  const auto flow = rArgs.Value(kFlowOption.Long);
  if (!flow) return;
  const auto chosen = FlowControlOf(*flow);
  if (!chosen) throw UsageError("--flow must be 'none' or 'rtscts', not '" + *flow + "'");
  rState.Setup.Flow = *chosen;
}

void RequireRadioConsent(const ParsedArgs& rArgs, bool rWriting) {
  if (rArgs.Has(kYesOption.Long) || TerminalUi::IsInteractiveTerminal()) return;
  throw CommandError(std::string("there is no terminal to confirm ") +
                     (rWriting ? "writing the radio" : "reading the radio") + "; give --yes to go ahead");
}

bool WantsFleet(const std::vector<std::string>& rArgs) {
  int ports = 0;
  for (const std::string& a : rArgs) {
    if (a == "--") break;
    if (a == "--verify" || a == "--log" || a == "--register" || a == "--dtmf-id" || a == "--five-tone-id" ||
        a.starts_with("--log=") || a.starts_with("--register=") || a.starts_with("--dtmf-id=") ||
        a.starts_with("--five-tone-id="))
      return true;
    if (a == "--port" || a.starts_with("--port=")) ++ports;
  }
  return ports > 1;
}

int RunFleetWrite(CommandContext& rCtx) {
  FleetArgs fleetArgs = ParseFleetArgs(
      rCtx, {kPassword, kYes, kLang, kVerify, kFlow, kDtmfId, kFiveToneId, kRegister, kLog, kJsonOption}, 1);
  const ParsedArgs& args = fleetArgs.Args;
  FleetPlan plan;
  plan.Write = true;
  plan.Base = BaseState(rCtx, args);
  ReadCodeplugInto(args.Positionals[0], plan.Base, rCtx.Err);
  plan.Base.FilePath = args.Positionals[0];
  plan.Base.Untitled = false;
  CopyToSaved(plan.Base);
  plan.Source = args.Positionals[0];
  plan.Verify = args.Has(kVerify.Long);
  plan.Password = CleanPasswordEntry(args.Value(kPassword.Long).value_or(""));
  TakeIdentityOptions(args, plan);
  TakeLogOption(args, plan);
  const std::vector<std::string> devices = DevicesOrStored(fleetArgs, plan.Base);
  RequireRadioConsent(args, true);
  if (!ConfirmFleet(rCtx, args, LinkTextOf(plan.Base, LinkText::ConfirmWrite))) {
    rCtx.Err << "px4800: cancelled; nothing written\n";
    return kExitFailure;
  }
  return RunEngine(rCtx, std::move(plan), devices, args.Has(kJsonOption.Long));
}

int RunFleetRead(CommandContext& rCtx) {
  FleetArgs fleetArgs = ParseFleetArgs(rCtx, {kOutput, kPassword, kYes, kLang, kFlow, kLog, kJsonOption}, 0);
  const ParsedArgs& args = fleetArgs.Args;
  const auto output = args.Value(kOutput.Long);
  if (!output || output->empty()) throw UsageError("missing -o OUT.dat");
  RequireCodeplugName(*output);
  FleetPlan plan;
  plan.Write = false;
  plan.Base = BaseState(rCtx, args);
  plan.Output = *output;
  plan.Password = CleanPasswordEntry(args.Value(kPassword.Long).value_or(""));
  TakeLogOption(args, plan);
  const std::vector<std::string> devices = DevicesOrStored(fleetArgs, plan.Base);
  // Before transfers of half a minute: every file they are to produce can be written,
  // no two radios share one, and any that exists may be replaced.
  std::vector<std::string> outputs;
  std::set<std::string> distinct;
  for (const std::string& device : devices) {
    const std::string path =
        devices.size() == 1 ? *output : PathForPort(*output, PortFileTag(ResolvedDevice(device)));
    if (!distinct.insert(path).second) throw UsageError("two radios would be read into " + path);
    RequireWritable(path);
    RequireWritable(SideFilePath(path));
    outputs.push_back(path);
    outputs.push_back(SideFilePath(path));
  }
  ConfirmOverwrite(rCtx, args, outputs);
  RequireRadioConsent(args, false);
  if (!ConfirmFleet(rCtx, args, LinkTextOf(plan.Base, LinkText::ConfirmRead))) {
    rCtx.Err << "px4800: cancelled; nothing read\n";
    return kExitFailure;
  }
  return RunEngine(rCtx, std::move(plan), devices, args.Has(kJsonOption.Long));
}

}  // namespace px
