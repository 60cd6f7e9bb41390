#pragma once
// Radar space and the transforms every radar routine shares. Radar space is
// the square -1..1 round the host's radar centre, one unit per radar range,
// +y to the top of the radar; it turns with the camera.
#include <cstdint>
#include <optional>

#include "runtime/host_types.h"

// The rotation cache: rewritten by each UpdateRadarRotation, (0, 0) before
// the first.
struct RadarRotationCache {
  float cos = 0;
  float sin = 0;
};
extern RadarRotationCache RadarRotation;

// The active camera slot's mode (none when the active byte names no slot),
// and the camera record's front vector (x, y).
std::optional<std::uint16_t> ActiveCameraMode();
FloatPoint CameraFront();

// North-up for modes 1 and 37 and on the menu map; otherwise turned to the
// direction the camera looks. A slot without a target, or an active byte that
// names no slot, keeps the last rotation.
void UpdateRadarRotation();

// Runs UpdateRadarRotation, then takes a world point (x, y) into radar space.
FloatPoint WorldToRadar(FloatPoint world);

// The point's distance from the centre, measured before any change; pulls the
// point onto the square (not on the menu map).
float LimitRadarPoint(FloatPoint& point);

// Radar point to screen pixels: the HUD map rectangle, or the menu map.
FloatPoint RadarToScreen(FloatPoint point);

// Opacity of a blip sprite at this radar distance: 255 within the radar,
// fading to 128 at distance 5.
std::uint8_t BlipAlpha(float distance);
