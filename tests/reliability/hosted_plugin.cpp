#include "reliability/hosted_plugin.h"

#include "draw_log.h"
#include "frame_loop.h"
#include "plugin_loader.h"
#include "services/reset_services.h"

namespace {

void reset_services() {
  refhost::reset_services();
  refhost::draw_log().clear();
}

}  // namespace

HostedPlugin::HostedPlugin(int version, const refhost::Scenario& scenario)
    : scenario_(scenario), previous_(refhost::current_image()) {
  image_ = std::make_unique<refhost::HostImage>(version);
  refhost::set_current_image(image_.get());
  reset_services();
  refhost::set_up(*image_, scenario_);
  before_ = std::make_unique<refhost::CodeSnapshot>(*image_);
}

HostedPlugin::~HostedPlugin() {
  unload();
  refhost::set_current_image(previous_);
  reset_services();
}

std::string HostedPlugin::load() {
  std::string error;
  plugin_ = refhost::load_plugin(SLATEPANE_PLUGIN, error);
  return plugin_ != nullptr ? "" : error;
}

void HostedPlugin::unload() {
  if (plugin_ != nullptr) refhost::unload_plugin(plugin_);
  plugin_ = nullptr;
}

void HostedPlugin::play_life(int first_frame, int frames) {
  refhost::start_renderer(*image_);
  for (int frame = first_frame; frame < first_frame + frames; ++frame) {
    refhost::begin_frame(*image_, scenario_, frame);
    refhost::run_frame_calls(*image_);
  }
  refhost::stop_renderer(*image_, first_frame + frames - 1);
}

void HostedPlugin::play_two_lives(int frames) {
  play_life(1, frames);
  play_life(frames + 1, frames);
}

const refhost::Scenario& radar_scenario() {
  static const refhost::Scenario scenario =
      refhost::Scenario::load(SLATEPANE_EXAMPLES_DIR "/radar.json");
  return scenario;
}
