// EncodeCodeplug and DecodeCodeplug on the fully populated codeplug.

#include <benchmark/benchmark.h>

#include <optional>
#include <string>

#include "link/codec.h"
#include "support/full_codeplug.h"
// The bench target links only the core; the builder comes with it.

namespace {

class QuietUi : public px::UserInterface {
 public:
  px::MsgAnswer Ask(const std::string&, px::MsgButtons, px::MsgIcon) override { return px::MsgAnswer::Ok; }
  std::optional<std::string> ChooseFileToOpen(const std::string&, const std::string&) override {
    return std::nullopt;
  }
  std::optional<std::string> ChooseFileToSave(const std::string&, const std::string&) override {
    return std::nullopt;
  }
};

void BM_EncodeFullCodeplug(benchmark::State& rBench) {
  px::AppState state;
  px::FillFullCodeplug(state);
  px::RadioImage image{};
  QuietUi ui;
  for (auto _ : rBench) {
    if (!px::EncodeCodeplug(state, image, ui)) rBench.SkipWithError("encoding failed");
    benchmark::DoNotOptimize(image.data());
  }
  rBench.SetBytesProcessed(static_cast<std::int64_t>(rBench.iterations()) * px::kImageSize);
}
BENCHMARK(BM_EncodeFullCodeplug);

void BM_DecodeFullCodeplug(benchmark::State& rBench) {
  px::AppState state;
  px::FillFullCodeplug(state);
  px::RadioImage image{};
  QuietUi ui;
  px::EncodeCodeplug(state, image, ui);
  for (auto _ : rBench) {
    px::AppState out;
    px::DecodeCodeplug(out, image);
    benchmark::DoNotOptimize(out.Current.ChannelCount);
  }
  rBench.SetBytesProcessed(static_cast<std::int64_t>(rBench.iterations()) * px::kImageSize);
}
BENCHMARK(BM_DecodeFullCodeplug);

}  // namespace


