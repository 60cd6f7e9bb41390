#include "phone/phone_overlay.h"

#include <cstdint>

#include "frame/hud_textures.h"
#include "frame/scaling.h"
#include "phone/clock.h"
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
// bottom edge (negative: below it); the sides are fixed. The offsets come in
// 64 bits and the edges are subtracted in float, so that a host clock that
// jumps by days gives a phone far off the screen rather than an overflow.
void DrawPhone(std::int64_t top, std::int64_t bottom) {
  const float w = static_cast<float>(HostScreen::Width());
  const float h = static_cast<float>(HostScreen::Height());
  const FloatRect rect{w - static_cast<float>(LayoutUnit(346.0f)),
                       h - static_cast<float>(LayoutUnit(static_cast<float>(bottom))),
                       w - static_cast<float>(LayoutUnit(90.0f)),
                       h - static_cast<float>(LayoutUnit(static_cast<float>(top)))};
  Rgba white;
  HostSprite::Draw(&PhoneSprite, &rect, HostColour::Make(&white, 255, 255, 255, 255));
}

// Sliding in for the first 512 ms of the period, then at rest. The clock's
// offset is in font units, so it travels further and faster than the phone
// and arrives with it.
void DrawOpen(std::int32_t q) {
  const float clock_bottom = hud_settings.CLOCK_BOTTOM;
  if (q >= kRestMs) {
    DrawPhone(std::int64_t{100400} - q, std::int64_t{99888} - q);
    DrawClock(hud_settings.CLOCK_RIGHT,
              static_cast<float>(kOpenMs - q) + (clock_bottom - static_cast<float>(kSlideMs)));
  } else {
    DrawPhone(400, -112);
    DrawClock(hud_settings.CLOCK_RIGHT, clock_bottom);
  }
}

// The slide-in's path backwards, q going from 512 down to 0.
void DrawSlidingOut(std::int32_t q) {
  DrawPhone(std::int64_t{q} - 112, std::int64_t{q} - 624);
  const double c =
      static_cast<double>(hud_settings.CLOCK_BOTTOM) - (kSlideMs - static_cast<double>(q));
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
