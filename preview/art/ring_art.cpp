// The weapon wheel's ring and its slot indicator; white, for the element's
// colours. The wheel draws the ring upright and turns the indicator a tenth of
// a turn anticlockwise per slot from where it lies unturned. Slot k's icon sits
// (k - 3) tenths of a turn anticlockwise from the right of the centre (slot 3
// right, slot 8 left, 9 and 0 below left), so the ring is cut into ten
// segments round those places, and the unturned indicator covers slot 0's.
#include <cmath>

#include "art_canvas.h"
#include "hud_art.h"

namespace art {

namespace {

constexpr int kSize = 256;
constexpr double kMid = kSize / 2.0;
constexpr double kOuter = 124;
constexpr double kInner = 84;
constexpr double kSlotTurn = 2 * M_PI / 10;

// Cairo angles run clockwise on the picture (y grows downward).
constexpr double SlotAngleOnRing(int slot) { return -(slot - 3) * kSlotTurn; }

// Unturned, the wheel lays the indicator's picture a quarter turn anticlockwise
// (its top to the screen's left), so slot 0's place on the screen is a quarter
// turn clockwise of it on the picture.
constexpr double kIndicatorZero = SlotAngleOnRing(0) + M_PI / 2;

refhost::txd::TextureEntry ring() {
  Canvas c(kSize, kSize);
  cairo_t* cr = c.cr();
  cairo_new_sub_path(cr);
  cairo_arc(cr, kMid, kMid, kOuter, 0, 2 * M_PI);
  cairo_new_sub_path(cr);
  cairo_arc_negative(cr, kMid, kMid, kInner, 2 * M_PI, 0);
  fill_and_outline(cr, 1, 1, 1, 0.85, 1, 1, 1, 1, 3);
  // Dividers half way between neighbouring slots.
  for (int slot = 0; slot < 10; ++slot) {
    const double a = SlotAngleOnRing(slot) + kSlotTurn / 2;
    cairo_move_to(cr, kMid + kInner * std::cos(a), kMid + kInner * std::sin(a));
    cairo_line_to(cr, kMid + kOuter * std::cos(a), kMid + kOuter * std::sin(a));
  }
  cairo_set_source_rgba(cr, 0, 0, 0, 0.55);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  return c.texture("sring");
}

refhost::txd::TextureEntry indicator() {
  Canvas c(kSize, kSize);
  cairo_t* cr = c.cr();
  const double half = kSlotTurn / 2;
  cairo_arc(cr, kMid, kMid, kOuter, kIndicatorZero - half, kIndicatorZero + half);
  cairo_arc_negative(cr, kMid, kMid, kInner, kIndicatorZero + half, kIndicatorZero - half);
  cairo_close_path(cr);
  fill_and_outline(cr, 1, 1, 1, 1, 0, 0, 0, 0.5, 2);
  // A notch on the outer rim pointing out of the ring.
  const double ux = std::cos(kIndicatorZero), uy = std::sin(kIndicatorZero);
  const double tip = kOuter - 14, base = kOuter - 2;
  cairo_move_to(cr, kMid + base * ux - 10 * uy, kMid + base * uy + 10 * ux);
  cairo_line_to(cr, kMid + base * ux + 10 * uy, kMid + base * uy - 10 * ux);
  cairo_line_to(cr, kMid + tip * ux, kMid + tip * uy);
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
