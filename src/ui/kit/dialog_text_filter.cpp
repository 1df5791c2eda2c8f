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
  FilterValidator(DialogTextFilter::Accept rAccept, QObject* rParent) : QValidator(rParent), mAccept(rAccept) {}
  State validate(QString& rInput, int&) const override {
    return DialogTextFilter::Accepts(mAccept, rInput) ? Acceptable : Invalid;
  }

 private:
  DialogTextFilter::Accept mAccept;
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

void DialogTextFilter::Install(QLineEdit* rEdit, Accept rAccept) {
  rEdit->installEventFilter(new DialogTextFilter(rAccept, rEdit));
  rEdit->setValidator(new FilterValidator(rAccept, rEdit));
  rEdit->setContextMenuPolicy(Qt::NoContextMenu);  // no paste through the menu either
  rEdit->setAcceptDrops(false);
  rEdit->setProperty(kTextFilterProperty, static_cast<int>(rAccept));
}

bool DialogTextFilter::Accepts(Accept rAccept, const QString& rText) {
  for (const QChar c : rText)
    if (Refuses(rAccept, c)) return false;
  return true;
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
  if (!Accepts(mAccept, text)) return true;
  if (mAccept == Accept::NameChar) {
    TakeNameChar(rEdit, text);
    return true;
  }
  return false;
}

bool DialogTextFilter::FilterInputMethod(QLineEdit* rEdit, QInputMethodEvent* rEvent) {
  const QString commit = rEvent->commitString();
  if (commit.isEmpty()) return false;  // composing only: nothing reaches the text yet
  if (!Accepts(mAccept, commit)) {
    // The composition ends without a trace in the box.
    rEvent->setCommitString(QString());
    return false;
  }
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
