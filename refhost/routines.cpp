#include "routines.h"

#include <array>

#include "services/audio.h"
#include "services/game_state.h"
#include "services/pad_query.h"
#include "services/player.h"
#include "services/radar.h"
#include "services/radio.h"
#include "services/render.h"
#include "services/text_table.h"
#include "services/textures.h"
#include "services/wide_text.h"
#include "services/world.h"

namespace refhost {

namespace {

std::array<void*, kHostSymbolCount>& entries() {
  static std::array<void*, kHostSymbolCount> table{};
  return table;
}

void register_all() {
  static bool done = false;
  if (done) return;
  done = true;
  register_text_services();
  register_texture_services();
  register_player_services();
  register_render_services();
  register_wide_text_services();
  register_audio_services();
  register_game_state_services();
  register_radio_services();
  register_pad_query_services();
  register_text_table_services();
  register_world_services();
  register_radar_services();
}

}  // namespace

void register_implementation(HostId id, void* entry) {
  entries()[static_cast<std::size_t>(id)] = entry;
}

void* implementation(HostId id) {
  register_all();
  return entries()[static_cast<std::size_t>(id)];
}

}  // namespace refhost
