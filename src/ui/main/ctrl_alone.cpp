#include "ui/main/ctrl_alone.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace px {

CtrlAloneWatcher::CtrlAloneWatcher(QWidget* rWindow) : QObject(rWindow), mWindow(rWindow) {
  qApp->installEventFilter(this);
}

bool CtrlAloneWatcher::eventFilter(QObject* rWatched, QEvent* rEvent) {
  const QEvent::Type type = rEvent->type();
  // A key taken as a menu shortcut (Ctrl+C on the grid) never arrives as a key press.
  if (type == QEvent::ShortcutOverride) {
    if (static_cast<QKeyEvent*>(rEvent)->key() != Qt::Key_Control) mArmed = false;
    return false;
  }
  if (type != QEvent::KeyPress && type != QEvent::KeyRelease) return false;
  auto* widget = qobject_cast<QWidget*>(rWatched);
  if (!widget || widget->window() != mWindow) return false;
  const auto* key = static_cast<QKeyEvent*>(rEvent);
  if (key->isAutoRepeat()) return false;
  const bool ctrl = key->key() == Qt::Key_Control;
  const bool others = (key->modifiers() & (Qt::ShiftModifier | Qt::AltModifier | Qt::MetaModifier)) != 0;
  if (type == QEvent::KeyPress) {
    mArmed = ctrl && !others;
  } else if (ctrl && mArmed) {
    mArmed = false;
    emit CtrlAlone();
  }
  return false;
}

}  // namespace px
