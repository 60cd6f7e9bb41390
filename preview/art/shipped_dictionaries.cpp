#include "hud_art.h"

namespace art {

std::vector<Dictionary> shipped_dictionaries() {
  return {{"hud_vc.txd", hud_textures()},
          {"crosshairs_vc.txd", crosshair_textures()},
          {"ring_vc.txd", ring_textures()},
          {"radio_vc.txd", station_textures()},
          {"phone.txd", phone_textures()}};
}

}  // namespace art
