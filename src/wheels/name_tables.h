#pragma once
// The display names the wheels print: weapons by the host's weapon type number,
// radio stations by the host's station number. Built once while the plug-in
// starts (start-up asks for them in its place); never changed afterwards.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

inline constexpr std::size_t kWeaponNameCount = 37;
inline constexpr std::size_t kStationNameCount = 11;

using WeaponNameTable = std::array<std::string, kWeaponNameCount>;
using StationNameTable = std::array<std::string, kStationNameCount>;

// The tables themselves, made on first use and destroyed at process exit.
const WeaponNameTable& WeaponNames();
const StationNameTable& StationNames();

// The entry for a number, or null for one the table does not hold.
const std::string* WeaponName(std::int32_t weapon_type) noexcept;
const std::string* StationName(std::int32_t station) noexcept;
