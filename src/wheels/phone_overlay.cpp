#include "wheels/phone_overlay.h"

#include <cstdint>

#include "elements/clock.h"
#include "frame/hud_textures.h"
#include "frame/scaling.h"
#include "runtime/host_clock.h"
#include "runtime/host_interface.h"
#include "runtime/keys.h"
#include "runtime/sprite_holders.h"
#include "settings/hud_settings.h"

PhoneState phone;

namespace {

constexpr int kKeyOpen = 0x50;   // 'P'
constexpr int kKeyClose = 0x4F;  // 'O'
constexpr std::int32_t kOpenMs = 100512;
constexpr std::int32_t kRestMs = 100000;
constexpr std::int32_t kSlideMs = 512;

void PickSprite() {
  const char* name = hud_settings.RADAR_TYPE == 1 ? "phone_class" : "phone";
  PhoneSprite.texture = static_cast<std::uint32_t>(
      reinterpret_cast<std::uintptr_t>(HostTxd::FindTexture(hud_textures.phone.handle, name)));
}

void ReadKeys(std::int32_t now) {
  // While open, 'P' does not restart the period.
  if (KeyHeld(kKeyOpen) && phone.PhoneUntil <= now) {
    phone.PhoneUntil = ClockPlus(now, kOpenMs);
    phone.Used = true;
  }
  // 'O' wins over 'P' held in the same frame.
  if (KeyHeld(kKeyClose)) {
    phone.PhoneUntil = now;
    phone.PhoneSlideOutUntil = ClockPlus(now, kSlideMs);
    phone.Used = true;
  }
}

// Top and bottom edges `top` and `bottom` layout units above the screen's
// bottom edge (negative: below it); the sides are fixed.
void DrawPhone(std::int32_t top, std::int32_t bottom) {
  const int w = HostScreen::Width();
  const int h = HostScreen::Height();
  const FloatRect rect{static_cast<float>(w - LayoutUnit(346.0f)),
                       static_cast<float>(h - LayoutUnit(static_cast<float>(bottom))),
                       static_cast<float>(w - LayoutUnit(90.0f)),
                       static_cast<float>(h - LayoutUnit(static_cast<float>(top)))};
  Rgba white;
  HostSprite::Draw(&PhoneSprite, &rect, HostColour::Make(&white, 255, 255, 255, 255));
}

// Sliding in for the first 512 ms of the period, then at rest. The clock's
// offset is in font units, so it travels further and faster than the phone
// and arrives with it.
void DrawOpen(std::int32_t q) {
  const float clock_bottom = hud_settings.CLOCK_BOTTOM;
  if (q >= kRestMs) {
    DrawPhone(100400 - q, 99888 - q);
    DrawClock(hud_settings.CLOCK_RIGHT,
              static_cast<float>(kOpenMs - q) + (clock_bottom - static_cast<float>(kSlideMs)));
  } else {
    DrawPhone(400, -112);
    DrawClock(hud_settings.CLOCK_RIGHT, clock_bottom);
  }
}

// The slide-in's path backwards, q going from 512 down to 0.
void DrawSlidingOut(std::int32_t q) {
  DrawPhone(q - 112, q - 624);
  const double c = static_cast<double>(hud_settings.CLOCK_BOTTOM) - (kSlideMs - q);
  DrawClock(hud_settings.CLOCK_RIGHT, static_cast<float>(c));
}

}  // namespace

void PhoneOverlay() {
  PickSprite();
  const std::int32_t now = HostTime::NowMs();
  ReadKeys(now);
  if (!phone.Used) return;
  if (now <= phone.PhoneUntil) DrawOpen(ClockMinus(phone.PhoneUntil, now));
  // In the frame 'O' closes a phone at rest, both phases draw it there.
  if (now <= phone.PhoneSlideOutUntil) DrawSlidingOut(ClockMinus(phone.PhoneSlideOutUntil, now));
}
