#include "elements/help_box.h"

#include <cstdint>

#include "frame/scaling.h"
#include "runtime/host_colour.h"
#include "runtime/host_interface.h"
#include "runtime/host_text.h"
#include "settings/hud_settings.h"

namespace {

// Help texts are at most 256 characters; every copy and comparison stops there.
constexpr int kHelpChars = 256;
constexpr int kNewMessageSound = 179;
constexpr float kFullAlpha = 225.0f;
constexpr std::int32_t kFadeUnits = 600;
constexpr std::int32_t kQuickExitMs = 1500;
constexpr std::int32_t kReplaceTimerMs = 5;

enum HelpState : std::int32_t { Idle = 0, Showing = 1, FadingIn = 2, FadingOut = 3, Replacing = 4 };

// A new message while idle starts fading in; one arriving over another makes
// the old one fade out first.
void TakeNewMessage() {
  char16_t* message = HostHelp::Message();
  const std::int32_t state = HostHelp::State();
  if (state >= Showing && state <= Replacing) {
    HostHelp::Timer() = kReplaceTimerMs;
    HostHelp::State() = Replacing;
  } else if (state == Idle) {
    HostHelp::Fade() = 0;
    HostHelp::State() = FadingIn;
    HostHelp::Timer() = 0;
    HostWide::Copy(HostHelp::ShownMessage(), message, kHelpChars);
    HostHelp::Duration() = static_cast<float>(HostWide::Length(message)) * 0.05f + 3.0f;
    if (HostCamera::ScreenFade() == 0.0f) HostAudio::PlayFrontEndSound(kNewMessageSound, 0);
  }
  HostWide::Copy(HostHelp::LastMessage(), message, kHelpChars);
}

float FadeAlpha() { return static_cast<float>(HostHelp::Fade()) * 0.001f * kFullAlpha; }

std::int32_t FadeBy(float f) { return TruncateToInt(static_cast<float>(HostHelp::Fade()) + f); }

// Advances the fade by one pass; false when the box does not draw this pass.
bool Animate(float& alpha) {
  // Fades run at twice real time: 600 units in 300 ms.
  const float f = HostTime::Step() * 2.0f / 50.0f * 1000.0f;
  const bool widescreen = HostCamera::Widescreen() != 0;
  switch (HostHelp::State()) {
    case Showing: {
      HostHelp::Fade() = kFadeUnits;
      const std::int32_t timer = HostHelp::Timer();
      if (static_cast<float>(timer) > HostHelp::Duration() * 1000.0f ||
          (HostHelp::QuickExit() != 0 && timer > kQuickExitMs)) {
        HostHelp::Fade() = kFadeUnits;
        HostHelp::State() = FadingOut;
      }
      return true;
    }
    case FadingIn:
      if (widescreen) return false;
      HostHelp::Fade() = FadeBy(f);
      if (HostHelp::Fade() > 0) {
        HostHelp::State() = Showing;
        HostHelp::Fade() = 0;
      }
      alpha = FadeAlpha();
      return true;
    case FadingOut:
      HostHelp::Fade() = FadeBy(-f);
      if (HostHelp::Fade() < 0 || widescreen) {
        HostHelp::State() = Idle;
        HostHelp::Fade() = 0;
      }
      alpha = FadeAlpha();
      return true;
    case Replacing:
      HostHelp::Fade() = FadeBy(-f);
      if (HostHelp::Fade() < 0) {
        HostHelp::State() = FadingIn;
        HostWide::Copy(HostHelp::ShownMessage(), HostHelp::LastMessage(), kHelpChars);
        HostHelp::Fade() = 0;
      }
      alpha = FadeAlpha();
      return true;
    default:
      return true;
  }
}

void SetUpText(float alpha) {
  const HudSettings& s = hud_settings;
  HostText::SetFadeAlpha(alpha);
  HostText::CentreOff();
  HostText::ModeA();
  FloatPair scale = s.TEXT_BOX_TEXT_SCALE;
  if (HostHelp::SmallText() != 0) {
    scale.first *= 0.85f;
    scale.second *= 0.85f;
  }
  HostText::SetScale(FontScaleX(scale.first), FontScaleY(scale.second));
  HostText::ModeH();
  HostText::ModeG();
  HostText::SetWrapX(FontScaleX((s.TEXT_BOX_WIDTH + 200.0f) - 4.0f));
  HostText::SetFont(1);
  HostText::ModeE();
  HostText::ModeD();
  const Rgba box = MakeColour(0, 0, 0, 0);
  HostText::SetBoxColour(&box);
  const Rgba colour = MakeColour(175, 175, 175, 255);
  HostText::SetColour(&colour);
}

// Six offset copies draw the box's outline; the seventh, on its translucent
// box, the text itself.
void PrintMessage(float alpha) {
  const HudSettings& s = hud_settings;
  const float x = s.TEXT_BOX_X_Y.first;
  const float y = s.TEXT_BOX_X_Y.second;
  const float o = s.TEXT_BG_OFFSET;
  const float b = (150.0f - HostHelp::BoxOffset()) * 0.6f;
  const float outline[6][2] = {{x - o, y - o}, {x + o, y + o}, {x - o, y},
                               {x + o, y},     {x, y - o},     {x, y + o}};
  const char16_t* text = HostHelp::ShownMessage();
  for (const auto& at : outline) HostText::Print(FontScaleX(at[0]), FontScaleY(b + at[1]), text);
  const Rgba box = MakeColour(0, 0, 0, static_cast<std::uint8_t>(TruncateToInt(alpha * 0.7f)));
  HostText::SetBoxColour(&box);
  const Rgba colour = MakeColour(175, 175, 175, 255);
  HostText::SetColour(&colour);
  HostText::Print(FontScaleX(x), FontScaleY(b + y), text);
}

}  // namespace

void DrawHelpBox() {
  const char16_t* message = HostHelp::Message();
  if (HostTextEmpty(message)) {
    HostHelp::State() = Idle;
    return;
  }
  if (!HostWide::Equal(message, HostHelp::LastMessage(), kHelpChars)) TakeNewMessage();
  float alpha = kFullAlpha;
  if (HostHelp::State() == Idle) return;
  if (!Animate(alpha)) return;
  if (HostCamera::Widescreen() != 0) return;
  HostHelp::Timer() =
      TruncateToInt(HostTime::Step() / 50.0f * 1000.0f + static_cast<float>(HostHelp::Timer()));
  SetUpText(alpha);
  PrintMessage(alpha);
  HostText::SetFadeAlpha(255.0f);
  HostText::SetWrapX(static_cast<float>(HostScreen::Width()));
}
