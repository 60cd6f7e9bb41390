#include "elements/mission_title.h"

#include "elements/fade_math.h"
#include "frame/scaling.h"
#include "runtime/host_interface.h"
#include "runtime/host_text.h"
#include "settings/hud_settings.h"

MissionTitleState mission_title;

namespace {

constexpr int kTitleSlot = 1;

// A title the host has just put up: start the fade-in from nothing, and send
// the zone name back to idle so the two do not share the corner.
void Start() {
  mission_title.MissionTitleAlpha = 0.0f;
  HostText::BigMessageSlideX()[kTitleSlot] = -60.0f;
  HostText::BigMessageTimers()[kTitleSlot] = 1.0f;
  HostZone::State() = 0;
}

void SetUpText() {
  HostText::ModeG();
  HostText::AlignRight();
  if (HostHud::AltTitleScale() != 0 || HostMenu::TextVariant() == 4) {
    HostText::SetScale(FontScaleX(0.884f), FontScaleY(1.36f));
  } else {
    HostText::SetScale(FontScaleX(hud_settings.BIGTEXT_SCALE.first),
                       FontScaleY(hud_settings.BIGTEXT_SCALE.second));
  }
  HostText::ModeA();
  HostText::SetModeI(0);
  HostText::ModeB();
  HostText::SetFont(0);
}

// The slide coordinate only clocks the fade-in; the text does not move.
void Advance() {
  float& alpha = mission_title.MissionTitleAlpha;
  float& slide = HostText::BigMessageSlideX()[kTitleSlot];
  float& timer = HostText::BigMessageTimers()[kTitleSlot];
  const float d = StepMs() * 0.3f;
  const float limit = static_cast<float>(HostScreen::Width()) - FontScaleX(20.0f);
  if (slide < limit) {
    slide += d;
    alpha = d + alpha;
    if (alpha > 255.0f) alpha = 255.0f;
    return;
  }
  timer = HostTime::Step() + timer;
  if (timer >= 120.0f) {
    timer = 120.0f;
    alpha = alpha - d;
  }
  if (alpha <= 0.0f) {
    // Faded out: clearing the host's slot ends the title.
    alpha = 0.0f;
    BigMessageSlot(kTitleSlot)[0] = 0;
  }
}

void Print(int offset) {
  const int a = OpacityByte(mission_title.MissionTitleAlpha);
  HostText::SetShadowSize(2);
  Rgba shadow;
  HostText::SetShadowColour(HostColour::Make(&shadow, 40, 40, 40, a));
  const Rgba& c = hud_settings.colours.MISSIONTITLE_COLOR;
  Rgba colour;
  HostText::SetColour(HostColour::Make(&colour, c.r, c.g, c.b, a));
  const float x = static_cast<float>(HostScreen::Width()) - FontScaleX(hud_settings.MISSION_RIGHT);
  const float y = static_cast<float>(HostScreen::Height()) -
                  FontScaleY(static_cast<float>(offset) + hud_settings.MISSION_BOTTOM);
  // Read after the timing: the call that clears the slot prints it empty.
  char16_t text[kBigMessageChars + 1];
  HostText::Print(x, y, CopyHostText(text, BigMessageSlot(kTitleSlot)));
}

}  // namespace

void DrawMissionTitle(int offset) {
  if (HostTextEmpty(BigMessageSlot(kTitleSlot))) {
    HostText::BigMessageTimers()[kTitleSlot] = 0.0f;
    return;
  }
  if (HostText::BigMessageTimers()[kTitleSlot] == 0.0f) {
    Start();
    return;
  }
  SetUpText();
  Advance();
  Print(offset);
}
