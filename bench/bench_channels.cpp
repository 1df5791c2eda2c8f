// The channel workbench on a full list: a sort of 200 channels and an import of a
// 200-channel list, as the Edit menu and the CSV import run them.

#include <benchmark/benchmark.h>

#include "edit/channel_csv.h"
#include "edit/channel_ops.h"
#include "support/full_codeplug.h"

namespace {

void BM_SortTwoHundredChannels(benchmark::State& rBench, px::SortKey rKey) {
  px::AppState full;
  px::FillFullCodeplug(full);
  for (auto _ : rBench) {
    rBench.PauseTiming();
    px::AppState state = full;
    rBench.ResumeTiming();
    benchmark::DoNotOptimize(px::SortChannels(state, rKey));
  }
}
BENCHMARK_CAPTURE(BM_SortTwoHundredChannels, ByRx, px::SortKey::RxFrequency);
BENCHMARK_CAPTURE(BM_SortTwoHundredChannels, ByName, px::SortKey::Name);

// A list of 200 channels into a codeplug without any: every row is planned and stored.
void BM_ImportTwoHundredChannels(benchmark::State& rBench) {
  px::AppState full;
  px::FillFullCodeplug(full);
  const std::string csv = px::ExportChannelsCsv(full);
  px::AppState empty = full;  // the same band, no channels
  empty.Current.ChannelCount = 0;
  for (auto _ : rBench) {
    rBench.PauseTiming();
    px::AppState state = empty;
    rBench.ResumeTiming();
    const px::ChannelImportPlan plan = px::PlanChannelImport(state, csv);
    if (plan.Channels.size() != static_cast<std::size_t>(px::kMemoryChannels)) rBench.SkipWithError("rows refused");
    benchmark::DoNotOptimize(px::ApplyChannelImport(state, plan));
  }
}
BENCHMARK(BM_ImportTwoHundredChannels);

}  // namespace
