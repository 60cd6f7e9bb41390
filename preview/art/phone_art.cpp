// Two phones, 1 : 2 like the overlay: a classic handset with keys
// ("phone_class") and a modern slab ("phone").
#include <cmath>

#include "art_canvas.h"
#include "hud_art.h"

namespace art {

namespace {

constexpr int kWidth = 128;
constexpr int kHeight = 256;

void screen_glow(cairo_t* cr, double x, double y, double w, double h, double r, double g,
                 double b) {
  cairo_pattern_t* glow = cairo_pattern_create_linear(0, y, 0, y + h);
  cairo_pattern_add_color_stop_rgb(glow, 0, r, g, b);
  cairo_pattern_add_color_stop_rgb(glow, 1, r * 0.55, g * 0.55, b * 0.55);
  cairo_set_source(cr, glow);
  rounded_rectangle(cr, x, y, w, h, 4);
  cairo_fill(cr);
  cairo_pattern_destroy(glow);
}

refhost::txd::TextureEntry classic() {
  Canvas c(kWidth, kHeight);
  cairo_t* cr = c.cr();
  rounded_rectangle(cr, 92, 4, 10, 40, 4);  // aerial
  rounded_rectangle(cr, 8, 30, 112, 222, 26);
  fill_and_outline(cr, 0.20, 0.22, 0.26, 1, 0.05, 0.05, 0.06, 1, 3);
  screen_glow(cr, 22, 52, 84, 64, 0.22, 0.34, 0.24);
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 3; ++column) {
      rounded_rectangle(cr, 24 + column * 28, 132 + row * 26, 22, 18, 6);
    }
  }
  fill_and_outline(cr, 0.80, 0.80, 0.76, 1, 0.05, 0.05, 0.06, 1, 1.5);
  return c.texture("phone_class");
}

refhost::txd::TextureEntry modern() {
  Canvas c(kWidth, kHeight);
  cairo_t* cr = c.cr();
  rounded_rectangle(cr, 6, 4, 116, 248, 18);
  fill_and_outline(cr, 0.06, 0.06, 0.08, 1, 0.55, 0.56, 0.60, 1, 3);
  screen_glow(cr, 13, 22, 102, 212, 0.22, 0.38, 0.62);
  // A row of app tiles and the camera dot.
  for (int k = 0; k < 4; ++k) {
    rounded_rectangle(cr, 20 + k * 24, 44, 18, 18, 5);
    set_hsv(cr, k / 4.0 + 0.05, 0.55, 0.9);
    cairo_fill(cr);
  }
  cairo_arc(cr, 64, 13, 3, 0, 2 * M_PI);
  cairo_set_source_rgb(cr, 0.3, 0.3, 0.35);
  cairo_fill(cr);
  return c.texture("phone");
}

}  // namespace

Textures phone_textures() { return {modern(), classic()}; }

}  // namespace art
