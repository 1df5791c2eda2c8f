// The fleet forms of read and write: one link per port, run side by side on one event
// loop, a progress line per port and a summary table at the end. A radio that fails
// never stops the others. Nothing is asked per radio: questions get the unattended
// answers, the password comes from --password.

#include <unistd.h>

#include <QCoreApplication>
#include <QTimer>

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
#include "edit/codeplug_ops.h"
#include "edit/file_commands.h"
#include "edit/startup.h"
#include "link/codec.h"
#include "link/link_engine.h"
#include "link/ports.h"
#include "link/transfer.h"
#include "link/write_verify.h"
#include "platform/backups.h"
#include "platform/serial_port.h"

namespace px {

namespace {

constexpr OptionSpec kOutput = kOutputOption;
constexpr OptionSpec kPassword{"--password", "", true};
constexpr OptionSpec kYes = kYesOption;
constexpr OptionSpec kFlow = kFlowOption;
constexpr OptionSpec kLang{"--lang", "", true};
constexpr OptionSpec kVerify{"--verify", "", false};
constexpr int kRetriesPerTransfer = 3;

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

// "/dev/ttyUSB0" -> "ttyUSB0", "/dev/pts/3" -> "pts3": a part of a file name.
std::string PortFileTag(const std::string& rDevice) {
  std::string tag = rDevice.starts_with("/dev/") ? rDevice.substr(5) : rDevice;
  std::string out;
  for (char c : tag)
    if (std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_') out.push_back(c);
  return out.empty() ? "port" : out;
}

// "OUT.dat" with the tag before the extension: "OUT-ttyUSB0.dat".
std::string PathForPort(const std::string& rOut, const std::string& rTag) {
  const auto dot = rOut.find_last_of('.');
  const auto slash = rOut.find_last_of('/');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return rOut + "-" + rTag;
  return rOut.substr(0, dot) + "-" + rTag + rOut.substr(dot);
}

class Fleet;

enum class Phase { Writing, Verifying, Reading, Done };

struct RadioJob;

// One radio's side of the person at the program.
class JobUser : public LinkUser {
 public:
  JobUser(Fleet& rFleet, RadioJob& rJob) : mFleet(rFleet), mJob(rJob) {}

  MsgAnswer Ask(const std::string& rText, MsgButtons rButtons, MsgIcon rIcon) override;
  std::optional<std::string> ChooseFileToOpen(const std::string&, const std::string&) override { return std::nullopt; }
  std::optional<std::string> ChooseFileToSave(const std::string&, const std::string&) override { return std::nullopt; }
  std::optional<std::string> AskPassword(const std::string&) override;
  void OpenProgress(const std::string&, const std::string&) override { ShowProgress(0); }
  void ShowProgress(int rPercent) override;
  void CloseProgress() override {}
  void TransferEnded(int, bool rSucceeded) override;

  int Retries = 0;
  bool PasswordGiven = false;

 private:
  Fleet& mFleet;
  RadioJob& mJob;
};

struct RadioJob {
  std::string Device;
  AppState State;        // the codeplug written, or the one read
  AppState CheckState;   // what the read-back decodes into; never used further
  RadioImage Image{};
  RadioImage ReadBack{};
  std::string Password;
  std::unique_ptr<SerialLinkPort> Port;
  std::unique_ptr<JobUser> User;
  std::unique_ptr<LinkEngine> Engine;       // the write or the read
  std::unique_ptr<LinkEngine> CheckEngine;  // the read-back
  LinkEngine* Active = nullptr;
  Phase Step = Phase::Writing;
  int Percent = 0;
  int ShownQuarter = -1;
  bool Succeeded = false;
  std::vector<std::string> Messages;  // what the transfer told, for the summary
  std::string Detail;
};

class Fleet {
 public:
  Fleet(CommandContext& rCtx, bool rVerify, std::string rOutput)
      : mCtx(rCtx), mVerify(rVerify), mOutput(std::move(rOutput)),
        mTerminal(isatty(STDERR_FILENO) == 1) {}

  std::vector<std::unique_ptr<RadioJob>> Jobs;

  void Start(RadioJob& rJob) {
    rJob.Port = std::make_unique<SerialLinkPort>(rJob.Device, nullptr);
    rJob.Port->SetFlowControl(rJob.State.Setup.Flow);
    rJob.User = std::make_unique<JobUser>(*this, rJob);
    rJob.Engine = std::make_unique<LinkEngine>(rJob.State, rJob.Image, rJob.Password, *rJob.Port, *rJob.User);
    rJob.CheckEngine =
        std::make_unique<LinkEngine>(rJob.CheckState, rJob.ReadBack, rJob.Password, *rJob.Port, *rJob.User);
    rJob.Active = rJob.Engine.get();
    RadioJob* job = &rJob;
    rJob.Port->BytesArrived = [job](std::span<const std::uint8_t> rBytes) { job->Active->OnBytesArrived(rBytes); };
    rJob.Port->TimerExpired = [job] { job->Active->OnTimerExpired(); };
    const bool started = rJob.Step == Phase::Reading
                             ? StartCodeplugRead(*rJob.Engine, rJob.State, rJob.Image, *rJob.User)
                             : StartCodeplugWrite(*rJob.Engine, rJob.State, rJob.Image, *rJob.User);
    if (!started) Finish(rJob, false, "");
  }

  // After EndLink, from the event loop.
  void Ended(RadioJob& rJob, bool rSucceeded) {
    switch (rJob.Step) {
      case Phase::Writing:
        if (!rSucceeded) return Finish(rJob, false, PartialWriteAdvice(rJob.Engine->BlocksWritten()));
        if (!mVerify) return Finish(rJob, true, OwnTextOf(rJob.State, kWritten));
        rJob.Step = Phase::Verifying;
        rJob.Percent = 0;
        rJob.ShownQuarter = -1;
        rJob.Active = rJob.CheckEngine.get();
        rJob.User->Retries = 0;
        if (!rJob.CheckEngine->OpenLink(LinkMode::ReadCodeplug))
          return Finish(rJob, false, VerifyReadFailedText(rJob.State));
        PreFillImage(rJob.ReadBack);
        rJob.CheckEngine->SendHandshake();
        Draw();
        return;
      case Phase::Verifying: {
        if (!rSucceeded) return Finish(rJob, false, VerifyReadFailedText(rJob.State));
        const VerifyResult result = CompareWrittenArea(rJob.Image, rJob.ReadBack);
        return Finish(rJob, result.Matches(), VerifyResultText(rJob.State, result));
      }
      case Phase::Reading: {
        if (!rSucceeded) return Finish(rJob, false, "");
        const std::string path = OutputPathOf(rJob);
        std::string error;
        if (!WriteCodeplugFiles(path, rJob.State.SavedCodeplug, rJob.State.SavedChannels, error))
          return Finish(rJob, false, error);
        return Finish(rJob, true, path);
      }
      case Phase::Done:
        return;
    }
  }

  // Where a read job's codeplug goes: OUT.dat for one radio, OUT-<port>.dat for several.
  std::string OutputPathOf(const RadioJob& rJob) const {
    return Jobs.size() == 1 ? mOutput : PathForPort(mOutput, PortFileTag(rJob.Device));
  }

  // Only a write that got under way has changed the radio; the file it came from is
  // what completes it.
  std::string PartialWriteAdvice(int rBlocksWritten) const {
    if (rBlocksWritten <= 0) return "";
    std::string advice = "the radio may now hold a partly written codeplug (" + std::to_string(rBlocksWritten) +
                         " blocks were written); writing " + mSource + " again completes it";
    if (!mBackup.empty()) advice += " (the image sent is kept in " + mBackup + ")";
    return advice;
  }

  void SetWriteSource(std::string rSource, std::string rBackup) {
    mSource = std::move(rSource);
    mBackup = std::move(rBackup);
  }

  void Finish(RadioJob& rJob, bool rSucceeded, const std::string& rDetail) {
    rJob.Step = Phase::Done;
    rJob.Succeeded = rSucceeded;
    rJob.Detail = rDetail;
    if (!rSucceeded) {
      // What the transfer told, most telling first: the cause, then the outcome.
      std::string told;
      for (const std::string& m : rJob.Messages) {
        if (!told.empty()) told += "; ";
        // One line per radio in the table.
        for (const char c : m)
          if (c != '\r') told += c == '\n' ? ' ' : c;
      }
      if (!told.empty()) rJob.Detail = rDetail.empty() ? told : rDetail + " (" + told + ")";
    }
    Draw();
    if (std::all_of(Jobs.begin(), Jobs.end(), [](const auto& j) { return j->Step == Phase::Done; }) &&
        QCoreApplication::instance())
      QCoreApplication::exit(0);
  }

  // One line per port: redrawn in place on a terminal, a line per quarter otherwise.
  void Draw() {
    if (mTerminal) {
      if (mDrawn) mCtx.Err << "\033[" << Jobs.size() << "A";
      for (const auto& job : Jobs) mCtx.Err << "\r\033[K" << Line(*job) << "\n";
      mCtx.Err << std::flush;
      mDrawn = true;
      return;
    }
    for (const auto& job : Jobs) {
      const int quarter = job->Step == Phase::Done ? 5 : job->Percent / 25;
      if (quarter == job->ShownQuarter) continue;
      job->ShownQuarter = quarter;
      mCtx.Err << Line(*job) << "\n";
    }
  }

  std::string Line(const RadioJob& rJob) const {
    std::string phase;
    switch (rJob.Step) {
      case Phase::Writing: phase = "write"; break;
      case Phase::Verifying: phase = "verify"; break;
      case Phase::Reading: phase = "read"; break;
      case Phase::Done: phase = rJob.Succeeded ? "ok" : "FAILED"; break;
    }
    constexpr int kWidth = 30;
    const int filled = rJob.Step == Phase::Done ? kWidth : rJob.Percent * kWidth / 100;
    std::string line = rJob.Device;
    line.resize(std::max<std::size_t>(line.size() + 1, mDeviceWidth + 1), ' ');
    line += "[" + std::string(static_cast<std::size_t>(filled), '#') +
            std::string(static_cast<std::size_t>(kWidth - filled), '.') + "] " + phase;
    if (rJob.Step != Phase::Done) line += " " + std::to_string(rJob.Percent) + "%";
    return line;
  }

  void Summary() {
    std::size_t width = 4;
    for (const auto& job : Jobs) width = std::max(width, job->Device.size());
    const auto pad = [](std::string s, std::size_t w) { s.resize(std::max(w, s.size()), ' '); return s; };
    mCtx.Out << pad("port", width) << "  " << pad("result", 6) << "  detail\n";
    for (const auto& job : Jobs)
      mCtx.Out << pad(job->Device, width) << "  " << pad(job->Succeeded ? "ok" : "FAILED", 6) << "  "
               << job->Detail << "\n";
  }

  void SetDeviceWidth() {
    for (const auto& job : Jobs) mDeviceWidth = std::max(mDeviceWidth, job->Device.size());
  }

  static constexpr OwnText kWritten{"written", "已写入"};

 private:
  CommandContext& mCtx;
  bool mVerify;
  std::string mOutput;
  std::string mSource;  // the file a write sends
  std::string mBackup;  // where the image it sends is kept
  bool mTerminal;
  bool mDrawn = false;
  std::size_t mDeviceWidth = 0;
};

MsgAnswer JobUser::Ask(const std::string& rText, MsgButtons rButtons, MsgIcon rIcon) {
  if (rButtons == MsgButtons::RetryCancel) {
    if (Retries++ < kRetriesPerTransfer) return MsgAnswer::Retry;
    mJob.Messages.push_back(rText);
    return MsgAnswer::Cancel;
  }
  // Confirmations were given for the whole fleet; what else is told is kept for the table.
  if (rButtons == MsgButtons::Ok && rIcon != MsgIcon::Information) mJob.Messages.push_back(rText);
  return DefaultAnswer(rButtons);
}

std::optional<std::string> JobUser::AskPassword(const std::string&) {
  if (PasswordGiven || mJob.Password.empty()) {
    mJob.Messages.push_back(PasswordGiven ? "the radio refused the password given with --password"
                                          : "the radio asks for its programming password; give it with --password");
    return std::nullopt;
  }
  PasswordGiven = true;
  return mJob.Password;
}

void JobUser::ShowProgress(int rPercent) {
  mJob.Percent = rPercent;
  mFleet.Draw();
}

void JobUser::TransferEnded(int, bool rSucceeded) {
  // The engine is still inside EndLink; the next step starts from the event loop.
  Fleet* fleet = &mFleet;
  RadioJob* job = &mJob;
  QTimer::singleShot(0, [fleet, job, rSucceeded] { fleet->Ended(*job, rSucceeded); });
}

struct FleetArgs {
  std::vector<std::string> Devices;
  ParsedArgs Args;
};

FleetArgs ParseFleetArgs(CommandContext& rCtx, std::initializer_list<OptionSpec> rOptions, std::size_t rPositionals) {
  std::vector<std::string> words = rCtx.Args;
  FleetArgs parsed;
  const std::vector<std::string> ports = TakePorts(words);
  parsed.Args = ParseArguments(words, rOptions, rPositionals, rPositionals);
  std::set<std::string> seen;
  for (const std::string& port : ports) {
    const std::string device = DeviceOfArgument(port);
    if (!seen.insert(device).second) throw UsageError(port + " is given twice");
    parsed.Devices.push_back(device);
  }
  return parsed;
}

// Defaults shared by every job: language, setup, a new codeplug as the base.
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

// One job per device, each with its own copy of the codeplug.
void AddJobs(Fleet& rFleet, const std::vector<std::string>& rDevices, const AppState& rBase,
             const ParsedArgs& rArgs, Phase rFirst) {
  for (const std::string& device : rDevices) {
    auto job = std::make_unique<RadioJob>();
    job->Device = device;
    job->State = rBase;
    job->CheckState = rBase;
    job->Password = rArgs.Value(kPassword.Long).value_or("");
    job->Step = rFirst;
    rFleet.Jobs.push_back(std::move(job));
  }
}

// --json in place of the table: {"succeeded": BOOL, "radios": [{"port", "succeeded", "detail"}]}.
void PrintFleetJson(CommandContext& rCtx, const Fleet& rFleet) {
  nlohmann::ordered_json radios = nlohmann::ordered_json::array();
  bool all = true;
  for (const auto& job : rFleet.Jobs) {
    radios.push_back({{"port", job->Device}, {"succeeded", job->Succeeded}, {"detail", job->Detail}});
    all = all && job->Succeeded;
  }
  rCtx.Out << JsonText({{"succeeded", all}, {"radios", radios}});
}

int RunJobs(CommandContext& rCtx, Fleet& rFleet, bool rJson) {
  int argc = rCtx.Argc;
  QCoreApplication app(argc, rCtx.Argv);
  QCoreApplication::setApplicationName("px4800-cps");
  rFleet.SetDeviceWidth();
  rFleet.Draw();
  for (auto& job : rFleet.Jobs) rFleet.Start(*job);
  if (!std::all_of(rFleet.Jobs.begin(), rFleet.Jobs.end(), [](const auto& j) { return j->Step == Phase::Done; }))
    app.exec();
  if (rJson)
    PrintFleetJson(rCtx, rFleet);
  else
    rFleet.Summary();
  const bool all = std::all_of(rFleet.Jobs.begin(), rFleet.Jobs.end(), [](const auto& j) { return j->Succeeded; });
  return all ? kExitSuccess : kExitFailure;
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

bool WantsFleet(const std::vector<std::string>& rArgs) {
  int ports = 0;
  for (const std::string& a : rArgs) {
    if (a == "--") break;
    if (a == "--verify") return true;
    if (a == "--port" || a.starts_with("--port=")) ++ports;
  }
  return ports > 1;
}

int RunFleetWrite(CommandContext& rCtx) {
  FleetArgs fleetArgs = ParseFleetArgs(rCtx, {kPassword, kYes, kLang, kVerify, kFlow, kJsonOption}, 1);
  const ParsedArgs& args = fleetArgs.Args;
  AppState base = BaseState(rCtx, args);
  ReadCodeplugInto(args.Positionals[0], base, rCtx.Err);
  base.FilePath = args.Positionals[0];
  base.Untitled = false;
  CopyToSaved(base);
  const std::vector<std::string> devices = DevicesOrStored(fleetArgs, base);

  // Encoded once before any port is touched: a codeplug that cannot be encoded sends nothing.
  TerminalUi ui(std::cin, rCtx.Err, false);
  RadioImage image{};
  AppState probe = base;
  if (!EncodeCodeplug(probe, image, ui)) return kExitFailure;
  if (!ConfirmFleet(rCtx, args, LinkTextOf(base, LinkText::ConfirmWrite))) {
    rCtx.Err << "px4800: cancelled; nothing written\n";
    return kExitFailure;
  }
  std::string backup;
  {
    int argc = rCtx.Argc;
    QCoreApplication app(argc, rCtx.Argv);
    QCoreApplication::setApplicationName("px4800-cps");
    std::string error;
    if (const auto path = SaveBackup(image, BackupDirection::Write, base.ModelString, error)) {
      Tell(rCtx, "backup of the image to be written: " + *path);
      backup = *path;
    } else {
      rCtx.Err << "px4800: warning: no backup kept: " << error << "\n";
    }
  }

  Fleet fleet(rCtx, args.Has(kVerify.Long), "");
  fleet.SetWriteSource(args.Positionals[0], backup);
  AddJobs(fleet, devices, base, args, Phase::Writing);
  return RunJobs(rCtx, fleet, args.Has(kJsonOption.Long));
}

int RunFleetRead(CommandContext& rCtx) {
  FleetArgs fleetArgs = ParseFleetArgs(rCtx, {kOutput, kPassword, kYes, kLang, kFlow, kJsonOption}, 0);
  const ParsedArgs& args = fleetArgs.Args;
  const auto output = args.Value(kOutput.Long);
  if (!output || output->empty()) throw UsageError("missing -o OUT.dat");
  RequireCodeplugName(*output);
  const AppState base = BaseState(rCtx, args);
  const std::vector<std::string> devices = DevicesOrStored(fleetArgs, base);
  Fleet fleet(rCtx, false, *output);
  AddJobs(fleet, devices, base, args, Phase::Reading);
  // Before transfers of half a minute: every file they are to produce can be written,
  // and any that exists may be replaced.
  std::vector<std::string> outputs;
  for (const auto& job : fleet.Jobs) {
    const std::string path = fleet.OutputPathOf(*job);
    RequireWritable(path);
    RequireWritable(SideFilePath(path));
    outputs.push_back(path);
    outputs.push_back(SideFilePath(path));
  }
  ConfirmOverwrite(rCtx, args, outputs);
  if (!ConfirmFleet(rCtx, args, LinkTextOf(base, LinkText::ConfirmRead))) {
    rCtx.Err << "px4800: cancelled; nothing read\n";
    return kExitFailure;
  }
  return RunJobs(rCtx, fleet, args.Has(kJsonOption.Long));
}

}  // namespace px
