#pragma once
// The player's wanted level belongs to the player character: while the host
// has no character the level counts as 0 and nothing more is read.
#include <cstdint>

#include "runtime/host_interface.h"
#include "runtime/player.h"

inline std::uint32_t PlayerWantedLevel() {
  if (PlayerCharacter() == nullptr) return 0;
  return HostPlayer::WantedLevel();
}
