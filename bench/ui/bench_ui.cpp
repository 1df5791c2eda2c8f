// The desktop program's two timings that people feel: filling the channel grid, and
// starting the program on a full codeplug up to the first painted window. Both run on
// the offscreen platform.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QWindow>

#include <filesystem>
#include <memory>
#include <string>

#include "app/program_folder.h"
#include "edit/file_commands.h"
#include "support/full_codeplug.h"
#include "support/scripted_ui.h"
#include "support/started_program.h"
#include "support/temp_dir.h"
#include "ui/main/channel_grid.h"
#include "ui/main/frm_main.h"

namespace {

namespace fs = std::filesystem;

// The main window on the full codeplug, shown offscreen over a temporary program folder.
class ShownWindow {
 public:
  ShownWindow() {
    px::test::FillFullCodeplug(mState);
    mWindow = std::make_unique<px::FrmMain>(mState);
    mWindow->RestoreGeometry();
    mWindow->show();
    QElapsedTimer waited;
    waited.start();
    while ((mWindow->windowHandle() == nullptr || !mWindow->windowHandle()->isExposed()) &&
           waited.elapsed() < 5000) {
      QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    QApplication::processEvents();
  }
  ~ShownWindow() { mWindow.reset(); }
  ShownWindow(const ShownWindow&) = delete;
  ShownWindow& operator=(const ShownWindow&) = delete;

  px::FrmMain& Window() { return *mWindow; }
  int ChannelCount() const { return mState.Current.ChannelCount; }

 private:
  px::AppState mState;
  px::test::StartedProgram mProgram{mState};
  std::unique_ptr<px::FrmMain> mWindow;
};

void BM_ShowListByData(benchmark::State& rBench) {
  ShownWindow shown;
  for (auto _ : rBench) shown.Window().ShowListByData();
  rBench.counters["channels"] = shown.ChannelCount();
}
BENCHMARK(BM_ShowListByData)->Unit(benchmark::kMillisecond);

// The same with the grid's repaint, which ShowListByData only schedules: what the user
// waits for after opening or reading a codeplug.
void BM_ShowListByDataPainted(benchmark::State& rBench) {
  ShownWindow shown;
  QWidget* grid = shown.Window().Grid()->viewport();
  for (auto _ : rBench) {
    shown.Window().ShowListByData();
    grid->repaint();
  }
}
BENCHMARK(BM_ShowListByDataPainted)->Unit(benchmark::kMillisecond);

void BM_StartToShownWindow(benchmark::State& rBench) {
  px::test::TempDir dir;
  px::test::MakeProgramFolder(dir.Path());
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
  const fs::path runtime = dir.Path() / "runtime";
  fs::create_directories(runtime);
  fs::permissions(runtime, fs::perms::owner_all);
  environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), QString::fromStdString(runtime.string()));
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
