// The desktop program's two timings that people feel: filling the channel grid, and
// starting the program on a full codeplug up to the first painted window. Both run on
// the offscreen platform.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSettings>
#include <QStandardPaths>
#include <QWindow>

#include <chrono>
#include <filesystem>
#include <string>

#include "app/program_folder.h"
#include "app/startup.h"
#include "codeplug/file_commands.h"
#include "support/full_codeplug.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"
#include "ui/main/frm_main.h"

namespace {

namespace fs = std::filesystem;

// A program folder with the two language files, as the installed program has.
void MakeProgramFolder(const fs::path& rFolder) {
  fs::create_directories(rFolder / "language");
  for (const char* name : {"english.ini", "chinese.ini"}) {
    fs::copy_file(fs::path(PX_SOURCE_DIR) / "lang" / name, rFolder / "language" / name,
                  fs::copy_options::overwrite_existing);
  }
}

void BM_ShowListByData(benchmark::State& rBench) {
  px::test::TempDir dir;
  MakeProgramFolder(dir.Path());
  // The window's geometry goes to the temporary folder, not the user's settings.
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                     QString::fromStdString(dir.File("settings")));
  px::AppState state;
  px::test::ScriptedUi quiet;
  px::StartOptions options;
  options.ProgramFolder = dir.Path().string();
  px::StartProgram(state, quiet, options);
  px::test::FillFullCodeplug(state);
  {
    px::FrmMain window(state);
    window.RestoreGeometry();
    window.show();
    QElapsedTimer waited;
    waited.start();
    while ((window.windowHandle() == nullptr || !window.windowHandle()->isExposed()) &&
           waited.elapsed() < 5000) {
      QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    QApplication::processEvents();
    for (auto _ : rBench) window.ShowListByData();
    rBench.counters["channels"] = state.Current.ChannelCount;
  }
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                     QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
}
BENCHMARK(BM_ShowListByData)->Unit(benchmark::kMillisecond);

void BM_StartToShownWindow(benchmark::State& rBench) {
  px::test::TempDir dir;
  MakeProgramFolder(dir.Path());
  const std::string file = dir.File("full.dat");
  {
    px::AppState state;
    px::test::ScriptedUi quiet;
    px::test::FillFullCodeplug(state);
    if (!px::WriteCodeplug(state, quiet, file)) {
      rBench.SkipWithError("the codeplug file could not be written");
      return;
    }
  }
  // The program's settings and its program folder stay inside the temporary folder.
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  environment.insert(QString::fromLatin1(px::kProgramHomeVariable), QString::fromStdString(dir.Path().string()));
  environment.insert(QStringLiteral("XDG_CONFIG_HOME"), QString::fromStdString(dir.File("config")));
  const QStringList arguments{QStringLiteral("--quit-when-shown"), QString::fromStdString(file)};

  for (auto _ : rBench) {
    QProcess program;
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.setStandardOutputFile(QProcess::nullDevice());
    program.start(QStringLiteral(PX_CPS), arguments);
    if (!program.waitForFinished(30000)) {
      program.kill();
      program.waitForFinished();
      rBench.SkipWithError("the program did not quit after showing its window");
      return;
    }
    if (program.exitStatus() != QProcess::NormalExit || program.exitCode() != 0) {
      rBench.SkipWithError("the program failed");
      return;
    }
  }
}
BENCHMARK(BM_StartToShownWindow)->Iterations(10)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
