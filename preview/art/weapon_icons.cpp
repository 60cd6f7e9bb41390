// Weapon icons "0" to "36": plain silhouettes by kind of weapon, each kind in
// its own accent colour, with the type number in a corner so that every icon
// differs.
#include <cmath>
#include <string>

#include "art_canvas.h"
#include "hud_art.h"

namespace art {

namespace {

constexpr int kSize = 128;

enum class Kind { Hand, Melee, Thrown, Pistol, Shotgun, Smg, Rifle, Sniper, Heavy, Gadget };

Kind kind_of(int type) {
  if (type <= 1) return Kind::Hand;
  if (type <= 11) return Kind::Melee;
  if (type <= 16) return Kind::Thrown;
  if (type <= 18) return Kind::Pistol;
  if (type <= 21) return Kind::Shotgun;
  if (type <= 25) return Kind::Smg;
  if (type <= 27) return Kind::Rifle;
  if (type <= 29) return Kind::Sniper;
  if (type <= 33) return Kind::Heavy;
  return Kind::Gadget;
}

double hue_of(Kind kind) { return static_cast<int>(kind) / 10.0; }

void silhouette(cairo_t* cr) { fill_and_outline(cr, 0.95, 0.95, 0.92, 1, 0.05, 0.05, 0.07, 1, 4); }

// A side-on gun: body, barrel, grip, and the parts its kind has.
struct Gun {
  double body;    // length of the receiver
  double barrel;  // length beyond it
  double stock;   // 0 for none
  double magazine;
  bool scope;
};

void gun(cairo_t* cr, const Gun& g) {
  const double total = g.stock + g.body + g.barrel;
  const double x0 = (kSize - total) / 2, y = 52;
  if (g.stock > 0) {
    cairo_move_to(cr, x0, y + 4);
    cairo_line_to(cr, x0 + g.stock, y);
    cairo_line_to(cr, x0 + g.stock, y + 16);
    cairo_line_to(cr, x0, y + 24);
    cairo_close_path(cr);
  }
  const double bx = x0 + g.stock;
  cairo_rectangle(cr, bx, y, g.body, 16);
  cairo_rectangle(cr, bx + g.body, y + 3, g.barrel, 7);
  cairo_move_to(cr, bx + 4, y + 16);
  cairo_line_to(cr, bx + 16, y + 16);
  cairo_line_to(cr, bx + 12, y + 40);
  cairo_line_to(cr, bx + 1, y + 38);
  cairo_close_path(cr);
  if (g.magazine > 0) cairo_rectangle(cr, bx + g.body * 0.55, y + 16, 9, g.magazine);
  if (g.scope) rounded_rectangle(cr, bx + 4, y - 14, g.body * 0.8, 10, 4);
  silhouette(cr);
}

void melee(cairo_t* cr, int type) {
  cairo_save(cr);
  cairo_translate(cr, kSize / 2.0, kSize / 2.0);
  cairo_rotate(cr, -M_PI / 4);
  rounded_rectangle(cr, -7, 14, 14, 34, 5);  // handle
  if (type % 2 == 0) {
    cairo_move_to(cr, -9, 12);  // blade
    cairo_line_to(cr, 9, 12);
    cairo_line_to(cr, 6, -30 - type);
    cairo_line_to(cr, 0, -44 - type);
    cairo_line_to(cr, -6, -30 - type);
    cairo_close_path(cr);
  } else {
    rounded_rectangle(cr, -10 - type * 0.4, -48, 20 + type * 0.8, 62, 9);  // club
  }
  silhouette(cr);
  cairo_restore(cr);
}

void hand(cairo_t* cr, int type) {
  rounded_rectangle(cr, 34, 40, 60, 50, 16);
  silhouette(cr);
  for (int k = 0; k < 4; ++k) {
    cairo_new_sub_path(cr);
    if (type == 1) {
      cairo_arc(cr, 42 + k * 15, 44, 7, 0, 2 * M_PI);  // knuckle rings
    } else {
      cairo_move_to(cr, 49 + k * 15, 42);
      cairo_line_to(cr, 49 + k * 15, 62);
    }
  }
  cairo_set_source_rgba(cr, 0.05, 0.05, 0.07, 1);
  cairo_set_line_width(cr, 4);
  cairo_stroke(cr);
}

void thrown(cairo_t* cr, int type) {
  if (type == 12 || type == 14) {
    cairo_save(cr);
    cairo_translate(cr, 64, 70);
    cairo_scale(cr, 1, type == 12 ? 1.2 : 1.6);
    cairo_arc(cr, 0, 0, 24, 0, 2 * M_PI);
    cairo_restore(cr);
    rounded_rectangle(cr, 56, 30, 16, 12, 3);
  } else if (type == 15) {
    rounded_rectangle(cr, 48, 56, 32, 50, 10);  // bottle
    cairo_rectangle(cr, 58, 30, 12, 28);
  } else {
    rounded_rectangle(cr, 36, 50, 56, 40, 6);  // charge with an aerial
    cairo_rectangle(cr, 80, 22, 5, 30);
  }
  silhouette(cr);
}

void heavy(cairo_t* cr, int type) {
  if (type == 30) {
    rounded_rectangle(cr, 10, 50, 108, 18, 8);  // launcher tube
    cairo_rectangle(cr, 44, 68, 10, 22);
  } else if (type == 31) {
    rounded_rectangle(cr, 14, 44, 30, 42, 12);  // tank and nozzle
    cairo_rectangle(cr, 44, 58, 70, 10);
  } else {
    for (int k = 0; k < (type == 32 ? 2 : 3); ++k) cairo_rectangle(cr, 40, 48 + k * 9, 78, 6);
    rounded_rectangle(cr, 12, 44, 34, 34, 8);
  }
  silhouette(cr);
}

void gadget(cairo_t* cr, int type) {
  rounded_rectangle(cr, 26, 42, 76, 50, 10);
  silhouette(cr);
  cairo_arc(cr, 64, 67, type == 34 ? 16 : 9, 0, 2 * M_PI);
  cairo_set_source_rgba(cr, 0.05, 0.05, 0.07, 1);
  cairo_fill(cr);
}

void draw_kind(cairo_t* cr, int type) {
  switch (kind_of(type)) {
    case Kind::Hand:
      return hand(cr, type);
    case Kind::Melee:
      return melee(cr, type);
    case Kind::Thrown:
      return thrown(cr, type);
    case Kind::Pistol:
      return gun(cr, Gun{30, 14 + (type - 17) * 8.0, 0, 0, false});
    case Kind::Shotgun:
      return gun(cr, Gun{34, 46, 26 + (type - 19) * 4.0, 0, false});
    case Kind::Smg:
      return gun(cr, Gun{36, 16 + (type - 22) * 4.0, type % 2 ? 0.0 : 16.0, 22, false});
    case Kind::Rifle:
      return gun(cr, Gun{40, 30, 24, 20 + (type - 26) * 4.0, false});
    case Kind::Sniper:
      return gun(cr, Gun{38, 44, 26, 10, true});
    case Kind::Heavy:
      return heavy(cr, type);
    case Kind::Gadget:
      return gadget(cr, type);
  }
}

void number_badge(cairo_t* cr, int type, double hue) {
  cairo_arc(cr, 106, 106, 17, 0, 2 * M_PI);
  set_hsv(cr, hue, 0.75, 0.85);
  cairo_fill(cr);
  const std::string text = std::to_string(type);
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, 18);
  cairo_text_extents_t e;
  cairo_text_extents(cr, text.c_str(), &e);
  cairo_move_to(cr, 106 - e.x_advance / 2, 112);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_show_text(cr, text.c_str());
}

}  // namespace

refhost::txd::TextureEntry weapon_icon(int type) {
  Canvas c(kSize, kSize);
  cairo_t* cr = c.cr();
  const double hue = hue_of(kind_of(type));
  // A tinted disc behind the silhouette, by kind.
  cairo_arc(cr, 64, 64, 60, 0, 2 * M_PI);
  set_hsv(cr, hue, 0.55, 0.35, 0.55);
  cairo_fill(cr);
  draw_kind(cr, type);
  number_badge(cr, type, hue);
  return c.texture(std::to_string(type));
}

}  // namespace art
