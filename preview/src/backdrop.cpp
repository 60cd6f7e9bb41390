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

// Blocks of varying height along the horizon, the same on every run.
void skyline(cairo_t* cr, double w, double h) {
  const double horizon = h * 0.7;
  unsigned seed = 7;
  cairo_set_source_rgb(cr, 0.13, 0.11, 0.17);
  for (double x = -10; x < w;) {
    seed = seed * 1103515245u + 12345u;
    const double width = h * (0.04 + (seed >> 16) % 60 / 1000.0);
    const double height = h * (0.06 + (seed >> 8) % 220 / 1000.0);
    cairo_rectangle(cr, x, horizon - height, width, height);
    x += width + h * 0.004;
  }
  cairo_fill(cr);
}

void street(cairo_t* cr, double w, double h) {
  const double horizon = h * 0.7;
  cairo_set_source_rgb(cr, 0.16, 0.15, 0.17);
  cairo_rectangle(cr, 0, horizon, w, h - horizon);
  cairo_fill(cr);
  // Lane marks running to a vanishing point at the screen's centre.
  cairo_set_source_rgba(cr, 0.85, 0.78, 0.55, 0.5);
  for (int k = 0; k < 6; ++k) {
    const double near = horizon + (h - horizon) * (0.15 + 0.16 * k);
    const double far = near - (h - horizon) * 0.06;
    const double half_near = 0.004 * w * (1 + k), half_far = 0.004 * w * k;
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
