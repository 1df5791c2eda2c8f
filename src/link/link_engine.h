#pragma once
// The programming protocol as a state machine. It is driven by three inputs only:
// received bytes, the expiry of the reply timer, and the answers of the user; it never
// waits. Each transfer ends through EndLink, which closes the port and applies the
// outcome to the AppState.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "link/embedded_info.h"
#include "link/link_interfaces.h"
#include "link/link_packets.h"

namespace px {

enum class LinkMode : int { Idle = 0, ReadCodeplug = 1, WriteCodeplug = 2, ReadEmbedded = 3 };

enum class LinkState : std::int16_t {
  Idle = 0,
  Handshake = 1,
  Identify = 2,
  Password = 3,
  Blocks = 4,
  RestartEnd = 45,  // closing packet sent before the transfer starts again
  FinalEnd = 69,    // closing packet sent at the end
};

constexpr int kWaitTimerMilliseconds = 300;
constexpr std::int16_t kStepRetries = 3;
// Resend replies to one write block, without an acknowledgement, that count as one
// time-out of that block; a radio that asks again forever cannot hold a transfer.
constexpr int kResendsPerTimeout = 10;

class LinkEngine {
 public:
  // rEnteredPassword is the password the user gave in this run; the engine may update
  // it when it asks.
  LinkEngine(AppState& rState, RadioImage& rImage, std::string& rEnteredPassword,
             LinkPort& rPort, LinkUser& rUser);

  // Sets the mode and its address range and opens the port. On failure the user has
  // been told (text 2002 and the reason) and the engine is idle again.
  bool OpenLink(LinkMode rMode);
  // The user declined the confirmation: close the port, back to idle.
  void AbandonLink();
  // The start of the transfer proper.
  void SendHandshake();

  // Inputs.
  void OnBytesArrived(std::span<const std::uint8_t> rBuffer);
  void OnTimerExpired();
  // The user asked to stop. It takes effect at the next reply or time-out: a radio that
  // has answered gets the closing packet first, and the transfer ends as cancelled
  // (a read decodes nothing). Once the last block is through, the transfer completes.
  void CancelLink();
  bool CancelRequested() const { return mCancelRequested; }

  LinkMode Mode() const { return mMode; }
  LinkState State() const { return mState; }
  bool IsRunning() const { return mState != LinkState::Idle; }
  const RadioIdentity& Identity() const { return mIdentity; }
  // The embedded information of the last successful read of either kind.
  const EmbeddedInfo& Embedded() const { return mEmbedded; }
  // Outcome of the last transfer that ended.
  bool LastSucceeded() const { return mLastSucceeded; }
  // Write blocks the radio acknowledged in the last write: above 0, a failed write has
  // changed the radio.
  int BlocksWritten() const { return mBlocksWritten; }
  // Why the last transfer failed, when that was not told before its failure message.
  LinkFailure LastFailure() const { return mLastFailure; }

 private:
  void AdvanceLink();
  void RequestPasswordBlock();
  void RequestNextBlock();
  void RequestBlockAgain();
  void SendNextWriteBlock();
  void SendWriteBlockAgain();
  void SendIdentify();
  void SendEnd();
  void UpdateProgress();
  void ResetRetries();
  void GiveUp();
  // The no-answer text (with the block reached), or the stalled-line one.
  std::string SilenceText() const;
  void EndLink(bool rSucceeded, LinkFailure rWhy = LinkFailure::Told);
  // With a cancel pending: close a session the radio is in, or end at once.
  void CloseForCancel();

  void SendPacket(const Packet& rPacket, std::size_t rReplyLength);
  void HandleIdentification(std::span<const std::uint8_t> rBuffer);
  void HandlePasswordBlock(std::span<const std::uint8_t> rBuffer);
  void HandleResend();
  void HandleBlockTimeout();
  std::size_t BlockIndex() const;
  int BlockSize() const;
  bool ProgressShown() const;

  AppState& mApp;
  RadioImage& mImage;
  std::string& mEnteredPassword;
  LinkPort& mPort;
  LinkUser& mUser;

  LinkMode mMode = LinkMode::Idle;
  LinkState mState = LinkState::Idle;
  std::size_t mEchoLength = 0;
  int mCurrentAddress = 0;
  int mStartAddress = 0;
  int mEndAddress = 0;
  int mReadBlockSize = 16;
  int mWriteBlockSize = 16;
  std::int16_t mHandshakeRetries = kStepRetries;
  std::int16_t mIdentifyRetries = kStepRetries;
  std::int16_t mPasswordRetries = kStepRetries;
  std::vector<std::int16_t> mBlockRetries;
  int mResends = 0;
  int mBlocksWritten = 0;
  std::int16_t mLastPercent = 0;
  bool mProgressOpen = false;
  bool mPasswordAsked = false;
  bool mLastSucceeded = false;
  bool mSendStalled = false;  // at the last time-out, the packet had not left the port
  // The radio has answered in this transfer: bytes did leave the port, so a later
  // silence is the radio's, whatever the port still holds.
  bool mAnswered = false;
  int mStoppedAt = -1;  // the block the radio stopped answering at; -1 before the blocks
  bool mCancelRequested = false;
  LinkFailure mLastFailure = LinkFailure::Told;
  RadioIdentity mIdentity;
  EmbeddedInfo mEmbedded;
};

// round(rDone × 100 ÷ rTotal), halves to even.
int ProgressPercent(int rDone, int rTotal);

}  // namespace px
