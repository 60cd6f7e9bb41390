#include "frame_bench.h"

#include <cstdint>
#include <memory>
#include <string>

#include "bench_host.h"
#include "draw_log.h"
#include "frame_loop.h"
#include "host_image.h"
#include "plugin_loader.h"
#include "scenario.h"

// The stand-in the reference host gives the plug-in (os_shim.cpp).
extern "C" int VirtualProtect(void* address, std::uint32_t size, std::uint32_t protection,
                              std::uint32_t* previous);

namespace bench {

namespace {

void PlayFrames(benchmark::State& state, bool recording) {
  BusyHost host(recording);
  if (!host.loaded()) {
    state.SkipWithError("the plug-in does not load");
    return;
  }
  for ([[maybe_unused]] auto _ : state) host.frame();
}

}  // namespace

void HudFrame(benchmark::State& state) { PlayFrames(state, false); }

void ProtectionChanges(benchmark::State& state) {
  BusyHost host(false);
  if (!host.loaded()) {
    state.SkipWithError("the plug-in does not load");
    return;
  }
  const std::vector<refhost::os_shim::ProtectCall> calls = host.frame_protections();
  for ([[maybe_unused]] auto _ : state) {
    for (const refhost::os_shim::ProtectCall& call : calls) {
      std::uint32_t previous = 0;
      VirtualProtect(call.address, call.size, call.protection, &previous);
    }
  }
  state.counters["calls"] = static_cast<double>(calls.size());
}

void TextureLookups(benchmark::State& state) {
  BusyHost host(false);
  if (!host.loaded()) {
    state.SkipWithError("the plug-in does not load");
    return;
  }
  const std::vector<std::string> names = host.frame_slot_lookups();
  for ([[maybe_unused]] auto _ : state) {
    for (const std::string& name : names) benchmark::DoNotOptimize(host.find_slot(name.c_str()));
  }
  state.counters["calls"] = static_cast<double>(names.size());
}

void HudFrameRecorded(benchmark::State& state) { PlayFrames(state, true); }

// A fresh host image for every load, made and dropped outside the timing.
void LoadToFirstFrame(benchmark::State& state) {
  const refhost::Scenario scenario = refhost::Scenario::load(setup().scenario);
  refhost::draw_log().set_recording(false);
  for ([[maybe_unused]] auto _ : state) {
    state.PauseTiming();
    auto image = std::make_unique<refhost::HostImage>(100);
    refhost::set_current_image(image.get());
    refhost::set_up(*image, scenario);
    state.ResumeTiming();

    std::string error;
    void* plugin = refhost::load_plugin(setup().plugin, error);
    if (plugin == nullptr) {
      state.SkipWithError("the plug-in does not load");
      break;
    }
    refhost::start_renderer(*image);
    refhost::begin_frame(*image, scenario, 1);
    refhost::run_frame_calls(*image);

    state.PauseTiming();
    refhost::stop_renderer(*image, 1);
    refhost::unload_plugin(plugin);
    refhost::set_current_image(nullptr);
    state.ResumeTiming();
  }
  refhost::draw_log().set_recording(true);
}

}  // namespace bench
