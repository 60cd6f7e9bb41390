#include "wheels/wheel_drawing.h"

#include <cstdint>

#include "frame/scaling.h"
#include "runtime/host_interface.h"
#include "settings/hud_settings.h"

Rgba HostColourOf(int r, int g, int b, int a) {
  Rgba colour{};
  HostColour::Make(&colour, r, g, b, a);
  return colour;
}

void PointHolder(SpriteHolder& holder, void* dictionary, const FormattedText& name) {
  holder.texture = static_cast<std::uint32_t>(
      reinterpret_cast<std::uintptr_t>(HostTxd::FindTexture(dictionary, name.text)));
}

void PrintNarrow(float x, float y, const FormattedText& text) {
  char16_t wide[kFormatRingBufferSize];
  for (std::size_t k = 0; k <= text.length; ++k) {
    wide[k] = static_cast<unsigned char>(text.text[k]);
  }
  HostText::Print(x, y, wide);
}

namespace {

void SetTextColourWhite() {
  const Rgba white = HostColourOf(255, 255, 255, 255);
  HostText::SetColour(&white);
}

}  // namespace

void SetWheelTextStyle(WheelStyleOrder order) {
  HostText::CentreOn();
  if (order == WheelStyleOrder::ColourFirst) {
    SetTextColourWhite();
    HostText::SetFont(2);
  } else {
    HostText::SetFont(2);
    SetTextColourWhite();
  }
  HostText::SetShadowSize(1);
  const Rgba shadow = HostColourOf(0, 0, 0, 255);
  HostText::SetShadowColour(&shadow);
  HostText::SetScale(FontScaleX(hud_settings.AMMO_SCALE.first),
                     FontScaleY(hud_settings.AMMO_SCALE.second));
  HostText::ModeA();
}
