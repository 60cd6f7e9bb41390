#include "wheels/crosshairs.h"

#include <cmath>
#include <cstdint>

#include "frame/scaling.h"
#include "runtime/host_interface.h"
#include "runtime/host_record.h"
#include "runtime/keys.h"
#include "runtime/player.h"
#include "runtime/sprite_holders.h"
#include "settings/hud_settings.h"
#include "wheels/player_weapons.h"
#include "wheels/wheel_drawing.h"
#include "wheels/wheel_keys.h"

namespace {

// Render state 1 binds the texture raster HostSprite.DrawRaw draws with.
constexpr int kStateTexture = 1;

struct Reticle {
  CrosshairSprite sprite;
  float size;  // a `font scale rule` value
};

float ScreenWidth() { return static_cast<float>(HostScreen::Width()); }
float ScreenHeight() { return static_cast<float>(HostScreen::Height()); }

// The button flips the setting both ways: while the HUD is on, from this
// element; while it is off, from ToggleHudWhileOff before the pass's gate.
void ToggleHud() {
  const void* pad = HostPad::Get(1);
  if (pad == nullptr) return;
  if (read_field<std::uint16_t>(pad, kPadToggleWordOffset) != 0 &&
      read_field<std::uint16_t>(pad, kPadToggleGuardOffset) == 0) {
    std::uint8_t& show = HostMenu::ShowHud();
    show = show == 0 ? 1 : 0;
  }
}

bool Stopped() {
  return HostMenu::Active() != 0 || HostMenu::ShowHud() == 0 || HostCamera::Widescreen() != 0;
}

// Without a player character the weapon counts as 0.
std::int32_t WeaponOf(const void* character) {
  std::int32_t weapon = 0;
  if (character == nullptr || !CurrentWeaponType(character, weapon)) return 0;
  return weapon;
}

bool ScopeCondition(int mode, const void* character, std::int32_t weapon) {
  const bool scope_mode = mode == 7 || mode == 8 || mode == 34 || mode == 45 || mode == 46;
  return scope_mode && character != nullptr && weapon != 0;
}

// In mode 4 the host's pad query together with a clear camera flag keeps the
// gun reticle away.
bool PadQueryBlocks() {
  void* pad = HostPad::Get(0);
  return pad != nullptr && HostPad::Query(pad) && HostCamera::QueryFlag() == 0;
}

bool GunWeapon(std::int32_t weapon) {
  return (weapon >= 17 && weapon <= 27) || weapon == 31 || weapon == 32 || weapon == 33;
}

bool GunCondition(int mode, const void* character, std::int32_t weapon) {
  if (mode == 39 || mode == 40 || mode == 42) return true;
  const bool aiming = mode == 41 || (mode == 4 && !PadQueryBlocks());
  return aiming && character != nullptr &&
         read_field<std::uint8_t>(character, kCharacterAimBlockOffset) == 0 && GunWeapon(weapon);
}

std::int16_t AdvanceCounter() {
  std::int16_t& counter = HostCrosshair::Counter();
  counter = counter >= kCrosshairCounterFull - 1 ? kCrosshairCounterFull
                                                 : static_cast<std::int16_t>(counter + 1);
  return counter;
}

// Fades in over 30 frames to a wave between 0.45 and 0.9 with a period of
// 1024 ms. The factor is 6.28, not 2 pi; the sine is taken in double.
float Pulse(std::int32_t now, std::int16_t counter) {
  const float phase = static_cast<float>(now & 1023) * 0.0009765625f * 6.28f;
  const float wave = static_cast<float>(std::sin(static_cast<double>(phase)));
  return (wave * 0.25f + 0.75f) * (static_cast<float>(counter) * 0.03f);
}

void DrawSprite(CrosshairSprite sprite, const FloatRect& rect) {
  const Rgba white = HostColourOf(255, 255, 255, 255);
  HostSprite::Draw(&CrosshairSet[sprite], &rect, &white);
}

void DrawSingle(const Reticle& reticle, float x, float y) {
  const float sx = FontScaleX(reticle.size);
  const float sy = FontScaleY(reticle.size);
  DrawSprite(reticle.sprite, FloatRect{x - sx, y + sy, x + sx, y - sy});
}

Reticle GunReticle(std::int32_t weapon) {
  if (weapon == 19 || weapon == 20 || weapon == 21) return {kShotgun, 19.2f};
  if (weapon >= 22 && weapon <= 25) return {kSmg, 12.8f};
  if (weapon == 26 || weapon == 27 || weapon == 32) return {kAssault, 9.6f};
  return {kSiteM16, 12.8f};
}

// With the classic axis the reticle shows only while the right mouse button
// is held; otherwise it goes far off the screen.
void DrawAtAimPoint(const Reticle& reticle) {
  const float w = ScreenWidth();
  const float h = ScreenHeight();
  if (hud_settings.USING_CLASSIC_AXIS && !KeyHeld(kKeyRightMouse)) {
    DrawSingle(reticle, 2.0f * w, 2.0f * h);
  } else {
    DrawSingle(reticle, w * 0.53f, h * 0.4f);
  }
}

// The sprite holds one quarter of a symmetric frame; swapped edges mirror
// the copies into the other three quarters round the centre.
void DrawFrame(CrosshairSprite sprite) {
  const float cx = ScreenWidth() / 2.0f;
  const float cy = ScreenHeight() / 2.0f;
  const float a = FontScaleX(210.0f);
  const float b = FontScaleY(210.0f);
  DrawSprite(sprite, FloatRect{cx - a, cy, cx, cy - b});
  DrawSprite(sprite, FloatRect{cx + a, cy, cx, cy - b});
  DrawSprite(sprite, FloatRect{cx - a, cy, cx, cy + b});
  DrawSprite(sprite, FloatRect{cx + a, cy, cx, cy + b});
}

// The first field of a host texture record is its raster. An empty holder
// (its dictionary missing) has no record to read: raster 0.
std::uint32_t Raster(CrosshairSprite sprite) {
  const std::uint32_t handle = CrosshairSet[sprite].texture;
  if (handle == 0) return 0;
  return read_field<std::uint32_t>(reinterpret_cast<const void*>(std::uintptr_t{handle}), 0);
}

void SetRawSpriteStates(CrosshairSprite sprite) {
  HostRender::SetState(12, 1);
  HostRender::SetState(10, 2);
  HostRender::SetState(11, 2);
  HostRender::SetState(8, 0);
  HostRender::SetState(6, 0);
  HostRender::SetState(kStateTexture, Raster(sprite));
}

void DrawRawAtCentre(float size, int r, int g, int b) {
  const float cx = ScreenWidth() / 2.0f;
  const float cy = ScreenHeight() / 2.0f;
  HostSprite::DrawRaw(cx, cy, cx, FontScaleX(size), FontScaleY(size), r, g, b, 255, 1.0f, 255);
}

// A green that fades in with the counter and then pulses.
void DrawRocketSight(float s) {
  SetRawSpriteStates(kSiteRocket);
  DrawRawAtCentre(40.0f, TruncateToInt(100.0f * s), TruncateToInt(200.0f * s),
                  TruncateToInt(100.0f * s));
  HostRender::SetState(12, 0);
}

// Render state 12 stays set on this path.
void DrawLaserDot() {
  SetRawSpriteStates(kLaserDot);
  DrawRawAtCentre(2.0f, 255, 0, 0);
  HostRender::SetState(kStateTexture, Raster(kSniperTarget));
  DrawRawAtCentre(12.0f, 255, 255, 255);
}

void DrawReticle(int mode, std::int32_t weapon, bool gun, float s) {
  if (gun && mode == 4) {
    DrawAtAimPoint(GunReticle(weapon));
  } else if (mode == 34 || mode == 41 || mode == 42 || mode == 45) {
    DrawSingle({kAssault, 19.2f}, ScreenWidth() / 2.0f, ScreenHeight() / 2.0f);
  } else if (mode == 8 || mode == 40) {
    DrawRocketSight(s);
  } else if ((mode == 7 || mode == 39) && weapon == 29) {
    DrawFrame(kSiteLaser);
    DrawLaserDot();
  } else if ((mode == 7 || mode == 39) && weapon == 28) {
    DrawFrame(kSiteSniper);
  } else if (mode == 46) {
    DrawFrame(kViewfinder);
  }
}

}  // namespace

bool ToggleHudWhileOff() {
  if (HostMenu::ShowHud() != 0 || HostMenu::Active() != 0 || HostCamera::Widescreen() != 0) {
    return false;
  }
  ToggleHud();
  return true;
}

void CrosshairElement(bool toggle) {
  if (toggle) ToggleHud();
  if (Stopped()) return;
  const void* character = PlayerCharacter();
  const std::int32_t weapon = WeaponOf(character);
  const int mode = HostCamera::ActiveMode();
  const bool scope = ScopeCondition(mode, character, weapon);
  const bool gun = GunCondition(mode, character, weapon);
  if (!scope && !gun) {
    HostCrosshair::Counter() = 0;
    return;
  }
  HostRender::SetState(9, 2);
  const std::int16_t counter = AdvanceCounter();
  HostRender::SetState(8, 0);
  const float s = Pulse(HostTime::NowMs(), counter);
  DrawReticle(mode, weapon, gun, s);
  HostRender::SetState(9, 2);
  HostRender::SetState(10, 5);
  HostRender::SetState(11, 6);
}
