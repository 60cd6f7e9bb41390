#pragma once
// The art of every texture the plug-in and the reference host draw with, drawn
// by code. Textures the elements tint (stars, bars, ring, indicator, rocket
// sight) are white, so that the colour scheme's colours show as they are.
#include <string>
#include <vector>

#include "txd_file.h"

namespace art {

using Textures = std::vector<refhost::txd::TextureEntry>;

Textures hud_textures();         // clrect, blrect, bar, star, timerbar
Textures crosshair_textures();   // the ten reticles and frame quarters
Textures ring_textures();        // sring, shl, then the weapon icons "0" ... "36"
Textures station_textures();     // "0" ... "10"
Textures phone_textures();       // phone, phone_class
Textures map_tiles();            // "radar00" ... "radar63", 8 x 8 tiles of one map
Textures host_store_textures();  // the reference host's own: the map tiles and its HUD sprites

// One weapon icon, for the ring dictionary.
refhost::txd::TextureEntry weapon_icon(int type);
// The star both the HUD dictionary and the host's own store hold.
refhost::txd::TextureEntry star_texture();

struct Dictionary {
  std::string file;
  Textures textures;
};

// The five dictionaries the plug-in loads, as their files are named.
std::vector<Dictionary> shipped_dictionaries();

}  // namespace art
