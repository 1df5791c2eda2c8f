#pragma once
// The two sides the link engine talks to: the serial port (with its reply timer) and the
// person at the program. The engine itself never blocks and never touches a device.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "app/user_interface.h"
#include "link/radio_image.h"

namespace px {

// Why a transfer failed, as its failure message adds it. Told: the reason was shown
// already (the port, the identification, the no-answer question).
enum class LinkFailure { Told, NoAnswer, PasswordWrong, PasswordNotGiven, Cancelled };

class LinkPort {
 public:
  virtual ~LinkPort() = default;

  // 9600 8N1, raw, with the flow control of the port settings (RTS/CTS unless chosen
  // otherwise). False with the system's reason in plain words.
  virtual bool Open(std::string& rReason) = 0;
  virtual void Close() = 0;
  virtual bool IsOpen() const = 0;
  // Empties both the output and the input buffer.
  virtual void Flush() = 0;
  // The engine is handed the received bytes once at least this many are waiting,
  // and then everything that is waiting.
  virtual void SetReceiveThreshold(std::size_t rBytes) = 0;
  virtual void Send(std::span<const std::uint8_t> rBytes) = 0;
  // One-shot reply timer.
  virtual void StartTimer(int rMilliseconds) = 0;
  virtual void StopTimer() = 0;
  // True while bytes of the last packet are still waiting to leave the port: the line
  // holds them back (flow control without clear-to-send), so no answer can come.
  virtual bool SendStalled() const { return false; }
};

// Questions and messages go through UserInterface::Ask; the rest is what only a
// transfer needs.
class LinkUser : public UserInterface {
 public:
  // The password question; nullopt when the user cancelled. rCurrent is shown first.
  virtual std::optional<std::string> AskPassword(const std::string& rCurrent) = 0;

  // The progress display of a codeplug read or write.
  virtual void OpenProgress(const std::string& rCaption, const std::string& rLabel) = 0;
  virtual void ShowProgress(int rPercent) = 0;
  virtual void CloseProgress() = 0;

  // Called last, after the outcome of a transfer has been applied and told.
  virtual void TransferEnded(int /*rMode*/, bool /*rSucceeded*/) {}
};

}  // namespace px
