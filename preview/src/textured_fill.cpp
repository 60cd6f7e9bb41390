#include "textured_fill.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace preview {

namespace {

// Screen to texture pixels, solved from three corners; nothing when the
// corners lie on one line.
std::optional<cairo_matrix_t> screen_to_texture(const UvVertex& p0, const UvVertex& p1,
                                                const UvVertex& p2, int width, int height) {
  const double d = (p1.x - p0.x) * (p2.y - p0.y) - (p2.x - p0.x) * (p1.y - p0.y);
  if (std::abs(d) < 1e-9) return std::nullopt;
  auto solve = [&](double t0, double t1, double t2, double scale, double& a, double& b, double& c) {
    t0 *= scale, t1 *= scale, t2 *= scale;
    a = ((t1 - t0) * (p2.y - p0.y) - (t2 - t0) * (p1.y - p0.y)) / d;
    b = ((t2 - t0) * (p1.x - p0.x) - (t1 - t0) * (p2.x - p0.x)) / d;
    c = t0 - a * p0.x - b * p0.y;
  };
  cairo_matrix_t m;
  solve(p0.u, p1.u, p2.u, width, m.xx, m.xy, m.x0);
  solve(p0.v, p1.v, p2.v, height, m.yx, m.yy, m.y0);
  return m;
}

// Whether one map serves every vertex, as it does for any affine mapping
// (a rectangle, a rotated square, a clipped radar tile).
bool maps_all(const cairo_matrix_t& m, std::span<const UvVertex> fan, int width, int height) {
  for (const UvVertex& p : fan) {
    double u = p.x, v = p.y;
    cairo_matrix_transform_point(&m, &u, &v);
    if (std::abs(u - p.u * width) > 0.01 || std::abs(v - p.v * height) > 0.01) return false;
  }
  return true;
}

void polygon_path(cairo_t* cr, std::span<const UvVertex> points) {
  cairo_move_to(cr, points[0].x, points[0].y);
  for (std::size_t k = 1; k < points.size(); ++k) cairo_line_to(cr, points[k].x, points[k].y);
  cairo_close_path(cr);
}

// The map of the fan's first triangle whose corners do not lie on one line.
std::optional<cairo_matrix_t> fan_map(std::span<const UvVertex> fan, const Texture& t) {
  for (std::size_t k = 1; k + 1 < fan.size(); ++k) {
    if (auto m = screen_to_texture(fan[0], fan[k], fan[k + 1], t.width, t.height)) return m;
  }
  return std::nullopt;
}

void fill_part(cairo_t* cr, std::span<const UvVertex> points, cairo_surface_t* image,
               const FillStyle& style) {
  std::optional<cairo_matrix_t> m;
  if (image) {
    m = fan_map(points, *style.texture);
    if (!m) return;
  }
  cairo_save(cr);
  cairo_set_operator(cr, style.blend == Blend::Add ? CAIRO_OPERATOR_ADD : CAIRO_OPERATOR_OVER);
  if (image) {
    Pattern pattern(cairo_pattern_create_for_surface(image));
    cairo_pattern_set_matrix(pattern.get(), &*m);
    cairo_pattern_set_filter(pattern.get(), style.filter);
    cairo_pattern_set_extend(pattern.get(), style.extend);
    cairo_set_source(cr, pattern.get());
  } else {
    set_source(cr, style.colour);
  }
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  polygon_path(cr, points);
  cairo_fill(cr);
  cairo_restore(cr);
}

bool has_image(const FillStyle& style) { return style.texture && style.texture->image; }

}  // namespace

Surface tinted(const Texture& texture, Rgba colour) {
  Surface out = make_image(texture.width, texture.height);
  Context cr(cairo_create(out.get()));
  cairo_set_source_surface(cr.get(), texture.image.get(), 0, 0);
  cairo_paint(cr.get());
  cr.reset();
  cairo_surface_flush(out.get());
  unsigned char* data = cairo_image_surface_get_data(out.get());
  const int stride = cairo_image_surface_get_stride(out.get());
  // Each premultiplied channel times its colour component, and times the opacity.
  const std::uint32_t factors[4] = {colour.b, colour.g, colour.r, 255};
  for (int y = 0; y < texture.height; ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(data + std::ptrdiff_t{y} * stride);
    for (int x = 0; x < texture.width; ++x) {
      std::uint32_t pixel = 0;
      for (int k = 0; k < 4; ++k) {
        const std::uint32_t c = (row[x] >> (8 * k)) & 0xFF;
        pixel |= ((c * factors[k] * colour.a + 255 * 127) / (255 * 255)) << (8 * k);
      }
      row[x] = pixel;
    }
  }
  cairo_surface_mark_dirty(out.get());
  return out;
}

void fill_fan(cairo_t* cr, std::span<const UvVertex> fan, const FillStyle& style) {
  if (fan.size() < 3) return;
  Surface tint;
  cairo_surface_t* image = nullptr;
  if (has_image(style)) {
    const bool white = style.colour == Rgba{255, 255, 255, 255};
    if (!white) tint = tinted(*style.texture, style.colour);
    image = white ? style.texture->image.get() : tint.get();
  }
  const Texture* t = style.texture;
  const auto whole = image ? fan_map(fan, *t) : std::nullopt;
  if (!image || (whole && maps_all(*whole, fan, t->width, t->height))) {
    fill_part(cr, fan, image, style);
    return;
  }
  for (std::size_t k = 1; k + 1 < fan.size(); ++k) {
    const UvVertex triangle[3] = {fan[0], fan[k], fan[k + 1]};
    fill_part(cr, triangle, image, style);
  }
}

}  // namespace preview
