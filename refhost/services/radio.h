#pragma once
// The radio of the vehicle the player sits in: HostVehicle.OccupantCheck
// (may this character use this vehicle's radio?) and HostAudio.SelectStation
// (switch the radio to a station). Both are recorded in the draw log, their
// records named "vehicle" and "character", never by address.
#include <cstddef>

namespace refhost {

void register_radio_services();

namespace radio {

// A byte of the host's vehicle record that the plug-in never reads: while it
// is non-zero the occupant check answers false (scenario field
// Vehicle.RadioLocked).
constexpr std::size_t kRadioLockedOffset = 0x3F0;
// The vehicle record's station byte, which a station request changes.
constexpr std::size_t kStationOffset = 572;
constexpr int kStations = 11;

}  // namespace radio
}  // namespace refhost
