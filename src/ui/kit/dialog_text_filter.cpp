#include "ui/kit/dialog_text_filter.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

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
  rEdit->setContextMenuPolicy(Qt::NoContextMenu);  // no paste through the menu either
}

void DialogTextFilter::Install(QLineEdit* rEdit, KeyRule rRule) {
  rEdit->installEventFilter(new DialogTextFilter(std::move(rRule), rEdit));
  rEdit->setContextMenuPolicy(Qt::NoContextMenu);
}

bool DialogTextFilter::Refuses(QChar rChar) const {
  if (rChar.unicode() > 127) return true;
  if (mRule) return mRule(static_cast<char>(rChar.unicode())) == 0;
  switch (mAccept) {
    case Accept::Frequency: return !(rChar.isDigit() || rChar == QLatin1Char('.'));
    case Accept::Digits: return !rChar.isDigit();
    case Accept::NameChar: return rChar == QLatin1Char('\\') || rChar == QLatin1Char('~');
    case Accept::Ascii: return false;
  }
  return false;
}

bool DialogTextFilter::eventFilter(QObject* rWatched, QEvent* rEvent) {
  auto* edit = qobject_cast<QLineEdit*>(rWatched);
  if (!edit) return false;
  if (rEvent->type() == QEvent::FocusIn) {
    // After the focus change has settled, or the click would undo the selection.
    QTimer::singleShot(0, edit, [edit] { edit->selectAll(); });
    return false;
  }
  if (rEvent->type() != QEvent::KeyPress) return false;
  auto* key = static_cast<QKeyEvent*>(rEvent);
  if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Paste) ||
      key->matches(QKeySequence::Cut))
    return true;
  if (IsEnter(key)) {
    MoveFocusOn(edit);
    return true;
  }
  const QString text = key->text();
  if (text.isEmpty() || !text.at(0).isPrint()) return false;  // control keys pass
  for (const QChar c : text)
    if (Refuses(c)) return true;
  if (mRule) {
    QString entered;
    for (const QChar c : text) entered += QLatin1Char(mRule(static_cast<char>(c.unicode())));
    if (entered != text) {
      edit->insert(entered);  // as typed, within the box's maximum length
      return true;
    }
  }
  if (mAccept == Accept::NameChar) {
    // A name box holds one character: the new one replaces it, then the next box follows.
    edit->setText(text.left(1));
    MoveFocusOn(edit);
    return true;
  }
  return false;
}

void EnterMovesFocus(QWidget* rWidget) { rWidget->installEventFilter(new EnterFilter(rWidget)); }

}  // namespace px
