// Radio station badges "0" to "9", each its own colour and sign, and "10",
// the radio switched off.
#include <cmath>
#include <string>

#include "art_canvas.h"
#include "hud_art.h"

namespace art {

namespace {

constexpr int kSize = 128;
constexpr double kMid = kSize / 2.0;
constexpr int kOff = 10;

void white_stroke(cairo_t* cr, double width) {
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_set_line_width(cr, width);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
}

// Signs told apart by shape: waves, bars, rings, polygons and stars.
void sign(cairo_t* cr, int station) {
  switch (station % 5) {
    case 0:
      for (int k = 0; k < 3; ++k) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, kMid - 24, kMid, 14 + k * 14, -M_PI / 4, M_PI / 4);
      }
      return white_stroke(cr, 7);
    case 1:
      for (int k = 0; k < 4; ++k)
        cairo_rectangle(cr, 34 + k * 16, 84 - 10 * (k + 1 + station % 3), 10,
                        10 * (k + 1 + station % 3));
      cairo_set_source_rgb(cr, 1, 1, 1);
      return cairo_fill(cr);
    case 2:
      cairo_arc(cr, kMid, kMid, 28, 0, 2 * M_PI);
      white_stroke(cr, 8);
      cairo_arc(cr, kMid, kMid, 8, 0, 2 * M_PI);
      cairo_set_source_rgb(cr, 1, 1, 1);
      return cairo_fill(cr);
    case 3:
      star_path(cr, kMid, kMid + 3, 34, 15, 4 + station / 5);
      cairo_set_source_rgb(cr, 1, 1, 1);
      return cairo_fill(cr);
    default:
      cairo_move_to(cr, kMid - 26, kMid + 22);
      cairo_line_to(cr, kMid, kMid - 28);
      cairo_line_to(cr, kMid + 26, kMid + 22);
      cairo_close_path(cr);
      return white_stroke(cr, 8);
  }
}

void off_sign(cairo_t* cr) {
  cairo_arc(cr, kMid, kMid + 4, 26, -M_PI / 2 + 0.6, 3 * M_PI / 2 - 0.6);
  white_stroke(cr, 8);
  cairo_move_to(cr, kMid, kMid - 30);
  cairo_line_to(cr, kMid, kMid);
  white_stroke(cr, 8);
}

refhost::txd::TextureEntry badge(int station) {
  Canvas c(kSize, kSize);
  cairo_t* cr = c.cr();
  cairo_arc(cr, kMid, kMid, 58, 0, 2 * M_PI);
  if (station == kOff) {
    cairo_set_source_rgb(cr, 0.32, 0.33, 0.36);
  } else {
    set_hsv(cr, station / 10.0, 0.7, 0.8);
  }
  cairo_fill_preserve(cr);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.8);
  cairo_set_line_width(cr, 5);
  cairo_stroke(cr);
  cairo_arc(cr, kMid, kMid, 50, 0, 2 * M_PI);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.35);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  if (station == kOff) {
    off_sign(cr);
  } else {
    sign(cr, station);
  }
  return c.texture(std::to_string(station));
}

}  // namespace

Textures station_textures() {
  Textures out;
  for (int station = 0; station <= kOff; ++station) out.push_back(badge(station));
  return out;
}

}  // namespace art
