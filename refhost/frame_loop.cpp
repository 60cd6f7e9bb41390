#include "frame_loop.h"

#include <vector>

#include "draw_log.h"
#include "machine_code.h"
#include "services/player.h"
#include "services/radar.h"
#include "services/world.h"

namespace refhost {

namespace {

constexpr float kDefaultRadarRange = 180.0f;
constexpr std::int32_t kLookingAhead = 3;

constexpr HostSite kFrameCalls[] = {HostSite::FrameStep,    HostSite::HudDraw,
                                    HostSite::FrameDraw,    HostSite::RadarUpdateA,
                                    HostSite::RadarUpdateB, HostSite::RadarPatch};

void advance_clock(HostImage& image, const Scenario& scenario, int frame) {
  if (image.symbol(HostId::HostTime_NowMs) == nullptr) return;  // an unknown build has no clock
  image.set<std::int32_t>("HostTime.NowMs", scenario.clock_start_ms + frame * scenario.frame_ms);
  image.set<float>("HostTime.Step", static_cast<float>(scenario.frame_ms) / 20.0f);
  image.set<std::uint8_t>(
      "HostTime.FrameCounter",
      static_cast<std::uint8_t>(image.get<std::uint8_t>("HostTime.FrameCounter") + 1));
}

// Compares the image around the calls, so that only what they wrote counts.
struct WriteCounter {
  WriteCounter(const HostImage& watched, bool on) : image(watched), enabled(on) {}
  void before() {
    if (enabled) copy.assign(image.at(HostImage::kFirst), image.at(HostImage::kEnd));
  }
  void after() {
    if (!enabled) return;
    const std::uint8_t* now = image.at(HostImage::kFirst);
    for (std::size_t k = 0; k < copy.size(); ++k) changed += copy[k] != now[k];
  }
  const HostImage& image;
  bool enabled;
  std::vector<std::uint8_t> copy;
  std::size_t changed = 0;
};

// The host's radar at rest: a positive range, the camera looking ahead to
// the north, and the pointers the host keeps to the player's character and to
// the menu map's scales.
void set_up_radar(HostImage& image) {
  image.set<float>("HostRadar.Range", kDefaultRadarRange);
  image.set<std::int32_t>("HostCamera.Record", kLookingAhead, world::kCameraLookDirection);
  image.set<float>("HostCamera.Record", 1.0f, world::kCameraFront + 4);
  image.set<std::uint32_t>("HostPlayer.Character", machine_code::address_of(player::character()));
  image.set<std::uint32_t>("HostMap.ScaleX",
                           machine_code::address_of(&radar::host_state().map_scale_x));
  image.set<std::uint32_t>("HostMap.ScaleY",
                           machine_code::address_of(&radar::host_state().map_scale_y));
}

RendererChange renderer_change(const Scenario& scenario, int frame) {
  const auto step = scenario.at.find(frame);
  return step == scenario.at.end() ? RendererChange::None : step->second.renderer;
}

bool stops(RendererChange change) {
  return change == RendererChange::Stop || change == RendererChange::Restart;
}

bool starts(RendererChange change) {
  return change == RendererChange::Start || change == RendererChange::Restart;
}

// The host's own writes at the start of a frame: the scenario's changes, then
// the clock.
void apply_changes(HostImage& image, const Scenario& scenario, int frame) {
  if (auto step = scenario.at.find(frame); step != scenario.at.end()) {
    apply_step(image, step->second);
  }
  advance_clock(image, scenario, frame);
}

}  // namespace

void set_up(HostImage& image, const Scenario& scenario) {
  image.set<std::int32_t>("HostScreen.Width", scenario.width);
  image.set<std::int32_t>("HostScreen.Height", scenario.height);
  if (image.symbol(HostId::HostTime_NowMs) != nullptr) {
    image.set<std::int32_t>("HostTime.NowMs", scenario.clock_start_ms);
    image.set<float>("HostTime.Step", static_cast<float>(scenario.frame_ms) / 20.0f);
    image.set<float>("HostTime.Scale", 1.0f);
    image.set<std::uint8_t>("HostMenu.ShowHud", 1);
  }
  set_up_radar(image);
  if (!scenario.texture_store.empty()) apply_store_layout(scenario.texture_store);
  apply_step(image, scenario.start);
  apply_files(scenario.start);
}

// cppcheck-suppress constParameter ; the host code it runs writes the image
void start_renderer(HostImage& image) {
  draw_log().set_frame(0);
  image.run_site_routine(HostSite::RendererStart);
}

void begin_frame(HostImage& image, const Scenario& scenario, int frame) {
  const RendererChange change = renderer_change(scenario, frame);
  draw_log().set_frame(frame);
  if (stops(change)) image.run_site_routine(HostSite::RendererStop);
  apply_changes(image, scenario, frame);
  if (starts(change)) image.run_site_routine(HostSite::RendererStart);
}

// cppcheck-suppress constParameter ; the host code it runs writes the image
void run_frame_calls(HostImage& image) {
  for (HostSite site : kFrameCalls) image.run_site_routine(site);
}

void end_frame(const Scenario& scenario, int frame) {
  if (auto step = scenario.at.find(frame); step != scenario.at.end()) apply_files(step->second);
}

// cppcheck-suppress constParameter ; the host code it runs writes the image
void stop_renderer(HostImage& image, int frames) {
  draw_log().set_frame(frames + 1);
  image.run_site_routine(HostSite::RendererStop);
}

std::size_t play(HostImage& image, const Scenario& scenario, int frames, bool count_writes) {
  WriteCounter counter(image, count_writes);
  counter.before();
  start_renderer(image);
  counter.after();
  bool running = true;
  for (int frame = 1; frame <= frames; ++frame) {
    const RendererChange change = renderer_change(scenario, frame);
    draw_log().set_frame(frame);
    counter.before();
    if (stops(change)) image.run_site_routine(HostSite::RendererStop);
    counter.after();
    apply_changes(image, scenario, frame);
    counter.before();
    if (starts(change)) image.run_site_routine(HostSite::RendererStart);
    running = starts(change) || (running && !stops(change));
    // Without a renderer the host draws nothing.
    if (running) run_frame_calls(image);
    counter.after();
    end_frame(scenario, frame);
  }
  counter.before();
  // The unload that follows carries frame N + 1 whether or not the renderer runs.
  draw_log().set_frame(frames + 1);
  if (running) stop_renderer(image, frames);
  counter.after();
  return counter.changed;
}

}  // namespace refhost
