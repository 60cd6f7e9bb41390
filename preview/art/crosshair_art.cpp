// The crosshair dictionary: reticles, and quarters of scope and viewfinder
// frames. A quarter is the upper-left part of its frame: the host draws it
// four times, mirrored, with the frame's centre at the quarter's lower-right
// corner.
#include <cmath>

#include "art_canvas.h"
#include "hud_art.h"

namespace art {

namespace {

constexpr int kSize = 128;
constexpr double kMid = kSize / 2.0;

// A white stroke over a wider dark one, readable on any background.
void outlined_stroke(cairo_t* cr, double width) {
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.75);
  cairo_set_line_width(cr, width + 4);
  cairo_stroke_preserve(cr);
  cairo_set_source_rgba(cr, 1, 1, 1, 1);
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
}

// Four ticks pointing at the centre, from `inner` to `outer`.
void ticks(cairo_t* cr, double inner, double outer) {
  for (int k = 0; k < 4; ++k) {
    const double dx = k == 0 ? 1 : k == 1 ? -1 : 0, dy = k == 2 ? 1 : k == 3 ? -1 : 0;
    cairo_move_to(cr, kMid + dx * inner, kMid + dy * inner);
    cairo_line_to(cr, kMid + dx * outer, kMid + dy * outer);
  }
}

refhost::txd::TextureEntry ring_sight(const char* name, double radius, double tick_in,
                                      double tick_out, bool dot) {
  Canvas c(kSize, kSize);
  cairo_t* cr = c.cr();
  cairo_new_sub_path(cr);
  cairo_arc(cr, kMid, kMid, radius, 0, 2 * M_PI);
  ticks(cr, tick_in, tick_out);
  outlined_stroke(c.cr(), 5);
  if (dot) {
    cairo_arc(cr, kMid, kMid, 5, 0, 2 * M_PI);
    fill_and_outline(cr, 1, 1, 1, 1, 0, 0, 0, 0.75, 2);
  }
  return c.texture(name);
}

refhost::txd::TextureEntry bracket_sight() {
  Canvas c(kSize, kSize);
  cairo_t* cr = c.cr();
  for (int k = 0; k < 4; ++k) {
    const double sx = k % 2 ? 1 : -1, sy = k / 2 ? 1 : -1;
    cairo_move_to(cr, kMid + sx * 44, kMid + sy * 22);
    cairo_line_to(cr, kMid + sx * 44, kMid + sy * 44);
    cairo_line_to(cr, kMid + sx * 22, kMid + sy * 44);
  }
  outlined_stroke(cr, 5);
  cairo_arc(cr, kMid, kMid, 5, 0, 2 * M_PI);
  fill_and_outline(cr, 1, 1, 1, 1, 0, 0, 0, 0.75, 2);
  return c.texture("smg");
}

refhost::txd::TextureEntry shotgun_sight() {
  Canvas c(kSize, kSize);
  cairo_t* cr = c.cr();
  for (int k = 0; k < 12; ++k) {
    const double a = k * M_PI / 6;
    cairo_new_sub_path(cr);
    cairo_arc(cr, kMid + 46 * std::cos(a), kMid + 46 * std::sin(a), 5, 0, 2 * M_PI);
  }
  fill_and_outline(cr, 1, 1, 1, 1, 0, 0, 0, 0.75, 2);
  return c.texture("shotgun");
}

refhost::txd::TextureEntry gap_cross() {
  Canvas c(kSize, kSize);
  ticks(c.cr(), 12, 50);
  outlined_stroke(c.cr(), 6);
  return c.texture("siteM16");
}

// A scope quarter: dark outside the lens, fine lines along the centre.
refhost::txd::TextureEntry scope_quarter(const char* name, double red) {
  Canvas c(kSize, kSize);
  cairo_t* cr = c.cr();
  cairo_rectangle(cr, 0, 0, kSize, kSize);
  cairo_arc_negative(cr, kSize, kSize, kSize - 6, -M_PI / 2, -M_PI);
  cairo_line_to(cr, kSize, kSize);
  cairo_close_path(cr);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  cairo_set_source_rgba(cr, 0.02, 0.02, 0.03, 1);
  cairo_fill(cr);
  cairo_arc(cr, kSize, kSize, kSize - 6, M_PI, 3 * M_PI / 2);
  cairo_set_source_rgba(cr, 0.25, 0.25, 0.28, 1);
  cairo_set_line_width(cr, 4);
  cairo_stroke(cr);
  cairo_set_source_rgba(cr, red, 0.05, 0.05, 0.9);
  cairo_rectangle(cr, 10, kSize - 2, kSize - 10, 2);
  cairo_rectangle(cr, kSize - 2, 10, 2, kSize - 10);
  for (int k = 1; k <= 4; ++k) {
    cairo_rectangle(cr, kSize - k * 24 - 1, kSize - 7, 2, 7);
    cairo_rectangle(cr, kSize - 7, kSize - k * 24 - 1, 7, 2);
  }
  cairo_fill(cr);
  return c.texture(name);
}

// A viewfinder quarter: a corner bracket and a faint frame line.
refhost::txd::TextureEntry viewfinder_quarter() {
  Canvas c(kSize, kSize);
  cairo_t* cr = c.cr();
  cairo_move_to(cr, 16, 56);
  cairo_line_to(cr, 16, 16);
  cairo_line_to(cr, 56, 16);
  outlined_stroke(cr, 5);
  cairo_rectangle(cr, 16, 16, kSize, kSize);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.35);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  cairo_arc(cr, 36, 36, 6, 0, 2 * M_PI);
  cairo_set_source_rgba(cr, 0.9, 0.15, 0.1, 0.9);
  cairo_fill(cr);
  return c.texture("viewfinder_128");
}

refhost::txd::TextureEntry soft_dot(const char* name, double radius, bool ring) {
  Canvas c(kSize / 2, kSize / 2);
  cairo_t* cr = c.cr();
  cairo_arc(cr, kSize / 4.0, kSize / 4.0, radius, 0, 2 * M_PI);
  if (ring) {
    outlined_stroke(cr, 4);
  } else {
    cairo_pattern_t* glow = cairo_pattern_create_radial(32, 32, 0, 32, 32, radius);
    cairo_pattern_add_color_stop_rgba(glow, 0, 1, 1, 1, 1);
    cairo_pattern_add_color_stop_rgba(glow, 0.6, 1, 1, 1, 0.9);
    cairo_pattern_add_color_stop_rgba(glow, 1, 1, 1, 1, 0);
    cairo_set_source(cr, glow);
    cairo_fill(cr);
    cairo_pattern_destroy(glow);
  }
  return c.texture(name);
}

}  // namespace

Textures crosshair_textures() {
  return {ring_sight("siterocket", 52, 20, 62, false),
          scope_quarter("sitesniper", 0.02),
          scope_quarter("sitelaser", 0.75),
          gap_cross(),
          viewfinder_quarter(),
          soft_dot("laserdot", 30, false),
          soft_dot("snipertarget", 24, true),
          ring_sight("assault", 34, 42, 58, true),
          shotgun_sight(),
          bracket_sight()};
}

}  // namespace art
