#include "radar/blips.h"

#include <cmath>

#include "frame/scaling.h"
#include "radar/radar_geometry.h"
#include "radar/radar_records.h"
#include "runtime/host_interface.h"
#include "runtime/host_record.h"
#include "runtime/sprite_holders.h"
#include "settings/hud_settings.h"

namespace {

using namespace radar_records;

// The four passes over the blip table, in drawing order.
enum class BlipPass { SpecialSprites, Entities, CoordinateMarks, Coordinates };

constexpr float kPi22Over7 = 3.142857f;
constexpr int kNorthSprite = 3;
constexpr std::uint8_t kOpaque = 255;
constexpr Rgba kWhite{255, 255, 255, 255};

struct RenderState {
  int id;
  std::uint32_t value;
};

// Depth write and test off, vertex alpha on, source alpha blending, fog off.
constexpr RenderState kBlipStates[] = {{8, 0}, {6, 0}, {12, 1}, {10, 5}, {11, 6}, {14, 0}};

bool MenuMapActive() { return HostMap::Active() != 0; }

// Sprites 16, 19 and 27 are drawn first, under every other blip.
bool SpecialSprite(std::uint16_t sprite) { return sprite == 16 || sprite == 19 || sprite == 27; }

bool Coordinate(std::uint32_t type) { return type == 4 || type == 5; }

bool PassTakes(BlipPass pass, const unsigned char* blip) {
  if (read_field<std::uint8_t>(blip, kBlipInUse) == 0) return false;
  const auto type = read_field<std::uint32_t>(blip, kBlipType);
  const auto sprite = read_field<std::uint16_t>(blip, kBlipSprite);
  switch (pass) {
    case BlipPass::SpecialSprites:
      if (type < 1 || type > 5 || !SpecialSprite(sprite)) return false;
      return type != 5 || !HostScript::HidesCoordinateBlips();
    case BlipPass::Entities:
      return type >= 1 && type <= 3 && !SpecialSprite(sprite);
    case BlipPass::CoordinateMarks:
      return Coordinate(type) && sprite == 0;
    case BlipPass::Coordinates:
      return Coordinate(type) && !SpecialSprite(sprite) && !HostScript::HidesCoordinateBlips();
  }
  return false;
}

// The entity a blip of type 1 to 3 follows; a character in a vehicle stands
// for his vehicle. Null when the handle is stale or the vehicle missing.
const unsigned char* BlipEntity(std::uint32_t type, std::int32_t handle) {
  if (type == 1) return static_cast<const unsigned char*>(HostPools::VehicleAt(handle));
  if (type == 3) return static_cast<const unsigned char*>(HostPools::ObjectAt(handle));
  const auto* character = static_cast<const unsigned char*>(HostPools::CharacterAt(handle));
  if (character == nullptr || read_field<std::uint8_t>(character, kCharacterInVehicle) == 0) {
    return character;
  }
  return read_field<const unsigned char*>(character, kCharacterVehicle);
}

// World position of a blip; false when its entity is gone.
bool BlipPosition(const unsigned char* blip, float (&position)[3]) {
  const auto type = read_field<std::uint32_t>(blip, kBlipType);
  const unsigned char* record = blip;
  std::size_t at = kBlipPosition;
  if (!Coordinate(type)) {
    record = BlipEntity(type, read_field<std::int32_t>(blip, kBlipHandle));
    at = kEntityPosition;
  }
  if (record == nullptr) return false;
  for (int k = 0; k < 3; ++k) position[k] = read_field<float>(record, at + 4 * k);
  return true;
}

void DrawBlip(BlipPass pass, unsigned char* blip) {
  float position[3];
  if (!BlipPosition(blip, position)) return;
  const std::uint32_t colour = HostRadar::TraceColour(
      read_field<std::uint32_t>(blip, kBlipColourIndex), read_field<std::uint8_t>(blip, kBlipDim));
  const auto display = read_field<std::uint16_t>(blip, kBlipDisplay);
  if (display != 2 && display != 3) return;
  FloatPoint r = WorldToRadar({position[0], position[1]});
  float d = LimitRadarPoint(r);
  // Coordinate blips are measured again once clamped, so they never fade far.
  if (pass == BlipPass::CoordinateMarks || pass == BlipPass::Coordinates) d = LimitRadarPoint(r);
  const FloatPoint s = RadarToScreen(r);
  if (read_field<std::uint32_t>(blip, kBlipShortRange) != 0 && d > 1.0f && !MenuMapActive()) {
    return;
  }
  const auto sprite = read_field<std::uint16_t>(blip, kBlipSprite);
  if (sprite != 0) {
    HostRadar::DrawSprite(sprite, s.x, s.y, BlipAlpha(d));
  } else {
    BlipMark(s, position[2], colour, blip);
  }
}

float ArrowAngle() {
  const float heading = HostPlayer::Heading();
  if (ActiveCameraMode() == 1) return heading + kPi22Over7;
  const FloatPoint f = CameraFront();
  const float facing = static_cast<float>(std::atan2(-static_cast<double>(f.x), f.y));
  return heading - (facing + kPi22Over7);
}

// World north, sqrt(2) ranges from the centre, clamped onto the border.
void DrawNorthMarker() {
  const float* centre = HostRadar::Centre();
  FloatPoint north = WorldToRadar({centre[0], centre[1] + std::sqrt(2.0f) * HostRadar::Range()});
  LimitRadarPoint(north);
  const FloatPoint s = RadarToScreen(north);
  HostRadar::DrawSprite(kNorthSprite, s.x, s.y, kOpaque);
}

void DrawPlayerMarker() {
  const float* p = HostPlayer::Position();
  const FloatPoint s =
      RadarToScreen(WorldToRadar({read_field<float>(p, 0), read_field<float>(p, 4)}));
  HostMap::DrawPlayerMarker(s.x, s.y);
}

}  // namespace

