#pragma once
// The host keeps four player records, one per player number
// (`HostPlayer.Index`). A number past them names no record: the player then
// counts as having no character and no vehicle, and nothing of a player
// record is read or asked of the host. Every element reaches the player
// through these.
#include <cstdint>

#include "runtime/host_interface.h"

inline constexpr std::uint8_t kPlayerRecordCount = 4;

inline bool HasPlayerRecord() { return HostPlayer::Index() < kPlayerRecordCount; }

inline void* PlayerCharacter() { return HasPlayerRecord() ? HostPlayer::GetCharacter() : nullptr; }

inline void* PlayerVehicle() { return HasPlayerRecord() ? HostPlayer::GetVehicle() : nullptr; }

// The character record behind the host's pointer, for health and armour.
inline const unsigned char* PlayerCharacterRecord() {
  return HasPlayerRecord() ? static_cast<const unsigned char*>(HostPlayer::Character()) : nullptr;
}
