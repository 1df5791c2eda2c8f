// px4800-cps [--port PATH] [--trace FILE] [FILE.dat]
#include <QApplication>
#include <QCommandLineParser>

#include "app/app_state.h"
#include "app/startup.h"
#include "codeplug/file_commands.h"
#include "link/ports.h"
#include "platform/port_discovery.h"
#include "ui/main/frm_main.h"
#include "ui/main/message_service.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("px4800-cps"));
  QApplication::setApplicationDisplayName(QStringLiteral("NR_6240"));

  QCommandLineParser parser;
  parser.addHelpOption();
  const QCommandLineOption port(QStringLiteral("port"), QStringLiteral("Serial device of the radio."),
                                QStringLiteral("PATH"));
  const QCommandLineOption trace(QStringLiteral("trace"), QStringLiteral("Log the link to FILE."),
                                 QStringLiteral("FILE"));
  parser.addOption(port);
  parser.addOption(trace);
  parser.addPositionalArgument(QStringLiteral("FILE.dat"), QStringLiteral("Codeplug to open."));
  parser.process(app);

  px::AppState state;
  px::MessageService messages;
  px::StartOptions options;
  options.ExecutablePath = QApplication::applicationFilePath().toStdString();
  options.PresentPorts = [] { return px::PresentPortNumbers(px::DiscoverSerialPorts()); };
  px::StartProgram(state, messages, options);

  px::FrmMain window(state);
  window.Radio().PortPath = parser.value(port).toStdString();
  window.Radio().TracePath = parser.value(trace).toStdString();
  window.RestoreGeometry();
  window.show();
  const QStringList files = parser.positionalArguments();
  if (!files.isEmpty() &&
      px::OpenCodeplugFile(state, window.Messages(), files.front().toStdString())) {
    window.ShowListByData();
  }
  return QApplication::exec();
}
