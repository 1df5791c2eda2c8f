// The printed report of the full codeplug, every page, to a PDF file: build, lay out,
// paint, write. The page count is reported beside the time.

#include <benchmark/benchmark.h>

#include <QDate>
#include <QString>

#include "app/bands.h"
#include "edit/report.h"
#include "support/full_codeplug.h"
#include "support/language_home.h"
#include "support/temp_dir.h"
#include "ui/print/report_render.h"
#include "platform/startup_embedded.h"

namespace px {
namespace {

void ReportToPdf(benchmark::State& rBench, int rLanguage) {
  test::TempDir dir;
  const test::LanguageHome home;
  AppState state = home.State(rLanguage);
  RebuildBandTexts(state);
  FillFullCodeplug(state);
  const EmbeddedInfo embedded = StartupEmbeddedInfo(QDate::currentDate());
  const QString path = QString::fromStdString(dir.File("report.pdf"));
  int pages = 0;
  for (auto _ : rBench) {
    std::string error;
    const Report report = BuildReport(state, embedded, AllReportPageKeys());
    if (!WriteReportPdf(report, rLanguage, ReportPaper::A4, path, error, &pages)) {
      rBench.SkipWithError(error.c_str());
      break;
    }
  }
  rBench.counters["pages"] = pages;
}

void BM_ReportToPdfEnglish(benchmark::State& rBench) { ReportToPdf(rBench, kEnglish); }
void BM_ReportToPdfChinese(benchmark::State& rBench) { ReportToPdf(rBench, kChinese); }

BENCHMARK(BM_ReportToPdfEnglish)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReportToPdfChinese)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace px
