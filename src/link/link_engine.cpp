#include "link/link_engine.h"

#include <cstdio>

#include "app/language.h"
#include "link/transfer.h"

namespace px {

namespace {

constexpr int kLastBlockAddress = 0x3FF0;
constexpr OwnText kStoppedAtBlock{"It stopped answering at block {block}.", "电台在数据块 {block} 处停止应答。"};

}  // namespace

int ProgressPercent(int rDone, int rTotal) {
  if (rTotal <= 0) return 0;
  const long n = static_cast<long>(rDone) * 100;
  long q = n / rTotal;
  const long twiceRest = 2 * (n % rTotal);
  if (twiceRest > rTotal || (twiceRest == rTotal && q % 2 != 0)) ++q;
  return static_cast<int>(q);
}

LinkEngine::LinkEngine(AppState& rState, RadioImage& rImage, std::string& rEnteredPassword,
                       LinkPort& rPort, LinkUser& rUser)
    : mApp(rState), mImage(rImage), mEnteredPassword(rEnteredPassword), mPort(rPort),
      mUser(rUser) {}

bool LinkEngine::OpenLink(LinkMode rMode) {
  mMode = rMode;
  mState = LinkState::Idle;
  switch (rMode) {
    case LinkMode::ReadCodeplug:
      mStartAddress = 0x0010;
      mEndAddress = kLastBlockAddress;
      break;
    case LinkMode::WriteCodeplug:
      mStartAddress = 0x0100;
      mEndAddress = kLastBlockAddress;
      break;
    case LinkMode::ReadEmbedded:
      mStartAddress = 0x0010;
      mEndAddress = 0x00FF;
      break;
    case LinkMode::Idle:
      return false;
  }
  mCurrentAddress = mStartAddress - BlockSize();
  mPasswordAsked = false;
  mProgressOpen = false;
  mBlocksWritten = 0;
  mAnswered = false;
  mStoppedAt = -1;
  mCancelRequested = false;
  mLastFailure = LinkFailure::Told;
  ResetRetries();
  if (mPort.IsOpen()) mPort.Close();
  std::string reason;
  if (!mPort.Open(reason)) {
    mUser.Tell(PortOpenFailureText(mApp, reason), MsgIcon::Critical);
    mMode = LinkMode::Idle;
    return false;
  }
  return true;
}

void LinkEngine::AbandonLink() {
  mPort.StopTimer();
  if (mPort.IsOpen()) mPort.Close();
  mState = LinkState::Idle;
  mMode = LinkMode::Idle;
}

void LinkEngine::ResetRetries() {
  mHandshakeRetries = kStepRetries;
  mIdentifyRetries = kStepRetries;
  mPasswordRetries = kStepRetries;
  mResends = 0;
  // Embedded-information reads get counters too, so that a lost block there is
  // repeated and ends the transfer after three tries like every other step.
  const int blocks = (mEndAddress - mStartAddress) / BlockSize() + 1;
  mBlockRetries.assign(static_cast<std::size_t>(blocks > 0 ? blocks : 0), kStepRetries);
}

int LinkEngine::BlockSize() const {
  return mMode == LinkMode::WriteCodeplug ? mWriteBlockSize : mReadBlockSize;
}

std::size_t LinkEngine::BlockIndex() const {
  return static_cast<std::size_t>((mCurrentAddress - mStartAddress) / BlockSize());
}

bool LinkEngine::ProgressShown() const {
  return mProgressOpen &&
         (mMode == LinkMode::ReadCodeplug || mMode == LinkMode::WriteCodeplug);
}

void LinkEngine::SendPacket(const Packet& rPacket, std::size_t rReplyLength) {
  mPort.Flush();
  mPort.SetReceiveThreshold(rPacket.size() + rReplyLength);
  mEchoLength = rPacket.size();
  mPort.StartTimer(kWaitTimerMilliseconds);
  mPort.Send(rPacket);
}

void LinkEngine::SendHandshake() {
  if (!mPort.IsOpen()) {
    std::string reason;
    if (!mPort.Open(reason)) {
      mUser.Tell(PortOpenFailureText(mApp, reason), MsgIcon::Critical);
      EndLink(false);
      return;
    }
  }
  if (mState == LinkState::Idle && !mProgressOpen &&
      (mMode == LinkMode::ReadCodeplug || mMode == LinkMode::WriteCodeplug)) {
    const bool reading = mMode == LinkMode::ReadCodeplug;
    mUser.OpenProgress(LinkTextOf(mApp, reading ? LinkText::ProgressReadCaption
                                                : LinkText::ProgressWriteCaption),
                       LinkTextOf(mApp, LinkText::ProgressLabel));
    mProgressOpen = true;
  }
  mLastPercent = 0;
  mState = LinkState::Handshake;
  SendPacket(HandshakePacket(), kHandshakeReplyLength);
}

void LinkEngine::SendIdentify() { SendPacket(IdentifyPacket(), kIdentificationReplyLength); }

void LinkEngine::RequestPasswordBlock() {
  SendPacket(ReadRequestPacket(kPasswordBlockAddress, mReadBlockSize),
             DataBlockLength(static_cast<std::size_t>(mReadBlockSize)));
}

void LinkEngine::SendEnd() { SendPacket(EndPacket(), kAckReplyLength); }

void LinkEngine::RequestNextBlock() {
  mCurrentAddress += mReadBlockSize;
  if (mCurrentAddress > mEndAddress) {
    mState = LinkState::FinalEnd;
    SendEnd();
    return;
  }
  if (mMode != LinkMode::ReadEmbedded) UpdateProgress();
  SendPacket(ReadRequestPacket(mCurrentAddress, mReadBlockSize),
             DataBlockLength(static_cast<std::size_t>(mReadBlockSize)));
}

void LinkEngine::RequestBlockAgain() {
  if (mCurrentAddress <= kLastBlockAddress) {
    SendPacket(ReadRequestPacket(mCurrentAddress, mReadBlockSize),
               DataBlockLength(static_cast<std::size_t>(mReadBlockSize)));
  } else {
    mState = LinkState::FinalEnd;
    SendEnd();
  }
}

void LinkEngine::SendNextWriteBlock() {
  mCurrentAddress += mWriteBlockSize;
  mResends = 0;
  UpdateProgress();
  SendWriteBlockAgain();
}

void LinkEngine::SendWriteBlockAgain() {
  if (mCurrentAddress > kLastBlockAddress) {
    mState = LinkState::FinalEnd;
    SendEnd();
    return;
  }
  SendPacket(WriteBlockPacket(mImage, mCurrentAddress, mWriteBlockSize), kAckReplyLength);
}

void LinkEngine::UpdateProgress() {
  const int percent = ProgressPercent(mCurrentAddress - mStartAddress,
                                      mEndAddress - mStartAddress + 16);
  if (percent >= mLastPercent + 1) {
    mLastPercent = static_cast<std::int16_t>(percent);
    if (ProgressShown()) mUser.ShowProgress(percent);
  }
}

void LinkEngine::AdvanceLink() {
  mPort.StopTimer();
  switch (mState) {
    case LinkState::Handshake:
      mState = LinkState::Identify;
      if (ProgressShown()) mUser.ShowProgress(0);
      SendIdentify();
      break;
    case LinkState::Identify:
      mState = LinkState::Password;
      RequestPasswordBlock();
      break;
    case LinkState::Password:
    case LinkState::Blocks:
      mState = LinkState::Blocks;
      if (mMode == LinkMode::WriteCodeplug) {
        SendNextWriteBlock();
      } else {
        RequestNextBlock();
      }
      break;
    case LinkState::RestartEnd:
      SendHandshake();
      break;
    case LinkState::FinalEnd:
      if (mCancelRequested) {
        EndLink(false, LinkFailure::Cancelled);
      } else {
        EndLink(true);
      }
      break;
    case LinkState::Idle:
      break;
  }
}

void LinkEngine::CancelLink() {
  if (mState == LinkState::Idle) return;
  // The closing packet of a complete transfer is already out: nothing is left to stop.
  if (mState == LinkState::FinalEnd && !mCancelRequested) return;
  mCancelRequested = true;
}

void LinkEngine::CloseForCancel() {
  mPort.StopTimer();
  switch (mState) {
    case LinkState::Identify:
    case LinkState::Password:
    case LinkState::Blocks:
      // The radio has answered, so it is in programming mode: leave it with "END".
      mState = LinkState::FinalEnd;
      SendEnd();
      break;
    case LinkState::FinalEnd:
      EndLink(false, LinkFailure::Cancelled);
      break;
    default:
      // No session (the handshake is unanswered, or a restart's "END" went through).
      EndLink(false, LinkFailure::Cancelled);
      break;
  }
}

void LinkEngine::OnBytesArrived(std::span<const std::uint8_t> rBuffer) {
  if (mState == LinkState::Idle) return;
  if (!rBuffer.empty()) mAnswered = true;
  const auto kind = ClassifyReply(rBuffer, mEchoLength, static_cast<int>(mState),
                                  mCurrentAddress, mReadBlockSize);
  if (mCancelRequested && kind != ReplyKind::Ignored && mState != LinkState::FinalEnd) {
    // A handshake answered means a session is open now: close it like the others.
    if (mState == LinkState::Handshake) mState = LinkState::Identify;
    CloseForCancel();
    return;
  }
  switch (kind) {
    case ReplyKind::Acknowledge:
      if (mState == LinkState::Blocks && mMode == LinkMode::WriteCodeplug) ++mBlocksWritten;
      AdvanceLink();
      break;
    case ReplyKind::Handshake:
      AdvanceLink();
      break;
    case ReplyKind::Resend:
      HandleResend();
      break;
    case ReplyKind::Identification:
      HandleIdentification(rBuffer);
      break;
    case ReplyKind::PasswordBlock:
      HandlePasswordBlock(rBuffer);
      break;
    case ReplyKind::DataBlock: {
      // Only a block that was asked for is ever copied into the image.
      if (mState != LinkState::Blocks || mMode == LinkMode::WriteCodeplug) break;
      const auto data = BlockData(rBuffer, mEchoLength);
      for (std::size_t i = 0; i < data.size(); ++i)
        mImage[static_cast<std::size_t>(mCurrentAddress) + i] = data[i];
      AdvanceLink();
      break;
    }
    case ReplyKind::Ignored:
      break;
  }
}

void LinkEngine::HandleResend() {
  // A resend reply only means something while a write block is in flight; anywhere
  // else it would put a write block on the line during a read or past the image.
  if (mMode != LinkMode::WriteCodeplug || mState != LinkState::Blocks) return;
  mPort.StopTimer();
  if (++mResends >= kResendsPerTimeout) {
    mResends = 0;
    HandleBlockTimeout();
    return;
  }
  SendWriteBlockAgain();
}

void LinkEngine::HandleIdentification(std::span<const std::uint8_t> rBuffer) {
  mIdentity = ParseIdentification(rBuffer.subspan(mEchoLength));
  TakeRadioOptionFlag(mApp.Features, mIdentity);
  mPort.StopTimer();
  const auto refusal = CheckIdentification(mIdentity, mMode == LinkMode::WriteCodeplug);
  if (refusal) {
    mUser.Tell(LinkTextOf(mApp, *refusal), MsgIcon::Warning);
    EndLink(false);
    return;
  }
  AdvanceLink();
}

void LinkEngine::HandlePasswordBlock(std::span<const std::uint8_t> rBuffer) {
  const auto data = BlockData(rBuffer, mEchoLength);
  if (PasswordMatches(data, mEnteredPassword)) {
    AdvanceLink();
    return;
  }
  mPort.StopTimer();
  if (mPasswordAsked) {
    EndLink(false, LinkFailure::PasswordWrong);
    return;
  }
  mPasswordAsked = true;
  const auto entry = mUser.AskPassword(mEnteredPassword);
  if (!entry) {
    EndLink(false, LinkFailure::PasswordNotGiven);
    return;
  }
  mEnteredPassword = CleanPasswordEntry(*entry);
  if (!PasswordMatches(data, mEnteredPassword)) {
    EndLink(false, LinkFailure::PasswordWrong);
    return;
  }
  ResetRetries();
  mState = LinkState::RestartEnd;
  SendEnd();
}

void LinkEngine::OnTimerExpired() {
  mPort.StopTimer();
  if (mCancelRequested) {
    CloseForCancel();
    return;
  }
  mSendStalled = !mAnswered && mPort.SendStalled();
  switch (mState) {
    case LinkState::Handshake:
      if (--mHandshakeRetries > 0) {
        SendHandshake();
      } else {
        GiveUp();
      }
      break;
    case LinkState::Identify:
      if (--mIdentifyRetries > 0) {
        SendIdentify();
      } else {
        GiveUp();
      }
      break;
    case LinkState::Password:
      if (--mPasswordRetries > 0) {
        RequestPasswordBlock();
      } else {
        GiveUp();
      }
      break;
    case LinkState::Blocks:
      HandleBlockTimeout();
      break;
    case LinkState::RestartEnd:
      if (mUser.Ask(SilenceText(), MsgButtons::RetryCancel, MsgIcon::Warning) == MsgAnswer::Retry) {
        SendEnd();
      } else {
        EndLink(false);
      }
      break;
    case LinkState::FinalEnd:
      // A lost answer to the closing packet does not spoil a finished transfer.
      EndLink(true);
      break;
    case LinkState::Idle:
      break;
  }
}

void LinkEngine::HandleBlockTimeout() {
  const std::size_t index = BlockIndex();
  if (index < mBlockRetries.size() && --mBlockRetries[index] > 0) {
    if (mMode == LinkMode::WriteCodeplug) {
      SendWriteBlockAgain();
    } else {
      RequestBlockAgain();
    }
    return;
  }
  GiveUp();
}

void LinkEngine::GiveUp() {
  if (mState == LinkState::Blocks) mStoppedAt = mCurrentAddress;
  if (mMode == LinkMode::ReadEmbedded) {
    if (mSendStalled) {
      mUser.Tell(SilenceText(), MsgIcon::Warning);
      EndLink(false);
      return;
    }
    // No question in this mode, so the failure message says it.
    EndLink(false, LinkFailure::NoAnswer);
    return;
  }
  if (mUser.Ask(SilenceText(), MsgButtons::RetryCancel, MsgIcon::Warning) != MsgAnswer::Retry) {
    EndLink(false);
    return;
  }
  ResetRetries();
  // The restart goes through the password block again, whose advance then asks for
  // the block that failed.
  if (mState == LinkState::Blocks) mCurrentAddress -= BlockSize();
  mState = LinkState::RestartEnd;
  SendEnd();
}

std::string LinkEngine::SilenceText() const {
  // Bytes that never left the port are not the radio's silence: say what holds them.
  if (mSendStalled) return LinkTextOf(mApp, LinkText::SendStalled);
  std::string text = LinkTextOf(mApp, LinkText::NoAnswer);
  if (mStoppedAt < 0) return text;
  std::string stopped = OwnTextOf(mApp, kStoppedAtBlock);
  char block[8];
  std::snprintf(block, sizeof block, "0x%04X", static_cast<unsigned>(mStoppedAt) & 0xFFFFu);
  stopped.replace(stopped.find("{block}"), 7, block);
  return text + "\r\n" + stopped;
}

void LinkEngine::EndLink(bool rSucceeded, LinkFailure rWhy) {
  const LinkMode mode = mMode;
  if (mProgressOpen) {
    mUser.CloseProgress();
    mProgressOpen = false;
  }
  mPort.StopTimer();
  if (mPort.IsOpen()) mPort.Close();
  mState = LinkState::Idle;
  mLastSucceeded = rSucceeded;
  mLastFailure = rSucceeded ? LinkFailure::Told : rWhy;
  ApplyTransferOutcome(mApp, mImage, mode, rSucceeded, mIdentity, mEmbedded, mUser, mLastFailure);
  mMode = LinkMode::Idle;
  mUser.TransferEnded(static_cast<int>(mode), rSucceeded);
}

}  // namespace px
