#include "link/transfer.h"

#include "app/bands.h"
#include "app/language.h"
#include "app/messages.h"
#include "edit/codeplug_ops.h"
#include "edit/file_commands.h"
#include "link/codec.h"

namespace px {

namespace {

struct FileText {
  int Id;
  const char* English;  // when the language file has nothing under the id
};

std::optional<FileText> FileTextOf(LinkText rText) {
  switch (rText) {
    case LinkText::PortOpenFailed: return FileText{2002, "The serial port cannot be opened."};
    case LinkText::NoAnswer: return FileText{2003, "The radio does not answer."};
    case LinkText::ReadDone: return FileText{2004, "Reading finished."};
    case LinkText::WriteDone: return FileText{2005, "Writing finished."};
    case LinkText::ReadFailed: return FileText{2006, "Reading failed."};
    case LinkText::WriteFailed: return FileText{2007, "Writing failed."};
    case LinkText::EmbeddedFailed:
      return FileText{2008, "Reading the embedded information failed."};
    default: return std::nullopt;
  }
}

std::optional<Message> BuiltInOf(LinkText rText) {
  switch (rText) {
    case LinkText::ConfirmRead: return Message::ConfirmRead;
    case LinkText::ConfirmWrite: return Message::ConfirmWrite;
    case LinkText::WrongModel: return Message::ModelWrong;
    case LinkText::WrongVersion: return Message::VersionWrong;
    case LinkText::RadioKilled: return Message::RadioKilled;
    case LinkText::RadioStunned: return Message::RadioStunned;
    case LinkText::ProgressReadCaption: return Message::ReadTitle;
    case LinkText::ProgressWriteCaption: return Message::WriteTitle;
    case LinkText::ProgressLabel: return Message::ProgressLabel;
    default: return std::nullopt;
  }
}

std::optional<OwnText> OwnOf(LinkText rText) {
  switch (rText) {
    case LinkText::ReadCancelled:
      return OwnText{"Reading cancelled. The codeplug is unchanged.", "读取已取消，编程数据未改变。"};
    case LinkText::WriteCancelled:
      return OwnText{"Writing cancelled. The radio holds a partly written codeplug; write again to"
                     " complete it.",
                     "写入已取消。对讲机中的数据只写入了一部分，请重新写入以完成。"};
    case LinkText::EmbeddedCancelled:
      return OwnText{"Reading the embedded information cancelled.", "读取嵌入信息已取消。"};
    case LinkText::ConfirmCancelWrite:
      return OwnText{"Stop writing now?\r\nThe radio would hold a partly written codeplug; writing"
                     " again completes it.",
                     "现在停止写入吗？\r\n对讲机中的数据将只写入一部分，重新写入即可完成。"};
    case LinkText::CancelButton: return OwnText{"Cancel", "取消"};
    case LinkText::PasswordWrong:
      return OwnText{"The programming password is wrong.", "编程密码错误。"};
    case LinkText::PasswordNotGiven:
      return OwnText{"The radio asks for its programming password, and none was given.",
                     "对讲机需要编程密码，但没有输入密码。"};
    default: return std::nullopt;
  }
}

std::string CutAtNulTrimmed(std::string rText) {
  const auto nul = rText.find('\0');
  if (nul != std::string::npos) rText.resize(nul);
  while (!rText.empty() && rText.back() == ' ') rText.pop_back();
  return rText;
}

constexpr OwnText kSendStalled{
    "Nothing can be sent: the serial port holds the bytes back, because the cable gives no"
    " clear-to-send (CTS) signal.\r\nIf the cable does not wire CTS, set the flow control"
    " to \"None\" in the port settings (on the command line: --flow none).",
    "无法发送数据：串口因电缆没有给出允许发送（CTS）信号而扣住了数据。\r\n"
    "如果电缆没有连接 CTS，请在端口设置中把流控制设为“无”（命令行：--flow none）。"};

}  // namespace

std::string LinkTextOf(const AppState& rState, LinkText rText) {
  if (rText == LinkText::SendStalled) return OwnTextOf(rState, kSendStalled);
  if (const auto own = OwnOf(rText)) return OwnTextOf(rState, *own);
  if (const auto m = BuiltInOf(rText)) return MessageText(rState, *m);
  if (rText == LinkText::SaveModified) {
    auto text = LangMsg(rState, 9001);
    return text.empty() ? "The codeplug has been changed. Save it first?" : text;
  }
  const auto file = FileTextOf(rText);
  if (!file) return {};
  auto text = LangText(rState, file->Id);
  return text.empty() ? std::string(file->English) : text;
}

std::string TransferFailureText(const AppState& rState, LinkMode rMode, LinkFailure rWhy) {
  const bool cancelled = rWhy == LinkFailure::Cancelled;
  LinkText base = LinkText::ReadFailed;
  if (rMode == LinkMode::WriteCodeplug) base = cancelled ? LinkText::WriteCancelled : LinkText::WriteFailed;
  else if (rMode == LinkMode::ReadEmbedded) base = cancelled ? LinkText::EmbeddedCancelled : LinkText::EmbeddedFailed;
  else if (cancelled) base = LinkText::ReadCancelled;
  std::string text = LinkTextOf(rState, base);
  switch (rWhy) {
    case LinkFailure::NoAnswer: return text + "\r\n" + LinkTextOf(rState, LinkText::NoAnswer);
    case LinkFailure::PasswordWrong: return text + "\r\n" + LinkTextOf(rState, LinkText::PasswordWrong);
    case LinkFailure::PasswordNotGiven:
      return text + "\r\n" + LinkTextOf(rState, LinkText::PasswordNotGiven);
    case LinkFailure::Told:
    case LinkFailure::Cancelled: return text;
  }
  return text;
}

std::string PortOpenFailureText(const AppState& rState, const std::string& rReason) {
  auto text = LinkTextOf(rState, LinkText::PortOpenFailed);
  if (!rReason.empty()) text += "\r\n" + rReason;
  return text;
}

std::optional<LinkText> CheckIdentification(const RadioIdentity& rIdentity, bool rWriting) {
  if (rIdentity.Model != kExpectedModel) return LinkText::WrongModel;
  if (rIdentity.Version != kExpectedVersion) return LinkText::WrongVersion;
  if (rWriting && rIdentity.Killed) return LinkText::RadioKilled;
  if (rWriting && rIdentity.Stunned) return LinkText::RadioStunned;
  return std::nullopt;
}

void TakeRadioOptionFlag(FeatureFlags& rFlags, const RadioIdentity& rIdentity) {
  if (rFlags.RadioOptionFlag == 0) rFlags.RadioOptionFlag = rIdentity.OptionBit ? 1 : 0;
}

std::string RadioPasswordOf(std::span<const std::uint8_t> rBlockData) {
  std::string text;
  for (std::size_t i = 12; i < 16 && i < rBlockData.size(); ++i) {
    const auto b = rBlockData[i];
    if (b == 0x00 || b == 0xFF) break;
    text.push_back(static_cast<char>(b));
  }
  return CutAtNulTrimmed(text);
}

bool PasswordMatches(std::span<const std::uint8_t> rBlockData, const std::string& rEntered) {
  const auto stored = RadioPasswordOf(rBlockData);
  return stored.empty() || stored == rEntered;
}

std::string CleanPasswordEntry(const std::string& rText) { return CutAtNulTrimmed(rText); }

std::int16_t BandIndexOfCode(std::int16_t rBandCode) {
  // The identification already turned anything but "0" … "7" into "0".
  const int index = rBandCode - 0x30;
  return static_cast<std::int16_t>(index >= 0 && index <= 7 ? index : 0);
}

void ApplyTransferOutcome(AppState& rState, const RadioImage& rImage, LinkMode rMode,
                          bool rSucceeded, RadioIdentity& rIdentity, EmbeddedInfo& rInfo,
                          UserInterface& rUi, LinkFailure rWhy) {
  // A cancel is the user's own choice, not an error.
  const MsgIcon failureIcon = rWhy == LinkFailure::Cancelled ? MsgIcon::Warning : MsgIcon::Critical;
  switch (rMode) {
    case LinkMode::ReadCodeplug:
      if (!rSucceeded) {
        rUi.Tell(TransferFailureText(rState, rMode, rWhy), failureIcon);
        return;
      }
      DecodeCodeplug(rState, rImage, rInfo);
      rIdentity.Killed = false;
      rIdentity.Stunned = false;
      rState.Band.Index = BandIndexOfCode(rIdentity.BandCode);
      RebuildBandTexts(rState);
      rState.FilePath = "new.dat";
      rState.Untitled = true;
      rState.UnsavedRead = true;
      CopyToSaved(rState);
      rUi.Tell(LinkTextOf(rState, LinkText::ReadDone));
      return;
    case LinkMode::WriteCodeplug:
      if (rSucceeded) {
        rUi.Tell(LinkTextOf(rState, LinkText::WriteDone));
      } else {
        rUi.Tell(TransferFailureText(rState, rMode, rWhy), failureIcon);
      }
      return;
    case LinkMode::ReadEmbedded:
      // On success the caller shows it; there is no message.
      if (rSucceeded) {
        rInfo = DecodeEmbeddedInfo(rImage);
      } else {
        rUi.Tell(TransferFailureText(rState, rMode, rWhy), failureIcon);
      }
      return;
    case LinkMode::Idle:
      return;
  }
}

bool StartCodeplugRead(LinkEngine& rEngine, AppState& rState, RadioImage& rImage,
                       UserInterface& rUi) {
  if (NeedsSaveQuestion(rState)) {
    const auto answer = rUi.Ask(LinkTextOf(rState, LinkText::SaveModified),
                                MsgButtons::YesNoCancel, MsgIcon::Warning);
    // Only Yes saves; neither No nor Cancel stops the read.
    if (answer == MsgAnswer::Yes) SaveCommand(rState, rUi);
  }
  if (!rEngine.OpenLink(LinkMode::ReadCodeplug)) return false;
  if (rUi.Ask(LinkTextOf(rState, LinkText::ConfirmRead), MsgButtons::OkCancel,
              MsgIcon::Question) != MsgAnswer::Ok) {
    rEngine.AbandonLink();
    return false;
  }
  PreFillImage(rImage);
  rEngine.SendHandshake();
  return true;
}

bool StartCodeplugWrite(LinkEngine& rEngine, AppState& rState, RadioImage& rImage,
                        UserInterface& rUi) {
  if (!rEngine.OpenLink(LinkMode::WriteCodeplug)) return false;
  if (rUi.Ask(LinkTextOf(rState, LinkText::ConfirmWrite), MsgButtons::OkCancel,
              MsgIcon::Question) != MsgAnswer::Ok) {
    rEngine.AbandonLink();
    return false;
  }
  if (!EncodeCodeplug(rState, rImage, rUi)) {
    rEngine.AbandonLink();
    return false;
  }
  rEngine.SendHandshake();
  return true;
}

bool StartEmbeddedRead(LinkEngine& rEngine, RadioImage& rImage) {
  if (!rEngine.OpenLink(LinkMode::ReadEmbedded)) return false;
  PreFillImage(rImage);
  rEngine.SendHandshake();
  return true;
}

}  // namespace px
