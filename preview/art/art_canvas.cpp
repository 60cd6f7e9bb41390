#include "art_canvas.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace art {

Canvas::Canvas(int width, int height)
    : width_(width),
      height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      cr_(cairo_create(surface_)) {}

Canvas::~Canvas() {
  cairo_destroy(cr_);
  cairo_surface_destroy(surface_);
}

refhost::txd::TextureEntry Canvas::texture(const std::string& name) const {
  return crop(name, 0, 0, width_, height_);
}

refhost::txd::TextureEntry Canvas::crop(const std::string& name, int x, int y, int width,
                                        int height) const {
  cairo_surface_flush(surface_);
  const unsigned char* data = cairo_image_surface_get_data(surface_);
  const int stride = cairo_image_surface_get_stride(surface_);
  std::vector<std::uint8_t> rgba;
  rgba.reserve(static_cast<std::size_t>(width) * height * 4);
  for (int row = y; row < y + height; ++row) {
    const auto* pixels =
        reinterpret_cast<const std::uint32_t*>(data + std::ptrdiff_t{row} * stride);
    for (int column = x; column < x + width; ++column) {
      const std::uint32_t p = pixels[column];
      const std::uint32_t a = p >> 24;
      // Cairo premultiplies; the file keeps straight colour.
      auto straight = [a](std::uint32_t c) {
        return static_cast<std::uint8_t>(
            a == 0 ? 0 : std::min<std::uint32_t>(255, (c * 255 + a / 2) / a));
      };
      rgba.push_back(straight((p >> 16) & 0xFF));
      rgba.push_back(straight((p >> 8) & 0xFF));
      rgba.push_back(straight(p & 0xFF));
      rgba.push_back(static_cast<std::uint8_t>(a));
    }
  }
  return refhost::txd::TextureEntry(name, static_cast<std::uint16_t>(width),
                                    static_cast<std::uint16_t>(height), std::move(rgba));
}

void rounded_rectangle(cairo_t* cr, double x, double y, double w, double h, double r) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
  cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
  cairo_close_path(cr);
}

void star_path(cairo_t* cr, double cx, double cy, double outer, double inner, int points) {
  for (int k = 0; k < 2 * points; ++k) {
    const double r = k % 2 == 0 ? outer : inner;
    const double a = -M_PI / 2 + k * M_PI / points;
    if (k == 0) {
      cairo_move_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    } else {
      cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    }
  }
  cairo_close_path(cr);
}

void fill_and_outline(cairo_t* cr, double fr, double fg, double fb, double fa, double lr, double lg,
                      double lb, double la, double width) {
  cairo_set_source_rgba(cr, fr, fg, fb, fa);
  cairo_fill_preserve(cr);
  cairo_set_source_rgba(cr, lr, lg, lb, la);
  cairo_set_line_width(cr, width);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
}

void set_hsv(cairo_t* cr, double h, double s, double v, double a) {
  const double i = std::floor(h * 6);
  const double f = h * 6 - i;
  const double p = v * (1 - s), q = v * (1 - f * s), t = v * (1 - (1 - f) * s);
  const double rgb[6][3] = {{v, t, p}, {q, v, p}, {p, v, t}, {p, q, v}, {t, p, v}, {v, p, q}};
  const double* c = rgb[static_cast<int>(i) % 6];
  cairo_set_source_rgba(cr, c[0], c[1], c[2], a);
}

}  // namespace art
