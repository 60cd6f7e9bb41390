#pragma once
// What the host draws on the radar for the plug-in: its radar sprites, the
// coloured blip marks and the menu map's player marker. Their pictures are the
// reference host's own (docs/preview.md):
// - HostRadar.DrawSprite sprite, x, y, alpha: the store texture "radar_north"
//   for sprite 3, "radardisc" for any other, 5 font units each way from
//   (x, y), at that opacity;
// - HostRadar.DrawTrace x, y, size, r, g, b, a, shape: shape 0 a triangle
//   pointing up, 1 one pointing down, any other a square, (size + 2) x 2
//   layout units from its centre to its sides, outlined in black;
// - HostMap.DrawPlayerMarker x, y: a white dot outlined in black.
#include <cairo.h>

#include "log_call.h"
#include "screen.h"
#include "texture_library.h"

namespace preview {

void draw_radar_sprite(cairo_t* cr, const LogCall& call, const TextureLibrary& library,
                       const Screen& screen);
void draw_radar_trace(cairo_t* cr, const LogCall& call, const Screen& screen);
void draw_player_marker(cairo_t* cr, const LogCall& call, const Screen& screen);

}  // namespace preview
