#include "elements/subtitles.h"

#include "elements/status_test.h"
#include "settings/hud_settings.h"

namespace {

using Subtitles = StatusTest;

TEST_F(Subtitles, FullHdDefaults) {
  Set("HostSubtitle.Text", "Where is the boat?");
  DrawSubtitles();
  // sx(1) = 2.25: left = 112.5 + 18 = 130.5, width = 1920 - 112.5 - 18 - 130.5.
  EXPECT_EQ(LastArgs("HostText.SetLineWidth"), "1659");
  // x = 829.5 + 130.5 - 2.25; y = 1080 - 120.54 + 9.64 - 2.41, about 966.7.
  EXPECT_EQ(LastArgs("HostText.Print"), "957.75 966.6965 \"Where is the boat?\"");
  EXPECT_EQ(LastArgs("HostText.SetShadowSize"), "0");
}

TEST_F(Subtitles, WhenAndWithWhichMargins) {
  struct Case {
    const char* name;
    std::uint8_t show_hud, widescreen, in_widescreen;
    const char* wasted;
    const char* x;  // empty: not drawn
  };
  const Case cases[] = {
      // Left margin 60: left 153, width 1636.5.
      {"configured margins", 1, 0, 0, "", "969"},
      {"wasted/busted on screen", 1, 0, 0, "WASTED", ""},
      {"cut-scene, not marked", 1, 1, 0, "", ""},
      {"cut-scene, marked other than 1", 1, 1, 2, "", ""},
      // Fixed margins 40 and 50: left 108, width 1681.5.
      {"cut-scene, marked 1", 1, 1, 1, "", "946.5"},
      {"hud off", 0, 0, 0, "", "946.5"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ClearLog();
    hud_settings.SUBTITLE_OFFSET_L = 60.0f;
    HostMenu::ShowHud() = c.show_hud;
    HostCamera::Widescreen() = c.widescreen;
    HostSubtitle::ShowInWidescreen() = c.in_widescreen;
    Set("BigMessage[2].Text", c.wasted);
    Set("HostSubtitle.Text", "Line");
    DrawSubtitles();
    const auto prints = Calls("HostText.Print");
    if (*c.x == 0) {
      EXPECT_TRUE(Calls().empty());
    } else {
      ASSERT_EQ(prints.size(), 1u);
      EXPECT_EQ(prints[0].args[0], c.x);
    }
  }
}

}  // namespace
