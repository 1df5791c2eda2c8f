#pragma once
// The command-line tool's side of px::UserInterface. Messages go to stderr. When stdin
// is a terminal (and --yes was not given) questions are asked there; otherwise each
// question gets the answer of the policy below, printed beside the question so that a
// log shows what was decided:
//   Ok / OkCancel        -> Ok
//   YesNo / YesNoCancel  -> Yes
//   RetryCancel          -> Cancel (a command that wants retries installs its own policy)
// That is, a command goes on with what its own arguments already asked for (writing
// over an existing -o file, for instance) and never waits for input that cannot come.
// File dialogs have no terminal form: they answer with the proposed name when it is
// not empty, otherwise they cancel.

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>

#include "app/user_interface.h"

namespace px {

using AnswerPolicy = std::function<MsgAnswer(const std::string& rText, MsgButtons rButtons, MsgIcon rIcon)>;

MsgAnswer DefaultAnswer(MsgButtons rButtons);

class TerminalUi : public UserInterface {
 public:
  // rIn is read only when rInteractive; use IsInteractiveTerminal() for the real stdin.
  TerminalUi(std::istream& rIn, std::ostream& rErr, bool rInteractive);

  // True when standard input is a terminal.
  static bool IsInteractiveTerminal();

  // Replaces the non-interactive answers (default: DefaultAnswer).
  void SetPolicy(AnswerPolicy rPolicy) { mPolicy = std::move(rPolicy); }
  // --yes: answer by the policy even on a terminal.
  void SetAssumeYes(bool rAssumeYes) { mAssumeYes = rAssumeYes; }
  bool Interactive() const { return mInteractive && !mAssumeYes; }

  MsgAnswer Ask(const std::string& rText, MsgButtons rButtons, MsgIcon rIcon) override;
  std::optional<std::string> ChooseFileToOpen(const std::string& rFilter,
                                              const std::string& rProposed) override;
  std::optional<std::string> ChooseFileToSave(const std::string& rFilter,
                                              const std::string& rProposed) override;

  std::ostream& Err() { return mErr; }

 private:
  MsgAnswer AskOnTerminal(const std::string& rText, MsgButtons rButtons);
  std::optional<std::string> AskForPath(const std::string& rFilter, const std::string& rProposed);

  std::istream& mIn;
  std::ostream& mErr;
  bool mInteractive;
  bool mAssumeYes = false;
  AnswerPolicy mPolicy;
};

}  // namespace px
