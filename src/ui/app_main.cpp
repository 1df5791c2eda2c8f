// px4800-cps [--port PATH] [--trace FILE] [FILE.dat]
#include <QApplication>
#include <QCommandLineParser>
#include <QEvent>
#include <QTimer>

#include "app/app_state.h"
#include "edit/startup.h"
#include "edit/file_commands.h"
#include "link/ports.h"
#include "platform/port_discovery.h"
#include "ui/main/channel_grid.h"
#include "ui/main/frm_main.h"
#include "ui/kit/message_service.h"
#include "ui/kit/program_identity.h"
#include "ui/kit/qt_translations.h"

namespace {

// Ends the event loop once rWidget has painted for the first time: the start-up
// benchmark times the program up to the first shown grid. The window is not closed,
// so a timing run leaves the stored window geometry and settings as they were.
class QuitAfterFirstPaint : public QObject {
 public:
  explicit QuitAfterFirstPaint(QWidget* rWidget) : QObject(rWidget) { rWidget->installEventFilter(this); }

  bool eventFilter(QObject* rWatched, QEvent* rEvent) override {
    if (rEvent->type() == QEvent::Paint) {
      rWatched->removeEventFilter(this);
      // Queued, so that the paint under way reaches the screen first.
      QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    }
    return false;
  }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  px::NameProgram();

  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("The programming application for the PX-4800 hand-held FM radio."));
  parser.addHelpOption();
  parser.addVersionOption();
  const QCommandLineOption port(QStringLiteral("port"), QStringLiteral("Serial device of the radio."),
                                QStringLiteral("PATH"));
  const QCommandLineOption trace(QStringLiteral("trace"), QStringLiteral("Log the link to FILE."),
                                 QStringLiteral("FILE"));
  QCommandLineOption quitWhenShown(QStringLiteral("quit-when-shown"),
                                   QStringLiteral("Quit once the window has first been painted."));
  quitWhenShown.setFlags(QCommandLineOption::HiddenFromHelp);
  parser.addOption(port);
  parser.addOption(trace);
  parser.addOption(quitWhenShown);
  parser.addPositionalArgument(QStringLiteral("FILE.dat"), QStringLiteral("Codeplug to open."));
  parser.process(app);

  px::AppState state;
  px::MessageService messages;
  px::StartOptions options;
  options.ExecutablePath = QApplication::applicationFilePath().toStdString();
  options.PresentPorts = [] { return px::PresentPortNumbers(px::DiscoverSerialPorts()); };
  px::StartProgram(state, messages, options);
  px::ApplyQtLanguage(state.LanguageIndex);

  px::FrmMain window(state);
  window.Radio().PortPath = parser.value(port).toStdString();
  window.Radio().TracePath = parser.value(trace).toStdString();
  window.RestoreGeometry();
  window.show();
  // Opening the file runs no event loop, so the first paint already shows it.
  if (parser.isSet(quitWhenShown)) new QuitAfterFirstPaint(window.Grid()->viewport());
  const QStringList files = parser.positionalArguments();
  if (!files.isEmpty() &&
      px::OpenCodeplugFile(state, window.Messages(), files.front().toStdString())) {
    window.ShowListByData();
  }
  return QApplication::exec();
}
