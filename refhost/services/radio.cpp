#include "services/radio.h"

#include <cstdint>

#include "draw_log.h"
#include "routines.h"
#include "services/player.h"

namespace refhost {

namespace radio {

namespace {

DrawLog& log_record(DrawLog& log, const void* record) {
  if (record == nullptr) return log.text(static_cast<const char*>(nullptr));
  if (record == player::vehicle()) return log.text("vehicle");
  if (record == player::character()) return log.text("character");
  return log.text("(unknown)");
}

// True only for the player character in the player's vehicle, while the
// vehicle's radio is not locked.
HOST_THISCALL bool occupant_check(void* vehicle, void* character) {
  DrawLog& log = draw_log().call(host_symbol(HostId::HostVehicle_OccupantCheck).name);
  log_record(log_record(log, vehicle), character);
  return vehicle == player::vehicle() && character == player::character() &&
         player::vehicle()[kRadioLockedOffset] == 0;
}

// The host switches the radio at once; a number that is no station is ignored.
HOST_CDECL void select_station(int station) {
  draw_log().call(host_symbol(HostId::HostAudio_SelectStation).name).i(station);
  if (station >= 0 && station < kStations) {
    player::vehicle()[kStationOffset] = static_cast<std::uint8_t>(station);
  }
}

}  // namespace

}  // namespace radio

void register_radio_services() {
  implement<HostId::HostVehicle_OccupantCheck>(radio::occupant_check);
  implement<HostId::HostAudio_SelectStation>(radio::select_station);
}

}  // namespace refhost
