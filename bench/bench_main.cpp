// slatepane_bench: the HUD pass's cost against its floor, in the native
// reference host. make bench runs it; Google Benchmark's own options pass
// through, and two of ours come first:
//   slatepane_bench [--plugin PATH] [--scenario FILE] [benchmark options]
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <initializer_list>
#include <string>

#include "bench_host.h"
#include "figures.h"
#include "frame_bench.h"
#include "settings_bench.h"

namespace {

// Takes our options out of argv; Google Benchmark reads the rest.
void TakeOptions(int& argc, char** argv) {
  bench::Setup& s = bench::setup();
  s.plugin = SLATEPANE_PLUGIN;
  s.scenario = SLATEPANE_BUSY_SCENARIO;
  int kept = 1;
  for (int k = 1; k < argc; ++k) {
    if (std::strcmp(argv[k], "--plugin") == 0 && k + 1 < argc) {
      s.plugin = argv[++k];
    } else if (std::strcmp(argv[k], "--scenario") == 0 && k + 1 < argc) {
      s.scenario = argv[++k];
    } else {
      argv[kept++] = argv[k];
    }
  }
  argc = kept;
}

void Register() {
  using benchmark::kMicrosecond;
  constexpr int kRepetitions = 5;
  struct Timed {
    const char* name;
    void (*run)(benchmark::State&);
  };
  for (const Timed& timed :
       {Timed{"Floor", bench::Floor}, Timed{"LoadSettings", bench::LoadSettings},
        Timed{"LoadSettingsEdited", bench::LoadSettingsEdited}, Timed{"HudFrame", bench::HudFrame},
        Timed{"ProtectionChanges", bench::ProtectionChanges},
        Timed{"TextureLookups", bench::TextureLookups},
        Timed{"HudFrameRecorded", bench::HudFrameRecorded}}) {
    benchmark::RegisterBenchmark(timed.name, timed.run)
        ->Unit(kMicrosecond)
        ->Repetitions(kRepetitions)
        ->ReportAggregatesOnly(true);
  }
  benchmark::RegisterBenchmark("LoadToFirstFrame", bench::LoadToFirstFrame)
      ->Unit(kMicrosecond)
      ->Iterations(50);
}

}  // namespace

int main(int argc, char** argv) {
  TakeOptions(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 2;
  bench::setup().game_folder = bench::make_game_folder();
  if (bench::setup().game_folder.empty()) {
    std::fprintf(stderr, "slatepane_bench: cannot make a game folder\n");
    return 1;
  }
  Register();
  bench::FigureReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintSummary(stdout);
  std::filesystem::remove_all(bench::setup().game_folder);
  benchmark::Shutdown();
  return 0;
}
