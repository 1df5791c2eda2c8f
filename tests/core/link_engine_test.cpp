// The link engine against a scripted port and a manual clock: the timer only "expires"
// when a test says so.

#include <gtest/gtest.h>

#include <cstdio>

#include <algorithm>
#include <deque>
#include <functional>
#include <optional>

#include "edit/codeplug_ops.h"
#include "edit/file_commands.h"
#include "link/codec.h"
#include "link/link_engine.h"
#include "link/radio_responder.h"
#include "link/transfer.h"

namespace px {
namespace {

class ScriptedPort : public LinkPort {
 public:
  bool FailOpen = false;
  int Opens = 0;
  int Closes = 0;
  bool Opened = false;
  bool TimerRunning = false;
  std::size_t Threshold = 0;
  std::vector<Packet> Sent;

  bool Open(std::string& rReason) override {
    ++Opens;
    if (FailOpen) {
      rReason = "no such device";
      return false;
    }
    Opened = true;
    return true;
  }
  void Close() override {
    ++Closes;
    Opened = false;
  }
  bool IsOpen() const override { return Opened; }
  void Flush() override {}
  void SetReceiveThreshold(std::size_t rBytes) override { Threshold = rBytes; }
  void Send(std::span<const std::uint8_t> rBytes) override {
    Sent.emplace_back(rBytes.begin(), rBytes.end());
  }
  void StartTimer(int) override { TimerRunning = true; }
  void StopTimer() override { TimerRunning = false; }
  bool SendStalled() const override { return Stalled; }

  bool Stalled = false;  // a line that takes nothing, as RTS/CTS without CTS
};

class ScriptedUser : public LinkUser {
 public:
  std::deque<MsgAnswer> Answers;  // when empty: Ok / Yes / Cancel
  std::deque<std::optional<std::string>> Passwords;
  std::vector<std::string> Told;
  std::vector<MsgButtons> Buttons;
  std::vector<int> Progress;
  int PasswordQuestions = 0;
  bool ProgressOpen = false;
  std::optional<bool> Ended;

  MsgAnswer Ask(const std::string& rText, MsgButtons rButtons, MsgIcon) override {
    Told.push_back(rText);
    Buttons.push_back(rButtons);
    if (!Answers.empty()) {
      const auto a = Answers.front();
      Answers.pop_front();
      return a;
    }
    return rButtons == MsgButtons::RetryCancel ? MsgAnswer::Cancel
           : rButtons == MsgButtons::OkCancel  ? MsgAnswer::Ok
                                               : MsgAnswer::Yes;
  }
  std::optional<std::string> ChooseFileToOpen(const std::string&, const std::string&) override {
    return std::nullopt;
  }
  std::optional<std::string> ChooseFileToSave(const std::string&, const std::string&) override {
    return std::nullopt;
  }
  std::optional<std::string> AskPassword(const std::string&) override {
    ++PasswordQuestions;
    if (Passwords.empty()) return std::nullopt;
    auto p = Passwords.front();
    Passwords.pop_front();
    return p;
  }
  void OpenProgress(const std::string&, const std::string&) override { ProgressOpen = true; }
  void ShowProgress(int rPercent) override { Progress.push_back(rPercent); }
  void CloseProgress() override { ProgressOpen = false; }
  void TransferEnded(int, bool rSucceeded) override { Ended = rSucceeded; }

  int RetryQuestions() const {
    return static_cast<int>(std::count(Buttons.begin(), Buttons.end(), MsgButtons::RetryCancel));
  }
};

Packet Cat(const Packet& rA, const Packet& rB) {
  Packet p = rA;
  p.insert(p.end(), rB.begin(), rB.end());
  return p;
}

bool IsRead(const Packet& rP, int rAddress) {
  return rP.size() == 4 && rP[0] == 0x52 && ((rP[1] << 8) | rP[2]) == rAddress;
}
bool IsWrite(const Packet& rP, int rAddress) {
  return rP.size() == 22 && rP[0] == 0x57 && ((rP[1] << 8) | rP[2]) == rAddress;
}
bool IsEnd(const Packet& rP) { return rP == EndPacket(); }

// One engine wired to a responder playing the radio. Filter decides, per packet sent,
// whether the radio's reply reaches the program (returning false drops it, so the test
// lets the timer expire instead).
struct Bench {
  AppState App;
  RadioImage Image{};
  RadioImage Memory{};
  std::string Password;
  ScriptedPort Port;
  ScriptedUser User;
  RadioProfile Profile;
  LinkEngine Engine{App, Image, Password, Port, User};
  std::function<bool(const Packet&, int)> Filter;  // (packet, index sent)
  int Timeouts = 0;

  Bench() {
    App.ProgramFolder = "/nonexistent-px4800-folder";  // built-in texts, whatever the working folder holds
    for (std::size_t i = 0; i < Memory.size(); ++i) Memory[i] = static_cast<Byte>(i * 7 + 3);
    SetRadioPassword(Memory, "");
    Image.fill(0xEE);
    ResetToDefaults(App.Current);
    CreateDefaultChannel(App.Current, App.Channels);
    App.Current.ChannelCount = 1;
    CopyToSaved(App);
  }

