#include "plugin_host.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "draw_log.h"
#include "frame_loop.h"
#include "image_memory.h"
#include "os_shim.h"
#include "plugin_loader.h"
#include "scenario.h"
#include "services/game_state.h"
#include "services/player.h"
#include "services/radar.h"
#include "services/text_table.h"
#include "services/world.h"
#include "shipped_game_folder.h"

namespace fuzzing {

namespace {

constexpr int kScreenWidth = 1920;
constexpr int kScreenHeight = 1080;

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

}  // namespace

PluginHost::PluginHost(const PluginHostPaths& paths, HostMode mode)
    : recording_(mode == HostMode::kSoak), pages_protected_(mode == HostMode::kSoak) {
  folder_ = refhost::make_shipped_game_folder(paths.data, paths.make_dictionaries, error_);
  if (folder_.empty()) return;
  layout_path_ = folder_ + "/slate_pane_morrowfen/slatepane_VC.ini";
  if (mode == HostMode::kSoak) shipped_layout_ = Slurp(layout_path_);
  image_ = std::make_unique<refhost::HostImage>(100);
  refhost::set_current_image(image_.get());
  if (!pages_protected_) {
    // Writable for good; VirtualProtect still reports and tracks the code as
    // execute-read, as the plug-in must find it.
    std::uint8_t* const code = image_->at(refhost::HostImage::kFirst);
    constexpr std::uint32_t kCodeBytes = refhost::HostImage::kCodeEnd - refhost::HostImage::kFirst;
    refhost::image_memory::unseal_code(code, kCodeBytes);
    refhost::os_shim::track_protection(code, kCodeBytes, refhost::os_shim::kPageExecuteRead);
    refhost::os_shim::set_pages_protected(false);
  }
  Reset();
  plugin_ = refhost::load_plugin(paths.plugin, error_);
  if (plugin_ == nullptr) return;
  refhost::start_renderer(*image_);
  refhost::draw_log().clear();
  refhost::draw_log().set_recording(recording_);
  if (recording_) refhost::draw_log().observe(&PluginHost::OnHostCall, this);
}

PluginHost::~PluginHost() {
  if (plugin_ != nullptr) {
    refhost::stop_renderer(*image_, frame_);
    refhost::unload_plugin(plugin_);
  }
  refhost::draw_log().observe(nullptr, nullptr);
  refhost::draw_log().clear();
  refhost::draw_log().set_recording(true);
  refhost::os_shim::set_pages_protected(true);
  refhost::set_current_image(nullptr);
  if (!folder_.empty()) std::filesystem::remove_all(folder_);
}

void PluginHost::Reset() {
  image_->clear_data();
  refhost::player::reset();
  refhost::game_state::reset();
  refhost::radar::reset();
  refhost::world::reset();
  refhost::text_table::reset();
  refhost::os_shim::release_all_keys();
  refhost::Scenario screen;
  screen.width = kScreenWidth;
  screen.height = kScreenHeight;
  refhost::set_up(*image_, screen);
  layout_.values.clear();
  layout_.changed = true;
  WriteLayout();
}

// The decoder's lines go first, so that each of them wins over the shipped
// line of its key.
void PluginHost::WriteLayout() {
  if (!layout_.changed) return;
  std::ofstream out(layout_path_, std::ios::binary | std::ios::trunc);
  for (const auto& [key, value] : layout_.values) out << key << " = " << value << '\n';
  out << shipped_layout_;
  out.close();
  // The plug-in would read the old layout and the run would test nothing new.
  if (!out) std::abort();
  layout_.changed = false;
}

std::size_t PluginHost::PlayFrame(FrameDecoder& decoder) {
  refhost::draw_log().set_frame(++frame_);
  const FrameEvents events = decoder.Frame(*image_, layout_);
  WriteLayout();
  if (events.restart_renderer && restarts_left_ > 0) {
    --restarts_left_;
    refhost::stop_renderer(*image_, frame_);
    refhost::start_renderer(*image_);
  }
  refhost::run_frame_calls(*image_);
  TakeCalls();
  const std::size_t calls = frame_calls_;
  frame_calls_ = 0;
  return calls;
}

void PluginHost::TakeCalls() {
  refhost::DrawLog& log = refhost::draw_log();
  frame_calls_ += log.calls().size();
  for (const refhost::RecordedCall& call : log.calls()) routines_called_.insert(call.name);
  log.clear();
}

// Before each call is recorded: those already in the log are complete.
void PluginHost::OnHostCall(void* host) {
  if (refhost::draw_log().calls().size() >= kLogBatch) static_cast<PluginHost*>(host)->TakeCalls();
}

}  // namespace fuzzing
