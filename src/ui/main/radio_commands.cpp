#include "ui/main/radio_commands.h"

#include <QApplication>
#include <QDate>
#include <QEventLoop>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <memory>

#include "app/reason_text.h"
#include "edit/file_commands.h"
#include "link/link_engine.h"
#include "link/radio_image.h"
#include "link/transfer.h"
#include "link/write_verify.h"
#include "platform/backups.h"
#include "platform/port_discovery.h"
#include "platform/serial_port.h"
#include "platform/startup_embedded.h"
#include "ui/kit/apply_language.h"
#include "ui/main/frm_about.h"
#include "ui/main/frm_com_set.h"
#include "ui/main/frm_model.h"
#include "ui/main/frm_pass_word.h"
#include "ui/main/frm_progress.h"
#include "ui/kit/message_service.h"
#include "ui/settings/frm_emg.h"

namespace px {

namespace {

// Keeps a RadioContext alive as long as the window it hangs on.
class RadioContextHolder : public QObject {
 public:
  explicit RadioContextHolder(QObject* rParent) : QObject(rParent) {
    setObjectName("pxRadioContext");
  }
  RadioContext Context;
};

// The person at the desktop, as a transfer needs them: message boxes through the one
// message service, the password dialog, the modal progress dialog.
class DesktopLinkUser : public LinkUser {
 public:
  DesktopLinkUser(AppState& rState, RadioContext& rRadio, QWidget* rParent, LinkMode rMode)
      : mState(rState), mRadio(rRadio), mParent(rParent), mMode(rMode), mBoxes(rParent) {}
  ~DesktopLinkUser() override { CloseProgress(); }

  MsgAnswer Ask(const std::string& rText, MsgButtons rButtons, MsgIcon rIcon) override {
    // A write that is verified tells its outcome once, after the read-back.
    if (mQuietOutcome && rButtons == MsgButtons::Ok && IsOutcomeText(rText)) return MsgAnswer::Ok;
    if (mMode == LinkMode::ReadCodeplug && mRadio.ShowReadCodeplug &&
        rText == LinkTextOf(mState, LinkText::ReadDone))
      mRadio.ShowReadCodeplug();
    if (rButtons == MsgButtons::Ok) mRadio.LastMessage = rText;
    // The port's and the files' reasons come from code that knows no language.
    return mBoxes.Ask(LocalReason(mState, rText), rButtons, rIcon);
  }
  void SetQuietOutcome(bool rQuiet) { mQuietOutcome = rQuiet; }
  std::optional<std::string> ChooseFileToOpen(const std::string& rFilter,
                                              const std::string& rProposed) override {
    return mBoxes.ChooseFileToOpen(rFilter, rProposed);
  }
  std::optional<std::string> ChooseFileToSave(const std::string& rFilter,
                                              const std::string& rProposed) override {
    return mBoxes.ChooseFileToSave(rFilter, rProposed);
  }

  std::optional<std::string> AskPassword(const std::string& rCurrent) override {
    return AskPasswordWithDialog(mState, rCurrent, ProgressOrParent());
  }

  void OpenProgress(const std::string& rCaption, const std::string& rLabel) override {
    // The image is encoded by now and nothing is sent yet: keep it before the radio
    // is overwritten.
    if (mMode == LinkMode::WriteCodeplug) KeepBackup(BackupDirection::Write, mState.ModelString);
    CloseProgress();
    mProgress = new FrmProgress(ToQ(rCaption), ToQ(rLabel), mParent);
    ApplyLanguage(mProgress, mState);
    mProgress->setWindowModality(Qt::ApplicationModal);
    mProgress->SetProgressValue(0);
    mProgress->SetCancelText(ToQ(LinkTextOf(mState, LinkText::CancelButton)));
    QObject::connect(mProgress.data(), &FrmProgress::CancelRequested, mProgress.data(),
                     [this] { OnCancelPressed(); });
    mProgress->show();
  }
  void ShowProgress(int rPercent) override {
    if (mProgress) mProgress->SetProgressValue(rPercent);
  }
  void CloseProgress() override {
    if (!mProgress) return;
    mProgress->Finish();
    delete mProgress.data();
    mProgress = nullptr;
  }

