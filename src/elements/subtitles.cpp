#include "elements/subtitles.h"

#include "frame/scaling.h"
#include "runtime/host_colour.h"
#include "runtime/host_interface.h"
#include "runtime/host_text.h"
#include "settings/hud_settings.h"

namespace {

constexpr int kWastedBustedSlot = 2;
// Margins while the HUD is off or a cut-scene runs.
constexpr float kFixedLeft = 40.0f;
constexpr float kFixedRight = 50.0f;

// The wasted/busted message has the screen to itself; in a cut-scene only
// subtitles the host marks for it show.
bool SubtitleShown() {
  if (HostTextEmpty(HostSubtitle::Text())) return false;
  if (!HostTextEmpty(BigMessageSlot(kWastedBustedSlot))) return false;
  return HostCamera::Widescreen() == 0 || HostSubtitle::ShowInWidescreen() == 1;
}

void SetUpText() {
  const HudSettings& s = hud_settings;
  HostText::ModeG();
  HostText::AlignRight();
  const Rgba box = MakeColour(0, 0, 0, 128);
  HostText::SetBoxColour(&box);
  HostText::SetScale(FontScaleX(s.SUBTEXT_SCALE.first), FontScaleY(s.SUBTEXT_SCALE.second));
  HostText::CentreOn();
  HostText::ModeA();
  HostText::SetWrapX(FontScaleX(200.0f));
  HostText::SetFont(1);
}

}  // namespace

void DrawSubtitles() {
  if (!SubtitleShown()) return;
  SetUpText();
  const HudSettings& s = hud_settings;
  const bool hud_proper = HostMenu::ShowHud() != 0 && HostCamera::Widescreen() == 0;
  const float l = hud_proper ? s.SUBTITLE_OFFSET_L : kFixedLeft;
  const float r = hud_proper ? s.SUBTITLE_OFFSET_R : kFixedRight;
  const float w = static_cast<float>(HostScreen::Width());
  const float h = static_cast<float>(HostScreen::Height());
  const float left = FontScaleX(l) + FontScaleX(8.0f);
  const float width = w - FontScaleX(r) - FontScaleX(8.0f) - left;
  HostText::SetLineWidth(width);
  HostText::SetShadowSize(1);
  const Rgba shadow = MakeColour(0, 0, 0, 255);
  HostText::SetShadowColour(&shadow);
  const Rgba colour = MakeColour(235, 235, 235, 255);
  HostText::SetColour(&colour);
  const float x = width * 0.5f + left - FontScaleX(1.0f);
  const float y = ((h - FontScaleY(s.SUBTITLE_BOTTOM)) + FontScaleY(4.0f)) - FontScaleY(1.0f);
  HostText::Print(x, y, HostSubtitle::Text());
  HostText::SetShadowSize(0);
}
