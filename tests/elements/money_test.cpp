#include "elements/money.h"

#include "elements/status_test.h"
#include "settings/hud_settings.h"

namespace {

using Money = StatusTest;

TEST_F(Money, FullHdDefaultsInTheHostsOrder) {
  display_timers.MoneyAlpha = 255;
  Set("PlayerInfo[0].Money", 1234);
  DrawMoney(0);
  // Green and blue of the configured 89 115 150 trade places; the line width is
  // W x 4/3 over the host's width scale; x = 1920 - 33 x 2.25, y = 30 x 1080 / 448.
  const std::vector<std::string> expected = {
      "HostText.AsciiToWide \"$1234\"",
      "HostText.SetShadowSize 1",
      "HostColour.Make 0 0 0 255",
      "HostText.SetShadowColour 0 0 0 255",
      "HostText.AlignRight",
      "HostText.SetScale 0.99 2.0708036",
      "HostText.SetLineWidth 2560",
      "HostText.ModeB",
      "HostText.SetModeI 0",
      "HostText.SetFont 2",
      "HostText.ModeC",
      "HostColour.Make 89 150 115 255",
      "HostText.SetColour 89 150 115 255",
      "HostText.Print 1845.75 72.32143 \"$1234\"",
  };
  EXPECT_EQ(Calls(), expected);
}

TEST_F(Money, AmountsColoursAndOpacities) {
  struct Case {
    const char* name;
    int player;
    std::int32_t money, alpha;
    Rgba configured;
    const char* text;
    const char* colour;
  };
  const Case cases[] = {
      {"zero", 0, 0, 255, {89, 115, 150, 255}, "$0", "89 150 115 255"},
      {"minus after the dollar", 0, -250, 255, {89, 115, 150, 255}, "$-250", "89 150 115 255"},
      {"own opacity unused", 0, 7, 255, {10, 20, 30, 200}, "$7", "10 30 20 255"},
      {"transparent, still printed", 0, 7, 0, {89, 115, 150, 255}, "$7", "89 150 115 0"},
      {"second player, 368 bytes on", 1, 22, 0x1FE, {89, 115, 150, 255}, "$22", "89 150 115 254"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ClearLog();
    HostPlayer::Index() = static_cast<std::uint8_t>(c.player);
    Set("PlayerInfo[0].Money", c.player == 0 ? c.money : 11);
    Set("PlayerInfo[1].Money", c.player == 1 ? c.money : 11);
    hud_settings.colours.MONEY_COLOR = c.configured;
    display_timers.MoneyAlpha = c.alpha;
    DrawMoney(0);
    EXPECT_EQ(Printed(), std::vector<std::string>{c.text});
    EXPECT_EQ(LastArgs("HostText.SetColour"), c.colour);
  }
}

}  // namespace
