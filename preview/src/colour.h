#pragma once
// A host colour: four bytes r, g, b, a (a = opacity, 255 opaque).
#include <cairo.h>

#include <cstdint>

namespace preview {

struct Rgba {
  std::uint8_t r = 255;
  std::uint8_t g = 255;
  std::uint8_t b = 255;
  std::uint8_t a = 255;

  friend bool operator==(const Rgba&, const Rgba&) = default;
};

inline void set_source(cairo_t* cr, Rgba c) {
  cairo_set_source_rgba(cr, c.r / 255.0, c.g / 255.0, c.b / 255.0, c.a / 255.0);
}

}  // namespace preview
