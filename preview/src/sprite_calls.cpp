#include "sprite_calls.h"

#include <array>

#include "text_style.h"

namespace preview {

namespace {

struct Edges {
  double left, bottom, right, top;
};

Edges edges_at(const LogCall& call, std::size_t first) {
  return Edges{call.f(first), call.f(first + 1), call.f(first + 2), call.f(first + 3)};
}

// Around the rectangle, with each corner's place on the texture.
std::array<UvVertex, 4> rectangle_fan(const Edges& e) {
  return {UvVertex{e.left, e.bottom, 0, 1}, UvVertex{e.right, e.bottom, 1, 1},
          UvVertex{e.right, e.top, 1, 0}, UvVertex{e.left, e.top, 0, 0}};
}

// The sprite routines' own states: alpha blending, linear filtering.
FillStyle sprite_fill(const Texture* texture, Rgba colour) {
  FillStyle style;
  style.texture = texture;
  style.colour = colour;
  return style;
}

}  // namespace

void draw_sprite(const SpriteTarget& target, const LogCall& call) {
  if (call.size() < 6) return;  // a missing rectangle
  const std::optional<Rgba> colour = colour_arg(call, 5);
  if (!colour) return;
  const Texture* texture = target.textures.resolve(call.text(0));
  fill_fan(target.cr, rectangle_fan(edges_at(call, 1)), sprite_fill(texture, *colour));
}

void draw_sprite_quad(const SpriteTarget& target, const LogCall& call) {
  const std::optional<Rgba> colour = colour_arg(call, 9);
  if (!colour) return;
  const Texture* texture = target.textures.resolve(call.text(0));
  auto corner = [&](int k, double u, double v) {
    return UvVertex{call.f(1 + 2 * k), call.f(2 + 2 * k), u, v};
  };
  // Corners 1, 2, 4, 3 go round the quad.
  const std::array<UvVertex, 4> fan = {corner(0, 0, 1), corner(1, 1, 1), corner(3, 1, 0),
                                       corner(2, 0, 0)};
  fill_fan(target.cr, fan, sprite_fill(texture, *colour));
}

void draw_raw_sprite(const SpriteTarget& target, const LogCall& call) {
  const double x = call.f(0), y = call.f(1), half_w = call.f(3), half_h = call.f(4);
  const Rgba colour = *colour_arg(call, 5);
  const Texture* texture = target.textures.resolve(target.states.raster);
  const Edges e{x - half_w, y + half_h, x + half_w, y - half_h};
  fill_fan(target.cr, rectangle_fan(e), state_fill(target.states, texture, colour));
}

void draw_plain_rect(const SpriteTarget& target, const LogCall& call) {
  if (call.size() < 5) return;  // a missing rectangle
  const std::optional<Rgba> colour = colour_arg(call, 4);
  if (!colour) return;
  fill_fan(target.cr, rectangle_fan(edges_at(call, 0)), sprite_fill(nullptr, *colour));
}

}  // namespace preview
