#include "ui/kit/dialog_text_filter.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimer>
#include <QValidator>

namespace px {

namespace {

bool IsEnter(const QKeyEvent* rKey) {
  return rKey->key() == Qt::Key_Return || rKey->key() == Qt::Key_Enter;
}

// focusNextChild is protected; a Tab does the same, with the dialog's tab order.
void MoveFocusOn(QObject* rFrom) {
  QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
  QCoreApplication::sendEvent(rFrom, &tab);
}

bool Refuses(DialogTextFilter::Accept rAccept, QChar rChar) {
  const char16_t code = rChar.unicode();
  if (code > 127 || code < 32 || code == 127) return true;
  switch (rAccept) {
    case DialogTextFilter::Accept::Frequency: return !((code >= '0' && code <= '9') || code == '.');
    case DialogTextFilter::Accept::Digits: return !(code >= '0' && code <= '9');
    case DialogTextFilter::Accept::NameChar: return code == '\\' || code == '~';
    case DialogTextFilter::Accept::Ascii: return false;
  }
  return false;
}

// Every change of the text that does not come from the program itself is checked here:
// QLineEdit undoes a change its validator calls invalid.
class FilterValidator : public QValidator {
 public:
  FilterValidator(const DialogTextFilter* rFilter, QObject* rParent) : QValidator(rParent), mFilter(rFilter) {}
  State validate(QString& rInput, int&) const override {
    return mFilter->AcceptsText(rInput) ? Acceptable : Invalid;
  }

 private:
  const DialogTextFilter* mFilter;
};

bool IsMouseButtonEvent(QEvent::Type rType) {
  return rType == QEvent::MouseButtonPress || rType == QEvent::MouseButtonRelease ||
         rType == QEvent::MouseButtonDblClick;
}

class EnterFilter : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* rWatched, QEvent* rEvent) override {
    if (rEvent->type() != QEvent::KeyPress || !IsEnter(static_cast<QKeyEvent*>(rEvent))) return false;
    MoveFocusOn(rWatched);
    return true;
  }
};

}  // namespace

void DialogTextFilter::InstallOn(QLineEdit* rEdit, DialogTextFilter* rFilter) {
  rEdit->installEventFilter(rFilter);
  rEdit->setValidator(new FilterValidator(rFilter, rEdit));
  rEdit->setContextMenuPolicy(Qt::NoContextMenu);  // no paste through the menu either
  rEdit->setAcceptDrops(false);
  rEdit->setProperty(kTextFilterProperty, static_cast<int>(rFilter->mAccept));
}

void DialogTextFilter::Install(QLineEdit* rEdit, Accept rAccept) {
  InstallOn(rEdit, new DialogTextFilter(rAccept, rEdit));
}

void DialogTextFilter::Install(QLineEdit* rEdit, KeyRule rRule) {
  InstallOn(rEdit, new DialogTextFilter(std::move(rRule), rEdit));
}

bool DialogTextFilter::Accepts(Accept rAccept, const QString& rText) {
  for (const QChar c : rText)
    if (Refuses(rAccept, c)) return false;
  return true;
}

bool DialogTextFilter::AcceptsText(const QString& rText) const {
  if (!Accepts(mAccept, rText)) return false;
  if (!mRule) return true;
  for (const QChar c : rText)
    if (mRule(static_cast<char>(c.unicode())) == 0) return false;
  return true;
}

QString DialogTextFilter::Entered(const QString& rText) const {
  if (!mRule) return rText;
  QString entered;
  for (const QChar c : rText) entered += QLatin1Char(mRule(static_cast<char>(c.unicode())));
  return entered;
}

void DialogTextFilter::TakeNameChar(QLineEdit* rEdit, const QString& rText) {
  rEdit->setText(rText.left(1));
  MoveFocusOn(rEdit);
}

bool DialogTextFilter::FilterKey(QLineEdit* rEdit, QKeyEvent* rKey) {
  if (rKey->matches(QKeySequence::Copy) || rKey->matches(QKeySequence::Paste) ||
      rKey->matches(QKeySequence::Cut))
    return true;
  if (IsEnter(rKey)) {
    MoveFocusOn(rEdit);
    return true;
  }
  const QString text = rKey->text();
  if (text.isEmpty() || !text.at(0).isPrint()) return false;  // control keys pass
  if (!AcceptsText(text)) return true;
  if (mAccept == Accept::NameChar) {
    TakeNameChar(rEdit, text);
    return true;
  }
  if (const QString entered = Entered(text); entered != text) {
    rEdit->insert(entered);  // as the rule enters it, within the box's maximum length
    return true;
  }
  return false;
}

bool DialogTextFilter::FilterInputMethod(QLineEdit* rEdit, QInputMethodEvent* rEvent) {
  const QString commit = rEvent->commitString();
  if (commit.isEmpty()) return false;  // composing only: nothing reaches the text yet
  if (!AcceptsText(commit)) {
    // The composition ends without a trace in the box.
    rEvent->setCommitString(QString());
    return false;
  }
  if (const QString entered = Entered(commit); entered != commit) rEvent->setCommitString(entered);
  if (mAccept == Accept::NameChar) {
    // As a typed character; the event still goes on, empty, to end the composition.
    rEvent->setCommitString(QString());
    TakeNameChar(rEdit, commit);
  }
  return false;
}

bool DialogTextFilter::eventFilter(QObject* rWatched, QEvent* rEvent) {
  auto* edit = qobject_cast<QLineEdit*>(rWatched);
  if (!edit) return false;
  switch (rEvent->type()) {
    case QEvent::FocusIn:
      // After the focus change has settled, or the click would undo the selection.
      QTimer::singleShot(0, edit, [edit] { edit->selectAll(); });
      return false;
    case QEvent::KeyPress:
      return FilterKey(edit, static_cast<QKeyEvent*>(rEvent));
    case QEvent::InputMethod:
      return FilterInputMethod(edit, static_cast<QInputMethodEvent*>(rEvent));
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
      return true;  // the clipboard's other door
    default:
      break;
  }
  // The middle button pastes the selection on X11.
  if (IsMouseButtonEvent(rEvent->type()) && static_cast<QMouseEvent*>(rEvent)->button() == Qt::MiddleButton)
    return true;
  return false;
}

void EnterMovesFocus(QWidget* rWidget) { rWidget->installEventFilter(new EnterFilter(rWidget)); }

}  // namespace px
