#include "cli/terminal_ui.h"

#include <unistd.h>

#include <cctype>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace px {
namespace {

// The core's texts use the "\r\n" line breaks of message boxes.
std::string ForTerminal(const std::string& rText) {
  std::string out;
  for (char c : rText)
    if (c != '\r') out.push_back(c);
  return out;
}

struct Choice {
  char Key;
  const char* Label;
  MsgAnswer Answer;
};

std::vector<Choice> ChoicesOf(MsgButtons rButtons) {
  switch (rButtons) {
    case MsgButtons::Ok: return {{'o', "ok", MsgAnswer::Ok}};
    case MsgButtons::OkCancel: return {{'o', "ok", MsgAnswer::Ok}, {'c', "cancel", MsgAnswer::Cancel}};
    case MsgButtons::YesNo: return {{'y', "yes", MsgAnswer::Yes}, {'n', "no", MsgAnswer::No}};
    case MsgButtons::YesNoCancel:
      return {{'y', "yes", MsgAnswer::Yes}, {'n', "no", MsgAnswer::No}, {'c', "cancel", MsgAnswer::Cancel}};
    case MsgButtons::RetryCancel:
      return {{'r', "retry", MsgAnswer::Retry}, {'c', "cancel", MsgAnswer::Cancel}};
  }
  return {{'o', "ok", MsgAnswer::Ok}};
}

const char* LabelOf(MsgAnswer rAnswer) {
  switch (rAnswer) {
    case MsgAnswer::Ok: return "ok";
    case MsgAnswer::Cancel: return "cancel";
    case MsgAnswer::Yes: return "yes";
    case MsgAnswer::No: return "no";
    case MsgAnswer::Retry: return "retry";
  }
  return "?";
}

// The answer given when input ends: the one that stops.
MsgAnswer StoppingAnswer(MsgButtons rButtons) {
  switch (rButtons) {
    case MsgButtons::Ok: return MsgAnswer::Ok;
    case MsgButtons::YesNo: return MsgAnswer::No;
    default: return MsgAnswer::Cancel;
  }
}

}  // namespace

MsgAnswer DefaultAnswer(MsgButtons rButtons) {
  switch (rButtons) {
    case MsgButtons::Ok:
    case MsgButtons::OkCancel: return MsgAnswer::Ok;
    case MsgButtons::YesNo:
    case MsgButtons::YesNoCancel: return MsgAnswer::Yes;
    case MsgButtons::RetryCancel: return MsgAnswer::Cancel;
  }
  return MsgAnswer::Ok;
}

TerminalUi::TerminalUi(std::istream& rIn, std::ostream& rErr, bool rInteractive)
    : mIn(rIn), mErr(rErr), mInteractive(rInteractive) {}

bool TerminalUi::IsInteractiveTerminal() { return isatty(STDIN_FILENO) == 1; }

MsgAnswer TerminalUi::Ask(const std::string& rText, MsgButtons rButtons, MsgIcon rIcon) {
  const char* prefix = rIcon == MsgIcon::Critical ? "px4800: error: "
                       : rIcon == MsgIcon::Warning ? "px4800: warning: "
                                                   : "px4800: ";
  mErr << prefix << ForTerminal(rText);
  if (rButtons == MsgButtons::Ok) {
    mErr << "\n";
    return MsgAnswer::Ok;
  }
  if (Interactive()) return AskOnTerminal(rText, rButtons);
  const MsgAnswer answer = mPolicy ? mPolicy(rText, rButtons, rIcon) : DefaultAnswer(rButtons);
  mErr << " -> " << LabelOf(answer) << "\n";
  return answer;
}

MsgAnswer TerminalUi::AskOnTerminal(const std::string&, MsgButtons rButtons) {
  const std::vector<Choice> choices = ChoicesOf(rButtons);
  for (;;) {
    mErr << " [";
    for (std::size_t i = 0; i < choices.size(); ++i)
      mErr << (i ? "/" : "") << (i == 0 ? static_cast<char>(std::toupper(choices[i].Key)) : choices[i].Key)
           << choices[i].Label + 1;
    mErr << "] " << std::flush;
    std::string line;
    if (!std::getline(mIn, line)) {
      mErr << "\n";
      return StoppingAnswer(rButtons);
    }
    if (line.empty()) return choices.front().Answer;
    const char key = static_cast<char>(std::tolower(static_cast<unsigned char>(line[0])));
    for (const Choice& c : choices)
      if (c.Key == key) return c.Answer;
    mErr << "px4800: please answer";
  }
}

std::optional<std::string> TerminalUi::AskForPath(const std::string& rFilter,
                                                  const std::string& rProposed) {
  if (!Interactive()) {
    if (rProposed.empty()) return std::nullopt;
    return rProposed;
  }
  mErr << "px4800: file name (" << rFilter.substr(0, rFilter.find('|')) << ")";
  if (!rProposed.empty()) mErr << " [" << rProposed << "]";
  mErr << ": " << std::flush;
  std::string line;
  if (!std::getline(mIn, line)) return std::nullopt;
  if (line.empty()) {
    if (rProposed.empty()) return std::nullopt;
    return rProposed;
  }
  return line;
}

std::optional<std::string> TerminalUi::ChooseFileToOpen(const std::string& rFilter,
                                                        const std::string& rProposed) {
  return AskForPath(rFilter, rProposed);
}

std::optional<std::string> TerminalUi::ChooseFileToSave(const std::string& rFilter,
                                                        const std::string& rProposed) {
  return AskForPath(rFilter, rProposed);
}

}  // namespace px