  // Set once the engine exists: asks it to stop.
  std::function<void()> CancelTransfer;
  std::function<bool()> TransferRunning;

  void OnCancelPressed() {
    if (!CancelTransfer) return;
    // A write stopped halfway leaves the radio half written: ask first. The transfer
    // keeps going while the question is open, and may end meanwhile.
    if (mMode == LinkMode::WriteCodeplug &&
        mBoxes.Ask(LinkTextOf(mState, LinkText::ConfirmCancelWrite), MsgButtons::YesNo,
                   MsgIcon::Warning) != MsgAnswer::Yes)
      return;
    if (TransferRunning && !TransferRunning()) return;
    CancelTransfer();
    if (mProgress) mProgress->DisableCancel();
  }

  void TransferEnded(int, bool) override {
    mEnded = true;
    if (mLoop) mLoop->quit();
  }

  // Runs the event loop until the transfer has ended. Without a progress dialog to
  // block the windows, user input waits meanwhile (the message boxes still answer).
  void WaitForEnd() {
    if (mEnded) return;
    QEventLoop loop;
    mLoop = &loop;
    loop.exec(mMode == LinkMode::ReadEmbedded ? QEventLoop::ExcludeUserInputEvents
                                              : QEventLoop::AllEvents);
    mLoop = nullptr;
  }

  void KeepBackup(BackupDirection rDirection, const std::string& rModel) {
    std::string error;
    if (!SaveBackup(mRadio.Image, rDirection, rModel, error)) mRadio.Trace.Note("no backup kept: " + error);
  }

 private:
  QWidget* ProgressOrParent() const { return mProgress ? mProgress.data() : mParent; }

  AppState& mState;
  RadioContext& mRadio;
  QWidget* mParent;
  LinkMode mMode;
  MessageService mBoxes;
  QPointer<FrmProgress> mProgress;
  QEventLoop* mLoop = nullptr;
  bool mEnded = false;
  bool mQuietOutcome = false;