void DrawBlips() noexcept {
  if (HostCamera::Widescreen() != 0 || HostMenu::ShowHud() == 0) return;
  for (const RenderState& state : kBlipStates) HostRender::SetState(state.id, state.value);
  const FloatPoint centre = RadarToScreen({0.0f, 0.0f});
  if (!MenuMapActive()) {
    DrawPlayerArrow(centre.x, centre.y, ArrowAngle());
    DrawNorthMarker();
  }
  for (BlipPass pass : {BlipPass::SpecialSprites, BlipPass::Entities, BlipPass::CoordinateMarks,
                        BlipPass::Coordinates}) {
    for (int k = 0; k < kBlipCount; ++k) {
      unsigned char* blip = HostRadar::Blips() + kBlipBytes * static_cast<std::size_t>(k);
      if (PassTakes(pass, blip)) DrawBlip(pass, blip);
    }
  }
  if (MenuMapActive()) DrawPlayerMarker();
}

void DrawPlayerArrow(float x, float y, float angle) {
  const float hw = FontScaleX(5.6f);
  const float hh = FontScaleY(5.6f);
  const float cosine = static_cast<float>(std::cos(static_cast<double>(angle)));
  const float sine = static_cast<float>(std::sin(static_cast<double>(angle)));
  // About (x, y), corner by corner.
  auto turn = [&](float cx, float cy) {
    return FloatPoint{((cx - x) * cosine + x) + (cy - y) * sine,
                      (y - (cx - x) * sine) + (cy - y) * cosine};
  };
  const FloatPoint a = turn(x - hw, y + hh);
  const FloatPoint b = turn(x + hw, y + hh);
  const FloatPoint c = turn(x - hw, y - hh);
  const FloatPoint d = turn(x + hw, y - hh);
  HostSprite::DrawQuad(&RadarCentreSprite, c.x, c.y, d.x, d.y, a.x, a.y, b.x, b.y, &kWhite);
}

void BlipMark(FloatPoint screen, float z, std::uint32_t colour, unsigned char* blip) {
  const float dz = z - read_field<float>(HostPlayer::Position(), 8);
  int shape = 2;
  float scale = hud_settings.ENTITY_SQUARE_SCALE;
  if (dz > 2.0f) {
    shape = 0;
    scale = hud_settings.ENTITY_TRIANGLE_SCALE;
  } else if (dz < -4.0f) {
    shape = 1;
    scale = hud_settings.ENTITY_TRIANGLE_SCALE;
  }
  const int size = TruncateToInt(scale);
  write_field<std::uint16_t>(blip, kBlipMarkSize, static_cast<std::uint16_t>(size));
  HostRadar::DrawTrace(screen.x, screen.y, size, (colour >> 24) & 0xFF, (colour >> 16) & 0xFF,
                       (colour >> 8) & 0xFF, kOpaque, shape);
}
