#pragma once
// Fills a convex polygon, given as a triangle fan of screen points with
// texture coordinates, with a texture modulated by a colour, the way a host
// rasteriser does: no edge smoothing, so that polygons sharing an edge meet
// without a seam. The texture is mapped affinely per triangle.
#include <cairo.h>

#include <span>

#include "colour.h"
#include "texture_library.h"

namespace preview {

struct UvVertex {
  double x = 0;
  double y = 0;
  double u = 0;  // 0 at the texture's left edge, 1 at its right
  double v = 0;  // 0 at the texture's top edge, 1 at its bottom
};

enum class Blend { Over, Add };

struct FillStyle {
  const Texture* texture = nullptr;  // null, or a texture without pixels: the colour alone
  Rgba colour;
  Blend blend = Blend::Over;
  cairo_filter_t filter = CAIRO_FILTER_BILINEAR;
  cairo_extend_t extend = CAIRO_EXTEND_PAD;
};

void fill_fan(cairo_t* cr, std::span<const UvVertex> fan, const FillStyle& style);

// The texture's pixels multiplied by the colour, opacity included.
Surface tinted(const Texture& texture, Rgba colour);

}  // namespace preview
