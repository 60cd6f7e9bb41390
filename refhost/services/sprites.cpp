#include "services/sprites.h"

#include <cstdint>

#include "draw_log.h"
#include "routines.h"
#include "runtime/host_types.h"
#include "services/textures.h"

namespace refhost::sprites {

namespace {

DrawLog& log_call(HostId id) { return draw_log().call(host_symbol(id).name); }

std::uint32_t held(const SpriteHolder* holder) { return holder ? holder->texture : 0; }

void hold(SpriteHolder* holder, std::uint32_t texture) {
  if (holder) holder->texture = texture;
}

DrawLog& log_holder(DrawLog& log, const SpriteHolder* holder) {
  if (holder == nullptr) return log.text(static_cast<const char*>(nullptr));
  return textures::log_texture(log, held(holder));
}

// A missing rectangle or colour is logged as -1, as the text printer does.
DrawLog& log_rect(DrawLog& log, const FloatRect* rect) {
  if (rect == nullptr) return log.i(-1);
  return log.f(rect->left).f(rect->bottom).f(rect->right).f(rect->top);
}

DrawLog& log_colour(DrawLog& log, const Rgba* c) {
  if (c == nullptr) return log.i(-1);
  return log.i(c->r).i(c->g).i(c->b).i(c->a);
}

HOST_THISCALL SpriteHolder* construct(SpriteHolder* holder) {
  log_call(HostId::HostSprite_Construct);
  hold(holder, 0);
  return holder;
}

HOST_THISCALL void destruct(SpriteHolder* holder) {
  log_holder(log_call(HostId::HostSprite_Destruct), holder);
  hold(holder, 0);
}

// An unknown name, or no current dictionary, leaves the holder empty.
HOST_THISCALL void set_texture(SpriteHolder* holder, const char* name) {
  log_holder(log_call(HostId::HostSprite_SetTexture), holder).text(name);
  hold(holder, textures::find_in_current(name));
}

HOST_THISCALL void release(SpriteHolder* holder) {
  log_holder(log_call(HostId::HostSprite_Release), holder);
  hold(holder, 0);
}

HOST_THISCALL void draw(SpriteHolder* holder, const FloatRect* rect, const Rgba* colour) {
  log_colour(log_rect(log_holder(log_call(HostId::HostSprite_Draw), holder), rect), colour);
}

HOST_THISCALL void draw_quad(SpriteHolder* holder, float x1, float y1, float x2, float y2, float x3,
                             float y3, float x4, float y4, const Rgba* colour) {
  DrawLog& log = log_holder(log_call(HostId::HostSprite_DrawQuad), holder);
  log.f(x1).f(y1).f(x2).f(y2).f(x3).f(y3).f(x4).f(y4);
  log_colour(log, colour);
}

HOST_CDECL void draw_raw(float x, float y, float x2, float size_x, float size_y, int r, int g,
                         int b, int a, float q, int w) {
  log_call(HostId::HostSprite_DrawRaw).f(x).f(y).f(x2).f(size_x).f(size_y);
  draw_log().i(r).i(g).i(b).i(a).f(q).i(w);
}

HOST_CDECL void draw_rect(const FloatRect* rect, const Rgba* colour) {
  log_colour(log_rect(log_call(HostId::HostSprite_DrawRect), rect), colour);
}

}  // namespace

void register_services() {
  implement<HostId::HostSprite_Construct>(construct);
  implement<HostId::HostSprite_Destruct>(destruct);
  implement<HostId::HostSprite_SetTexture>(set_texture);
  implement<HostId::HostSprite_Release>(release);
  implement<HostId::HostSprite_Draw>(draw);
  implement<HostId::HostSprite_DrawQuad>(draw_quad);
  implement<HostId::HostSprite_DrawRaw>(draw_raw);
  implement<HostId::HostSprite_DrawRect>(draw_rect);
}

}  // namespace refhost::sprites
