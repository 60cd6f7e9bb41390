// The radar map: one 1024 x 1024 picture of a made-up coast city, cut into
// the 8 x 8 tiles "radar00" ... "radar63" (tile number = row x 8 + column,
// rows from north to south), so that neighbouring tiles join up.
#include <array>
#include <cmath>
#include <cstdio>

#include "art_canvas.h"
#include "hud_art.h"

namespace art {

namespace {

constexpr int kMap = 1024;
constexpr int kTile = kMap / 8;

struct Point {
  double x, y;
};

// A smooth closed outline through the points (Catmull-Rom as Bezier curves).
void smooth_outline(cairo_t* cr, const Point* p, int n) {
  cairo_move_to(cr, p[0].x, p[0].y);
  for (int k = 0; k < n; ++k) {
    const Point& a = p[(k + n - 1) % n];
    const Point& b = p[k];
    const Point& c = p[(k + 1) % n];
    const Point& d = p[(k + 2) % n];
    cairo_curve_to(cr, b.x + (c.x - a.x) / 6, b.y + (c.y - a.y) / 6, c.x - (d.x - b.x) / 6,
                   c.y - (d.y - b.y) / 6, c.x, c.y);
  }
  cairo_close_path(cr);
}

// The islands as one path: the main island and a smaller one to the north east.
void land_path(cairo_t* cr) {
  constexpr std::array<double, 12> kRadii = {350, 395, 380, 330, 400, 420,
                                             370, 340, 410, 390, 360, 300};
  std::array<Point, 12> main;
  for (int k = 0; k < 12; ++k) {
    const double a = k * M_PI / 6;
    main[k] = {480 + kRadii[k] * std::cos(a), 580 + kRadii[k] * 0.92 * std::sin(a)};
  }
  smooth_outline(cr, main.data(), 12);
  constexpr std::array<Point, 6> kIsle = {
      {{850, 70}, {960, 120}, {975, 230}, {880, 290}, {780, 240}, {770, 130}}};
  smooth_outline(cr, kIsle.data(), 6);
}

void water(cairo_t* cr) {
  cairo_set_source_rgb(cr, 0.11, 0.24, 0.34);
  cairo_paint(cr);
  // Shallows round the coast.
  land_path(cr);
  cairo_set_source_rgb(cr, 0.15, 0.32, 0.42);
  cairo_set_line_width(cr, 60);
  cairo_stroke(cr);
}

void land(cairo_t* cr) {
  land_path(cr);
  cairo_set_source_rgb(cr, 0.60, 0.54, 0.40);  // beaches
  cairo_set_line_width(cr, 16);
  cairo_stroke_preserve(cr);
  cairo_set_source_rgb(cr, 0.29, 0.31, 0.29);
  cairo_fill(cr);
}

void parks(cairo_t* cr) {
  constexpr std::array<std::array<double, 4>, 5> kParks = {{{330, 420, 120, 90},
                                                            {560, 700, 90, 140},
                                                            {700, 420, 70, 70},
                                                            {200, 640, 90, 70},
                                                            {840, 160, 70, 60}}};
  for (const auto& p : kParks) rounded_rectangle(cr, p[0], p[1], p[2], p[3], 14);
  cairo_set_source_rgb(cr, 0.20, 0.39, 0.23);
  cairo_fill(cr);
}

void streets(cairo_t* cr) {
  cairo_set_source_rgb(cr, 0.52, 0.52, 0.50);
  cairo_set_line_width(cr, 4);
  for (int k = 0; k <= kMap; k += 48) {
    cairo_move_to(cr, k, 0);
    cairo_line_to(cr, k, kMap);
    cairo_move_to(cr, 0, k + 24);
    cairo_line_to(cr, kMap, k + 24);
  }
  cairo_stroke(cr);
}

void river(cairo_t* cr) {
  cairo_move_to(cr, 430, 150);
  cairo_curve_to(cr, 520, 360, 380, 520, 470, 700);
  cairo_curve_to(cr, 530, 820, 460, 930, 520, 1024);
  cairo_set_source_rgb(cr, 0.13, 0.28, 0.39);
  cairo_set_line_width(cr, 22);
  cairo_stroke(cr);
}

void highways(cairo_t* cr) {
  cairo_set_source_rgb(cr, 0.86, 0.70, 0.33);
  cairo_set_line_width(cr, 9);
  cairo_move_to(cr, 150, 860);
  cairo_curve_to(cr, 380, 640, 620, 520, 880, 210);  // to the north-east island
  cairo_move_to(cr, 120, 560);
  cairo_line_to(cr, 860, 560);
  cairo_stroke(cr);
}

void airfield(cairo_t* cr) {
  cairo_set_source_rgb(cr, 0.40, 0.41, 0.42);
  rounded_rectangle(cr, 170, 740, 230, 90, 10);
  cairo_fill(cr);
  cairo_set_source_rgb(cr, 0.78, 0.78, 0.74);
  cairo_rectangle(cr, 185, 778, 200, 14);
  cairo_fill(cr);
}

void city(cairo_t* cr) {
  cairo_save(cr);
  land_path(cr);
  cairo_clip(cr);
  streets(cr);
  parks(cr);
  river(cr);
  airfield(cr);
  highways(cr);
  cairo_restore(cr);
}

}  // namespace

Textures map_tiles() {
  Canvas c(kMap, kMap);
  water(c.cr());
  land(c.cr());
  city(c.cr());
  Textures out;
  for (int row = 0; row < 8; ++row) {
    for (int column = 0; column < 8; ++column) {
      char name[16];
      std::snprintf(name, sizeof(name), "radar%02d", row * 8 + column);
      out.push_back(c.crop(name, column * kTile, row * kTile, kTile, kTile));
    }
  }
  return out;
}

}  // namespace art