  // Runs until the transfer ends or rMaxSteps packets were answered or lost.
  void Run(int rMaxSteps = 5000) {
    RadioResponder radio(Profile, Memory);
    std::size_t answered = 0;
    for (int step = 0; step < rMaxSteps && Engine.IsRunning(); ++step) {
      ASSERT_GT(Port.Sent.size(), answered) << "engine running with nothing sent";
      const std::size_t index = Port.Sent.size() - 1;
      const Packet packet = Port.Sent[index];
      answered = Port.Sent.size();
      const bool deliver = !Filter || Filter(packet, static_cast<int>(index));
      const auto events = radio.Receive(packet);
      Packet reply;
      for (const auto& e : events)
        if (e.What == RadioResponder::Event::Reply) reply = e.Bytes;
      if (deliver && !reply.empty()) {
        Engine.OnBytesArrived(Cat(packet, reply));
      } else {
        ++Timeouts;
        Engine.OnTimerExpired();
      }
      // A question that ended the transfer leaves nothing more to answer.
      if (Port.Sent.size() == answered && Engine.IsRunning()) {
        ++Timeouts;
        Engine.OnTimerExpired();
      }
    }
  }

  bool Start(LinkMode rMode) {
    switch (rMode) {
      case LinkMode::ReadCodeplug: return StartCodeplugRead(Engine, App, Image, User);
      case LinkMode::WriteCodeplug: return StartCodeplugWrite(Engine, App, Image, User);
      default: return StartEmbeddedRead(Engine, Image);
    }
  }

