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
  // W x 4/3 over the host's width scale.
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
    std::int32_t money;
    Rgba configured;
    std::int32_t alpha;
    const char* text;
    const char* colour;
    const char* shadow;
  };
  const Case cases[] = {
      {"zero", 0, {89, 115, 150, 255}, 255, "$0", "89 150 115 255", "0 0 0 255"},
      {"negative: minus after the dollar",
       -250,
       {89, 115, 150, 255},
       255,
       "$-250",
       "89 150 115 255",
       "0 0 0 255"},
      {"own opacity unused", 7, {10, 20, 30, 200}, 255, "$7", "10 30 20 255", "0 0 0 255"},
      {"transparent, still printed", 7, {89, 115, 150, 255}, 0, "$7", "89 150 115 0", "0 0 0 0"},
      {"low byte of the opacity",
       7,
       {89, 115, 150, 255},
       0x1FE,
       "$7",
       "89 150 115 254",
       "0 0 0 254"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ClearLog();
    Set("PlayerInfo[0].Money", c.money);
    hud_settings.colours.MONEY_COLOR = c.configured;
    display_timers.MoneyAlpha = c.alpha;
    DrawMoney(0);
    EXPECT_EQ(Printed(), std::vector<std::string>{c.text});
    EXPECT_EQ(LastArgs("HostText.SetColour"), c.colour);
    EXPECT_EQ(LastArgs("HostText.SetShadowColour"), c.shadow);
  }
}

TEST_F(Money, ReadsTheCurrentPlayersRecord) {
  Set("PlayerInfo[0].Money", 11);
  Set("PlayerInfo[1].Money", 22);
  HostPlayer::Index() = 1;
  DrawMoney(0);
  EXPECT_EQ(Printed(), std::vector<std::string>{"$22"});
}

TEST_F(Money, OffsetMovesTheTextDownInFontUnits) {
  DrawMoney(15);
  // (15 + 30) x 1080 / 448.
  EXPECT_EQ(Calls("HostText.Print")[0].float_arg(1), 108.48214f);
}

}  // namespace
