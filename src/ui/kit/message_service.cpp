#include "ui/kit/message_service.h"

#include "ui/kit/program_identity.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QString>

#include <utility>

namespace px {

namespace {

// The only mutable global of the desktop program, and only tests set it.
MessageAnswerer& Answerer() {
  static MessageAnswerer sAnswerer;
  return sAnswerer;
}

QString Q(const std::string& rText) { return QString::fromStdString(rText); }

QMessageBox::Icon ToQtIcon(MsgIcon rIcon) {
  switch (rIcon) {
    case MsgIcon::Information: return QMessageBox::Information;
    case MsgIcon::Warning: return QMessageBox::Warning;
    case MsgIcon::Question: return QMessageBox::Question;
    case MsgIcon::Critical: return QMessageBox::Critical;
    case MsgIcon::None: break;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQtButtons(MsgButtons rButtons) {
  switch (rButtons) {
    case MsgButtons::Ok: return QMessageBox::Ok;
    case MsgButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MsgButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MsgButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MsgButtons::RetryCancel: return QMessageBox::Retry | QMessageBox::Cancel;
  }
  return QMessageBox::Ok;
}

// What closing the box with Escape or the title bar means.
MsgAnswer EscapeAnswer(MsgButtons rButtons) {
  switch (rButtons) {
    case MsgButtons::Ok: return MsgAnswer::Ok;
    case MsgButtons::YesNo: return MsgAnswer::No;
    default: return MsgAnswer::Cancel;
  }
}

MsgAnswer FromQtButton(int rButton, MsgButtons rButtons) {
  switch (rButton) {
    case QMessageBox::Ok: return MsgAnswer::Ok;
    case QMessageBox::Yes: return MsgAnswer::Yes;
    case QMessageBox::No: return MsgAnswer::No;
    case QMessageBox::Retry: return MsgAnswer::Retry;
    case QMessageBox::Cancel: return MsgAnswer::Cancel;
    default: return EscapeAnswer(rButtons);
  }
}

// The core's texts break lines with CR LF; a label wants LF alone.
QString BoxText(const std::string& rText) {
  QString text = Q(rText);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return text;
}

QString BoxTitle() { return QString::fromLatin1(kProgramTitle); }

std::optional<std::string> RunFileDialog(QWidget* rParent, MessageKind rKind,
                                         const std::string& rFilter,
                                         const std::string& rProposed) {
  if (Answerer()) {
    MessageRequest request;
    request.Kind = rKind;
    request.Text = rFilter;
    request.Proposed = rProposed;
    return Answerer()(request).File;
  }
  QFileDialog dialog(rParent, QString(), Q(rProposed), Q(ToQtFileFilter(rFilter)));
  const bool opening = rKind == MessageKind::OpenFile;
  dialog.setAcceptMode(opening ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
  dialog.setFileMode(opening ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  // A name typed without its extension gets the filter's, as the files must have it.
  dialog.setDefaultSuffix(Q(DefaultSuffixOf(rFilter)));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  const QString name = dialog.selectedFiles().constFirst();
  if (name.isEmpty()) return std::nullopt;
  return name.toStdString();
}

}  // namespace

std::string DefaultSuffixOf(const std::string& rFilter) {
  // "Data File (*.dat)|*.dat" → "dat": the first pattern after the first bar.
  const std::size_t bar = rFilter.find('|');
  if (bar == std::string::npos) return {};
  const std::size_t dot = rFilter.find("*.", bar);
  if (dot == std::string::npos) return {};
  const std::size_t end = rFilter.find_first_of(";|", dot);
  const std::string suffix = rFilter.substr(dot + 2, end == std::string::npos ? end : end - dot - 2);
  return suffix == "*" ? std::string() : suffix;
}

std::string ToQtFileFilter(const std::string& rFilter) {
  // "Data File (*.dat)|*.dat|All (*.*)|*.*" → "Data File (*.dat);;All (*.*)"
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t bar = rFilter.find('|', start);
    parts.push_back(rFilter.substr(start, bar == std::string::npos ? bar : bar - start));
    if (bar == std::string::npos) break;
    start = bar + 1;
  }
  std::string result;
  for (std::size_t i = 0; i < parts.size(); i += 2) {
    if (parts[i].empty()) continue;
    if (!result.empty()) result += ";;";
    result += parts[i];
    // A name without its pattern in brackets shows the pattern part.
    if (parts[i].find('(') == std::string::npos && i + 1 < parts.size()) {
      result += " (" + parts[i + 1] + ")";
    }
  }
  return result;
}

MsgAnswer MessageService::Ask(const std::string& rText, MsgButtons rButtons, MsgIcon rIcon) {
  return AskUser(mParent, rText, rButtons, rIcon);
}

std::optional<std::string> MessageService::ChooseFileToOpen(const std::string& rFilter,
                                                            const std::string& rProposed) {
  return RunFileDialog(mParent, MessageKind::OpenFile, rFilter, rProposed);
}

std::optional<std::string> MessageService::ChooseFileToSave(const std::string& rFilter,
                                                            const std::string& rProposed) {
  return RunFileDialog(mParent, MessageKind::SaveFile, rFilter, rProposed);
}

MsgAnswer MessageService::AskUser(QWidget* rParent, const std::string& rText, MsgButtons rButtons,
                                  MsgIcon rIcon) {
  if (Answerer()) {
    MessageRequest request;
    request.Kind = MessageKind::Ask;
    request.Text = rText;
    request.Buttons = rButtons;
    request.Icon = rIcon;
    return Answerer()(request).Answer;
  }
  QMessageBox box(ToQtIcon(rIcon), BoxTitle(), BoxText(rText), ToQtButtons(rButtons), rParent);
  if (rButtons == MsgButtons::YesNoCancel || rButtons == MsgButtons::YesNo) {
    box.setDefaultButton(QMessageBox::Yes);
  }
  return FromQtButton(box.exec(), rButtons);
}

void MessageService::TellUser(QWidget* rParent, const std::string& rText, MsgIcon rIcon) {
  AskUser(rParent, rText, MsgButtons::Ok, rIcon);
}

void MessageService::InstallAnswerer(MessageAnswerer rAnswerer) {
  Answerer() = std::move(rAnswerer);
}

ScriptedMessages::ScriptedMessages() {
  MessageService::InstallAnswerer([this](const MessageRequest& rRequest) {
    Requests.push_back(rRequest);
    if (!Replies.empty()) {
      MessageReply reply = Replies.front();
      Replies.pop_front();
      return reply;
    }
    ++Unscripted;
    MessageReply reply;
    reply.Answer = EscapeAnswer(rRequest.Buttons);
    return reply;
  });
}

ScriptedMessages::~ScriptedMessages() { MessageService::InstallAnswerer({}); }

ScriptedMessages& ScriptedMessages::Answer(MsgAnswer rAnswer) {
  MessageReply reply;
  reply.Answer = rAnswer;
  Replies.push_back(reply);
  return *this;
}

ScriptedMessages& ScriptedMessages::File(std::optional<std::string> rFile) {
  MessageReply reply;
  reply.File = std::move(rFile);
  Replies.push_back(reply);
  return *this;
}

std::vector<std::string> ScriptedMessages::Texts() const {
  std::vector<std::string> texts;
  for (const MessageRequest& request : Requests) {
    if (request.Kind == MessageKind::Ask) texts.push_back(request.Text);
  }
  return texts;
}

}  // namespace px
