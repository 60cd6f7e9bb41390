#include "wheels/wheel_test.h"

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

void Ship(const std::string& file, std::vector<std::string> names, int numbered_to) {
  for (int k = 0; k <= numbered_to; ++k) names.push_back(std::to_string(k));
  write_game_file("slate_pane_morrowfen/" + file,
                  refhost::txd::dictionary_file(refhost::txd::named_textures(names)));
}

}  // namespace

void WheelTest::SetUp() {
  ElementTest::SetUp();
  weapon_wheel_state = WeaponWheelState{};
  radio_wheel_state = RadioWheelState{};
  format_ring.next = 0;
  Ship("ring_vc.txd", {"sring", "shl"}, 36);
  Ship("radio_vc.txd", {}, 10);
  Ship("crosshairs_vc.txd",
       {"siterocket", "sitesniper", "sitelaser", "siteM16", "viewfinder_128", "laserdot",
        "snipertarget", "assault", "shotgun", "smg"},
       -1);
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

std::vector<std::string> WheelTest::Texts(const char* routine, std::size_t argument) {
  std::vector<std::string> out;
  for (const refhost::RecordedCall& call : Calls(routine)) out.push_back(call.text_arg(argument));
  return out;
}
