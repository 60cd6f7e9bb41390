#include "phone/clock.h"

#include "frame/number_text.h"
#include "frame/scaling.h"
#include "runtime/host_interface.h"
#include "settings/hud_settings.h"

namespace {

void SetUpText() {
  HostText::ModeG();
  HostText::CentreOff();
  HostText::AlignRight();
  HostText::SetScale(FontScaleX(hud_settings.CLOCK_SCALE.first),
                     FontScaleY(hud_settings.CLOCK_SCALE.second));
  HostText::ModeD();
  HostText::ModeC();
  HostText::SetFont(1);
  HostText::ModeB();
  HostText::SetModeI(0);
}

}  // namespace

void DrawClock(float right, float bottom) {
  SetUpText();
  const int hours = HostClock::Hours();
  const int minutes = HostClock::Minutes();
  const char16_t* text = FormatNumberText("%02d:%02d", hours, minutes);
  const float x = static_cast<float>(HostScreen::Width()) - FontScaleX(right);
  const float y = static_cast<float>(HostScreen::Height()) - FontScaleY(bottom);
  // A drop shadow in opaque black, sx(2) right of the text and sy(2) below it.
  Rgba black;
  HostText::SetColour(HostColour::Make(&black, 0, 0, 0, 255));
  HostText::Print(x + FontScaleX(2.0f), y + FontScaleY(2.0f), text);
  HostText::SetColour(&hud_settings.colours.CLOCK_COLOR);
  HostText::Print(x, y, text);
}
