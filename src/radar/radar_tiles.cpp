#include "radar/radar_tiles.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "radar/radar_geometry.h"
#include "runtime/host_interface.h"
#include "runtime/host_record.h"
#include "runtime/sprite_holders.h"

std::int32_t RadarTileSlots[kRadarTileCount];
char RadarTileName[17];

namespace {

constexpr float kTileSize = 500.0f;
constexpr int kTextureRaster = 1;
constexpr int kTriangleFan = 5;
constexpr int kClipCapacity = 8;
constexpr Rgba kWhite{255, 255, 255, 255};

using TileName = std::array<char, 8>;

constexpr std::array<TileName, kRadarTileCount> MakeTileNames() {
  std::array<TileName, kRadarTileCount> names{};
  for (int k = 0; k < kRadarTileCount; ++k) {
    names[k] = {
        'r', 'a', 'd', 'a', 'r', static_cast<char>('0' + k / 10), static_cast<char>('0' + k % 10),
        '\0'};
  }
  return names;
}

// "radar00" .. "radar63", tile r * 8 + c.
constexpr std::array<TileName, kRadarTileCount> kTileNames = MakeTileNames();

// A world edge from a tile index, each coordinate float(integer) x 500.
float Edge(long long tiles) { return static_cast<float>(tiles) * kTileSize; }

void FindTileSlots() {
  for (int k = 0; k < kRadarTileCount; ++k)
    RadarTileSlots[k] = HostTxd::FindSlot(kTileNames[k].data());
}

// The tile's number counted from radar00's store entry: its own number when
// the 64 dictionaries are consecutive. Wraps rather than overflows.
void FormatTileName(int k) {
  const auto offset =
      static_cast<std::uint32_t>(RadarTileSlots[k]) - static_cast<std::uint32_t>(RadarTileSlots[0]);
  std::snprintf(RadarTileName, sizeof(RadarTileName), "radar%02d", static_cast<int>(offset));
}

void LoadTileTexture(int slot) {
  HostTxd::SaveCurrent();
  HostTxd::PushCurrent(slot);
  HostSprite::SetTexture(&RadarTileSprite, RadarTileName);
  HostTxd::PopCurrent();
}

std::uint32_t TileRaster() {
  const auto* texture =
      reinterpret_cast<const void*>(static_cast<std::uintptr_t>(RadarTileSprite.texture));
  return read_field<std::uint32_t>(texture, 0);
}

// Back from radar space to the world, then to the clamped tile's texture.
FloatPoint TextureCoordinates(FloatPoint q, float left, float top) {
  UpdateRadarRotation();
  const float ex = RadarRotation.cos * q.x - RadarRotation.sin * q.y;
  const float ey = RadarRotation.cos * q.y + RadarRotation.sin * q.x;
  const float wx = HostRadar::Range() * ex + HostRadar::Centre()[0];
  const float wy = HostRadar::Range() * ey + HostRadar::Centre()[1];
  return {(wx - left) / kTileSize, (wy - top) / -kTileSize};
}

}  // namespace

void DrawRadarTile(int column, int row) noexcept {
  // The quad follows the arguments; the texture, the tile clamped to the map.
  const FloatPoint world[4] = {{Edge(column - 4LL), Edge(3LL - row)},
                               {Edge(column - 3LL), Edge(3LL - row)},
                               {Edge(column - 3LL), Edge(4LL - row)},
                               {Edge(column - 4LL), Edge(4LL - row)}};
  const int cc = std::clamp(column, 0, 7);
  const int rr = std::clamp(row, 0, 7);
  FindTileSlots();
  const int k = rr * 8 + cc;
  // A dictionary the store does not hold has no index to push.
  if (RadarTileSlots[k] < 0) return;
  FormatTileName(k);
  LoadTileTexture(RadarTileSlots[k]);
  if (RadarTileSprite.texture == 0) return;
  FloatPoint corners[4];
  for (int i = 0; i < 4; ++i) corners[i] = WorldToRadar(world[i]);
  FloatPoint clipped[kClipCapacity];
  // The buffer holds 8 points, whatever count the host answers.
  const int n = std::min(HostRadar::ClipPolygon(clipped, corners), kClipCapacity);
  if (n < 3) return;
  const float left = static_cast<float>(cc * 500 - 2000);
  const float top = static_cast<float>((8 - rr) * 500 - 2000);
  FloatPoint screen[kClipCapacity];
  FloatPoint uv[kClipCapacity];
  for (int j = 0; j < n; ++j) {
    uv[j] = TextureCoordinates(clipped[j], left, top);
    screen[j] = RadarToScreen(clipped[j]);
  }
  HostRender::SetState(kTextureRaster, TileRaster());
  HostIm2D::SetVertices(n, screen, uv, &kWhite);
  HostIm2D::RenderPrimitive(kTriangleFan, HostIm2D::VertexBuffer(), n);
}
