#include "services/radar.h"

#include <algorithm>
#include <cmath>

#include "draw_log.h"
#include "host_image.h"
#include "routines.h"

namespace refhost {

namespace radar {

namespace {

int forced_clip_count = -1;

DrawLog& log_call(HostId id) { return draw_log().call(host_symbol(id).name); }

// One edge of the square: which coordinate, and the limit it may not pass.
struct Edge {
  bool vertical;  // x = limit
  float limit;
  bool keep_below;
};

bool inside(FloatPoint p, const Edge& e) {
  const float v = e.vertical ? p.x : p.y;
  return e.keep_below ? v <= e.limit : v >= e.limit;
}

// Where a-b crosses the edge; the crossing lies exactly on it.
FloatPoint crossing(FloatPoint a, FloatPoint b, const Edge& e) {
  if (e.vertical) return {e.limit, a.y + (b.y - a.y) * ((e.limit - a.x) / (b.x - a.x))};
  return {a.x + (b.x - a.x) * ((e.limit - a.y) / (b.y - a.y)), e.limit};
}

// Sutherland-Hodgman against one edge; a convex polygon gains at most one
// point per edge, so 16 is room enough.
int clip_edge(const FloatPoint* in, int n, FloatPoint* out, const Edge& e) {
  int m = 0;
  for (int k = 0; k < n && m < 16; ++k) {
    const FloatPoint a = in[k];
    const FloatPoint b = in[(k + 1) % n];
    if (inside(a, e)) out[m++] = a;
    if (inside(a, e) != inside(b, e) && m < 16) out[m++] = crossing(a, b, e);
  }
  return m;
}

HOST_CDECL int clip_polygon(FloatPoint* clipped, const FloatPoint* corners) {
  DrawLog& log = log_call(HostId::HostRadar_ClipPolygon);
  FloatPoint in[4];
  for (int k = 0; k < 4; ++k) {
    in[k] = corners[k];
    log.f(in[k].x).f(in[k].y);
  }
  FloatPoint out[8];
  const int count = clip_to_square(in, out);
  std::copy(out, out + count, clipped);
  return forced_clip_count >= 0 ? forced_clip_count : count;
}

int tile_index(double world, bool row) {
  const double tiles =
      row ? std::floor((2000.0 - world) / 500.0) : std::floor((world + 2000.0) / 500.0);
  return static_cast<int>(std::clamp(tiles, -1.0, 8.0));
}

// The tiles the host's map layer offers: every tile the radar's reach
// (sqrt(2) ranges round the centre) touches, columns and rows limited to -1..8.
struct TileSpan {
  int first_column, last_column, first_row, last_row;
};

TileSpan candidate_tiles(float centre_x, float centre_y, float range) {
  const double reach = std::sqrt(2.0) * range;
  if (!std::isfinite(reach) || !std::isfinite(centre_x) || !std::isfinite(centre_y) || reach < 0) {
    return {0, -1, 0, -1};
  }
  return {tile_index(centre_x - reach, false), tile_index(centre_x + reach, false),
          tile_index(centre_y + reach, true), tile_index(centre_y - reach, true)};
}

using TileRoutine = void(HOST_CDECL*)(int, int);
using MaskRoutine = void(HOST_CDECL*)();

// The host's radar map: the mask, then each candidate tile, north to south
// and west to east, each through its routine's entry.
HOST_CDECL void draw_map_layer() {
  log_call(HostId::HostRadar_DrawMapLayer);
  const HostImage& image = *current_image();
  reinterpret_cast<MaskRoutine>(image.symbol(HostId::HostRadar_DrawMask))();
  const TileSpan span =
      candidate_tiles(image.get<float>("HostRadar.Centre", 0),
                      image.get<float>("HostRadar.Centre", 4), image.get<float>("HostRadar.Range"));
  const auto tile = reinterpret_cast<TileRoutine>(image.symbol(HostId::HostRadar_DrawTile));
  for (int row = span.first_row; row <= span.last_row; ++row) {
    for (int column = span.first_column; column <= span.last_column; ++column) tile(column, row);
  }
}

// The host's own tile routine, until the plug-in replaces it.
HOST_CDECL void draw_tile(int column, int row) {
  log_call(HostId::HostRadar_DrawTile).i(column).i(row);
}

HOST_CDECL void draw_sprite(int sprite, float x, float y, int alpha) {
  log_call(HostId::HostRadar_DrawSprite).i(sprite).f(x).f(y).i(alpha);
}

// The host uses the low byte of each colour argument.
HOST_CDECL void draw_trace(float x, float y, int size, std::uint32_t r, std::uint32_t g,
                           std::uint32_t b, std::uint32_t a, int shape) {
  log_call(HostId::HostRadar_DrawTrace).f(x).f(y).i(size).i(r & 0xFF).i(g & 0xFF).i(b & 0xFF);
  draw_log().i(a & 0xFF).i(shape);
}

HOST_CDECL std::uint32_t trace_colour_routine(std::uint32_t index, int dim) {
  log_call(HostId::HostRadar_TraceColour).i(index).i(dim);
  return trace_colour(index, dim != 0);
}

HOST_CDECL void draw_player_marker(float x, float y) {
  log_call(HostId::HostMap_DrawPlayerMarker).f(x).f(y);
}

HOST_CDECL bool hides_coordinate_blips() {
  log_call(HostId::HostScript_HidesCoordinateBlips);
  return host_state().hides_coordinate_blips != 0;
}

}  // namespace

HostState& host_state() {
  static HostState state;
  return state;
}

std::uint32_t trace_colour(std::uint32_t index, bool dim) {
  static constexpr std::uint32_t kColours[] = {0xC80000FF, 0x00C800FF, 0x0000C8FF, 0xC8C8C8FF,
                                               0xC8C800FF, 0xC800C8FF, 0x00C8C8FF};
  if (index >= sizeof(kColours) / sizeof(kColours[0])) return index;
  const std::uint32_t c = kColours[index];
  return dim ? ((c >> 1) & 0x7F7F7F00) | (c & 0xFF) : c;
}

int clip_to_square(const FloatPoint (&corners)[4], FloatPoint (&out)[8]) {
  FloatPoint a[16];
  FloatPoint b[16];
  std::copy(corners, corners + 4, a);
  int n = 4;
  const Edge edges[] = {
      {true, 1.0f, true}, {true, -1.0f, false}, {false, 1.0f, true}, {false, -1.0f, false}};
  for (const Edge& e : edges) {
    n = clip_edge(a, n, b, e);
    std::copy(b, b + n, a);
  }
  n = std::min(n, 8);
  std::copy(a, a + n, out);
  return n;
}

void answer_clip_count(int count) { forced_clip_count = count; }

void reset() {
  host_state() = HostState{};
  forced_clip_count = -1;
}

}  // namespace radar

void register_radar_services() {
  using namespace radar;
  implement<HostId::HostRadar_ClipPolygon>(clip_polygon);
  implement<HostId::HostRadar_DrawMapLayer>(draw_map_layer);
  implement<HostId::HostRadar_DrawTile>(draw_tile);
  implement<HostId::HostRadar_DrawSprite>(draw_sprite);
  implement<HostId::HostRadar_DrawTrace>(draw_trace);
  implement<HostId::HostRadar_TraceColour>(trace_colour_routine);
  implement<HostId::HostMap_DrawPlayerMarker>(draw_player_marker);
  implement<HostId::HostScript_HidesCoordinateBlips>(hides_coordinate_blips);
}

}  // namespace refhost
