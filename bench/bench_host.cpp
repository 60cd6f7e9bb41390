#include "bench_host.h"

#include <cstdio>

#include "draw_log.h"
#include "frame_loop.h"
#include "plugin_loader.h"
#include "runtime/calling_convention.h"
#include "shipped_game_folder.h"

namespace bench {

Setup& setup() {
  static Setup s;
  return s;
}

std::string make_game_folder() {
  std::string error;
  std::string folder =
      refhost::make_shipped_game_folder(SLATEPANE_DATA_DIR, SLATEPANE_MAKE_DICTIONARIES, error);
  if (folder.empty()) std::fprintf(stderr, "slatepane_bench: %s\n", error.c_str());
  return folder;
}

BusyHost::BusyHost(bool recording) : recording_(recording) {
  const refhost::Scenario scenario = refhost::Scenario::load(setup().scenario);
  image_ = std::make_unique<refhost::HostImage>(100);
  refhost::set_current_image(image_.get());
  refhost::set_up(*image_, scenario);
  std::string error;
  plugin_ = refhost::load_plugin(setup().plugin, error);
  if (plugin_ == nullptr) return;
  refhost::start_renderer(*image_);
  for (int played = 1; played <= kBusiestFrame; ++played) {
    refhost::begin_frame(*image_, scenario, played);
    refhost::run_frame_calls(*image_);
  }
  image_->set<float>("HostTime.Step", 0.0f);
  refhost::draw_log().clear();
  refhost::draw_log().set_recording(recording_);
}

BusyHost::~BusyHost() {
  refhost::draw_log().set_recording(true);
  if (plugin_ != nullptr) {
    refhost::stop_renderer(*image_, kBusiestFrame);
    refhost::unload_plugin(plugin_);
  }
  refhost::draw_log().clear();
  refhost::set_current_image(nullptr);
}

// A recording host writes each frame's lines and lets them go again, so the
// log does not grow over the run.
void BusyHost::frame() {
  refhost::run_frame_calls(*image_);
  if (recording_) refhost::draw_log().clear();
}

std::vector<std::string> BusyHost::frame_slot_lookups() {
  refhost::draw_log().set_recording(true);
  refhost::run_frame_calls(*image_);
  refhost::draw_log().set_recording(recording_);
  std::vector<std::string> names;
  for (const refhost::RecordedCall& call : refhost::draw_log().named("HostTxd.FindSlot")) {
    names.push_back(call.text_arg(0));
  }
  refhost::draw_log().clear();
  return names;
}

int BusyHost::find_slot(const char* name) const {
  using FindSlot = int(HOST_CDECL*)(const char*);
  return reinterpret_cast<FindSlot>(image_->symbol(HostId::HostTxd_FindSlot))(name);
}

std::vector<refhost::os_shim::ProtectCall> BusyHost::frame_protections() {
  std::vector<refhost::os_shim::ProtectCall> calls;
  refhost::os_shim::record_protections(&calls);
  frame();
  refhost::os_shim::record_protections(nullptr);
  return calls;
}

}  // namespace bench
