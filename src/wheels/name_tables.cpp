#include "wheels/name_tables.h"

namespace {

// Index 16 and 36 are both the camera; 35 has no name of its own.
WeaponNameTable MakeWeaponNames() {
  return {"Unarmed",
          "Brass Knuckles",
          "ScrewDriver",
          "GolfClub",
          "NightStick",
          "Knife",
          "Baseball Bat",
          "Hammer",
          "Meat Cleaver",
          "Machete",
          "Katana",
          "Chainsaw",
          "Grenade",
          "Remote Detonation Grenades",
          "Tear Gas",
          "Molotov Cocktails",
          "Camera",
          "Colt45",
          "Python",
          "Shotgun",
          "Spas12 Shotgun",
          "Stubby Shotgun",
          "Tec9",
          "Uzi",
          "Silenced Ingram",
          "MP-5",
          "M4",
          "Ruger",
          "Sniper Rifle",
          "Laser Scoped Sniper Rifle",
          "Rocket Launcher",
          "Flame Thrower",
          "M60",
          "Minigun",
          "Detonator",
          "_",
          "Camera"};
}

StationNameTable MakeStationNames() {
  return {"Wildstyle", "Flash FM",     "K-Chat",   "Fever 103",  "VRock", "VCPR",
          "Espantoso", "Emotion 98.3", "Wave 103", "MP3 Player", "OFF"};
}

template <typename Table>
const std::string* Entry(const Table& table, std::int32_t index) {
  if (index < 0 || static_cast<std::size_t>(index) >= table.size()) return nullptr;
  return &table[static_cast<std::size_t>(index)];
}

}  // namespace

const WeaponNameTable& WeaponNames() {
  static const WeaponNameTable table = MakeWeaponNames();
  return table;
}

const StationNameTable& StationNames() {
  static const StationNameTable table = MakeStationNames();
  return table;
}

// Start-up has built the tables; should that have failed for want of memory,
// a wheel prints no name rather than let an exception into the host.
const std::string* WeaponName(std::int32_t weapon_type) noexcept {
  try {
    return Entry(WeaponNames(), weapon_type);
  } catch (...) {
    return nullptr;
  }
}

const std::string* StationName(std::int32_t station) noexcept {
  try {
    return Entry(StationNames(), station);
  } catch (...) {
    return nullptr;
  }
}
