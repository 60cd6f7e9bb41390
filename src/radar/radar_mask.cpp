#include "radar/radar_mask.h"

#include <cmath>
#include <cstdint>

#include "radar/radar_geometry.h"
#include "runtime/host_interface.h"

namespace {

struct RenderState {
  int id;
  std::uint32_t value;
};

// No texture, source alpha blending, fog off, linear filter, flat shading,
// depth test off, depth write on, vertex alpha on.
constexpr RenderState kMaskStates[] = {{1, 0}, {10, 5}, {11, 6}, {14, 0}, {9, 2},
                                       {7, 1}, {6, 0},  {8, 1},  {12, 1}};

// Each quadrant's vector; all at the centre, so the four fans cover no pixel.
constexpr FloatPoint kQuadrants[4] = {{0.0f, 0.0f}, {0.0f, 0.0f}, {0.0f, 0.0f}, {0.0f, 0.0f}};

constexpr int kFanVertices = 8;
constexpr int kTriangleFan = 5;
constexpr double kTwelfthOfPi = 0.2617993877991494;

// A quarter circle from the quadrant's corner: its centre, then seven points
// 15 degrees apart.
void DrawQuadrant(FloatPoint v) {
  FloatPoint fan[kFanVertices];
  fan[0] = RadarToScreen(v);
  for (int i = 0; i < 7; ++i) {
    const auto a = static_cast<float>(i * kTwelfthOfPi);
    const auto c = static_cast<float>(std::cos(static_cast<double>(a)));
    const auto s = static_cast<float>(std::sin(static_cast<double>(a)));
    fan[i + 1] = RadarToScreen({c * v.x, s * v.y});
  }
  HostIm2D::SetMaskVertices(kFanVertices, fan);
  HostIm2D::RenderPrimitive(kTriangleFan, HostIm2D::VertexBuffer(), kFanVertices);
}

}  // namespace

void DrawRadarMask() noexcept {
  for (const RenderState& state : kMaskStates) HostRender::SetState(state.id, state.value);
  for (const FloatPoint& v : kQuadrants) DrawQuadrant(v);
}
