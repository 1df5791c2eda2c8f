#pragma once
// The one place where the desktop program shows message boxes and file dialogs.
// Windows and dialogs ask through a MessageService (or the static AskUser/TellUser);
// tests install an answerer that replies to every box from a script instead.

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/user_interface.h"

class QWidget;

namespace px {

enum class MessageKind { Ask, OpenFile, SaveFile };

// What a box would have shown.
struct MessageRequest {
  MessageKind Kind = MessageKind::Ask;
  std::string Text;                  // message text, or the filter of a file dialog
  MsgButtons Buttons = MsgButtons::Ok;
  MsgIcon Icon = MsgIcon::None;
  std::string Proposed;              // proposed file name of a file dialog
};

// The reply: Answer for a message box, File for a file dialog (nullopt = cancelled).
struct MessageReply {
  MsgAnswer Answer = MsgAnswer::Ok;
  std::optional<std::string> File;
};

using MessageAnswerer = std::function<MessageReply(const MessageRequest&)>;

class MessageService : public UserInterface {
 public:
  explicit MessageService(QWidget* rParent = nullptr) : mParent(rParent) {}

  void SetParent(QWidget* rParent) { mParent = rParent; }
  QWidget* Parent() const { return mParent; }

  MsgAnswer Ask(const std::string& rText, MsgButtons rButtons, MsgIcon rIcon) override;
  std::optional<std::string> ChooseFileToOpen(const std::string& rFilter,
                                              const std::string& rProposed) override;
  std::optional<std::string> ChooseFileToSave(const std::string& rFilter,
                                              const std::string& rProposed) override;

  // For dialogs that have no service at hand.
  static MsgAnswer AskUser(QWidget* rParent, const std::string& rText, MsgButtons rButtons,
                           MsgIcon rIcon);
  static void TellUser(QWidget* rParent, const std::string& rText,
                       MsgIcon rIcon = MsgIcon::Information);

  // Test hook: while an answerer is installed no box is shown; it replies instead.
  // An empty function removes it.
  static void InstallAnswerer(MessageAnswerer rAnswerer);

 private:
  QWidget* mParent = nullptr;
};

// Filter in the "Name (*.ext)|*.ext" form to the Qt form "Name (*.ext)".
std::string ToQtFileFilter(const std::string& rFilter);
// The extension a file dialog adds to a name typed without one: "dat" for
// "Data File (*.dat)|*.dat"; empty when the filter has no single extension.
std::string DefaultSuffixOf(const std::string& rFilter);

// Test helper: installs itself as the answerer for its lifetime, replies from Replies
// in order and records every request. With the script used up it answers Cancel (or
// No for Yes/No boxes, Ok for Ok boxes) and no file, and counts the request in Unscripted.
class ScriptedMessages {
 public:
  ScriptedMessages();
  ~ScriptedMessages();
  ScriptedMessages(const ScriptedMessages&) = delete;
  ScriptedMessages& operator=(const ScriptedMessages&) = delete;

  ScriptedMessages& Answer(MsgAnswer rAnswer);
  ScriptedMessages& File(std::optional<std::string> rFile);

  std::deque<MessageReply> Replies;
  std::vector<MessageRequest> Requests;
  int Unscripted = 0;

  // Texts of the message boxes asked so far (file dialogs left out).
  std::vector<std::string> Texts() const;
};

}  // namespace px
