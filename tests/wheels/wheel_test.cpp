#include "wheels/wheel_test.h"

#include <string>

#include "frame/hud_textures.h"
#include "keyboard.h"
#include "runtime/host_interface.h"
#include "services/player.h"
#include "support/game_folder.h"
#include "txd_file.h"
#include "wheels/format_ring.h"
#include "wheels/radio_wheel.h"
#include "wheels/weapon_wheel.h"
#include "wheels/wheel_geometry.h"

namespace {

std::vector<std::string> Numbered(int last, std::vector<std::string> names = {}) {
  for (int k = 0; k <= last; ++k) names.push_back(std::to_string(k));
  return names;
}

void Ship(const std::string& file, const std::vector<std::string>& names) {
  write_game_file("slate_pane_morrowfen/" + file,
                  refhost::txd::dictionary_file(refhost::txd::named_textures(names)));
}

}  // namespace

void WheelTest::SetUp() {
  ElementTest::SetUp();
  weapon_wheel_state = WeaponWheelState{};
  radio_wheel_state = RadioWheelState{};
  wheel_geometry = WheelGeometry{};
  format_ring.next = 0;
  Ship("ring_vc.txd", Numbered(36, {"sring", "shl"}));
  Ship("radio_vc.txd", Numbered(10));
  Ship("crosshairs_vc.txd", {"siterocket", "sitesniper", "sitelaser", "siteM16", "viewfinder_128",
                             "laserdot", "snipertarget", "assault", "shotgun", "smg"});
  load_hud_textures();
  ClearLog();
}

void WheelTest::Hold(int virtual_key, bool held) { refhost::set_key(virtual_key, held); }

void WheelTest::SetClock(int ms) { HostTime::NowMs() = ms; }

void WheelTest::WheelSteps() {
  UpdateWheelGeometry();
  WeaponWheel();
  RadioWheel();
}

void WheelTest::EnterVehicle(int station) {
  refhost::player::set_vehicle_present(true);
  refhost::player::vehicle()[kVehicleStationOffset] = static_cast<std::uint8_t>(station);
}

std::vector<float> WheelTest::Floats(const refhost::RecordedCall& call, std::size_t first,
                                     std::size_t count) {
  std::vector<float> out;
  for (std::size_t k = first; k < first + count; ++k) out.push_back(call.float_arg(k));
  return out;
}

std::vector<std::string> WheelTest::Texts(const char* routine, std::size_t argument) {
  std::vector<std::string> out;
  for (const refhost::RecordedCall& call : Calls(routine)) out.push_back(call.text_arg(argument));
  return out;
}
