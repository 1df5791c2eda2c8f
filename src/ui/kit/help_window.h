#pragma once
// The user manual: HTML pages in the program folder (manual/en/, manual/zh/), shown in a
// help window at the page that belongs to the window in use. F1 anywhere in the program
// and Help > Contents open it.

#include <QDialog>
#include <QString>

class QTextBrowser;

namespace px {

struct AppState;

// The manual page of rTopic ("index", "editor", ...) in the current language.
QString ManualPagePath(const AppState& rState, const QString& rTopic);

// The topic of a window, by its objectName ("FrmCHEdit" → "editor"); "index" for a
// window without a page of its own.
QString HelpTopicOf(const QString& rWindowName);

class HelpWindow : public QDialog {
  Q_OBJECT

 public:
  HelpWindow(const AppState& rState, QWidget* rParent);
  void ShowTopic(const QString& rTopic);
  QTextBrowser* Browser() const { return mBrowser; }

 private:
  const AppState& mState;
  QTextBrowser* mBrowser = nullptr;
};

// Opens (or raises) the help window over rParent's window at rTopic. A missing manual is
// said in a message box naming the file. Returns the window, or nullptr then.
HelpWindow* ShowHelp(const AppState& rState, QWidget* rParent, const QString& rTopic);

// Catches F1 in every window of the program while it lives (parent it to the main window).
class HelpKey : public QObject {
 public:
  HelpKey(const AppState& rState, QObject* rParent);
  bool eventFilter(QObject* rWatched, QEvent* rEvent) override;

 private:
  const AppState& mState;
};

}  // namespace px
