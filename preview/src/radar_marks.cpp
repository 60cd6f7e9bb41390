#include "radar_marks.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "textured_fill.h"

namespace preview {

namespace {

constexpr long long kNorthSprite = 3;
constexpr long long kTriangleUp = 0;
constexpr long long kTriangleDown = 1;

std::uint8_t byte_of(long long value) { return static_cast<std::uint8_t>(value & 0xFF); }

void outline_fill(cairo_t* cr, Rgba colour, double outline) {
  set_source(cr, colour);
  cairo_fill_preserve(cr);
  cairo_set_source_rgba(cr, 0, 0, 0, colour.a / 255.0);
  cairo_set_line_width(cr, outline);
  cairo_stroke(cr);
}

}  // namespace

void draw_radar_sprite(cairo_t* cr, const LogCall& call, const TextureLibrary& library,
                       const Screen& screen) {
  const char* name = call.i(0) == kNorthSprite ? "radar_north" : "radardisc";
  const double x = call.f(1), y = call.f(2);
  const double hw = screen.sx(5), hh = screen.sy(5);
  const Rgba colour{255, 255, 255, byte_of(call.i(3))};
  const std::array<UvVertex, 4> fan = {
      UvVertex{x - hw, y + hh, 0, 1}, UvVertex{x + hw, y + hh, 1, 1},
      UvVertex{x + hw, y - hh, 1, 0}, UvVertex{x - hw, y - hh, 0, 0}};
  FillStyle style;
  style.texture = library.find(kHostStore, name);
  style.colour = colour;
  fill_fan(cr, fan, style);
}

void draw_radar_trace(cairo_t* cr, const LogCall& call, const Screen& screen) {
  const double x = call.f(0), y = call.f(1);
  const double half = screen.unit(2.0 * static_cast<double>(std::max(call.i(2), 0LL) + 2));
  const Rgba colour{byte_of(call.i(3)), byte_of(call.i(4)), byte_of(call.i(5)), byte_of(call.i(6))};
  const long long shape = call.i(7);
  cairo_save(cr);
  if (shape == kTriangleUp || shape == kTriangleDown) {
    const double tip = shape == kTriangleUp ? -half : half;
    cairo_move_to(cr, x, y + tip);
    cairo_line_to(cr, x + half, y - tip);
    cairo_line_to(cr, x - half, y - tip);
    cairo_close_path(cr);
  } else {
    cairo_rectangle(cr, x - half, y - half, 2 * half, 2 * half);
  }
  outline_fill(cr, colour, screen.unit(1.5));
  cairo_restore(cr);
}

void draw_player_marker(cairo_t* cr, const LogCall& call, const Screen& screen) {
  cairo_save(cr);
  cairo_arc(cr, call.f(0), call.f(1), screen.unit(6), 0, 2 * M_PI);
  outline_fill(cr, Rgba{255, 255, 255, 255}, screen.unit(2));
  cairo_restore(cr);
}

}  // namespace preview
