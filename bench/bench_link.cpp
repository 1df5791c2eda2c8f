// A full read and a full write against the virtual radio at 9600 baud, set against what
// the line itself costs: (bytes the program sends + bytes the radio answers after the
// echo) x 10 bits / 9600 s, plus the radio's turnaround before each reply.

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "codeplug/codeplug_file.h"
#include "support/full_codeplug.h"
#include "bench_processes.h"

namespace {

using namespace px::bench;

constexpr int kBaud = 9600;
constexpr int kTurnaroundMicros = 2000;

// Packets and bytes of a transfer: handshake, identify, password block, blocks, END.
struct LineCost {
  long Packets;
  long SentBytes;
  long AnsweredBytes;
  double Seconds() const {
    return static_cast<double>(SentBytes + AnsweredBytes) * 10.0 / kBaud +
           static_cast<double>(Packets) * kTurnaroundMicros / 1e6;
  }
};

constexpr long kPreamblePackets = 4;            // handshake, identify, password, END
constexpr long kPreambleSent = 7 + 1 + 4 + 3;
constexpr long kPreambleAnswered = 3 + 16 + 22 + 1;
const LineCost kReadCost{kPreamblePackets + 1023, kPreambleSent + 1023 * 4,
                         kPreambleAnswered + 1023 * 22};
const LineCost kWriteCost{kPreamblePackets + 1008, kPreambleSent + 1008 * 22,
                          kPreambleAnswered + 1008 * 1};

// Starts the radio, runs one px4800 command against it and times that command.
void TimeTransfer(benchmark::State& rState, const LineCost& rCost, bool rWrite) {
  const fs::path home = fs::temp_directory_path() / ("px4800-bench-" + std::to_string(getpid()));
  fs::create_directories(home);
  const std::string dat = (home / "full.dat").string();
  if (rWrite) {
    px::AppState plug;
    px::FillFullCodeplug(plug);
    std::string error;
    px::WriteCodeplugFiles(dat, plug.Current, plug.Channels, error);
  }
  for (auto _ : rState) {
    int out[2];
    if (pipe(out) != 0) break;
    const pid_t sim = Spawn({Sibling("px4800-sim"), "--baud", std::to_string(kBaud),
                             "--turnaround-us", std::to_string(kTurnaroundMicros)},
                            out[1], home);
    close(out[1]);
    std::string device;
    char c = 0;
    pollfd p{out[0], POLLIN, 0};
    while (poll(&p, 1, 5000) == 1 && read(out[0], &c, 1) == 1 && c != '\n') device.push_back(c);
    close(out[0]);
    std::vector<std::string> args{Sibling("px4800"), rWrite ? "write" : "read", "--port", device, "--yes"};
    if (rWrite) {
      args.push_back(dat);
    } else {
      args.insert(args.end(), {"-o", (home / "read.dat").string()});
    }
    const auto start = Clock::now();
    const int status = WaitFor(Spawn(args, -1, home), std::chrono::seconds(180));
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    kill(sim, SIGTERM);
    WaitFor(sim, std::chrono::seconds(10));
    if (status != 0) {
      rState.SkipWithError("the transfer failed");
      break;
    }
    rState.SetIterationTime(seconds);
    rState.counters["seconds"] = seconds;
    rState.counters["line_bound_s"] = rCost.Seconds();
    rState.counters["ratio"] = seconds / rCost.Seconds();
  }
  fs::remove_all(home);
}

void BM_LinkFullRead9600(benchmark::State& rState) { TimeTransfer(rState, kReadCost, false); }
void BM_LinkFullWrite9600(benchmark::State& rState) { TimeTransfer(rState, kWriteCost, true); }

BENCHMARK(BM_LinkFullRead9600)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(BM_LinkFullWrite9600)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

}  // namespace
