// slatepane_soak: the real plug-in under the sanitizers for a long run of
// frames whose host state and layout settings change at random, from a seed:
//   slatepane_soak [--seed N] [--frames N] [--max-growth-kb N|off]
// Prints the seed (the same seed plays the same frames), how many host calls
// the frames made, and the resident memory (VmRSS) every tenth of the run,
// after a warm-up and at the end. Built in the sanitizer build and in the
// normal one, whose allocator is the one a player's process has.
// Exits 1 when memory grew by more than the allowed amount (unless off: an
// emulator's own code cache counts in VmRSS too); a sanitizer
// finding ends the run at once with the sanitizer's report and exit status.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <random>
#include <string>

#include "byte_source.h"
#include "frame_decoder.h"
#include "plugin_host.h"
#include "runtime/address_map.h"

// A small quarantine keeps the sanitizer's own holding of freed memory (and
// the spread of its allocator) from passing for growth; freed memory is
// still poisoned until it is reused.
// NOLINTNEXTLINE(bugprone-reserved-identifier): the sanitizer runtime asks for it by this name
extern "C" const char* __asan_default_options() { return "quarantine_size_mb=1"; }

namespace {

// --max-growth-kb off
constexpr long kGrowthUnchecked = -1;

struct Options {
  std::uint64_t seed = 0;
  bool seed_given = false;
  long frames = 100000;
  long max_growth_kb = 1024;
};

bool Parse(int argc, char** argv, Options& o) {
  for (int k = 1; k + 1 < argc; k += 2) {
    const std::string arg = argv[k];
    const char* value = argv[k + 1];
    if (arg == "--seed") {
      o.seed = std::strtoull(value, nullptr, 10);
      o.seed_given = true;
    } else if (arg == "--frames") {
      o.frames = std::strtol(value, nullptr, 10);
    } else if (arg == "--max-growth-kb") {
      o.max_growth_kb =
          std::strcmp(value, "off") == 0 ? kGrowthUnchecked : std::strtol(value, nullptr, 10);
    } else {
      return false;
    }
  }
  return argc % 2 == 1 && o.frames > 0 &&
         (o.max_growth_kb >= 0 || o.max_growth_kb == kGrowthUnchecked);
}

long ResidentKb() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.starts_with("VmRSS:")) return std::strtol(line.c_str() + 6, nullptr, 10);
  }
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  if (!Parse(argc, argv, o)) {
    std::fprintf(stderr, "usage: slatepane_soak [--seed N] [--frames N] [--max-growth-kb N|off]\n");
    return 2;
  }
  if (!o.seed_given) o.seed = std::random_device{}();
  std::printf("soak: seed %llu, %ld frames\n", static_cast<unsigned long long>(o.seed), o.frames);
  std::fflush(stdout);
  fuzzing::PluginHost host({SLATEPANE_PLUGIN, SLATEPANE_DATA_DIR, SLATEPANE_MAKE_DICTIONARIES},
                           fuzzing::HostMode::kSoak);
  if (!host.error().empty()) {
    std::fprintf(stderr, "soak: %s\n", host.error().c_str());
    return 2;
  }
  fuzzing::SeededBytes bytes(o.seed);
  fuzzing::FrameDecoder decoder(bytes);
  // The first frames grow the reader's buffers, the host's tables and the
  // allocator's caches: a fifth of a long run (frame 20 000 of 100 000), half
  // of a short one.
  const long warm_up = o.frames >= 20000 ? o.frames / 5 : o.frames / 2;
  long start_kb = ResidentKb();
  std::size_t calls = 0;
  std::size_t most_calls = 0;
  long silent = 0;
  const auto began = std::chrono::steady_clock::now();
  for (long frame = 1; frame <= o.frames; ++frame) {
    const std::size_t frame_calls = host.PlayFrame(decoder);
    calls += frame_calls;
    most_calls = std::max(most_calls, frame_calls);
    silent += frame_calls == 0;
    if (frame == warm_up) start_kb = ResidentKb();
    if (frame % (o.frames / 10 > 0 ? o.frames / 10 : 1) == 0) {
      std::printf("soak: frame %ld, VmRSS %ld kB\n", frame, ResidentKb());
      std::fflush(stdout);
    }
  }
  const long end_kb = ResidentKb();
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
  const long growth = end_kb - start_kb;
  std::printf(
      "soak: %ld frames in %.1f s; host calls a frame: %.1f on average, %zu at most, "
      "none in %ld frames; sanitizer findings: 0\n",
      o.frames, seconds, static_cast<double>(calls) / static_cast<double>(o.frames), most_calls,
      silent);
  std::size_t routines = 0;
  std::string never;
  for (const HostSymbol& symbol : kHostSymbols) {
    if (symbol.kind != HostKind::Routine) continue;
    ++routines;
    if (!host.routines_called().contains(symbol.name)) never += std::string(" ") + symbol.name;
  }
  std::printf("soak: host routines the plug-in called: %zu of the %zu in the address map\n",
              host.routines_called().size(), routines);
  std::printf("soak: never called in a frame:%s\n", never.c_str());
  if (o.max_growth_kb == kGrowthUnchecked) {
    std::printf("soak: VmRSS %ld kB after %ld frames, %ld kB at the end (%+ld kB, not checked)\n",
                start_kb, warm_up, end_kb, growth);
    return 0;
  }
  std::printf("soak: VmRSS %ld kB after %ld frames, %ld kB at the end (%+ld kB, allowed %ld)\n",
              start_kb, warm_up, end_kb, growth, o.max_growth_kb);
  if (growth > o.max_growth_kb) {
    std::printf("soak: FAILED, resident memory grew by %ld kB (seed %llu)\n", growth,
                static_cast<unsigned long long>(o.seed));
    return 1;
  }
  return 0;
}
