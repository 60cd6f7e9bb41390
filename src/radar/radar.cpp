#include "radar/radar.h"

#include <cmath>
#include <cstdint>

#include "frame/hud_textures.h"
#include "frame/scaling.h"
#include "radar/blips.h"
#include "radar/radar_records.h"
#include "runtime/host_interface.h"
#include "runtime/host_record.h"
#include "runtime/host_text.h"
#include "runtime/player.h"
#include "settings/hud_settings.h"

namespace {

constexpr std::int16_t kFlashingRadar = 8;
constexpr std::uint8_t kBlinkBit = 0x08;
constexpr int kDestinationBlend = 11;
constexpr std::uint32_t kInverseSourceAlpha = 6;
constexpr Rgba kWhite{255, 255, 255, 255};

float ScreenHeight() { return static_cast<float>(HostScreen::Height()); }

// Layout units of a value truncated to an int first, as the frame and bar
// positions are.
float WholeUnits(float v) {
  return static_cast<float>(LayoutUnit(static_cast<float>(TruncateToInt(v))));
}

void RepointFrameSprite() {
  const char* name = hud_settings.RADAR_TYPE == 1 ? "clrect" : "blrect";
  RadarFrameSprite.texture = static_cast<std::uint32_t>(
      reinterpret_cast<std::uintptr_t>(HostTxd::FindTexture(hud_textures.hud.handle, name)));
}

// Every 16 frames the radar is away for 8 while the host flashes it.
bool BlinkedAway() {
  return HostHud::FlashingItem() == kFlashingRadar && (HostTime::FrameCounter() & kBlinkBit) == 0;
}

// Layout units of health or armour; none while the host has no player.
float BarLength(std::size_t field, std::uint8_t maximum) {
  const unsigned char* character = PlayerCharacterRecord();
  if (character == nullptr) return 0.0f;
  const float p = static_cast<float>(
      RadarBarPercentage(read_field<float>(character, field), static_cast<float>(maximum)));
  return p * hud_settings.BAR_LENGTH_MULTIPLIER + p;
}

// Corners in the order (left, lower), (right, lower), (left, upper), (right, upper).
void DrawBox(SpriteHolder& sprite, float left, float right, float lower, float upper,
             const Rgba& colour) {
  HostSprite::DrawQuad(&sprite, left, lower, right, lower, left, upper, right, upper, &colour);
}

void DrawFrame() {
  const FloatPair& a = hud_settings.OUTER_RADAR_SCALE_A;
  const FloatPair& b = hud_settings.OUTER_RADAR_SCALE_B;
  DrawBox(RadarFrameSprite, WholeUnits(a.first), WholeUnits(a.second),
          ScreenHeight() - WholeUnits(b.first), ScreenHeight() - WholeUnits(b.second), kWhite);
}

bool EpilogueWanted() {
  return HostHud::MarkersWanted() != 0 && HostCamera::Widescreen() == 0 &&
         HostTextEmpty(BigMessageSlot(0)) && HostTextEmpty(BigMessageSlot(2));
}

}  // namespace

int RadarBarPercentage(float value, float maximum) {
  const float quotient = value / maximum;
  if (!std::isfinite(quotient)) return 0;
  const float percent = quotient * 100.0f;
  if (!(percent < 100.0f)) return 100;
  if (!(percent > 0.0f)) return 0;
  return TruncateToInt(percent);
}

void DrawRadar() {
  RepointFrameSprite();
  if (!BlinkedAway()) {
    const float health = BarLength(radar_records::kCharacterHealth, HostPlayer::MaxHealth());
    const float armour = BarLength(radar_records::kCharacterArmour, HostPlayer::MaxArmour());
    HostRender::SetState(kDestinationBlend, kInverseSourceAlpha);
    DrawFrame();
    HostRadar::DrawMapLayer();
    DrawRadarBar(armour, true, hud_settings.colours.RADAR_ARMOR_COLOR);
    DrawRadarBar(health, false, hud_settings.colours.RADAR_HEALTH_COLOR);
    DrawBlips();
  }
  if (EpilogueWanted()) HostHud::RadarEpilogue();
}

void DrawRadarBar(float length, bool armour, Rgba colour) {
  if (!(length > 0.0f)) return;
  const FloatPair& at = armour ? hud_settings.BAR_ARMOR_POS_X_Y : hud_settings.BAR_HEALTH_POS_X_Y;
  const float px = static_cast<float>(TruncateToInt(at.first));
  const float py = static_cast<float>(TruncateToInt(at.second));
  const float left = static_cast<float>(LayoutUnit(px));
  const float right = static_cast<float>(LayoutUnit(px + length));
  const float lower = ScreenHeight() - static_cast<float>(LayoutUnit(py));
  const float upper =
      ScreenHeight() - static_cast<float>(LayoutUnit(py + hud_settings.BAR_THICKNESS));
  DrawBox(BarSprite, left, right, lower, upper, colour);
}
