#pragma once
// A small Cairo canvas that becomes a texture with straight-alpha RGBA pixels,
// and the shapes the HUD art shares.
#include <cairo.h>

#include <string>

#include "txd_file.h"

namespace art {

class Canvas {
 public:
  Canvas(int width, int height);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  cairo_t* cr() const { return cr_; }
  int width() const { return width_; }
  int height() const { return height_; }
  // The picture so far as a texture of that name.
  refhost::txd::TextureEntry texture(const std::string& name) const;
  // A part of the picture as a texture of that name.
  refhost::txd::TextureEntry crop(const std::string& name, int x, int y, int width,
                                  int height) const;

 private:
  int width_;
  int height_;
  cairo_surface_t* surface_;
  cairo_t* cr_;
};

void rounded_rectangle(cairo_t* cr, double x, double y, double w, double h, double r);
// A star of `points` tips round (cx, cy), the first tip straight up.
void star_path(cairo_t* cr, double cx, double cy, double outer, double inner, int points);
// Fills the current path in `fill` and outlines it in `line` of that width.
void fill_and_outline(cairo_t* cr, double fr, double fg, double fb, double fa, double lr, double lg,
                      double lb, double la, double width);
// A colour from hue (0-1), saturation and value.
void set_hsv(cairo_t* cr, double h, double s, double v, double a = 1.0);

}  // namespace art
