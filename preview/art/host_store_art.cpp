// The reference host's own textures: its "generic" dictionary ("white",
// "star"), its "hud" dictionary ("radar_centre", "radar_north", "radardisc")
// and the map tiles "radar00" ... "radar63", each in a store dictionary of
// its own in the host. The preview reads them from one file.
#include <cmath>

#include "art_canvas.h"
#include "hud_art.h"

namespace art {

namespace {

refhost::txd::TextureEntry white() {
  Canvas c(8, 8);
  cairo_set_source_rgb(c.cr(), 1, 1, 1);
  cairo_paint(c.cr());
  return c.texture("white");
}

// The player arrow, pointing up.
refhost::txd::TextureEntry player_arrow() {
  Canvas c(64, 64);
  cairo_t* cr = c.cr();
  cairo_move_to(cr, 32, 4);
  cairo_line_to(cr, 56, 58);
  cairo_line_to(cr, 32, 46);
  cairo_line_to(cr, 8, 58);
  cairo_close_path(cr);
  fill_and_outline(cr, 1, 1, 1, 1, 0, 0, 0, 1, 4);
  return c.texture("radar_centre");
}

refhost::txd::TextureEntry north_badge() {
  Canvas c(64, 64);
  cairo_t* cr = c.cr();
  cairo_arc(cr, 32, 32, 27, 0, 2 * M_PI);
  fill_and_outline(cr, 0.08, 0.08, 0.10, 0.9, 1, 1, 1, 1, 3);
  cairo_move_to(cr, 21, 45);  // the letter N as strokes
  cairo_line_to(cr, 21, 19);
  cairo_line_to(cr, 43, 45);
  cairo_line_to(cr, 43, 19);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_set_line_width(cr, 5);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
  cairo_stroke(cr);
  return c.texture("radar_north");
}

refhost::txd::TextureEntry disc() {
  Canvas c(64, 64);
  cairo_arc(c.cr(), 32, 32, 24, 0, 2 * M_PI);
  fill_and_outline(c.cr(), 0.95, 0.85, 0.30, 1, 0, 0, 0, 1, 5);
  return c.texture("radardisc");
}

}  // namespace

Textures host_store_textures() {
  Textures out = {white(), star_texture(), player_arrow(), north_badge(), disc()};
  for (refhost::txd::TextureEntry& tile : map_tiles()) out.push_back(std::move(tile));
  return out;
}

}  // namespace art
