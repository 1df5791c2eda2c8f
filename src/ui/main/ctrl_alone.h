#pragma once
// Ctrl pressed and released with no other key between: the gesture that reveals the
// signalling switches of the Help menu. Ctrl as part of a shortcut (Ctrl+C) is not it.

#include <QObject>

class QWidget;

namespace px {

class CtrlAloneWatcher : public QObject {
  Q_OBJECT

 public:
  // Watches the keys of every widget in rWindow while rWindow lives.
  explicit CtrlAloneWatcher(QWidget* rWindow);
  bool eventFilter(QObject* rWatched, QEvent* rEvent) override;

 signals:
  void CtrlAlone();

 private:
  QWidget* mWindow;
  bool mArmed = false;
};

}  // namespace px
