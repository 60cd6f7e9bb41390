#include "elements/vehicle_name.h"

#include <cstdint>

#include "elements/fade_math.h"
#include "frame/scaling.h"
#include "runtime/host_interface.h"
#include "runtime/host_text.h"
#include "settings/hud_settings.h"

namespace {

// Leaving the vehicle forgets the machine altogether.
void Reset() {
  HostVehicleName::LastName() = nullptr;
  HostVehicleName::State() = 0;
  HostVehicleName::FadeTimer() = 0;
  HostVehicleName::ShowTimer() = 0;
}

// A new name starts the machine, or fades the old one out first; a new
// vehicle also sends a zone name that is showing into its fade-out.
void TakeNewName(const char16_t* name) {
  std::int32_t& state = HostVehicleName::State();
  if (state == 0) {
    HostVehicleName::NameToPrint() = name;
    state = 2;
    HostVehicleName::ShowTimer() = 0;
    HostVehicleName::FadeTimer() = 0;
    std::int32_t& zone = HostZone::State();
    if (zone == 1 || zone == 2) zone = 3;
  } else if (state >= 1 && state <= 4) {
    HostVehicleName::ShowTimer() = 0;
    state = 4;
  }
  HostVehicleName::LastName() = name;
}

// Advances the fade of a running machine; returns the opacity to draw with.
// Unlike the zone's, its comparisons are on the integers.
float Advance() {
  std::int32_t& state = HostVehicleName::State();
  std::int32_t& fade = HostVehicleName::FadeTimer();
  switch (state) {
    case 1:
      if (HostVehicleName::ShowTimer() > 10000) {
        fade = 1000;
        state = 3;
      }
      return 255.0f;
    case 2:
      fade = FadeIn(fade);
      if (fade > 1000) {
        state = 1;
        fade = 1000;
      }
      return FadeAlpha(fade);
    case 3:
      fade = FadeOut(fade);
      if (fade < 0) {
        state = 0;
        fade = 0;
      }
      return FadeAlpha(fade);
    case 4:
      fade = FadeOut(fade);
      if (fade < 0) {
        // The old name has faded: the new one fades in from the start.
        fade = 0;
        HostVehicleName::NameToPrint() = HostVehicleName::LastName();
        HostVehicleName::ShowTimer() = 0;
        state = 2;
      }
      return FadeAlpha(fade);
    default:
      return 0.0f;
  }
}

void SetUpText(int a) {
  HostText::ModeG();
  HostText::ModeA();
  HostText::AlignRight();
  const FloatPair scale = hud_settings.BIGTEXT_SCALE;
  const std::int32_t variant = HostMenu::TextVariant();
  const float sx =
      variant == 3 || variant == 4 ? FontScaleX(scale.first * 0.85f) : FontScaleX(scale.first);
  HostText::SetScale(sx, FontScaleY(scale.second));
  HostText::ModeB();
  HostText::SetModeI(0);
  HostText::ModeD();
  HostText::SetFont(static_cast<std::int16_t>(hud_settings.ZONE_VEHICLE_FONT));
  HostText::SetShadowSize(2);
  Rgba shadow;
  HostText::SetShadowColour(HostColour::Make(&shadow, 0, 0, 0, a));
  const Rgba& c = hud_settings.colours.VEHICLE_COLOR;
  Rgba colour;
  HostText::SetColour(HostColour::Make(&colour, c.r, c.g, c.b, a));
}

}  // namespace

void DrawVehicleName(int offset) {
  const char16_t* name = HostVehicleName::Name();
  if (name == nullptr) {
    Reset();
    return;
  }
  if (name != HostVehicleName::LastName()) TakeNewName(name);
  if (HostVehicleName::State() == 0) return;
  const float alpha = Advance();
  // A subtitle hides the name and holds its display time.
  if (!HostTextEmpty(HostSubtitle::Text())) return;
  HostVehicleName::ShowTimer() = ShowStep(HostVehicleName::ShowTimer());
  SetUpText(OpacityByte(alpha));
  char16_t text[kHostNameChars + 1];
  const float x = static_cast<float>(HostScreen::Width()) - FontScaleX(hud_settings.VEHICLE_RIGHT);
  const float y = static_cast<float>(HostScreen::Height()) -
                  FontScaleY(static_cast<float>(offset) + hud_settings.VEHICLE_BOTTOM);
  HostText::PrintVariant(x, y, CopyHostText(text, HostVehicleName::NameToPrint()));
}
