#include "im2d_calls.h"

#include <algorithm>

#include "text_style.h"

namespace preview {

namespace {

constexpr long long kTriangleFan = 5;
constexpr long long kMaxVertices = 4096;

}  // namespace

bool Im2D::set_vertices(const LogCall& call) {
  vertices_.clear();
  mask_ = false;
  const long long n = call.i(0);
  if (n < 0 || n > kMaxVertices || call.size() != static_cast<std::size_t>(1 + 4 * n + 4)) {
    return false;
  }
  for (std::size_t k = 0; k < static_cast<std::size_t>(n); ++k) {
    const std::size_t at = 1 + 4 * k;
    vertices_.push_back(UvVertex{call.f(at), call.f(at + 1), call.f(at + 2), call.f(at + 3)});
  }
  colour_ = *colour_arg(call, 1 + 4 * static_cast<std::size_t>(n));
  return true;
}

void Im2D::set_mask_vertices() {
  vertices_.clear();
  mask_ = true;
}

void Im2D::render_primitive(cairo_t* cr, const LogCall& call, const TextureResolver& textures,
                            const RenderStates& states) const {
  if (mask_ || call.i(0) != kTriangleFan) return;
  const long long count = call.i(call.size() - 1);
  const std::size_t n = std::min(vertices_.size(), static_cast<std::size_t>(std::max(count, 0LL)));
  // Texturing off (raster 0) leaves the vertex colour alone.
  const FillStyle style = state_fill(states, textures.resolve(states.raster), colour_);
  fill_fan(cr, std::span<const UvVertex>(vertices_.data(), n), style);
}

}  // namespace preview
