#include "elements/zone_name.h"

#include <cstdint>

#include "elements/fade_math.h"
#include "frame/scaling.h"
#include "runtime/host_interface.h"
#include "runtime/host_text.h"
#include "settings/hud_settings.h"

namespace {

// A new name starts the machine, or fades the old one out first; a new zone
// also sends a vehicle name that is showing into its fade-out.
void TakeNewName(const char16_t* name) {
  std::int32_t& state = HostZone::State();
  if (state == 0) {
    state = 2;
    HostZone::ShowTimer() = 0;
    HostZone::FadeTimer() = 0;
    std::int32_t& vehicle = HostVehicleName::State();
    if (vehicle == 1 || vehicle == 2) vehicle = 3;
  } else if (state >= 1 && state <= 4) {
    HostZone::ShowTimer() = 5;
    state = 4;
  }
  HostZone::LastName() = name;
}

// Advances the fade of a running machine; returns the opacity to draw with.
float Advance() {
  std::int32_t& state = HostZone::State();
  std::int32_t& fade = HostZone::FadeTimer();
  switch (state) {
    case 1:
      fade = 1000;
      if (static_cast<float>(HostZone::ShowTimer()) > 10000.0f) state = 3;
      return 255.0f;
    case 2:
      fade = FadeIn(fade);
      if (static_cast<float>(fade) > 1000.0f) {
        state = 1;
        fade = 1000;
      }
      return FadeAlpha(fade);
    case 3:
      fade = FadeOut(fade);
      if (static_cast<float>(fade) < 0.0f) {
        state = 0;
        fade = 0;
      }
      return FadeAlpha(fade);
    case 4:
      fade = FadeOut(fade);
      if (static_cast<float>(fade) < 0.0f) {
        fade = 0;
        state = 2;
      }
      return FadeAlpha(fade);
    default:
      return 255.0f;
  }
}

void SetUpText(int a) {
  HostText::ModeG();
  HostText::ModeA();
  HostText::AlignRight();
  if (HostMenu::TextVariant() == 4) {
    HostText::SetScale(FontScaleX(1.36f), FontScaleY(1.8f));
  } else {
    HostText::SetScale(FontScaleX(hud_settings.BIGTEXT_SCALE.first),
                       FontScaleY(hud_settings.BIGTEXT_SCALE.second));
  }
  HostText::ModeB();
  HostText::SetModeI(0);
  HostText::ModeD();
  HostText::SetShadowSize(2);
  Rgba shadow;
  HostText::SetShadowColour(HostColour::Make(&shadow, 0, 0, 0, a));
  HostText::SetFont(static_cast<std::int16_t>(hud_settings.ZONE_VEHICLE_FONT));
  const Rgba& c = hud_settings.colours.ZONE_COLOR;
  Rgba colour;
  HostText::SetColour(HostColour::Make(&colour, c.r, c.g, c.b, a));
}

}  // namespace

void DrawZoneName(int offset) {
  const char16_t* name = HostZone::Name();
  if (name == nullptr) return;
  if (name != HostZone::LastName()) TakeNewName(name);
  // An idle machine is sent into a fade-out from zero, which brings it back
  // to idle next frame after one print at opacity 0.
  if (HostZone::State() == 0) {
    HostZone::State() = 3;
    return;
  }
  const float alpha = Advance();
  if (HostTextEmpty(HostSubtitle::Text())) HostZone::ShowTimer() = ShowStep(HostZone::ShowTimer());
  SetUpText(OpacityByte(alpha));
  if (HostHud::HideZoneName() != 0) return;
  char16_t text[kHostNameChars + 1];
  const float x = static_cast<float>(HostScreen::Width()) - FontScaleX(hud_settings.ZONE_RIGHT);
  const float y = static_cast<float>(HostScreen::Height()) -
                  FontScaleY(static_cast<float>(offset) + hud_settings.ZONE_BOTTOM);
  HostText::PrintVariant(x, y, CopyHostText(text, name));
}
