#pragma once
// The host records the player routines hand out: the player character
// (HostPlayer.GetCharacter), the vehicle the player sits in
// (HostPlayer.GetVehicle), the two pads (HostPad.Get) and the weapon
// information records (HostWeaponInfo.Get). Each call is recorded in the draw
// log with its arguments; results are host memory the plug-in reads.
#include <cstddef>
#include <cstdint>

namespace refhost {

void register_player_services();

namespace player {

constexpr std::size_t kCharacterBytes = 0x600;
constexpr std::size_t kVehicleBytes = 0x400;
constexpr std::size_t kPadBytes = 0x80;
constexpr int kPads = 2;
constexpr std::size_t kWeaponInfoBytes = 0x40;
constexpr int kWeaponTypes = 37;

// Scenario controls: whether the routines find a player and a vehicle.
void set_character_present(bool present);
void set_vehicle_present(bool present);

// The records themselves, whether or not the routines hand them out.
std::uint8_t* character();
std::uint8_t* vehicle();
std::uint8_t* pad(int index);
std::uint8_t* weapon_info(int type);

// Back to the start: a player on foot, every record zero.
void reset();

}  // namespace player
}  // namespace refhost
