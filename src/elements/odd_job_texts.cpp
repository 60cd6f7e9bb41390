#include "elements/odd_job_texts.h"

#include <algorithm>
#include <cstdint>

#include "elements/fade_math.h"
#include "frame/scaling.h"
#include "runtime/host_interface.h"
#include "runtime/host_text.h"
#include "settings/hud_settings.h"

namespace {

constexpr int kTitleSlot = 1;
constexpr int kFirstSlot = 3;
constexpr int kResultSlot = 4;
constexpr int kRepeatingSlot = 5;

float CentreX() { return static_cast<float>(HostScreen::Width()) * 0.5f; }

void CommonSetUp() {
  HostText::ModeG();
  HostText::AlignRight();
  HostText::SetScale(FontScaleX(hud_settings.BIGTEXT_SCALE.first),
                     FontScaleY(hud_settings.BIGTEXT_SCALE.second));
  HostText::CentreOn();
  HostText::ModeA();
}

void SetBlackShadow() {
  HostText::SetShadowSize(2);
  Rgba black;
  HostText::SetShadowColour(HostColour::Make(&black, 0, 0, 0, 255));
}

void PrintSlot(int slot, float y) {
  char16_t text[kBigMessageChars + 1];
  HostText::Print(CentreX(), y, CopyHostText(text, BigMessageSlot(slot)));
}

// Slots 3 and 4 differ only in line width and height.
void DrawStill(int slot, float line_width, float y) {
  CommonSetUp();
  HostText::SetLineWidth(FontScaleX(line_width));
  HostText::SetFont(1);
  SetBlackShadow();
  HostText::SetColour(&hud_settings.colours.ODDJOB_COLOR);
  PrintSlot(slot, y);
}

// The repeating text's phases: 1 slides from 380 down to 2, 2 holds for 1500,
// 3 slides on below -380 and then pauses 5000 ms. The slide only times the
// phases; the text stays where it is.
void AdvancePhase() {
  std::int16_t& phase = HostOddJob::Phase();
  float& slide = HostOddJob::Slide();
  std::int16_t& hold = HostOddJob::HoldTimer();
  switch (phase) {
    case 0:
      phase = 1;
      slide = 380.0f;
      break;
    case 1:
      if (slide <= 2.0f) {
        hold = 0;
        phase = 2;
      } else {
        slide -= std::min(40.0f, slide / 6.0f);
      }
      break;
    case 2:
      hold = static_cast<std::int16_t>(
          TruncateToInt(HostTime::Step() * 20.0f + static_cast<float>(hold)));
      if (hold > 1500) phase = 3;
      break;
    case 3:
      slide -= std::max(30.0f, slide / 5.0f);
      if (slide < -380.0f) {
        HostOddJob::PauseTimer() = 5000.0f;
        phase = 0;
      }
      break;
    default:
      break;
  }
}

void DrawRepeating() {
  float& pause = HostOddJob::PauseTimer();
  // The pause runs out whether or not there is a text.
  if (pause > 0.0f) pause -= StepMs();
  if (HostTextEmpty(BigMessageSlot(kRepeatingSlot)) || pause > 0.0f) return;
  AdvancePhase();
  if (!HostTextEmpty(BigMessageSlot(kTitleSlot))) return;
  CommonSetUp();
  SetBlackShadow();
  HostText::SetLineWidth(static_cast<float>(HostScreen::Width()) - FontScaleX(20.0f));
  HostText::SetFont(1);
  HostText::SetColour(&hud_settings.colours.ODDJOB2_COLOR);
  PrintSlot(kRepeatingSlot, static_cast<float>(HostScreen::Height()) * 0.5f -
                                FontScaleY(hud_settings.ODDJOB_RESULT_CENTRE));
}

}  // namespace

void DrawOddJobTexts() {
  if (!HostTextEmpty(BigMessageSlot(kFirstSlot))) {
    DrawStill(kFirstSlot, 600.0f, FontScaleY(140.0f) - FontScaleY(hud_settings.ODDJOB_CENTRE));
  }
  // The result text gives way to a mission title.
  if (HostTextEmpty(BigMessageSlot(kTitleSlot)) && !HostTextEmpty(BigMessageSlot(kResultSlot))) {
    DrawStill(kResultSlot, 620.0f, FontScaleY(140.0f));
  }
  DrawRepeating();
}
