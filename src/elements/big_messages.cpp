#include "elements/big_messages.h"

#include <cstdint>

#include "frame/scaling.h"
#include "runtime/host_colour.h"
#include "runtime/host_interface.h"
#include "runtime/host_text.h"
#include "settings/hud_settings.h"

BigMessageState big_messages;

namespace {

constexpr int kBigMessageSlot = 0;
constexpr int kWastedBustedSlot = 2;
constexpr float kSlideStart = -60.0f;
constexpr float kHoldUntil = 120.0f;  // timer, in fiftieths of a second
constexpr float kOpaque = 255.0f;

// Opacities go to the host as the low 8 bits of the truncated float.
int AlphaByte(float alpha) { return static_cast<std::uint8_t>(TruncateToInt(alpha)); }

void SetUpBigMessage() {
  const FloatPair& scale = hud_settings.MISSION_BUSTED_WASTED_SCALE;
  HostText::ModeG();
  HostText::AlignRight();
  HostText::ModeD();
  HostText::SetScale(FontScaleX(scale.first), FontScaleY(scale.second));
  HostText::ModeA();
  HostText::CentreOn();
  HostText::SetLineWidth(FontScaleX(615.0f));
  HostText::SetFont(2);
}

// The slide only times the fade-in; once it has run, the timer holds the
// message, then the fade-out ends it by emptying the host's text.
void AnimateBigMessage(char16_t* text, float ms) {
  float& alpha = big_messages.BigMessageAlpha;
  float& slide = HostText::BigMessageSlideX()[kBigMessageSlot];
  float& timer = HostText::BigMessageTimers()[kBigMessageSlot];
  const float w = static_cast<float>(HostScreen::Width());
  if (slide < w - FontScaleX(20.0f)) {
    slide += ms * 0.3f;
    alpha += ms * 0.3f;
    if (alpha > kOpaque) alpha = kOpaque;
    return;
  }
  timer += HostTime::Step();
  if (timer >= kHoldUntil) {
    timer = kHoldUntil;
    alpha -= ms * 0.3f;
  }
  if (alpha <= 0.0f) {
    alpha = 0.0f;
    text[0] = 0;
  }
}

void PrintMessage(const Rgba& configured, int alpha, float x, const char16_t* text) {
  HostText::SetShadowSize(2);
  const Rgba shadow = MakeColour(0, 0, 0, alpha);
  HostText::SetShadowColour(&shadow);
  const Rgba colour = MakeColour(configured.r, configured.g, configured.b, alpha);
  HostText::SetColour(&colour);
  const float y = static_cast<float>(HostScreen::Height()) * 0.5f - FontScaleY(18.0f);
  HostText::Print(x, y, text);
}

void DrawBigMessage(float ms) {
  char16_t* text = BigMessageSlot(kBigMessageSlot);
  float& timer = HostText::BigMessageTimers()[kBigMessageSlot];
  if (HostTextEmpty(text)) {
    timer = 0.0f;
    return;
  }
  if (timer == 0.0f) {
    // A new message: nothing shows this pass.
    big_messages.BigMessageAlpha = 0.0f;
    HostText::BigMessageSlideX()[kBigMessageSlot] = kSlideStart;
    timer = 1.0f;
    return;
  }
  SetUpBigMessage();
  AnimateBigMessage(text, ms);
  HostText::ModeH();
  const float x = static_cast<float>(HostScreen::Width()) * 0.5f;
  PrintMessage(hud_settings.colours.BIGMESSAGE_COLOR, AlphaByte(big_messages.BigMessageAlpha), x,
               text);
}

// Waits while the big message holds text, then fades in over one second and
// stays until the host empties it.
void DrawWastedBusted() {
  const char16_t* text = BigMessageSlot(kWastedBustedSlot);
  float& timer = HostText::BigMessageTimers()[kWastedBustedSlot];
  float& alpha = big_messages.WastedBustedAlpha;
  if (HostTextEmpty(text) || !HostTextEmpty(BigMessageSlot(kBigMessageSlot))) {
    timer = 0.0f;
    return;
  }
  if (timer == 0.0f) {
    alpha = 0.0f;
    timer = 1.0f;
    return;
  }
  alpha += HostTime::Step() / 50.0f * 255.0f;
  if (alpha > kOpaque) alpha = kOpaque;
  const FloatPair& scale = hud_settings.MISSION_BUSTED_WASTED_SCALE;
  HostText::AlignRight();
  HostText::SetScale(FontScaleX(scale.first), FontScaleY(scale.second));
  HostText::ModeA();
  HostText::ModeB();
  HostText::SetFont(2);
  const float x = FontScaleX(hud_settings.WASTED_BUSTED_OFFSET) +
                  static_cast<float>(HostScreen::Width()) * 0.5f;
  PrintMessage(hud_settings.colours.WASTEDBUSTED_COLOR, AlphaByte(alpha), x, text);
}

}  // namespace

void DrawBigMessages() {
  const float ms = HostTime::Step() / 50.0f * 1000.0f;
  DrawBigMessage(ms);
  DrawWastedBusted();
}
