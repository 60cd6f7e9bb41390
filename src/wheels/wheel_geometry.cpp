#include "wheels/wheel_geometry.h"

#include <cmath>

#include "runtime/host_interface.h"
#include "settings/hud_settings.h"
#include "wheels/weapon_wheel.h"

WheelGeometry wheel_geometry;

namespace {

// The square of half-side r rotated by alpha about (cx, cy): the rotations of
// (+r, +r), (+r, -r), (-r, +r) and (-r, -r), in that order.
void RotatedSquare(double cx, double cy, double r, double alpha, WheelPoint (&corners)[4]) {
  const double a = r * std::cos(alpha);
  const double b = r * std::sin(alpha);
  corners[0] = {cx + a - b, cy + a + b};
  corners[1] = {cx + a + b, cy + b - a};
  corners[2] = {cx - a - b, cy + a - b};
  corners[3] = {cx - a + b, cy - a - b};
}

bool Drawable(const WheelPoint (&corners)[4]) {
  for (const WheelPoint& p : corners) {
    if (!std::isfinite(static_cast<float>(p.x)) || !std::isfinite(static_cast<float>(p.y))) {
      return false;
    }
  }
  return true;
}

}  // namespace

void UpdateWheelGeometry() {
  WheelGeometry& g = wheel_geometry;
  g.W = static_cast<double>(static_cast<float>(HostScreen::Width()));
  g.H = static_cast<double>(static_cast<float>(HostScreen::Height()));
  g.cx = g.W / 2.0;
  g.cy = g.H / 2.0;
  g.r = g.cy / static_cast<double>(hud_settings.WEAP_WHEEL_SCALE_MULTIPLIER);
  // The slot the previous update saw: the indicator follows one frame late.
  const int slot = weapon_wheel_state.snapshot.current_slot;
  g.theta = static_cast<double>(slot * -792) / 7.0 / 180.0;
  g.phi = 11.0 / 7.0;
  RotatedSquare(g.cx, g.cy, g.r, g.theta, g.indicator);
  RotatedSquare(g.cx, g.cy, g.r, g.phi, g.ring);
}

bool WheelGeometryDrawable() {
  return Drawable(wheel_geometry.indicator) && Drawable(wheel_geometry.ring);
}
