#include "backdrop.h"

namespace preview {

namespace {

void sky(cairo_t* cr, double w, double h) {
  cairo_pattern_t* gradient = cairo_pattern_create_linear(0, 0, 0, h * 0.7);
  cairo_pattern_add_color_stop_rgb(gradient, 0, 0.10, 0.12, 0.26);
  cairo_pattern_add_color_stop_rgb(gradient, 0.65, 0.42, 0.30, 0.42);
  cairo_pattern_add_color_stop_rgb(gradient, 1, 0.86, 0.52, 0.38);
  cairo_set_source(cr, gradient);
  cairo_rectangle(cr, 0, 0, w, h);
  cairo_fill(cr);
  cairo_pattern_destroy(gradient);
}

// A few lit windows on a block, the same on every run.
void windows(cairo_t* cr, double x, double top, double width, double bottom, unsigned& seed) {
  const double size = width / 9;
  // NOLINTBEGIN(cert-flp30-c): stepping in floating point is what places the windows
  for (double y = top + size; y + size < bottom; y += 2 * size) {
    for (double wx = x + size; wx + size < x + width; wx += 2 * size) {
      seed = seed * 1103515245u + 12345u;
      if ((seed >> 16) % 5 == 0) cairo_rectangle(cr, wx, y, size, size);
    }
  }
  // NOLINTEND(cert-flp30-c)
}

// Blocks of varying height along the horizon.
void skyline(cairo_t* cr, double w, double h) {
  const double horizon = h * 0.7;
  unsigned seed = 7;
  cairo_new_path(cr);
  for (double x = -10; x < w;) {
    seed = seed * 1103515245u + 12345u;
    const double width = h * (0.04 + (seed >> 16) % 60 / 1000.0);
    const double height = h * (0.06 + (seed >> 8) % 220 / 1000.0);
    cairo_rectangle(cr, x, horizon - height, width, height);
    x += width + h * 0.004;
  }
  cairo_set_source_rgb(cr, 0.13, 0.11, 0.17);
  cairo_fill(cr);
  seed = 7;
  for (double x = -10; x < w;) {
    seed = seed * 1103515245u + 12345u;
    const double width = h * (0.04 + (seed >> 16) % 60 / 1000.0);
    const double height = h * (0.06 + (seed >> 8) % 220 / 1000.0);
    unsigned window_seed = seed;
    windows(cr, x, horizon - height, width, horizon, window_seed);
    x += width + h * 0.004;
  }
  cairo_set_source_rgba(cr, 0.95, 0.78, 0.45, 0.55);
  cairo_fill(cr);
}

// A road running to a vanishing point at the horizon, dashes closing up with distance.
void street(cairo_t* cr, double w, double h) {
  const double horizon = h * 0.7;
  cairo_set_source_rgb(cr, 0.16, 0.15, 0.17);
  cairo_rectangle(cr, 0, horizon, w, h - horizon);
  cairo_fill(cr);
  cairo_move_to(cr, w * 0.49, horizon);
  cairo_line_to(cr, w * 0.51, horizon);
  cairo_line_to(cr, w * 0.95, h);
  cairo_line_to(cr, w * 0.05, h);
  cairo_close_path(cr);
  cairo_set_source_rgb(cr, 0.21, 0.20, 0.22);
  cairo_fill(cr);
  cairo_set_source_rgba(cr, 0.85, 0.78, 0.55, 0.45);
  for (int k = 0; k < 16; ++k) {
    // At depth k + 1 a dash lies 1 / (k + 1) of the way down from the horizon.
    const double near = horizon + (h - horizon) / (k + 1);
    const double far = horizon + (h - horizon) / (k + 1.5);
    const double half_near = w * 0.004 * (near - horizon) / (h - horizon);
    const double half_far = w * 0.004 * (far - horizon) / (h - horizon);
    cairo_move_to(cr, w / 2 - half_near, near);
    cairo_line_to(cr, w / 2 + half_near, near);
    cairo_line_to(cr, w / 2 + half_far, far);
    cairo_line_to(cr, w / 2 - half_far, far);
    cairo_close_path(cr);
  }
  cairo_fill(cr);
}

}  // namespace

void paint_backdrop(cairo_t* cr, const Screen& screen) {
  cairo_save(cr);
  sky(cr, screen.width, screen.height);
  skyline(cr, screen.width, screen.height);
  street(cr, screen.width, screen.height);
  cairo_restore(cr);
}

}  // namespace preview
