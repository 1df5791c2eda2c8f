#pragma once
// What the user sees of a transfer: the flows that start the three transfers, the
// identification and password checks, and what becomes of the codeplug afterwards.

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "app/app_state.h"
#include "link/embedded_info.h"
#include "link/link_engine.h"
#include "link/link_packets.h"

namespace px {

inline constexpr const char* kExpectedModel = "PX-4800";
inline constexpr const char* kExpectedVersion = "V100";

// The texts a transfer shows. Language-file texts fall back to English when the file
// lacks them, so that no message box is ever empty.
enum class LinkText {
  PortOpenFailed,  // 2002
  NoAnswer,        // 2003, asked with Retry and Cancel
  SendStalled,     // instead of 2003 when nothing could be sent at all
  ReadDone,        // 2004
  WriteDone,       // 2005
  ReadFailed,      // 2006
  WriteFailed,     // 2007
  EmbeddedFailed,  // 2008
  SaveModified,    // MSG 9001
  ConfirmRead,
  ConfirmWrite,
  WrongModel,
  WrongVersion,
  RadioKilled,
  RadioStunned,
  ProgressReadCaption,
  ProgressWriteCaption,
  ProgressLabel,
  // Our own, in both languages.
  ReadCancelled,
  WriteCancelled,
  EmbeddedCancelled,
  ConfirmCancelWrite,  // asked Yes/No before a write is stopped
  CancelButton,
  PasswordWrong,
  PasswordNotGiven,
};

std::string LinkTextOf(const AppState& rState, LinkText rText);
// Text 2002 followed by the system's reason.
std::string PortOpenFailureText(const AppState& rState, const std::string& rReason);

// The message of a failed transfer: the failure text of the mode, with the reason
// added when it was not told before; a cancel has its own text.
std::string TransferFailureText(const AppState& rState, LinkMode rMode, LinkFailure rWhy);

// nullopt: accepted. Otherwise the message that refuses it. Killed and stunned radios
// are refused only for writing.
std::optional<LinkText> CheckIdentification(const RadioIdentity& rIdentity, bool rWriting);

// Bit 4 of the identification flags, taken only while the feature flag is still 0.
void TakeRadioOptionFlag(FeatureFlags& rFlags, const RadioIdentity& rIdentity);

// The radio's password from the 16 data bytes of the block at 0x0040: bytes 12 to 15 up
// to the first 0x00 or 0xFF, trailing spaces removed.
std::string RadioPasswordOf(std::span<const std::uint8_t> rBlockData);
// An empty radio password matches anything; otherwise the entry must equal it exactly.
bool PasswordMatches(std::span<const std::uint8_t> rBlockData, const std::string& rEntered);
// What the password dialog keeps of its text: cut at the first NUL, trailing spaces off.
std::string CleanPasswordEntry(const std::string& rText);

// The band index a radio's band code ("0" … "7") stands for.
std::int16_t BandIndexOfCode(std::int16_t rBandCode);

// Applied by EndLink after the port is closed. A failure never touches the codeplug.
// rInfo receives the embedded information of a successful read of either kind.
void ApplyTransferOutcome(AppState& rState, const RadioImage& rImage, LinkMode rMode,
                          bool rSucceeded, RadioIdentity& rIdentity, EmbeddedInfo& rInfo,
                          UserInterface& rUi, LinkFailure rWhy = LinkFailure::Told);

// The three commands. Each returns true when a transfer is now running (it then ends
// through the engine's EndLink); false when it was declined or could not start.
bool StartCodeplugRead(LinkEngine& rEngine, AppState& rState, RadioImage& rImage,
                       UserInterface& rUi);
bool StartCodeplugWrite(LinkEngine& rEngine, AppState& rState, RadioImage& rImage,
                        UserInterface& rUi);
bool StartEmbeddedRead(LinkEngine& rEngine, RadioImage& rImage);

}  // namespace px
