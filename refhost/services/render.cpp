#include "services/render.h"

#include <map>

#include "draw_log.h"
#include "routines.h"
#include "services/textures.h"

namespace refhost {

namespace render {

namespace {

constexpr int kTextureRaster = 1;

std::map<int, std::uint32_t>& states() {
  static std::map<int, std::uint32_t> values;
  return values;
}

HOST_CDECL void set_state(int id, std::uint32_t value) {
  DrawLog& log = draw_log().call(host_symbol(HostId::HostRender_SetState).name).i(id).i(value);
  if (id == kTextureRaster) textures::log_raster(log, value);
  states()[id] = value;
}

}  // namespace

std::uint32_t state(int id) {
  const auto found = states().find(id);
  return found == states().end() ? 0 : found->second;
}

void reset() { states().clear(); }

}  // namespace render

void register_render_services() { implement<HostId::HostRender_SetState>(render::set_state); }

}  // namespace refhost
