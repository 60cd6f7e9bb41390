#include "elements/money.h"

#include <cstddef>
#include <cstdint>

#include "elements/display_timers.h"
#include "frame/number_text.h"
#include "frame/scaling.h"
#include "runtime/host_colour.h"
#include "runtime/host_interface.h"
#include "runtime/host_record.h"
#include "runtime/player.h"
#include "settings/hud_settings.h"

namespace {

// The host keeps one player-information record per player; the money field of
// the next player lies this many bytes further on. Without a record there is
// no money to show but 0.
constexpr std::size_t kPlayerInfoBytes = 368;

std::int32_t PlayerMoney() {
  if (!HasPlayerRecord()) return 0;
  const std::size_t player = HostPlayer::Index();
  return read_field<std::int32_t>(HostPlayerInfo::Money(), player * kPlayerInfoBytes);
}

}  // namespace

void DrawMoney(int offset) {
  const HudSettings& s = hud_settings;
  const int alpha = static_cast<std::uint8_t>(display_timers.MoneyAlpha);
  const float w = static_cast<float>(HostScreen::Width());
  const float h = static_cast<float>(HostScreen::Height());
  const char16_t* text = FormatNumberText("$%d", PlayerMoney());
  HostText::SetShadowSize(1);
  const Rgba shadow = MakeColour(0, 0, 0, alpha);
  HostText::SetShadowColour(&shadow);
  HostText::AlignRight();
  HostText::SetScale(FontScaleX(s.MONEY_SCALE.first), FontScaleY(s.MONEY_SCALE.second));
  HostText::SetLineWidth(w * 1.3333334f / HostScreen::WidthScale());
  HostText::ModeB();
  HostText::SetModeI(0);
  HostText::SetFont(2);
  HostText::ModeC();
  // The configured green and blue trade places on screen.
  const Rgba& c = s.colours.MONEY_COLOR;
  const Rgba colour = MakeColour(c.r, c.b, c.g, alpha);
  HostText::SetColour(&colour);
  const float top = static_cast<float>(offset) + s.MONEY_POS_TOP;
  HostText::Print(w - FontScaleX(s.MONEY_POS_RIGHT), top * h / 448.0f, text);
}
