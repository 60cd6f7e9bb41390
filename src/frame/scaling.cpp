#include "frame/scaling.h"

#include <climits>

#include "runtime/host_interface.h"
#include "settings/hud_settings.h"

namespace {

float ScreenWidth() { return static_cast<float>(HostScreen::Width()); }
float ScreenHeight() { return static_cast<float>(HostScreen::Height()); }

}  // namespace

int TruncateToInt(float value) {
  // 2^31 is exact in float; anything at or beyond it does not fit.
  if (!(value > -2147483648.0f && value < 2147483648.0f)) return INT_MIN;
  return static_cast<int>(value);
}

int LayoutUnit(float v) {
  const float m = HostScreen::Width() <= HostScreen::Height() ? ScreenWidth() : ScreenHeight();
  return TruncateToInt((v * m) / 1080.0f);
}

float FontScaleX(float k) {
  const float w = ScreenWidth();
  const float h = ScreenHeight();
  return ((k * w) / 640.0f) * 1.3333334f / (w / h);
}

float FontScaleY(float k) { return (k * ScreenHeight()) / 448.0f; }

int TransitionOffset() {
  if (HostOnscreenTimer::Shown() == 0) return 0;
  return TruncateToInt(hud_settings.ZONE_VEHICLE_MISSION_TRANSITION_GAP);
}
