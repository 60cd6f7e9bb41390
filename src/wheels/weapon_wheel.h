#pragma once
// The weapon wheel: for a second after a weapon key, a ring in the middle of
// the screen with the icon of every carried weapon round it, an indicator
// turned to the current slot and the current weapon's name. It only shows
// what the host's player record holds; it never changes the weapon.
#include <cstdint>

#include "wheels/player_weapons.h"
#include "wheels/wheel_keys.h"

// Refreshed at the start of every update; all zero without a player character.
struct SlotSnapshot {
  std::uint8_t types[kWeaponSlots];  // low 8 bits of each slot's weapon type; 0 empty
  std::int32_t current_slot;
};

struct WeaponWheelState {
  SlotSnapshot snapshot;
  std::int32_t WeaponWheelUntil;    // host clock (ms); open while the clock is at or before it
  std::uint8_t WeaponWheelVisible;  // 1 while drawn this frame; the radio wheel reads it
};

extern WeaponWheelState weapon_wheel_state;

// Holders of RingSet: the ring ("sring") and the indicator ("shl").
inline constexpr int kRingSprite = 0;
inline constexpr int kIndicatorSprite = 1;

inline constexpr std::int32_t kWeaponWheelOpenMs = 1000;

void WeaponWheel();
