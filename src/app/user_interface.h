#pragma once
// What the core asks of the person at the program: questions, messages and file names.
// The desktop program answers with dialogs, the command-line tool with prompts, the
// tests with scripts.

#include <optional>
#include <string>

namespace px {

enum class MsgIcon { None, Information, Warning, Question, Critical };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class MsgAnswer { Ok, Cancel, Yes, No, Retry };

class UserInterface {
 public:
  virtual ~UserInterface() = default;

  virtual MsgAnswer Ask(const std::string& rText, MsgButtons rButtons, MsgIcon rIcon) = 0;
  void Tell(const std::string& rText, MsgIcon rIcon = MsgIcon::Information) {
    Ask(rText, MsgButtons::Ok, rIcon);
  }

  // File dialogs. rFilter is the filter text of the file dialogs ("Data File (*.dat)|*.dat");
  // nullopt means the user cancelled.
  virtual std::optional<std::string> ChooseFileToOpen(const std::string& rFilter,
                                                      const std::string& rProposed) = 0;
  virtual std::optional<std::string> ChooseFileToSave(const std::string& rFilter,
                                                      const std::string& rProposed) = 0;
};

}  // namespace px
