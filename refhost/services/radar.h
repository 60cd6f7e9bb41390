#pragma once
// The host's radar: its map layer (HostRadar.DrawMapLayer), which draws the
// mask and every candidate map tile through the routines' own entries, so a
// replaced routine is what runs; the polygon clip to the radar square; the
// blip colours and drawing routines; the menu map's player marker and scales;
// the script's coordinate-blip switch. Every call is recorded in the draw log
// with its arguments.
#include <cstddef>
#include <cstdint>

#include "runtime/host_types.h"

namespace refhost {

void register_radar_services();

namespace radar {

// Host state a scenario sets: the two floats HostMap.ScaleX and
// HostMap.ScaleY point at (kept in the host's radar-to-screen code), and what
// HostScript.HidesCoordinateBlips answers.
struct HostState {
  float map_scale_x = 1.0f / 640.0f;
  float map_scale_y = 1.0f / 448.0f;
  std::uint8_t hides_coordinate_blips = 0;
};
HostState& host_state();
constexpr std::size_t kMapScaleX = 0;
constexpr std::size_t kMapScaleY = 4;
constexpr std::size_t kHidesCoordinateBlips = 8;
static_assert(offsetof(HostState, map_scale_x) == kMapScaleX);
static_assert(offsetof(HostState, map_scale_y) == kMapScaleY);
static_assert(offsetof(HostState, hides_coordinate_blips) == kHidesCoordinateBlips);

// Packed 0xRRGGBBAA colours of HostRadar.TraceColour for indices 0..6 (red,
// green, blue, white, yellow, magenta, cyan); a dim blip gets half of each
// of r, g, b. Any larger index is itself the packed colour.
std::uint32_t trace_colour(std::uint32_t index, bool dim);

// The polygon clip: the convex polygon of four points cut to the square
// -1..1, at most 8 points written to `out`; returns how many.
int clip_to_square(const FloatPoint (&corners)[4], FloatPoint (&out)[8]);

// A fault to inject: HostRadar.ClipPolygon answers `count` (while still
// writing at most 8 points); -1 gives the real count again.
void answer_clip_count(int count);

// Back to the host's start: default scales, no switch, no injected fault.
void reset();

}  // namespace radar
}  // namespace refhost
