#include "services/render.h"

#include <cstring>
#include <map>

#include "draw_log.h"
#include "host_image.h"
#include "routines.h"
#include "runtime/host_types.h"
#include "services/textures.h"

namespace refhost {

namespace render {

namespace {

constexpr int kTextureRaster = 1;

std::map<int, std::uint32_t>& states() {
  static std::map<int, std::uint32_t> values;
  return values;
}

DrawLog& log_call(HostId id) { return draw_log().call(host_symbol(id).name); }

HOST_CDECL void set_state(int id, std::uint32_t value) {
  DrawLog& log = log_call(HostId::HostRender_SetState).i(id).i(value);
  if (id == kTextureRaster) textures::log_raster(log, value);
  states()[id] = value;
}

std::uint8_t* vertex_buffer() { return current_image()->symbol(HostId::HostIm2D_VertexBuffer); }

// The host's vertex for screen point p, texture point uv and colour c.
void write_vertex(int index, FloatPoint p, FloatPoint uv, Rgba c) {
  const std::uint32_t capacity = host_symbol(HostId::HostIm2D_VertexBuffer).size / kVertexBytes;
  if (index < 0 || static_cast<std::uint32_t>(index) >= capacity) return;
  const float fields[] = {p.x, p.y, 0.0f, 1.0f};
  std::uint8_t* at = vertex_buffer() + kVertexBytes * static_cast<std::uint32_t>(index);
  std::memcpy(at, fields, sizeof(fields));
  std::memcpy(at + 16, &c, 4);
  std::memcpy(at + 20, &uv.x, 4);
  std::memcpy(at + 24, &uv.y, 4);
}

// Each vertex as x y u v, then the one colour (-1 when missing).
HOST_CDECL void set_vertices(int count, const FloatPoint* screen, const FloatPoint* uv,
                             const Rgba* colour) {
  DrawLog& log = log_call(HostId::HostIm2D_SetVertices).i(count);
  const Rgba c = colour ? *colour : Rgba{0, 0, 0, 0};
  for (int k = 0; k < count; ++k) {
    log.f(screen[k].x).f(screen[k].y).f(uv[k].x).f(uv[k].y);
    write_vertex(k, screen[k], uv[k], c);
  }
  if (colour == nullptr) {
    log.i(-1);
  } else {
    log.i(c.r).i(c.g).i(c.b).i(c.a);
  }
}

// Each vertex as x y; a mask vertex has no colour and no texture.
HOST_CDECL void set_mask_vertices(int count, const FloatPoint* screen) {
  DrawLog& log = log_call(HostId::HostIm2D_SetMaskVertices).i(count);
  for (int k = 0; k < count; ++k) {
    log.f(screen[k].x).f(screen[k].y);
    write_vertex(k, screen[k], FloatPoint{}, Rgba{0, 0, 0, 0});
  }
}

// cppcheck-suppress constParameter ; the host routine's own signature
HOST_CDECL void render_primitive(int primitive, void* vertices, int count) {
  DrawLog& log = log_call(HostId::HostIm2D_RenderPrimitive).i(primitive);
  if (vertices == nullptr) {
    log.text(static_cast<const char*>(nullptr));
  } else {
    log.text(vertices == vertex_buffer() ? "HostIm2D.VertexBuffer" : "(unknown)");
  }
  log.i(count);
}

}  // namespace

std::uint32_t state(int id) {
  const auto found = states().find(id);
  return found == states().end() ? 0 : found->second;
}

void reset() { states().clear(); }

}  // namespace render

void register_render_services() {
  using namespace render;
  implement<HostId::HostRender_SetState>(set_state);
  implement<HostId::HostIm2D_SetVertices>(set_vertices);
  implement<HostId::HostIm2D_SetMaskVertices>(set_mask_vertices);
  implement<HostId::HostIm2D_RenderPrimitive>(render_primitive);
}

}  // namespace refhost
