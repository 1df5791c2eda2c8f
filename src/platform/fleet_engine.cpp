#include "platform/fleet_engine.h"

#include <QTimer>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <map>
#include <set>

#include "app/language.h"
#include "codeplug/codeplug_file.h"
#include "edit/codeplug_ops.h"
#include "edit/delivery_log.h"
#include "edit/dtmf_rules.h"
#include "link/codec.h"
#include "link/embedded_info.h"
#include "link/link_engine.h"
#include "link/transfer.h"
#include "link/write_verify.h"
#include "platform/backups.h"
#include "platform/serial_port.h"

namespace px {

namespace {

constexpr int kRetriesPerTransfer = 3;
constexpr OwnText kWritten{"written", "已写入"};

// What a core rule says to nobody in particular, kept for the caller.
class CollectingUi : public UserInterface {
 public:
  MsgAnswer Ask(const std::string& rText, MsgButtons rButtons, MsgIcon) override {
    if (!Told.empty()) Told += "; ";
    Told += rText;
    return rButtons == MsgButtons::YesNo || rButtons == MsgButtons::YesNoCancel ? MsgAnswer::Yes : MsgAnswer::Ok;
  }
  std::optional<std::string> ChooseFileToOpen(const std::string&, const std::string&) override { return std::nullopt; }
  std::optional<std::string> ChooseFileToSave(const std::string&, const std::string&) override { return std::nullopt; }
  std::string Told;
};

std::string OneLine(const std::string& rText) {
  std::string out;
  for (const char c : rText)
    if (c != '\r') out += c == '\n' ? ' ' : c;
  return out;
}

std::string SerialOf(const EmbeddedInfo& rInfo) {
  for (const LabelledField& field : LabelledEmbeddedInfo(rInfo))
    if (field.Label == "Serial Number") return field.Value;
  return "";
}

}  // namespace

// One radio's side of the person at the program.
class FleetJobUser : public LinkUser {
 public:
  FleetJobUser(FleetEngine& rFleet, FleetEngine::Job& rJob) : mFleet(rFleet), mJob(rJob) {}

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
  FleetEngine& mFleet;
  FleetEngine::Job& mJob;
};

struct FleetEngine::Job {
  std::size_t Index = 0;
  FleetRadio Shown;
  std::string Resolved;
  AppState State;       // the codeplug written, or the one read
  AppState CheckState;  // what the read-back decodes into; never used further
  RadioImage Image{};
  RadioImage ReadBack{};
  std::string Password;
  std::unique_ptr<SerialLinkPort> Port;
  std::unique_ptr<FleetJobUser> User;
  std::unique_ptr<LinkEngine> Engine;       // the serial number, then the write; or the read
  std::unique_ptr<LinkEngine> CheckEngine;  // the read-back
  LinkEngine* Active = nullptr;
  std::vector<std::string> Messages;  // what the transfer told, for the table
};

MsgAnswer FleetJobUser::Ask(const std::string& rText, MsgButtons rButtons, MsgIcon rIcon) {
  switch (rButtons) {
    case MsgButtons::RetryCancel:
      if (Retries++ < kRetriesPerTransfer) return MsgAnswer::Retry;
      mJob.Messages.push_back(rText);
      return MsgAnswer::Cancel;
    case MsgButtons::Ok:
      // Confirmations were given for the whole fleet; what else is told is kept for the table.
      if (rIcon != MsgIcon::Information) mJob.Messages.push_back(rText);
      return MsgAnswer::Ok;
    case MsgButtons::OkCancel: return MsgAnswer::Ok;
    case MsgButtons::YesNo:
    case MsgButtons::YesNoCancel: return MsgAnswer::Yes;
  }
  return MsgAnswer::Ok;
}

std::optional<std::string> FleetJobUser::AskPassword(const std::string&) {
  if (PasswordGiven || mJob.Password.empty()) {
    mJob.Messages.push_back(PasswordGiven ? "the radio refused the password given"
                                          : "the radio asks for its programming password, and none was given");
    return std::nullopt;
  }
  PasswordGiven = true;
  return mJob.Password;
}

void FleetJobUser::ShowProgress(int rPercent) {
  mJob.Shown.Percent = rPercent;
  mFleet.Changed(mJob);
}

void FleetJobUser::TransferEnded(int, bool rSucceeded) {
  // The engine is still inside EndLink; the next step starts from the event loop.
  FleetEngine* fleet = &mFleet;
  FleetEngine::Job* job = &mJob;
  QTimer::singleShot(0, [fleet, job, rSucceeded] { fleet->Ended(*job, rSucceeded); });
}

std::string ResolvedDevice(const std::string& rPath) {
  std::error_code ec;
  const std::filesystem::path resolved = std::filesystem::weakly_canonical(rPath, ec);
  return ec ? rPath : resolved.string();
}

std::string PortFileTag(const std::string& rResolvedDevice) {
  // Outside /dev the leading "/" stays (as "-"), so "/x" and "/dev/x" differ too.
  const std::string path =
      rResolvedDevice.starts_with("/dev/") ? rResolvedDevice.substr(5) : rResolvedDevice;
  std::string tag;
  for (const char c : path) {
    if (std::isalnum(static_cast<unsigned char>(c))) {
      tag += c;
    } else if (c == '/') {
      tag += '-';
    } else {
      char hex[4];
      std::snprintf(hex, sizeof hex, "_%02X", static_cast<unsigned char>(c));
      tag += hex;
    }
  }
  return tag.empty() ? "port" : tag;
}

std::string PathForPort(const std::string& rOut, const std::string& rTag) {
  const auto dot = rOut.find_last_of('.');
  const auto slash = rOut.find_last_of('/');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return rOut + "-" + rTag;
  return rOut.substr(0, dot) + "-" + rTag + rOut.substr(dot);
}

FleetEngine::FleetEngine(FleetPlan rPlan, const std::vector<std::string>& rDevices, FleetObserver& rObserver)
    : mPlan(std::move(rPlan)), mObserver(rObserver) {
  for (const std::string& device : rDevices) {
    auto job = std::make_unique<Job>();
    job->Index = mJobs.size();
    job->Shown.Device = device;
    job->Resolved = ResolvedDevice(device);
    job->State = mPlan.Base;
    job->CheckState = mPlan.Base;
    job->Password = mPlan.Password;
    mJobs.push_back(std::move(job));
  }
  for (std::size_t i = 0; i < mJobs.size(); ++i) mJobs[i]->Shown.Output = mPlan.Write ? "" : OutputPathOf(i);
}

FleetEngine::~FleetEngine() = default;

std::size_t FleetEngine::Count() const { return mJobs.size(); }
const FleetRadio& FleetEngine::Radio(std::size_t rIndex) const { return mJobs.at(rIndex)->Shown; }

bool FleetEngine::Finished() const {
  return std::all_of(mJobs.begin(), mJobs.end(), [](const auto& j) { return j->Shown.Step == FleetStep::Done; });
}

bool FleetEngine::AllSucceeded() const {
  return std::all_of(mJobs.begin(), mJobs.end(), [](const auto& j) { return j->Shown.Succeeded; });
}

std::string FleetEngine::OutputPathOf(std::size_t rIndex) const {
  return mJobs.size() == 1 ? mPlan.Output : PathForPort(mPlan.Output, PortFileTag(mJobs.at(rIndex)->Resolved));
}

bool FleetEngine::Prepare(std::string& rError) {
  if (mJobs.empty()) {
    rError = "no port is chosen";
    return false;
  }
  std::map<std::string, std::string> seen;
  for (const auto& job : mJobs) {
    const auto [first, fresh] = seen.emplace(job->Resolved, job->Shown.Device);
    if (!fresh) {
      rError = job->Shown.Device + " is the same port as " + first->second;
      return false;
    }
  }
  if (!mPlan.Write) {
    std::set<std::string> outputs;
    for (std::size_t i = 0; i < mJobs.size(); ++i)
      if (!outputs.insert(OutputPathOf(i)).second) {
        rError = "two radios would be read into " + OutputPathOf(i);
        return false;
      }
    return true;
  }
  CollectingUi ui;
  for (auto& job : mJobs) {
    if (mPlan.Identities == FleetIdentities::Numbered) {
      const auto ids = NumberedIds(mPlan.NumberFrom, static_cast<int>(job->Index), rError);
      if (!ids) return false;
      job->Shown.Ids = *ids;
      if (!DeriveRadioCodeplug(job->State, *ids, rError)) return false;
    } else if (mPlan.Identities == FleetIdentities::Register && !mPlan.Register.Entries.empty() &&
               job->Index == 0) {
      // A codeplug the pages refuse whatever the identity is refused before any radio.
      AppState probe = job->State;
      if (!DeriveRadioCodeplug(probe, mPlan.Register.Entries.front().Ids, rError)) return false;
    }
    // Encoded before any port is touched: a codeplug that cannot be encoded sends nothing.
    AppState probe = job->State;
    RadioImage image{};
    if (!EncodeCodeplug(probe, image, ui)) {
      rError = ui.Told.empty() ? "the codeplug cannot be encoded" : OneLine(ui.Told);
      return false;
    }
    if (mPlan.Identities != FleetIdentities::Numbered) break;  // the others are the same
  }
  return true;
}

void FleetEngine::Start() {
  for (auto& job : mJobs) Begin(*job);
}

void FleetEngine::Begin(Job& rJob) {
  rJob.Port = std::make_unique<SerialLinkPort>(rJob.Shown.Device, nullptr);
  rJob.Port->SetFlowControl(rJob.State.Setup.Flow);
  rJob.User = std::make_unique<FleetJobUser>(*this, rJob);
  rJob.Engine = std::make_unique<LinkEngine>(rJob.State, rJob.Image, rJob.Password, *rJob.Port, *rJob.User);
  rJob.CheckEngine =
      std::make_unique<LinkEngine>(rJob.CheckState, rJob.ReadBack, rJob.Password, *rJob.Port, *rJob.User);
  rJob.Active = rJob.Engine.get();
  Job* job = &rJob;
  rJob.Port->BytesArrived = [job](std::span<const std::uint8_t> rBytes) { job->Active->OnBytesArrived(rBytes); };
  rJob.Port->TimerExpired = [job] { job->Active->OnTimerExpired(); };
  if (!mPlan.Write) {
    rJob.Shown.Step = FleetStep::Reading;
    Changed(rJob);
    if (!StartCodeplugRead(*rJob.Engine, rJob.State, rJob.Image, *rJob.User)) Finish(rJob, false, "");
    return;
  }
  if (mPlan.Identities == FleetIdentities::Register || mPlan.ReadSerial) {
    rJob.Shown.Step = FleetStep::Identifying;
    Changed(rJob);
    if (!StartEmbeddedRead(*rJob.Engine, rJob.Image)) Finish(rJob, false, "");
    return;
  }
  StartWrite(rJob);
}

void FleetEngine::StartWrite(Job& rJob) {
  rJob.Shown.Step = FleetStep::Writing;
  rJob.Shown.Percent = 0;
  rJob.User->Retries = 0;
  CollectingUi ui;
  if (!EncodeCodeplug(rJob.State, rJob.Image, ui)) return Finish(rJob, false, OneLine(ui.Told));
  std::string error;
  if (const auto path = SaveBackup(rJob.Image, BackupDirection::Write, rJob.State.ModelString, error))
    rJob.Shown.Backup = *path;
  else
    rJob.Messages.push_back("no backup kept: " + error);
  Changed(rJob);
  if (!StartCodeplugWrite(*rJob.Engine, rJob.State, rJob.Image, *rJob.User)) Finish(rJob, false, "");
}

void FleetEngine::Ended(Job& rJob, bool rSucceeded) {
  const RadioIdentity& identity = rJob.Active->Identity();
  if (!identity.Model.empty()) {
    rJob.Shown.Model = identity.Model;
    rJob.Shown.Version = identity.Version;
  }
  switch (rJob.Shown.Step) {
    case FleetStep::Identifying: {
      if (!rSucceeded) return Finish(rJob, false, "the serial number could not be read; not written");
      rJob.Shown.Serial = SerialOf(rJob.Engine->Embedded());
      rJob.Messages.clear();
      if (mPlan.Identities == FleetIdentities::Register) {
        const RegisterEntry* entry = mPlan.Register.Find(rJob.Shown.Serial);
        if (!entry)
          return Finish(rJob, false,
                        rJob.Shown.Serial.empty() ? "the radio has no serial number to look up in the register; not written"
                                                  : "serial number " + rJob.Shown.Serial +
                                                        " is not in the register; not written");
        rJob.Shown.Ids = entry->Ids;
        std::string error;
        if (!DeriveRadioCodeplug(rJob.State, entry->Ids, error)) return Finish(rJob, false, error + "; not written");
      }
      return StartWrite(rJob);
    }
    case FleetStep::Writing:
      if (!rSucceeded) return Finish(rJob, false, PartialWriteAdvice(rJob));
      if (!mPlan.Verify) return Finish(rJob, true, OwnTextOf(rJob.State, kWritten));
      rJob.Shown.Step = FleetStep::Verifying;
      rJob.Shown.Percent = 0;
      rJob.Active = rJob.CheckEngine.get();
      rJob.User->Retries = 0;
      if (!rJob.CheckEngine->OpenLink(LinkMode::ReadCodeplug))
        return Finish(rJob, false, VerifyReadFailedText(rJob.State));
      PreFillImage(rJob.ReadBack);
      rJob.CheckEngine->SendHandshake();
      Changed(rJob);
      return;
    case FleetStep::Verifying: {
      if (!rSucceeded) return Finish(rJob, false, VerifyReadFailedText(rJob.State));
      const VerifyResult result = CompareWrittenArea(rJob.Image, rJob.ReadBack);
      return Finish(rJob, result.Matches(), VerifyResultText(rJob.State, result));
    }
    case FleetStep::Reading: {
      if (!rSucceeded) return Finish(rJob, false, "");
      rJob.Shown.Serial = SerialOf(rJob.Engine->Embedded());
      std::string error;
      if (const auto path = SaveBackup(rJob.Image, BackupDirection::Read, rJob.Shown.Model, error))
        rJob.Shown.Backup = *path;
      if (!WriteCodeplugFiles(rJob.Shown.Output, rJob.State.SavedCodeplug, rJob.State.SavedChannels, error))
        return Finish(rJob, false, error);
      return Finish(rJob, true, rJob.Shown.Output);
    }
    case FleetStep::Waiting:
    case FleetStep::Done:
      return;
  }
}

// Only a write that got under way has changed the radio; the file it came from is what
// completes it.
std::string FleetEngine::PartialWriteAdvice(const Job& rJob) const {
  const int blocks = rJob.Engine->BlocksWritten();
  if (blocks <= 0) return "";
  std::string advice = "the radio may now hold a partly written codeplug (" + std::to_string(blocks) +
                       " blocks were written); writing " + mPlan.Source + " again completes it";
  if (!rJob.Shown.Backup.empty()) advice += " (the image sent is kept in " + rJob.Shown.Backup + ")";
  return advice;
}

void FleetEngine::CancelAll() {
  for (auto& job : mJobs) {
    if (job->Shown.Step == FleetStep::Done) continue;
    if (job->Active && job->Active->IsRunning())
      job->Active->CancelLink();
    else if (job->Shown.Step == FleetStep::Waiting)
      Finish(*job, false, "cancelled");
  }
}

void FleetEngine::Finish(Job& rJob, bool rSucceeded, const std::string& rDetail) {
  if (rJob.Shown.Step == FleetStep::Done) return;
  const FleetStep last = rJob.Shown.Step;
  rJob.Shown.Step = FleetStep::Done;
  rJob.Shown.Succeeded = rSucceeded;
  rJob.Shown.Detail = rDetail;
  if (!rSucceeded) {
    // What the transfer told, most telling first: the cause, then the outcome.
    std::string told;
    for (const std::string& m : rJob.Messages) told += (told.empty() ? "" : "; ") + OneLine(m);
    if (!told.empty()) rJob.Shown.Detail = rDetail.empty() ? told : rDetail + " (" + told + ")";
    rJob.Shown.Result = "failed: " + rJob.Shown.Detail;
  } else {
    rJob.Shown.Result = !mPlan.Write ? "read" : last == FleetStep::Verifying ? "verified" : "written";
  }
  if (!mPlan.LogPath.empty()) {
    DeliveryRecord record{DeliveryTimeNow(), rJob.Shown.Device, rJob.Shown.Model, rJob.Shown.Version,
                          rJob.Shown.Serial, rJob.Shown.Ids.Dtmf.value_or(""), rJob.Shown.Ids.FiveTone.value_or(""),
                          rJob.Shown.Result, rJob.Shown.Backup};
    if (mPlan.Identities == FleetIdentities::Kept) {
      // Kept identities: the log names the ones the file gave the radio, or the radio held.
      record.DtmfId = OwnIdShown(rJob.State.Current.Settings.Dtmf.SelfId);
      record.FiveToneId = rJob.State.Current.Settings.FiveTone.PageText.Display();
    }
    std::string error;
    if (!AppendDeliveryLog(mPlan.LogPath, {record}, error) && mLogError.empty()) mLogError = error;
  }
  Changed(rJob);
  if (Finished()) mObserver.FleetFinished();
}

void FleetEngine::Changed(const Job& rJob) { mObserver.RadioChanged(rJob.Index); }

}  // namespace px
