// The weapon wheel's ring and its slot indicator; white, for the element's
// colours. The indicator is a segment of the ring at the top, which the wheel
// turns to the current slot.
#include <cmath>

#include "art_canvas.h"
#include "hud_art.h"

namespace art {

namespace {

constexpr int kSize = 256;
constexpr double kMid = kSize / 2.0;
constexpr double kOuter = 124;
constexpr double kInner = 84;

refhost::txd::TextureEntry ring() {
  Canvas c(kSize, kSize);
  cairo_t* cr = c.cr();
  cairo_new_sub_path(cr);
  cairo_arc(cr, kMid, kMid, kOuter, 0, 2 * M_PI);
  cairo_new_sub_path(cr);
  cairo_arc_negative(cr, kMid, kMid, kInner, 2 * M_PI, 0);
  fill_and_outline(cr, 1, 1, 1, 0.85, 1, 1, 1, 1, 3);
  return c.texture("sring");
}

refhost::txd::TextureEntry indicator() {
  Canvas c(kSize, kSize);
  cairo_t* cr = c.cr();
  const double half = M_PI / 10;  // one slot of ten
  cairo_arc(cr, kMid, kMid, kOuter, -M_PI / 2 - half, -M_PI / 2 + half);
  cairo_arc_negative(cr, kMid, kMid, kInner, -M_PI / 2 + half, -M_PI / 2 - half);
  cairo_close_path(cr);
  fill_and_outline(cr, 1, 1, 1, 1, 0, 0, 0, 0.5, 2);
  // A notch pointing out of the ring.
  cairo_move_to(cr, kMid - 10, kMid - kOuter + 2);
  cairo_line_to(cr, kMid + 10, kMid - kOuter + 2);
  cairo_line_to(cr, kMid, kMid - kOuter - 2 + 14);
  cairo_close_path(cr);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.5);
  cairo_fill(cr);
  return c.texture("shl");
}

}  // namespace

Textures ring_textures() {
  Textures out = {ring(), indicator()};
  for (int type = 0; type <= 36; ++type) out.push_back(weapon_icon(type));
  return out;
}

}  // namespace art
