// Four virtual radios written at once against one written alone, at 9600 baud: the
// links share one event loop, so the four together should take hardly longer than one.
// "ratio" is the time for four over the time for one (goal: at most 1.05).

#include <benchmark/benchmark.h>

#include <fstream>
#include <string>
#include <vector>

#include "bench_processes.h"
#include "codeplug/codeplug_file.h"
#include "support/full_codeplug.h"

namespace {

using namespace px::bench;

constexpr int kBaud = 9600;

// Writes rDat to rRadios virtual radios with one px4800 call; the seconds it took, or -1.
double WriteFleet(const fs::path& rHome, const std::string& rDat, int rRadios,
                  const std::vector<std::string>& rExtra = {}) {
  std::vector<pid_t> sims;
  std::vector<std::string> args{Sibling("px4800"), "write", "--yes"};
  args.insert(args.end(), rExtra.begin(), rExtra.end());
  for (int i = 0; i < rRadios; ++i) {
    std::string device;
    sims.push_back(StartSim({"--baud", std::to_string(kBaud)}, rHome, device));
    args.insert(args.end(), {"--port", device});
  }
  args.push_back(rDat);
  const auto start = Clock::now();
  const int status = WaitFor(Spawn(args, -1, rHome), std::chrono::seconds(300));
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  for (const pid_t sim : sims) {
    kill(sim, SIGTERM);
    WaitFor(sim, std::chrono::seconds(10));
  }
  return status == 0 ? seconds : -1;
}

// A fleet of rRadios against one radio, written the same way; the manual time is the
// fleet's, the counters give both and their ratio.
void FleetVersusOne(benchmark::State& rState, const std::string& rName, int rRadios,
                    bool rIdentities) {
  const fs::path home = fs::temp_directory_path() / ("px4800-" + rName + "-" + std::to_string(getpid()));
  fs::create_directories(home);
  const std::string dat = (home / "full.dat").string();
  px::AppState plug;
  px::FillFullCodeplug(plug);
  std::string error;
  px::WriteCodeplugFiles(dat, plug.Current, plug.Channels, error);
  std::vector<std::string> identities;
  if (rIdentities)
    identities = {"--dtmf-id", "101", "--five-tone-id", "24680", "--log", (home / "delivery.csv").string()};
  for (auto _ : rState) {
    const double one = WriteFleet(home, dat, 1, identities);
    const double many = WriteFleet(home, dat, rRadios, identities);
    if (one < 0 || many < 0) {
      rState.SkipWithError("a write failed");
      break;
    }
    rState.SetIterationTime(many);
    rState.counters["one_s"] = one;
    rState.counters[std::to_string(rRadios) + "_radios_s"] = many;
    rState.counters["ratio"] = many / one;
    std::ifstream load("/proc/loadavg");
    double loadavg = 0;
    load >> loadavg;
    rState.counters["load1"] = loadavg;
  }
  fs::remove_all(home);
}

void BM_FleetWriteFourVersusOne9600(benchmark::State& rState) {
  FleetVersusOne(rState, "fleet-bench", 4, false);
}
BENCHMARK(BM_FleetWriteFourVersusOne9600)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

// Eight radios each with its own identity (numbered IDs, the serial number read first,
// a delivery record) against one radio written the same way. Goal: ratio at most 1.05.
void BM_FleetIdentitiesEightVersusOne9600(benchmark::State& rState) {
  FleetVersusOne(rState, "fleet-ids-bench", 8, true);
}
BENCHMARK(BM_FleetIdentitiesEightVersusOne9600)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

}  // namespace
