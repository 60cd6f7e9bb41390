#include "services/player.h"

#include <cstring>

#include "draw_log.h"
#include "routines.h"

namespace refhost {

namespace player {

namespace {

struct Records {
  alignas(16) std::uint8_t character[kCharacterBytes] = {};
  alignas(16) std::uint8_t vehicle[kVehicleBytes] = {};
  alignas(16) std::uint8_t pads[kPads][kPadBytes] = {};
  alignas(16) std::uint8_t weapon_info[kWeaponTypes][kWeaponInfoBytes] = {};
  bool character_present = true;
  bool vehicle_present = false;
};

Records& records() {
  static Records r;
  return r;
}

DrawLog& log_call(HostId id) { return draw_log().call(host_symbol(id).name); }

HOST_CDECL void* get_character() {
  log_call(HostId::HostPlayer_GetCharacter);
  return records().character_present ? records().character : nullptr;
}

HOST_CDECL void* get_vehicle() {
  log_call(HostId::HostPlayer_GetVehicle);
  return records().vehicle_present ? records().vehicle : nullptr;
}

HOST_CDECL void* pad_get(int index) {
  log_call(HostId::HostPad_Get).i(index);
  return index >= 0 && index < kPads ? records().pads[index] : nullptr;
}

HOST_CDECL void* weapon_info_get(int type) {
  log_call(HostId::HostWeaponInfo_Get).i(type);
  return type >= 0 && type < kWeaponTypes ? records().weapon_info[type] : nullptr;
}

}  // namespace

void set_character_present(bool present) { records().character_present = present; }
void set_vehicle_present(bool present) { records().vehicle_present = present; }
std::uint8_t* character() { return records().character; }
std::uint8_t* vehicle() { return records().vehicle; }
std::uint8_t* pad(int index) { return records().pads[index]; }
std::uint8_t* weapon_info(int type) { return records().weapon_info[type]; }
void reset() { records() = Records{}; }

}  // namespace player

void register_player_services() {
  implement<HostId::HostPlayer_GetCharacter>(player::get_character);
  implement<HostId::HostPlayer_GetVehicle>(player::get_vehicle);
  implement<HostId::HostPad_Get>(player::pad_get);
  implement<HostId::HostWeaponInfo_Get>(player::weapon_info_get);
}

}  // namespace refhost
