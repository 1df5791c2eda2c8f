#pragma once
// A UserInterface that answers from a script and records what it was asked.

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "app/user_interface.h"

namespace px::test {

class ScriptedUi : public UserInterface {
 public:
  struct Asked {
    std::string Text;
    MsgButtons Buttons;
    MsgIcon Icon;
  };

  std::deque<MsgAnswer> Answers;            // taken in order; when empty: Ok/Yes/Retry
  std::deque<std::optional<std::string>> Files;  // answers of the file dialogs
  std::vector<Asked> Questions;
  std::vector<std::string> FileDialogs;

  MsgAnswer Ask(const std::string& rText, MsgButtons rButtons, MsgIcon rIcon) override {
    Questions.push_back({rText, rButtons, rIcon});
    if (!Answers.empty()) {
      const MsgAnswer a = Answers.front();
      Answers.pop_front();
      return a;
    }
    switch (rButtons) {
      case MsgButtons::YesNo:
      case MsgButtons::YesNoCancel: return MsgAnswer::Yes;
      case MsgButtons::RetryCancel: return MsgAnswer::Retry;
      default: return MsgAnswer::Ok;
    }
  }
  std::optional<std::string> ChooseFileToOpen(const std::string& rFilter,
                                              const std::string&) override {
    return NextFile(rFilter);
  }
  std::optional<std::string> ChooseFileToSave(const std::string& rFilter,
                                              const std::string&) override {
    return NextFile(rFilter);
  }

 private:
  std::optional<std::string> NextFile(const std::string& rFilter) {
    FileDialogs.push_back(rFilter);
    if (Files.empty()) return std::nullopt;
    auto f = Files.front();
    Files.pop_front();
    return f;
  }
};

}  // namespace px::test
