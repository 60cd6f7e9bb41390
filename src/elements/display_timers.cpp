#include "elements/display_timers.h"

#include "elements/ammo.h"
#include "elements/money.h"
#include "frame/scaling.h"
#include "runtime/host_clock.h"
#include "runtime/host_interface.h"
#include "runtime/keys.h"
#include "runtime/wanted_level.h"
#include "settings/hud_settings.h"

DisplayTimerState display_timers;

namespace {

constexpr int kKeyEscape = 27;
constexpr int kKeyP = 80;
constexpr int kKeyLeftControl = 162;
constexpr int kKeyLeftMouse = 1;

constexpr std::int32_t kMoneyWindowMs = 10000;
constexpr std::int32_t kWeaponWindowMs = 7000;
constexpr std::int32_t kFadeMs = 255;

bool WantedStarsShow() { return PlayerWantedLevel() > 0; }

int MoneyOffset() {
  return WantedStarsShow() ? TruncateToInt(hud_settings.MONEY_TRANSITION_GAP) : 0;
}

bool WeaponTriggered() {
  const std::uint8_t* buttons = HostInput::Buttons();
  return KeyHeld(kKeyLeftControl) || KeyHeld(kKeyLeftMouse) || buttons[3] != 0 || buttons[4] != 0;
}

void DrawMoneyWindow(DisplayTimerState& t, std::int32_t now) {
  if (now < t.MoneyShowUntil) {
    t.MoneyAlpha = 255;
    DrawMoney(MoneyOffset());
  } else if (now < t.MoneyFadeUntil) {
    t.MoneyAlpha = ClockMinus(t.MoneyFadeUntil, now);
    DrawMoney(MoneyOffset());
    // A fading money counts as no money for the ammunition below it.
    t.MoneyAlpha = 0;
  }
}

void DrawWeaponWindow(DisplayTimerState& t, std::int32_t now) {
  if (now < t.WeaponShowUntil) {
    t.WeaponAlpha = 255;
  } else if (now < t.WeaponFadeUntil) {
    t.WeaponAlpha = ClockMinus(t.WeaponFadeUntil, now);
  } else {
    return;
  }
  const float lift = t.MoneyAlpha != 0 ? 0.0f : hud_settings.WEAPON_AMMO_TRANSITION_GAP;
  const float drop = WantedStarsShow() ? hud_settings.MONEY_TRANSITION_GAP : 0.0f;
  DrawAmmo(lift, drop);
}

}  // namespace

void DisplayTimers() {
  DisplayTimerState& t = display_timers;
  t.MoneyAlpha = 0;
  t.WeaponAlpha = 0;
  if (KeyHeld(kKeyEscape) || KeyHeld(kKeyP)) {
    const std::int32_t now = HostTime::NowMs();
    t.MoneyShowUntil = ClockPlus(now, kMoneyWindowMs);
    t.MoneyFadeUntil = ClockPlus(now, kMoneyWindowMs + kFadeMs);
  }
  const std::int32_t now = HostTime::NowMs();
  DrawMoneyWindow(t, now);
  if (WeaponTriggered()) {
    t.WeaponShowUntil = ClockPlus(now, kWeaponWindowMs);
    t.WeaponFadeUntil = ClockPlus(now, kWeaponWindowMs + kFadeMs);
  }
  DrawWeaponWindow(t, HostTime::NowMs());
}