  bool IsOutcomeText(const std::string& rText) const {
    for (LinkText t : {LinkText::WriteDone, LinkText::WriteFailed, LinkText::ReadDone, LinkText::ReadFailed})
      if (rText == LinkTextOf(mState, t)) return true;
    return false;
  }
};

struct TransferResult {
  bool Started = false;
  bool Succeeded = false;
  RadioIdentity Identity;
  EmbeddedInfo Embedded;
};

// One transfer from the first question to the outcome. rStart begins it through the core
// flow and says whether it is running.
template <class StartFn>
TransferResult RunTransfer(AppState& rState, RadioContext& rRadio, QWidget* rParent,
                           LinkMode rMode, StartFn rStart, bool rQuietOutcome = false) {
  TransferResult result;
  if (rRadio.Busy) return result;
  rRadio.Busy = true;
  if (!rRadio.TracePath.empty() && !rRadio.Trace.IsOpen() && !rRadio.Trace.Open(rRadio.TracePath))
    MessageService::TellUser(rParent, "The trace file cannot be written: " + rRadio.TracePath,
                             MsgIcon::Warning);
  DesktopLinkUser user(rState, rRadio, rParent, rMode);
  user.SetQuietOutcome(rQuietOutcome);
  SerialLinkPort port(TransferDevice(rState, rRadio), rRadio.Trace.IsOpen() ? &rRadio.Trace : nullptr);
  port.SetFlowControl(rState.Setup.Flow);
  LinkEngine engine(rState, rRadio.Image, rRadio.EnteredPassword, port, user);
  port.BytesArrived = [&engine](std::span<const std::uint8_t> rBytes) { engine.OnBytesArrived(rBytes); };
  port.TimerExpired = [&engine] { engine.OnTimerExpired(); };
  user.CancelTransfer = [&engine] { engine.CancelLink(); };
  user.TransferRunning = [&engine] { return engine.IsRunning(); };

  rRadio.LastMessage.clear();
  result.Started = rStart(engine, user);
  if (result.Started && engine.IsRunning()) user.WaitForEnd();
  user.CloseProgress();
  result.Succeeded = result.Started && engine.LastSucceeded();
  result.Identity = engine.Identity();
  result.Embedded = engine.Embedded();
  if (result.Succeeded && rMode == LinkMode::ReadCodeplug)
    user.KeepBackup(BackupDirection::Read, result.Identity.Model);
  rRadio.LastStarted = result.Started || !rRadio.LastMessage.empty();
  rRadio.LastSucceeded = result.Succeeded;
  rRadio.Busy = false;
  return result;
}

// The read-back after a write: the written area compared with what was sent. The
// write's own outcome was held back, so the user hears one verdict.
// The status bar reports the verdict, not the read-back's own outcome.
void TellVerdict(RadioContext& rRadio, QWidget* rParent, const std::string& rText, bool rSucceeded) {
  rRadio.LastStarted = true;
  rRadio.LastSucceeded = rSucceeded;
  rRadio.LastMessage = rText;
  MessageService::TellUser(rParent, rText, rSucceeded ? MsgIcon::Information : MsgIcon::Critical);
}

void VerifyWrite(AppState& rState, RadioContext& rRadio, QWidget* rParent, bool rWritten) {
  if (!rWritten) return TellVerdict(rRadio, rParent, LinkTextOf(rState, LinkText::WriteFailed), false);
  const RadioImage sent = rRadio.Image;
  AppState scratch = rState;  // what the read-back decodes into; thrown away
  const auto readBack = RunTransfer(scratch, rRadio, rParent, LinkMode::ReadCodeplug,
                                    [&](LinkEngine& rEngine, DesktopLinkUser&) {
                                      if (!rEngine.OpenLink(LinkMode::ReadCodeplug)) return false;
                                      PreFillImage(rRadio.Image);
                                      rEngine.SendHandshake();
                                      return true;
                                    }, true);
  const RadioImage read = rRadio.Image;
  rRadio.Image = sent;
  if (!readBack.Succeeded)
    return TellVerdict(rRadio, rParent, LinkTextOf(rState, LinkText::WriteDone) + "\r\n" + VerifyReadFailedText(rState),
                       false);
  const VerifyResult result = CompareWrittenArea(sent, read);
  TellVerdict(rRadio, rParent,
              LinkTextOf(rState, result.Matches() ? LinkText::WriteDone : LinkText::WriteFailed) + "\r\n" +
                  VerifyResultText(rState, result),
              result.Matches());
}

}  // namespace

RadioContext::RadioContext() : Embedded(StartupEmbeddedInfo(QDate::currentDate())) {}

RadioContext& RadioContextOf(QWidget* rParent) {
  QObject* owner = rParent ? static_cast<QObject*>(rParent->window()) : QCoreApplication::instance();
  auto* holder = owner->findChild<RadioContextHolder*>(QStringLiteral("pxRadioContext"),
                                                       Qt::FindDirectChildrenOnly);
  if (!holder) holder = new RadioContextHolder(owner);
  return holder->Context;
}

std::string TransferDevice(const AppState& rState, const RadioContext& rRadio) {
  if (!rRadio.PortPath.empty()) {
    if (rRadio.PortPath.rfind("COM", 0) != 0) return rRadio.PortPath;
    const auto number = PortNumberOfEntry(rRadio.PortPath);
    return number ? DeviceOfPort(*number).value_or("") : "";
  }
  if (!rState.Setup.PortPath.empty()) return rState.Setup.PortPath;
  return DeviceOfPort(rState.Setup.ComPort).value_or("");
}

bool RunReadCommand(AppState& rState, RadioContext& rRadio, QWidget* rParent) {
  const std::string pathBefore = rState.FilePath;
  const bool untitledBefore = rState.Untitled;
  const bool modifiedBefore = IsModified(rState);
  const auto result = RunTransfer(rState, rRadio, rParent, LinkMode::ReadCodeplug,
                                  [&](LinkEngine& rEngine, DesktopLinkUser& rUser) {
                                    return StartCodeplugRead(rEngine, rState, rRadio.Image, rUser);
                                  });
  if (result.Succeeded) rRadio.Embedded = result.Embedded;
  // The save question before the read may have saved and renamed the file, too.
  return result.Succeeded || rState.FilePath != pathBefore || rState.Untitled != untitledBefore ||
         (modifiedBefore && !IsModified(rState));
}

bool RunWriteCommand(AppState& rState, RadioContext& rRadio, QWidget* rParent) {
  const bool verify = rRadio.VerifyAfterWrite;
  const auto result = RunTransfer(rState, rRadio, rParent, LinkMode::WriteCodeplug,
                                  [&](LinkEngine& rEngine, DesktopLinkUser& rUser) {
                                    return StartCodeplugWrite(rEngine, rState, rRadio.Image, rUser);
                                  }, verify);
  if (verify && result.Started) VerifyWrite(rState, rRadio, rParent, result.Succeeded);
  // The encoder corrects some DTMF values in place.
  return result.Started;
}

void RunEmbeddedInfoCommand(AppState& rState, RadioContext& rRadio, QWidget* rParent) {
  const auto result = RunTransfer(rState, rRadio, rParent, LinkMode::ReadEmbedded,
                                  [&](LinkEngine& rEngine, DesktopLinkUser&) {
                                    return StartEmbeddedRead(rEngine, rRadio.Image);
                                  });
  if (!result.Succeeded) return;
  rRadio.Embedded = result.Embedded;
  FrmEMG dialog(rState, rRadio.Embedded, rParent);
  dialog.exec();
}

bool RunReadCommand(AppState& rState, QWidget* rParent) {
  return RunReadCommand(rState, RadioContextOf(rParent), rParent);
}
bool RunWriteCommand(AppState& rState, QWidget* rParent) {
  return RunWriteCommand(rState, RadioContextOf(rParent), rParent);
}
void RunEmbeddedInfoCommand(AppState& rState, QWidget* rParent) {
  RunEmbeddedInfoCommand(rState, RadioContextOf(rParent), rParent);
}

bool OpenModelDialog(AppState& rState, QWidget* rParent) {
  FrmModel dialog(rState, rParent);
  dialog.exec();
  return dialog.Accepted();
}

bool OpenComSetDialog(AppState& rState, RadioContext& rRadio, QWidget* rParent) {
  PresentPortsSource ports = rRadio.PresentPorts ? rRadio.PresentPorts : PresentPortsSource(DiscoverSerialPorts);
  FrmComSet dialog(rState, rRadio.PortMode, ports, rParent);
  if (dialog.exec() != QDialog::Accepted) return false;
  // A port chosen here is the user's latest word and replaces the command line's.
  if (dialog.Choice()) rRadio.PortPath.clear();
  return true;
}
bool OpenComSetDialog(AppState& rState, QWidget* rParent) {
  return OpenComSetDialog(rState, RadioContextOf(rParent), rParent);
}

void OpenPasswordDialog(AppState& rState, RadioContext& rRadio, QWidget* rParent) {
  if (const auto entry = AskPasswordWithDialog(rState, rRadio.EnteredPassword, rParent))
    rRadio.EnteredPassword = *entry;
}
void OpenPasswordDialog(AppState& rState, QWidget* rParent) {
  OpenPasswordDialog(rState, RadioContextOf(rParent), rParent);
}

void OpenAboutDialog(AppState& rState, QWidget* rParent) {
  frmAbout dialog(rState, rParent);
  dialog.exec();
}

}  // namespace px