  std::vector<int> ReadAddresses() const {
    std::vector<int> out;
    for (const auto& p : Port.Sent)
      if (p.size() == 4 && p[0] == 0x52) out.push_back((p[1] << 8) | p[2]);
    return out;
  }
};

// ---- Receive classification -------------------------------------------------------

Packet BlockReply(int rAddress, const Packet& rData) {
  RadioImage m{};
  for (std::size_t i = 0; i < rData.size(); ++i) m[static_cast<std::size_t>(rAddress) + i] = rData[i];
  return WriteBlockPacket(m, rAddress, static_cast<int>(rData.size()));
}

TEST(LinkClassification, EachReplyShapeBehindItsEcho) {
  const Packet echo4 = ReadRequestPacket(0x0120, 16);
  EXPECT_EQ(ClassifyReply(Cat(EndPacket(), {0x06}), 3, 69, 0, 16), ReplyKind::Acknowledge);
  EXPECT_EQ(ClassifyReply(Cat(Packet(22, 0x57), {0x0A}), 22, 4, 0, 16), ReplyKind::Resend);
  EXPECT_EQ(ClassifyReply(Cat(HandshakePacket(), {0x4B, 0x56, 0x06}), 7, 1, 0, 16),
            ReplyKind::Handshake);
  EXPECT_EQ(ClassifyReply(Cat({0x02}, IdentificationRecord({})), 1, 2, 0, 16),
            ReplyKind::Identification);
  const Packet data = Cat(echo4, BlockReply(0x0120, Packet(16, 0x11)));
  EXPECT_EQ(ClassifyReply(data, 4, 4, 0x0120, 16), ReplyKind::DataBlock);
  const Packet pass = Cat(ReadRequestPacket(0x40, 16), BlockReply(0x0040, Packet(16, 0)));
  EXPECT_EQ(ClassifyReply(pass, 4, 3, 0, 16), ReplyKind::PasswordBlock);
  // Outside state 3 the block at 0x0040 is an ordinary data block.
  EXPECT_EQ(ClassifyReply(pass, 4, 4, 0x0040, 16), ReplyKind::DataBlock);
}

TEST(LinkClassification, RepliesThatMustBeDropped) {
  const Packet echo = ReadRequestPacket(0x0120, 16);
  const Packet good = Cat(echo, BlockReply(0x0120, Packet(16, 0x22)));
  // Without the cable's echo the length is wrong.
  EXPECT_EQ(ClassifyReply(BlockReply(0x0120, Packet(16, 0x22)), 4, 4, 0x0120, 16),
            ReplyKind::Ignored);
  EXPECT_EQ(ClassifyReply(Packet{0x06}, 3, 69, 0, 16), ReplyKind::Ignored);
  // Another address, even with a correct checksum.
  EXPECT_EQ(ClassifyReply(good, 4, 4, 0x0130, 16), ReplyKind::Ignored);
  // Another length than asked for.
  const Packet longer = Cat(echo, BlockReply(0x0120, Packet(17, 0x22)));
  EXPECT_EQ(ClassifyReply(longer, 4, 4, 0x0120, 16), ReplyKind::Ignored);
  Packet badSum = good;
  badSum[10] ^= 0x01;
  EXPECT_EQ(ClassifyReply(badSum, 4, 4, 0x0120, 16), ReplyKind::Ignored);
  Packet badTail = good;
  badTail.back() = 0x07;
  EXPECT_EQ(ClassifyReply(badTail, 4, 4, 0x0120, 16), ReplyKind::Ignored);
  Packet truncated = good;
  truncated.pop_back();
  EXPECT_EQ(ClassifyReply(truncated, 4, 4, 0x0120, 16), ReplyKind::Ignored);
  EXPECT_EQ(ClassifyReply(Cat(HandshakePacket(), {0x4B, 0x57, 0x06}), 7, 1, 0, 16),
            ReplyKind::Ignored);
  EXPECT_EQ(ClassifyReply(Packet{}, 0, 1, 0, 16), ReplyKind::Ignored);
}

TEST(LinkIdentification, RecordFields) {
  Packet r = IdentificationRecord({});
  r[5] = 0x00;  // model "PX-4" then NUL
  r[10] = 0xFF;
  r[11] = 0x00;  // version "V" ? ? "0" loses only those bytes
  r[13] = 0x10;
  r[14] = 0x03;
  auto id = ParseIdentification(r);
  EXPECT_EQ(id.Model, "PX-4");
  EXPECT_EQ(id.Version, "V0");
  EXPECT_TRUE(id.OptionBit);
  EXPECT_TRUE(id.Killed);
  EXPECT_TRUE(id.Stunned);
  for (int code : {0x38, 0x3F, 0x48, 0x40, 0x09}) {
    r[8] = static_cast<std::uint8_t>(code);
    EXPECT_EQ(ParseIdentification(r).BandCode, 0x30) << code;
  }
  for (int code : {0x30, 0x35, 0x37, 0x07}) {
    r[8] = static_cast<std::uint8_t>(code);
    EXPECT_EQ(ParseIdentification(r).BandCode, code) << code;
  }
  EXPECT_EQ(BandIndexOfCode(0x35), 5);
  EXPECT_EQ(BandIndexOfCode(0x07), 0);
}

TEST(LinkProgress, PercentRoundsHalfToEven) {
  EXPECT_EQ(ProgressPercent(1, 8), 12);   // 12.5
  EXPECT_EQ(ProgressPercent(3, 8), 38);   // 37.5
  EXPECT_EQ(ProgressPercent(1, 3), 33);
  EXPECT_EQ(ProgressPercent(0x3FE0, 0x3FF0), 100);
}

// ---- Whole transfers ----------------------------------------------------------------

TEST(LinkTransfer, ReadFillsTheImageFromTheRadio) {
  Bench b;
  ASSERT_TRUE(b.Start(LinkMode::ReadCodeplug));
  b.Run();
  ASSERT_EQ(b.User.Ended, true);
  for (std::size_t a = 0x10; a < b.Image.size(); ++a) ASSERT_EQ(b.Image[a], b.Memory[a]) << a;
  const auto reads = b.ReadAddresses();
  ASSERT_EQ(reads.size(), 1u + 1023u);  // the password block, then every block
  EXPECT_EQ(reads.front(), 0x0040);
  EXPECT_EQ(reads[1], 0x0010);
  EXPECT_EQ(reads.back(), 0x3FF0);
  EXPECT_TRUE(IsEnd(b.Port.Sent.back()));
  EXPECT_FALSE(b.Port.Opened);
  EXPECT_FALSE(b.User.ProgressOpen);
  ASSERT_FALSE(b.User.Progress.empty());
  EXPECT_EQ(b.User.Progress.front(), 0);
  EXPECT_EQ(b.User.Progress.back(), 100);
  EXPECT_TRUE(std::is_sorted(b.User.Progress.begin(), b.User.Progress.end()));
  EXPECT_EQ(b.Timeouts, 0);
  EXPECT_TRUE(b.App.Untitled);
  EXPECT_EQ(b.App.FilePath, "new.dat");
  EXPECT_EQ(b.App.Band.Index, 7);
  EXPECT_EQ(b.Engine.Mode(), LinkMode::Idle);
}

TEST(LinkTransfer, ReadReplacesTheCodeplugAndTakesTheRadiosBand) {
  Bench b;
  b.Profile.BandCode = 0x33;
  b.App.FilePath = "mine.dat";
  b.App.Untitled = false;
  b.App.Current.Settings.Options.OptionValues[0] ^= 1;  // modified, unsaved
  b.User.Answers = {MsgAnswer::No};  // do not save first; the read goes on
  ASSERT_TRUE(b.Start(LinkMode::ReadCodeplug));
  b.Run();
  ASSERT_EQ(b.User.Ended, true);
  EXPECT_EQ(b.User.Buttons.front(), MsgButtons::YesNoCancel);
  EXPECT_EQ(b.App.Band.Index, 3);
  EXPECT_EQ(b.App.FilePath, "new.dat");
  EXPECT_TRUE(b.App.Untitled);
  EXPECT_FALSE(IsModified(b.App));
  AppState decoded = b.App;
  DecodeCodeplug(decoded, b.Image);
  EXPECT_TRUE(decoded.Current == b.App.Current);
}

TEST(LinkTransfer, WriteSendsFrom0x0100AndLeavesTheMakersAreaAlone) {
  Bench b;
  const RadioImage before = b.Memory;
  ASSERT_TRUE(b.Start(LinkMode::WriteCodeplug));
  b.Image.fill(0x5A);  // what an encoder would have left
  b.Run();
  ASSERT_EQ(b.User.Ended, true);
  for (std::size_t a = 0; a < 0x100; ++a) ASSERT_EQ(b.Memory[a], before[a]) << a;
  for (std::size_t a = 0x100; a < b.Memory.size(); ++a) ASSERT_EQ(b.Memory[a], 0x5A) << a;
  int writes = 0;
  for (const auto& p : b.Port.Sent) writes += p.size() == 22 && p[0] == 0x57;
  EXPECT_EQ(writes, 1008);
  EXPECT_EQ(b.User.Progress.back(), 100);
}

TEST(LinkTransfer, EmbeddedReadCoversTheServiceAreaWithoutProgress) {
  Bench b;
  ASSERT_TRUE(b.Start(LinkMode::ReadEmbedded));
  b.Run();
  ASSERT_EQ(b.User.Ended, true);
  const auto reads = b.ReadAddresses();
  ASSERT_EQ(reads.size(), 16u);
  EXPECT_EQ(reads[1], 0x0010);
  EXPECT_EQ(reads[4], 0x0040);  // taken as an ordinary block
  EXPECT_EQ(reads.back(), 0x00F0);
  for (std::size_t a = 0x10; a < 0x100; ++a) ASSERT_EQ(b.Image[a], b.Memory[a]);
  EXPECT_EQ(b.Image[0x140], 0x00);  // blanked, never read
  EXPECT_TRUE(b.Engine.Embedded() == DecodeEmbeddedInfo(b.Image));
  EXPECT_TRUE(b.User.Progress.empty());
  EXPECT_TRUE(b.User.Told.empty());
}

TEST(LinkTransfer, PortThatCannotOpenStartsNothing) {
  Bench b;
  b.Port.FailOpen = true;
  EXPECT_FALSE(b.Start(LinkMode::ReadCodeplug));
  EXPECT_TRUE(b.Port.Sent.empty());
  ASSERT_EQ(b.User.Told.size(), 1u);
  EXPECT_NE(b.User.Told[0].find("no such device"), std::string::npos);
  EXPECT_EQ(b.Engine.Mode(), LinkMode::Idle);
}

TEST(LinkTransfer, DeclinedConfirmationClosesThePort) {
  Bench b;
  b.User.Answers = {MsgAnswer::Cancel};
  EXPECT_FALSE(b.Start(LinkMode::WriteCodeplug));
  EXPECT_TRUE(b.Port.Sent.empty());
  EXPECT_FALSE(b.Port.Opened);
  EXPECT_EQ(b.Engine.Mode(), LinkMode::Idle);
}

// ---- Identification -------------------------------------------------------------------

TEST(LinkTransfer, IdentificationRefusals) {
  struct Case {
    RadioProfile Profile;
    LinkMode Mode;
    bool Succeeds;
    std::string Message;
  };
  RadioProfile otherModel;
  otherModel.Model = "PX-4801";
  RadioProfile newer;
  newer.Version = "V101";
  RadioProfile killed;
  killed.Killed = true;
  RadioProfile stunned;
  stunned.Stunned = true;
  const Case cases[] = {
      {otherModel, LinkMode::ReadCodeplug, false, "Model type is wrong. Overwrite?"},
      {newer, LinkMode::ReadCodeplug, false, "Version is wrong. Overwrite?"},
      {newer, LinkMode::ReadEmbedded, false, "Version is wrong. Overwrite?"},
      {killed, LinkMode::ReadCodeplug, true, ""},
      {killed, LinkMode::WriteCodeplug, false, "Radio is killed,can't be written!"},
      {stunned, LinkMode::WriteCodeplug, false, "Radio is fainted,can't be written!"},
  };
  for (const auto& c : cases) {
    Bench b;
    b.Profile = c.Profile;
    const RadioImage before = b.Memory;
    ASSERT_TRUE(b.Start(c.Mode));
    b.Run();
    ASSERT_EQ(b.User.Ended, c.Succeeds) << c.Message;
    EXPECT_FALSE(b.Port.Opened);
    if (!c.Succeeds) {
      ASSERT_GE(b.User.Told.size(), 2u);
      EXPECT_EQ(b.User.Told[b.User.Told.size() - 2], c.Message);
      EXPECT_EQ(b.User.RetryQuestions(), 0);
      EXPECT_EQ(b.Memory, before);
    }
  }
}

TEST(LinkTransfer, OptionFlagIsTakenOnlyWhileZero) {
  Bench b;
  b.Profile.OptionFlag = true;
  ASSERT_TRUE(b.Start(LinkMode::ReadEmbedded));
  b.Run();
  EXPECT_EQ(b.App.Features.RadioOptionFlag, 1);
  Bench c;
  c.App.Features.RadioOptionFlag = 1;
  ASSERT_TRUE(c.Start(LinkMode::ReadEmbedded));
  c.Run();
  EXPECT_EQ(c.App.Features.RadioOptionFlag, 1);
}

// ---- Time-outs and retries -------------------------------------------------------------

TEST(LinkTimeouts, EachStepIsTriedThreeTimesThenTheUserIsAsked) {
  struct Case {
    std::function<bool(const Packet&)> Lost;
    const char* Name;
  };
  const Case cases[] = {
      {[](const Packet& p) { return p == HandshakePacket(); }, "handshake"},
      {[](const Packet& p) { return p == IdentifyPacket(); }, "identify"},
      {[](const Packet& p) { return IsRead(p, 0x40); }, "password"},
      {[](const Packet& p) { return IsRead(p, 0x0200); }, "block"},
  };
  for (const auto& c : cases) {
    Bench b;  // Cancel is the default answer
    int lost = 0;
    b.Filter = [&](const Packet& p, int) {
      const bool drop = c.Lost(p);
      lost += drop;
      return !drop;
    };
    const AppState before = b.App;
    ASSERT_TRUE(b.Start(LinkMode::ReadCodeplug));
    b.Run();
    EXPECT_EQ(b.User.Ended, false) << c.Name;
    EXPECT_EQ(lost, 3) << c.Name;
    EXPECT_EQ(b.User.RetryQuestions(), 1) << c.Name;
    EXPECT_EQ(b.User.Told.back(), "Reading failed.") << c.Name;
    EXPECT_FALSE(b.Port.Opened);
    EXPECT_EQ(b.App.FilePath, before.FilePath);
    EXPECT_TRUE(b.App.Current == before.Current);
  }
}

TEST(LinkTimeouts, EmbeddedReadFailsAtOnceOrAfterThreeLostBlocks) {
  for (int lostAddress : {-1, 0x0050}) {
    Bench b;
    b.Filter = [&](const Packet& p, int) {
      return lostAddress < 0 ? p != IdentifyPacket() : !IsRead(p, lostAddress);
    };
    ASSERT_TRUE(b.Start(LinkMode::ReadEmbedded));
    b.Run();
    EXPECT_EQ(b.User.Ended, false);
    EXPECT_EQ(b.User.RetryQuestions(), 0);
    EXPECT_EQ(b.Timeouts, 3);
    // Nothing asked in this mode, so the failure message gives the reason.
    EXPECT_EQ(b.User.Told.back(),
              "Reading the embedded information failed.\r\nThe radio does not answer.");
    EXPECT_EQ(b.Engine.LastFailure(), LinkFailure::NoAnswer);
  }
}

TEST(LinkTimeouts, RetryRestartsThroughTheClosingPacketAndResumesTheFailedBlock) {
  Bench b;
  b.User.Answers = {MsgAnswer::Ok, MsgAnswer::Retry};
  int lost = 0;
  b.Filter = [&](const Packet& p, int) {
    if (IsRead(p, 0x0300) && lost < 3) {
      ++lost;
      return false;
    }
    return true;
  };
  ASSERT_TRUE(b.Start(LinkMode::ReadCodeplug));
  b.Run();
  ASSERT_EQ(b.User.Ended, true);
  // After the three lost requests: END, handshake, identify, password block, 0x0300.
  std::size_t i = 0;
  while (!(IsRead(b.Port.Sent[i], 0x0300))) ++i;
  EXPECT_TRUE(IsRead(b.Port.Sent[i + 2], 0x0300));
  EXPECT_TRUE(IsEnd(b.Port.Sent[i + 3]));
  EXPECT_EQ(b.Port.Sent[i + 4], HandshakePacket());
  EXPECT_EQ(b.Port.Sent[i + 5], IdentifyPacket());
  EXPECT_TRUE(IsRead(b.Port.Sent[i + 6], 0x0040));
  EXPECT_TRUE(IsRead(b.Port.Sent[i + 7], 0x0300));
  EXPECT_TRUE(IsRead(b.Port.Sent[i + 8], 0x0310));
  for (std::size_t a = 0x10; a < b.Image.size(); ++a) ASSERT_EQ(b.Image[a], b.Memory[a]);
}

TEST(LinkTimeouts, RetryOfAWriteResendsTheFailedBlock) {
  Bench b;
  b.User.Answers = {MsgAnswer::Ok, MsgAnswer::Retry};
  int lost = 0;
  b.Filter = [&](const Packet& p, int) { return !(IsWrite(p, 0x2000) && lost++ < 3); };
  ASSERT_TRUE(b.Start(LinkMode::WriteCodeplug));
  b.Image.fill(0x33);
  b.Run();
  ASSERT_EQ(b.User.Ended, true);
  for (std::size_t a = 0x100; a < b.Memory.size(); ++a) ASSERT_EQ(b.Memory[a], 0x33);
  // The first write block after the second handshake is the one that failed.
  const auto& s = b.Port.Sent;
  auto hs = std::find(s.begin() + 1, s.end(), HandshakePacket());
  ASSERT_NE(hs, s.end());
  auto firstWrite = std::find_if(hs, s.end(), [](const Packet& p) { return p.size() == 22; });
  ASSERT_NE(firstWrite, s.end());
  EXPECT_TRUE(IsWrite(*firstWrite, 0x2000));
}

TEST(LinkTimeouts, UnansweredRestartAsksAgainAndCancelFails) {
  Bench b;
  b.User.Answers = {MsgAnswer::Ok, MsgAnswer::Retry, MsgAnswer::Retry, MsgAnswer::Cancel};
  // The radio goes silent for good at the block 0x0400.
  bool silent = false;
  b.Filter = [&](const Packet& p, int) {
    silent = silent || IsRead(p, 0x0400);
    return !silent;
  };
  ASSERT_TRUE(b.Start(LinkMode::ReadCodeplug));
  b.Run();
  EXPECT_EQ(b.User.Ended, false);
  EXPECT_EQ(b.User.RetryQuestions(), 3);
  int ends = 0;
  for (const auto& p : b.Port.Sent) ends += IsEnd(p);
  EXPECT_EQ(ends, 2);  // the restart's closing packet and its one repeat
  EXPECT_EQ(b.App.FilePath, "new.dat");
}

TEST(LinkTimeouts, LostAnswerToTheClosingPacketStillSucceeds) {
  Bench b;
  b.Filter = [](const Packet& p, int) { return !IsEnd(p); };
  ASSERT_TRUE(b.Start(LinkMode::ReadEmbedded));
  b.Run();
  EXPECT_EQ(b.User.Ended, true);
  EXPECT_EQ(b.Timeouts, 1);
}

TEST(LinkTimeouts, UnrelatedBytesAreIgnoredAndTheTimerKeepsRunning) {
  Bench b;
  ASSERT_TRUE(b.Start(LinkMode::ReadCodeplug));
  const std::size_t sent = b.Port.Sent.size();
  b.Engine.OnBytesArrived(Packet{0x01, 0x02, 0x03});
  b.Engine.OnBytesArrived(Cat(HandshakePacket(), {0x0A}));  // a resend outside a write
  EXPECT_EQ(b.Port.Sent.size(), sent);
  EXPECT_TRUE(b.Port.TimerRunning);
  EXPECT_EQ(b.Engine.State(), LinkState::Handshake);
}

// ---- Resend replies -------------------------------------------------------------------

TEST(LinkResend, ResendRepeatsTheBlockWithoutSpendingItsRetries) {
  Bench b;
  ASSERT_TRUE(b.Start(LinkMode::WriteCodeplug));
  b.Image.fill(0x44);
  // Walk to the first write block by hand.
  b.Engine.OnBytesArrived(Cat(HandshakePacket(), {0x4B, 0x56, 0x06}));
  b.Engine.OnBytesArrived(Cat(IdentifyPacket(), IdentificationRecord({})));
  b.Engine.OnBytesArrived(Cat(ReadRequestPacket(0x40, 16), BlockReply(0x40, Packet(16, 0xFF))));
  ASSERT_TRUE(IsWrite(b.Port.Sent.back(), 0x0100));
  const Packet nak = Cat(b.Port.Sent.back(), {0x0A});
  for (int i = 0; i < 9; ++i) b.Engine.OnBytesArrived(nak);
  EXPECT_EQ(b.Port.Sent.size(), 4u + 9u);
  // Two time-outs still leave the block its third try.
  b.Engine.OnTimerExpired();
  b.Engine.OnTimerExpired();
  EXPECT_TRUE(IsWrite(b.Port.Sent.back(), 0x0100));
  EXPECT_EQ(b.User.RetryQuestions(), 0);
  b.Engine.OnBytesArrived(Cat(b.Port.Sent.back(), {0x06}));
  EXPECT_TRUE(IsWrite(b.Port.Sent.back(), 0x0110));
}

TEST(LinkResend, EndlessResendsCountAsTimeoutsAndEnd) {
  Bench b;
  ASSERT_TRUE(b.Start(LinkMode::WriteCodeplug));
  b.Engine.OnBytesArrived(Cat(HandshakePacket(), {0x4B, 0x56, 0x06}));
  b.Engine.OnBytesArrived(Cat(IdentifyPacket(), IdentificationRecord({})));
  b.Engine.OnBytesArrived(Cat(ReadRequestPacket(0x40, 16), BlockReply(0x40, Packet(16, 0xFF))));
  int naks = 0;
  while (b.Engine.IsRunning() && naks < 1000) {
    ASSERT_TRUE(IsWrite(b.Port.Sent.back(), 0x0100));
    b.Engine.OnBytesArrived(Cat(b.Port.Sent.back(), {0x0A}));
    ++naks;
  }
  EXPECT_EQ(naks, 3 * kResendsPerTimeout);
  EXPECT_EQ(b.User.RetryQuestions(), 1);
  EXPECT_EQ(b.User.Ended, false);
  EXPECT_EQ(b.User.Told.back(), "Writing failed.");
}

// ---- Password ----------------------------------------------------------------------------

TEST(LinkPassword, RadioPasswordText) {
  Packet data(16, 0x00);
  EXPECT_EQ(RadioPasswordOf(data), "");
  for (int i = 12; i < 16; ++i) data[static_cast<std::size_t>(i)] = 0xFF;
  EXPECT_EQ(RadioPasswordOf(data), "");
  EXPECT_TRUE(PasswordMatches(data, "anything"));
  data[12] = 'a';
  data[13] = 'b';
  data[14] = 0x00;
  data[15] = 'c';
  EXPECT_EQ(RadioPasswordOf(data), "ab");
  EXPECT_TRUE(PasswordMatches(data, CleanPasswordEntry("ab  ")));
  EXPECT_FALSE(PasswordMatches(data, "AB"));
  EXPECT_FALSE(PasswordMatches(data, ""));
  data[14] = ' ';
  data[15] = ' ';
  EXPECT_EQ(RadioPasswordOf(data), "ab");
  EXPECT_EQ(CleanPasswordEntry(std::string("12\0x", 4)), "12");
}

TEST(LinkPassword, GivenBeforehandNoQuestion) {
  Bench b;
  SetRadioPassword(b.Memory, "1234");
  b.Password = "1234";
  ASSERT_TRUE(b.Start(LinkMode::ReadCodeplug));
  b.Run();
  EXPECT_EQ(b.User.Ended, true);
  EXPECT_EQ(b.User.PasswordQuestions, 0);
}

TEST(LinkPassword, RightEntryRestartsFromTheHandshakeAndTheStartAddress) {
  Bench b;
  SetRadioPassword(b.Memory, "12");
  b.User.Passwords = {std::string("12 ")};
  ASSERT_TRUE(b.Start(LinkMode::ReadCodeplug));
  b.Run();
  ASSERT_EQ(b.User.Ended, true);
  EXPECT_EQ(b.User.PasswordQuestions, 1);
  EXPECT_EQ(b.Password, "12");
  const auto& s = b.Port.Sent;
  EXPECT_TRUE(IsRead(s[2], 0x40));
  EXPECT_TRUE(IsEnd(s[3]));
  EXPECT_EQ(s[4], HandshakePacket());
  EXPECT_TRUE(IsRead(s[6], 0x40));
  EXPECT_TRUE(IsRead(s[7], 0x0010));
  for (std::size_t a = 0x10; a < b.Image.size(); ++a) ASSERT_EQ(b.Image[a], b.Memory[a]);
}

TEST(LinkPassword, WrongOrCancelledEntryFails) {
  for (const auto& entry : {std::optional<std::string>("99"), std::optional<std::string>()}) {
    Bench b;
    SetRadioPassword(b.Memory, "12");
    b.Password = "00";
    b.User.Passwords = {entry};
    ASSERT_TRUE(b.Start(LinkMode::WriteCodeplug));
    const RadioImage before = b.Memory;
    b.Run();
    EXPECT_EQ(b.User.Ended, false);
    EXPECT_EQ(b.User.PasswordQuestions, 1);
    EXPECT_EQ(b.Password, entry ? *entry : std::string("00"));
    EXPECT_EQ(b.Memory, before);
    EXPECT_EQ(b.User.Told.back(),
              entry ? "Writing failed.\r\nThe programming password is wrong."
                    : "Writing failed.\r\nThe radio asks for its programming password, and none was given.");
    EXPECT_FALSE(b.Port.Opened);
  }
}

// Bytes that never leave the port are not the radio's silence: the user is told what
// holds them and pointed at the flow-control setting, in each mode.
TEST(LinkTimeouts, ALineThatTakesNothingIsNotCalledARadioThatDoesNotAnswer) {
  for (const LinkMode mode : {LinkMode::ReadCodeplug, LinkMode::WriteCodeplug, LinkMode::ReadEmbedded}) {
    Bench b;
    b.Port.Stalled = true;
    b.Filter = [](const Packet&, int) { return false; };
    ASSERT_TRUE(b.Start(mode));
    b.Run();
    EXPECT_EQ(b.User.Ended, false);
    const bool told = std::any_of(b.User.Told.begin(), b.User.Told.end(), [](const std::string& t) {
      return t.find("clear-to-send") != std::string::npos && t.find("flow control") != std::string::npos;
    });
    EXPECT_TRUE(told) << static_cast<int>(mode);
    for (const auto& t : b.User.Told) EXPECT_NE(t, "The radio does not answer.");
  }
  // A line that sends but gets no answer keeps the old question.
  Bench quiet;
  quiet.Filter = [](const Packet&, int) { return false; };
  ASSERT_TRUE(quiet.Start(LinkMode::ReadCodeplug));
  quiet.Run();
  EXPECT_NE(std::find(quiet.User.Told.begin(), quiet.User.Told.end(), "The radio does not answer."),
            quiet.User.Told.end());
}

// A radio that goes away mid-transfer leaves the port holding what it sends next; that
// is the radio's silence, not a cable without CTS: the no-answer text with the block.
TEST(LinkTimeouts, ARadioThatStopsMidTransferIsNotACableProblem) {
  const struct {
    LinkMode Mode;
    int Block;
  } cases[] = {{LinkMode::ReadCodeplug, 0x0200}, {LinkMode::WriteCodeplug, 0x0140}};
  for (const auto& c : cases) {
    Bench b;
    bool gone = false;
    b.Filter = [&](const Packet& p, int) {
      gone = gone || IsRead(p, c.Block) || IsWrite(p, c.Block);
      b.Port.Stalled = gone;
      return !gone;
    };
    ASSERT_TRUE(b.Start(c.Mode));
    b.Run();
    EXPECT_EQ(b.User.Ended, false);
    char block[8];
    std::snprintf(block, sizeof block, "0x%04X", c.Block);
    const std::string expected = "The radio does not answer.\r\nIt stopped answering at block " + std::string(block) + ".";
    EXPECT_NE(std::find(b.User.Told.begin(), b.User.Told.end(), expected), b.User.Told.end())
        << static_cast<int>(c.Mode) << ": " << (b.User.Told.empty() ? "" : b.User.Told.front());
    for (const auto& t : b.User.Told) EXPECT_EQ(t.find("clear-to-send"), std::string::npos) << t;
  }
}

// Only acknowledged write blocks count: a write refused before its first block has
// not touched the radio.
TEST(LinkTransfer, WrittenBlocksAreCountedOnlyWhenTheRadioTookThem) {
  Bench refused;
  refused.Profile.Version = "V101";
  ASSERT_TRUE(refused.Start(LinkMode::WriteCodeplug));
  refused.Run();
  EXPECT_EQ(refused.User.Ended, false);
  EXPECT_EQ(refused.Engine.BlocksWritten(), 0);

  Bench cut;
  cut.Filter = [](const Packet& p, int) { return !IsWrite(p, 0x0140); };
  ASSERT_TRUE(cut.Start(LinkMode::WriteCodeplug));
  cut.Run();
  EXPECT_EQ(cut.User.Ended, false);
  EXPECT_EQ(cut.Engine.BlocksWritten(), 4);  // 0x0100 .. 0x0130

  Bench whole;
  ASSERT_TRUE(whole.Start(LinkMode::WriteCodeplug));
  whole.Run();
  EXPECT_EQ(whole.Engine.BlocksWritten(), 1008);
}

// A codeplug read from the radio is in no file yet: the next read asks to save it.
TEST(LinkTransfer, ACompletedReadStillAsksBeforeTheNextOne) {
  Bench b;
  ASSERT_TRUE(b.Start(LinkMode::ReadCodeplug));
  b.Run();
  ASSERT_EQ(b.User.Ended, true);
  EXPECT_TRUE(b.App.UnsavedRead);
  EXPECT_FALSE(IsModified(b.App));
  b.User.Buttons.clear();
  b.User.Answers = {MsgAnswer::No, MsgAnswer::Cancel};
  EXPECT_FALSE(b.Start(LinkMode::ReadCodeplug));
  ASSERT_FALSE(b.User.Buttons.empty());
  EXPECT_EQ(b.User.Buttons.front(), MsgButtons::YesNoCancel);
}

// ---- Cancel by the user -----------------------------------------------------------------

TEST(LinkCancel, ReadCancelledAmidTheBlocksClosesWithEndAndLeavesTheCodeplug) {
  Bench b;
  const auto before = b.App.Current;
  const auto channels = b.App.Channels;
  b.Filter = [&](const Packet& p, int) {
    if (IsRead(p, 0x0800)) b.Engine.CancelLink();
    return true;
  };
  ASSERT_TRUE(b.Start(LinkMode::ReadCodeplug));
  b.Run();
  EXPECT_EQ(b.User.Ended, false);
  EXPECT_EQ(b.Engine.LastFailure(), LinkFailure::Cancelled);
  // The block in flight is answered, then the radio is left with the closing packet.
  ASSERT_GE(b.Port.Sent.size(), 2u);
  EXPECT_TRUE(IsRead(b.Port.Sent[b.Port.Sent.size() - 2], 0x0800));
  EXPECT_TRUE(IsEnd(b.Port.Sent.back()));
  EXPECT_TRUE(b.App.Current == before);
  EXPECT_TRUE(b.App.Channels == channels);
  EXPECT_EQ(b.User.RetryQuestions(), 0);
  EXPECT_EQ(b.User.Told.back(), "Reading cancelled. The codeplug is unchanged.");
  EXPECT_FALSE(b.User.ProgressOpen);
  EXPECT_FALSE(b.Port.Opened);
}

TEST(LinkCancel, EachStepEndsCleanly) {
  struct Case {
    const char* What;
    std::function<bool(const Packet&)> CancelAt;  // cancel when this packet is sent
    bool Lost;                                    // and its reply is lost
    bool ExpectEnd;                               // "END" is the last packet
  };
  const std::vector<Case> cases = {
      // No answer to the handshake yet: no session to close.
      {"unanswered handshake", [](const Packet& p) { return p == HandshakePacket(); }, true, false},
      {"answered handshake", [](const Packet& p) { return p == HandshakePacket(); }, false, true},
      {"identify", [](const Packet& p) { return p == IdentifyPacket(); }, false, true},
      {"password block", [](const Packet& p) { return IsRead(p, 0x0040); }, false, true},
      // A lost block after a cancel is not tried again: the radio answered before.
      {"lost block", [](const Packet& p) { return IsRead(p, 0x0100); }, true, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.What);
    Bench b;
    bool cancelled = false;
    b.Filter = [&](const Packet& p, int) {
      if (!cancelled && c.CancelAt(p)) {
        b.Engine.CancelLink();
        cancelled = true;
        return !c.Lost;
      }
      return true;
    };
    ASSERT_TRUE(b.Start(LinkMode::ReadCodeplug));
    b.Run();
    EXPECT_EQ(b.User.Ended, false);
    EXPECT_EQ(b.Engine.LastFailure(), LinkFailure::Cancelled);
    EXPECT_EQ(IsEnd(b.Port.Sent.back()), c.ExpectEnd);
    EXPECT_EQ(std::count_if(b.Port.Sent.begin(), b.Port.Sent.end(), IsEnd), c.ExpectEnd ? 1 : 0);
    EXPECT_EQ(b.User.RetryQuestions(), 0);
  }
}

TEST(LinkCancel, WriteStopsAfterTheBlockInFlight) {
  Bench b;
  const RadioImage before = b.Memory;
  b.Filter = [&](const Packet& p, int) {
    if (IsWrite(p, 0x0200)) b.Engine.CancelLink();
    return true;
  };
  ASSERT_TRUE(b.Start(LinkMode::WriteCodeplug));
  b.Run();
  EXPECT_EQ(b.User.Ended, false);
  EXPECT_TRUE(IsEnd(b.Port.Sent.back()));
  // What was acknowledged is in the radio; nothing past the cancelled block.
  EXPECT_EQ(std::count_if(b.Port.Sent.begin(), b.Port.Sent.end(),
                          [](const Packet& p) { return IsWrite(p, 0x0210); }),
            0);
  EXPECT_NE(b.Memory, before);
  EXPECT_TRUE(std::equal(b.Memory.begin() + 0x0210, b.Memory.end(), before.begin() + 0x0210));
  EXPECT_EQ(b.User.Told.back(),
            "Writing cancelled. The radio holds a partly written codeplug; write again to complete it.");
}

TEST(LinkCancel, TooLateOrIdleChangesNothing) {
  Bench idle;
  idle.Engine.CancelLink();
  EXPECT_FALSE(idle.Engine.CancelRequested());

  // Every block is through and "END" is out: the read completes.
  Bench b;
  b.Filter = [&](const Packet& p, int) {
    if (IsEnd(p)) b.Engine.CancelLink();
    return true;
  };
  ASSERT_TRUE(b.Start(LinkMode::ReadCodeplug));
  b.Run();
  EXPECT_EQ(b.User.Ended, true);
  for (std::size_t a = 0x10; a < b.Image.size(); ++a) ASSERT_EQ(b.Image[a], b.Memory[a]);

  // A cancelled transfer's request does not carry over into the next one.
  Bench c;
  c.Filter = [&](const Packet& p, int) {
    if (p == IdentifyPacket()) c.Engine.CancelLink();
    return true;
  };
  ASSERT_TRUE(c.Start(LinkMode::ReadEmbedded));
  c.Run();
  ASSERT_EQ(c.User.Ended, false);
  c.Filter = {};
  ASSERT_TRUE(c.Start(LinkMode::ReadEmbedded));
  c.Run();
  EXPECT_EQ(c.User.Ended, true);
}

}  // namespace
}  // namespace px
