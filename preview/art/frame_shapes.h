#pragma once
// The two radar frames' plates, in the 256 x 192 texture the frame sprite is
// stretched over: the art draws them from these numbers, and the shipped
// layout's test keeps the radar map inside them at every screen shape.
#include <algorithm>
#include <cmath>

namespace art::frame_shape {

inline constexpr double kWidth = 256;
inline constexpr double kHeight = 192;

// Classic: a rectangle with rounded corners.
inline constexpr double kClassicInset = 3;
inline constexpr double kClassicRadius = 18;

// Modern: a rectangle with its top-left and bottom-right corners cut at 45
// degrees. The cut stays small enough that the map's corners, 10 layout
// units in from the frame's sides, keep clear of it.
inline constexpr double kModernInset = 2;
inline constexpr double kModernCut = 12;

// Whether a texture point lies on the classic plate.
inline bool OnClassicPlate(double u, double v) {
  const double lo = kClassicInset + kClassicRadius;
  const double cx = std::clamp(u, lo, kWidth - lo), cy = std::clamp(v, lo, kHeight - lo);
  return std::hypot(u - cx, v - cy) <= kClassicRadius;
}

// Whether a texture point lies on the modern plate.
inline bool OnModernPlate(double u, double v) {
  const double left = kModernInset, top = kModernInset;
  const double right = kWidth - kModernInset, bottom = kHeight - kModernInset;
  return u >= left && u <= right && v >= top && v <= bottom &&
         (u - left) + (v - top) >= kModernCut && (right - u) + (bottom - v) >= kModernCut;
}

}  // namespace art::frame_shape
