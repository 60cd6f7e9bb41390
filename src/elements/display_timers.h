#pragma once
// Money and weapon display windows: a trigger key opens a window in which the
// element draws at full opacity, followed by a 255 ms fade. Decides once per
// frame whether the money and the ammunition draw, how opaque and where.
#include <cstdint>

// Deadlines are host-clock milliseconds, compared signed; the opacities are
// recomputed each frame and the elements read their low byte.
struct DisplayTimerState {
  std::int32_t MoneyShowUntil = 0;
  std::int32_t MoneyFadeUntil = 0;
  std::int32_t WeaponShowUntil = 0;
  std::int32_t WeaponFadeUntil = 0;
  std::int32_t MoneyAlpha = 0;
  std::int32_t WeaponAlpha = 0;
};

extern DisplayTimerState display_timers;

// The only caller of DrawMoney and DrawAmmo.
void DisplayTimers();
