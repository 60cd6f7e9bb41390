#include "radar/radar_geometry.h"

#include <cmath>

#include "frame/scaling.h"
#include "radar/radar_records.h"
#include "runtime/host_interface.h"
#include "runtime/host_record.h"
#include "settings/hud_settings.h"

RadarRotationCache RadarRotation;

namespace {

using namespace radar_records;

constexpr std::uint16_t kTopDownMode = 1;
constexpr std::uint16_t kNorthUpMode = 37;
constexpr std::uint16_t kFrontVectorMode = 16;
constexpr int kLookingAhead = 3;

const unsigned char* CameraRecord() { return HostCamera::Record(); }

// Null when the active byte names no slot of the record: nothing past the
// record is ever read, whatever the host left in that byte.
const unsigned char* ActiveCameraSlot() {
  const std::uint8_t active = read_field<std::uint8_t>(CameraRecord(), kCameraActive);
  if (active >= kCameraSlotCount) return nullptr;
  return CameraRecord() + kCameraSlots + kCameraSlotBytes * active;
}

bool MenuMapActive() { return HostMap::Active() != 0; }

// Direction of a mode-16 slot: its front vector, normalised by the host.
FloatPoint SlotFront(const unsigned char* slot) {
  float front[3];
  for (int k = 0; k < 3; ++k) front[k] = read_field<float>(slot, kSlotFront + 4 * k);
  static_cast<void>(HostVector::Normalise(front));
  return {front[0], front[1]};
}

// From the slot's source to its target entity; false without a target.
bool SlotToTarget(const unsigned char* slot, FloatPoint& direction) {
  const auto* target = read_field<const unsigned char*>(slot, kSlotTarget);
  if (target == nullptr) return false;
  direction.x = read_field<float>(target, kEntityPosition) - read_field<float>(slot, kSlotSource);
  direction.y =
      read_field<float>(target, kEntityPosition + 4) - read_field<float>(slot, kSlotSource + 4);
  return true;
}

float ScreenHeight() { return static_cast<float>(HostScreen::Height()); }
float ScreenWidth() { return static_cast<float>(HostScreen::Width()); }

FloatPoint HudRadarToScreen(FloatPoint p) {
  const FloatPair& a = hud_settings.INNER_RADAR_SCALE_A;
  const FloatPair& b = hud_settings.INNER_RADAR_SCALE_B;
  const float width = static_cast<float>(LayoutUnit(a.second));
  const float left = static_cast<float>(LayoutUnit(a.first));
  const float height = static_cast<float>(LayoutUnit(b.first));
  const float top = ScreenHeight() - static_cast<float>(LayoutUnit(b.second));
  return {width * ((p.x + 1.0f) * 0.5f) + left, (1.0f - p.y) * 0.5f * height + top};
}

FloatPoint MenuMapToScreen(FloatPoint p) {
  const float z = HostMap::Zoom();
  const float* m = HostMap::Coefficients();  // Mx, Nx, My, Ny
  const float x = ((m[0] * z) * p.x + m[1] * z + HostMap::OffsetX()) * ScreenWidth();
  const float y = (HostMap::OffsetY() - m[3] * z - (m[2] * z) * p.y) * ScreenHeight();
  // The scale pointers live in host code and are followed at every use.
  return {x * *HostMap::ScaleX(), y * *HostMap::ScaleY()};
}

}  // namespace

std::optional<std::uint16_t> ActiveCameraMode() {
  const unsigned char* slot = ActiveCameraSlot();
  if (slot == nullptr) return std::nullopt;
  return read_field<std::uint16_t>(slot, kSlotMode);
}

FloatPoint CameraFront() {
  return {read_field<float>(CameraRecord(), kCameraFrontX),
          read_field<float>(CameraRecord(), kCameraFrontY)};
}

void UpdateRadarRotation() {
  const unsigned char* slot = ActiveCameraSlot();
  if (slot == nullptr) return;
  const std::uint16_t mode = read_field<std::uint16_t>(slot, kSlotMode);
  if (mode == kTopDownMode || mode == kNorthUpMode || MenuMapActive()) {
    RadarRotation = {1.0f, 0.0f};
    return;
  }
  FloatPoint d;
  if (HostCamera::LookDirection(HostCamera::Record()) == kLookingAhead) {
    d = CameraFront();
  } else if (mode == kFrontVectorMode) {
    d = SlotFront(slot);
  } else if (!SlotToTarget(slot, d)) {
    return;
  }
  const float theta = static_cast<float>(std::atan2(-static_cast<double>(d.x), d.y));
  RadarRotation.cos = static_cast<float>(std::cos(static_cast<double>(theta)));
  RadarRotation.sin = static_cast<float>(std::sin(static_cast<double>(theta)));
}

FloatPoint WorldToRadar(FloatPoint world) {
  UpdateRadarRotation();
  const float k = 1.0f / HostRadar::Range();
  const float dx = (world.x - HostRadar::Centre()[0]) * k;
  const float dy = (world.y - HostRadar::Centre()[1]) * k;
  return {dx * RadarRotation.cos + dy * RadarRotation.sin,
          dy * RadarRotation.cos - dx * RadarRotation.sin};
}

float LimitRadarPoint(FloatPoint& point) {
  const float squares = point.x * point.x + point.y * point.y;
  const float d = static_cast<float>(std::sqrt(static_cast<double>(squares)));
  if (MenuMapActive()) return d;
  if (static_cast<double>(d) > 1.4142135623730951) {
    // Onto the circle of radius sqrt(2) first, so diagonals land in the corners.
    const double s = static_cast<double>(d) * 0.7071067811865476;
    point.x = static_cast<float>(point.x / s);
    point.y = static_cast<float>(point.y / s);
  }
  if (point.x > 1.0f) {
    point.x = 1.0f;
  } else if (point.x < -1.0f) {
    point.x = -1.0f;
  }
  if (point.y > 1.0f) {
    point.y = 1.0f;
  } else if (point.y < -1.0f) {
    point.y = -1.0f;
  }
  return d;
}

FloatPoint RadarToScreen(FloatPoint point) {
  return MenuMapActive() ? MenuMapToScreen(point) : HudRadarToScreen(point);
}

std::uint8_t BlipAlpha(float distance) {
  if (MenuMapActive() || distance <= 1.0f) return 255;
  if (distance > 5.0f) return 128;
  const float t = (distance - 1.0f) * 0.25f;
  return static_cast<std::uint8_t>(TruncateToInt((1.0f - t) * 255.0f + t * 128.0f));
}
