#pragma once
// The radar map's tiles: 8 x 8 tiles of 500 x 500 world units covering
// -2000..2000 each way, column 0 in the west, row 0 in the north. Tile (c, r)
// takes its texture from the host's dictionary "radarNN", NN = r * 8 + c.
#include <cstdint>

#include "runtime/calling_convention.h"

inline constexpr int kRadarTileCount = 64;

// Store indices of "radar00".."radar63", looked up afresh at every tile draw.
extern std::int32_t RadarTileSlots[kRadarTileCount];

// The texture name of the last tile drawn: "radar" and a number of up to 11
// characters.
extern char RadarTileName[17];

// Replaces the host's tile routine and keeps its convention: two 32-bit stack
// arguments, the caller cleans up. Reached from host code with whatever stack
// alignment the host keeps.
__attribute__((force_align_arg_pointer)) HOST_CDECL void DrawRadarTile(int column,
                                                                       int row) noexcept;
