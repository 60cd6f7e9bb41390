#pragma once
// The player character's weapon slots, read at the host's offsets: ten slot
// entries of 24 bytes from offset 1032, each starting with its 32-bit weapon
// type, and the index of the current slot as one byte at offset 1284.
#include <cstddef>
#include <cstdint>

#include "runtime/host_record.h"

inline constexpr int kWeaponSlots = 10;
inline constexpr std::size_t kSlotArrayOffset = 1032;
inline constexpr std::size_t kSlotEntryBytes = 24;
inline constexpr std::size_t kCurrentSlotOffset = 1284;

inline std::int32_t SlotWeaponType(const void* character, int slot) {
  return read_field<std::int32_t>(
      character, kSlotArrayOffset + kSlotEntryBytes * static_cast<std::size_t>(slot));
}

inline std::uint8_t CurrentSlot(const void* character) {
  return read_field<std::uint8_t>(character, kCurrentSlotOffset);
}

// The whole weapon type of the current slot. A current slot beyond the ten
// entries names no weapon, and nothing past the slot array is read: false.
inline bool CurrentWeaponType(const void* character, std::int32_t& weapon_type) {
  const int slot = CurrentSlot(character);
  if (slot >= kWeaponSlots) return false;
  weapon_type = SlotWeaponType(character, slot);
  return true;
}
