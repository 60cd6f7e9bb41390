#include "elements/wanted_stars.h"

#include <cstdint>

#include "frame/scaling.h"
#include "runtime/host_colour.h"
#include "runtime/host_interface.h"
#include "runtime/sprite_holders.h"
#include "runtime/wanted_level.h"
#include "settings/hud_settings.h"

namespace {

constexpr int kStars = 6;
constexpr std::uint32_t kBlinkMs = 2000;
constexpr std::uint8_t kBlinkBit = 4;
SpriteHolder& StarSprite() { return HudSet[3]; }

// Right after a change the row shows only on frames with the counter's blink bit.
bool RowVisible(std::uint32_t level) {
  if (level == 0) return false;
  const std::uint32_t now = static_cast<std::uint32_t>(HostTime::NowMs());
  return now > HostPlayer::WantedChangeTime() + kBlinkMs ||
         (HostTime::FrameCounter() & kBlinkBit) != 0;
}

// Star 0 is the rightmost; corners go (left, bottom), (right, bottom),
// (left, top), (right, top).
void DrawStar(int i, const Rgba& colour) {
  const HudSettings& s = hud_settings;
  const float w = static_cast<float>(HostScreen::Width());
  const float from_right = static_cast<float>(i) * s.WANTED_STAR_SPACE + s.WANTED_POS_RIGHT;
  const float right = w - static_cast<float>(LayoutUnit(from_right));
  const float left = w - static_cast<float>(LayoutUnit(from_right + s.WANTED_STAR_SCALE.first));
  const float top = static_cast<float>(LayoutUnit(s.WANTED_POS_TOP));
  const float bottom =
      static_cast<float>(LayoutUnit(s.WANTED_POS_TOP + s.WANTED_STAR_SCALE.second));
  HostSprite::DrawQuad(&StarSprite(), left, bottom, right, bottom, left, top, right, top, &colour);
}

}  // namespace

void DrawWantedStars() {
  const std::uint32_t level = PlayerWantedLevel();
  if (!RowVisible(level)) return;
  const Rgba backing = MakeColour(0, 0, 0, 200);
  for (int i = 0; i < kStars; ++i) DrawStar(i, backing);
  const Rgba& c = hud_settings.colours.WANTED_COLOR;
  const Rgba colour = MakeColour(c.r, c.g, c.b, c.a);
  for (int i = 0; i < kStars; ++i) {
    if (level > static_cast<std::uint32_t>(i)) DrawStar(i, colour);
  }
}
