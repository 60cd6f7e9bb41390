#pragma once
// Owning handles for the Cairo objects the preview makes, so that every exit
// path releases them.
#include <cairo.h>

#include <memory>

namespace preview {

struct SurfaceRelease {
  void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
struct ContextRelease {
  void operator()(cairo_t* c) const { cairo_destroy(c); }
};
struct PatternRelease {
  void operator()(cairo_pattern_t* p) const { cairo_pattern_destroy(p); }
};

using Surface = std::unique_ptr<cairo_surface_t, SurfaceRelease>;
using Context = std::unique_ptr<cairo_t, ContextRelease>;
using Pattern = std::unique_ptr<cairo_pattern_t, PatternRelease>;

// A transparent ARGB32 picture of this size.
inline Surface make_image(int width, int height) {
  return Surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
}

}  // namespace preview
