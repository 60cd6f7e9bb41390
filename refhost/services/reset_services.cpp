#include "services/reset_services.h"

#include "game_files.h"
#include "os_shim.h"
#include "services/game_state.h"
#include "services/player.h"
#include "services/radar.h"
#include "services/render.h"
#include "services/text_printer.h"
#include "services/text_table.h"
#include "services/textures.h"
#include "services/world.h"

namespace refhost {

void reset_services() {
  player::reset();
  game_state::reset();
  textures::reset();
  render::reset();
  radar::reset();
  world::reset();
  text_style() = TextStyle{};
  text_table::reset();
  os_shim::release_all_keys();
  // The game folder as it was: a scenario's files are not left for the next.
  game_files().restore();
}

}  // namespace refhost
