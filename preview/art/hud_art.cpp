// The HUD dictionary: radar frames, bars and the wanted star.
#include "hud_art.h"

#include <cmath>

#include "art_canvas.h"
#include "frame_shapes.h"

namespace art {

namespace {

// Classic frame: a dark glass panel with a soft light rim.
refhost::txd::TextureEntry classic_frame() {
  using namespace frame_shape;
  Canvas c(static_cast<int>(kWidth), static_cast<int>(kHeight));
  cairo_t* cr = c.cr();
  rounded_rectangle(cr, kClassicInset, kClassicInset, kWidth - 2 * kClassicInset,
                    kHeight - 2 * kClassicInset, kClassicRadius);
  fill_and_outline(cr, 0.05, 0.06, 0.08, 0.80, 0.92, 0.92, 0.88, 0.95, 4);
  rounded_rectangle(cr, 9, 9, 238, 174, 13);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.9);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  return c.texture("clrect");
}

// Modern frame: a flat black plate with cut corners and an accent edge.
refhost::txd::TextureEntry modern_frame() {
  using namespace frame_shape;
  Canvas c(static_cast<int>(kWidth), static_cast<int>(kHeight));
  cairo_t* cr = c.cr();
  const double in = kModernInset, cut = kModernCut;
  cairo_move_to(cr, in + cut, in);
  cairo_line_to(cr, kWidth - in, in);
  cairo_line_to(cr, kWidth - in, kHeight - in - cut);
  cairo_line_to(cr, kWidth - in - cut, kHeight - in);
  cairo_line_to(cr, in, kHeight - in);
  cairo_line_to(cr, in, in + cut);
  cairo_close_path(cr);
  fill_and_outline(cr, 0.02, 0.03, 0.05, 0.86, 0.35, 0.85, 0.95, 1.0, 3);
  cairo_set_source_rgba(cr, 0.35, 0.85, 0.95, 1.0);
  cairo_rectangle(cr, in + cut, in, 90, 6);
  cairo_fill(cr);
  return c.texture("blrect");
}

// A white bar, brighter on top, with a dark rim; the element tints it.
refhost::txd::TextureEntry bar(const char* name) {
  Canvas c(64, 16);
  cairo_t* cr = c.cr();
  cairo_pattern_t* shade = cairo_pattern_create_linear(0, 0, 0, 16);
  cairo_pattern_add_color_stop_rgb(shade, 0, 1, 1, 1);
  cairo_pattern_add_color_stop_rgb(shade, 1, 0.72, 0.72, 0.72);
  cairo_set_source(cr, shade);
  cairo_paint(cr);
  cairo_pattern_destroy(shade);
  cairo_rectangle(cr, 0, 0, 64, 16);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.6);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  return c.texture(name);
}

}  // namespace

refhost::txd::TextureEntry star_texture() {
  Canvas c(64, 64);
  cairo_t* cr = c.cr();
  star_path(cr, 32, 34, 29, 12.5, 5);
  fill_and_outline(cr, 1, 1, 1, 1, 0, 0, 0, 0.85, 3);
  return c.texture("star");
}

Textures hud_textures() {
  return {classic_frame(), modern_frame(), bar("bar"), star_texture(), bar("timerbar")};
}

}  // namespace art
