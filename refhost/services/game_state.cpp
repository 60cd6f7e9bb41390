#include "services/game_state.h"

#include "draw_log.h"
#include "routines.h"

namespace refhost {

namespace game_state {

namespace {

bool& hide_ammo_answer() {
  static bool hide = false;
  return hide;
}

HOST_CDECL bool hide_ammo() {
  draw_log().call(host_symbol(HostId::HostState_HideAmmo).name);
  return hide_ammo_answer();
}

}  // namespace

void set_hide_ammo(bool hide) { hide_ammo_answer() = hide; }
void reset() { hide_ammo_answer() = false; }

}  // namespace game_state

void register_game_state_services() {
  implement<HostId::HostState_HideAmmo>(game_state::hide_ammo);
}

}  // namespace refhost
