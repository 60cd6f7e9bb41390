#pragma once
// The weapon wheel's ring and indicator corners, recomputed every HUD frame
// that draws the HUD proper, in double precision with pi taken as 22/7.

struct WheelPoint {
  double x;
  double y;
};

struct WheelGeometry {
  double W;                 // screen width, through single precision
  double H;                 // screen height, through single precision
  double cx;                // W / 2
  double cy;                // H / 2
  double r;                 // half-side of both squares: (H / 2) / WEAP_WHEEL_SCALE_MULTIPLIER
  double theta;             // indicator angle: -36 degrees per slot of the last snapshot
  double phi;               // ring angle: 11/7, a quarter turn
  WheelPoint indicator[4];  // in the order the host's quad takes them
  WheelPoint ring[4];
};

// Keeps its last values in frames that skip the HUD proper.
extern WheelGeometry wheel_geometry;

void UpdateWheelGeometry();

// False when a corner is not a finite single-precision number (a multiplier of
// 0, say): the host is never handed such corners, and the wheel is not drawn.
bool WheelGeometryDrawable();
