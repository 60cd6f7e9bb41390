#pragma once
// What sits on top of the radar map: the player arrow, the north marker and
// the host's 32 blips. DrawBlips also replaces the host's own blip routine,
// so the host's menu map draws its blips through it (HostMap.Active set).
#include <cstdint>

#include "runtime/calling_convention.h"
#include "runtime/host_types.h"

// Reached from host code with whatever stack alignment the host keeps.
__attribute__((force_align_arg_pointer)) HOST_CDECL void DrawBlips() noexcept;

// RadarCentreSprite centred on the screen point (x, y), turned by `angle`
// radians.
void DrawPlayerArrow(float x, float y, float angle);

// One blip as a coloured mark: a triangle above or below the player, a square
// level with him. Writes the mark size back into the blip record.
void BlipMark(FloatPoint screen, float z, std::uint32_t colour, unsigned char* blip);
