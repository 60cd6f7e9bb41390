#include "elements/display_timers.h"

#include "elements/status_test.h"
#include "os_shim.h"
#include "settings/hud_settings.h"

namespace {

using refhost::os_shim::set_key_down;

class DisplayTimersTest : public StatusTest {
 protected:
  // One frame at `now`; the opacity of the last colour set (the money's, or
  // the ammunition's clip colour), or -1 when nothing was drawn.
  static int FrameAt(std::int32_t now) {
    ClearLog();
    HostTime::NowMs() = now;
    DisplayTimers();
    const auto colours = Calls("HostText.SetColour");
    return colours.empty() ? -1 : static_cast<int>(colours.back().int_arg(3));
  }
  static void Press(int key, std::int32_t now) {
    set_key_down(key, true);
    FrameAt(now);
    set_key_down(key, false);
  }
  static float PrintY(std::size_t k) { return Calls("HostText.Print").at(k).float_arg(1); }
};

TEST_F(DisplayTimersTest, MoneyWindowAndFadeEdges) {
  EXPECT_EQ(FrameAt(1000), -1);  // nothing before a trigger
  Press(80, 1000);               // P
  EXPECT_EQ(display_timers.MoneyShowUntil, 11000);
  EXPECT_EQ(display_timers.MoneyFadeUntil, 11255);
  struct Case {
    std::int32_t now;
    int alpha;  // -1: not drawn
  };
  const Case cases[] = {{10999, 255},
                        {11000, 255},
                        {11001, 254},
                        {11254, 1},
                        {11255, -1},
                        // A clock that falls back: visible until it catches up.
                        {20, 255}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.now);
    EXPECT_EQ(FrameAt(c.now), c.alpha);
    // A fading draw puts the opacity back to 0 for the ammunition.
    EXPECT_EQ(display_timers.MoneyAlpha, c.now < 11000 ? 255 : 0);
  }
  Press(27, 40000);  // Escape
  EXPECT_EQ(display_timers.MoneyShowUntil, 50000);
}

TEST_F(DisplayTimersTest, WeaponTriggers) {
  struct Case {
    const char* name;
    int key, button;
  };
  const Case cases[] = {{"left control", 162, -1},
                        {"left mouse", 1, -1},
                        {"byte 3", 0, 3},
                        {"byte 4", 0, 4},
                        {"nothing", 0, -1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    display_timers = DisplayTimerState{};
    if (c.key) set_key_down(c.key, true);
    if (c.button >= 0) HostInput::Buttons()[c.button] = 1;
    FrameAt(3000);
    if (c.key) set_key_down(c.key, false);
    if (c.button >= 0) HostInput::Buttons()[c.button] = 0;
    const bool triggered = c.key != 0 || c.button >= 0;
    EXPECT_EQ(display_timers.WeaponShowUntil, triggered ? 10000 : 0);
    EXPECT_EQ(display_timers.WeaponFadeUntil, triggered ? 10255 : 0);
  }
}

TEST_F(DisplayTimersTest, OffsetsFollowMoneyAndStars) {
  Set("Character.CurrentSlot", 3);
  Set("Character.WeaponType[3]", 17);
  Set("Character.WeaponTotal[3]", 68);
  Set("WeaponInfo[17].ClipSize", 17);
  hud_settings.MONEY_TRANSITION_GAP = 19.7f;
  set_key_down(162, true);
  FrameAt(1000);                     // ammunition alone: lifted by 20
  EXPECT_EQ(PrintY(0), 132.58928f);  // (75 - 20) x 1080 / 448
  Press(80, 1000);
  HostPlayer::WantedLevel() = 1;
  FrameAt(1000);
  EXPECT_EQ(PrintY(0), 118.125f);    // money dropped by trunc(19.7): (19 + 30) x 1080 / 448
  EXPECT_EQ(PrintY(1), 228.29465f);  // ammunition not lifted, dropped: (75 + 19.7) x ...
  FrameAt(11100);                    // a fading money counts as none
  EXPECT_EQ(PrintY(1), 180.08035f);  // (75 - 20 + 19.7) x 1080 / 448
  // Without a player character the wanted level counts as 0.
  Set("Character.Present", false);
  FrameAt(11100);
  EXPECT_EQ(PrintY(0), 72.32143f);
  set_key_down(162, false);
}

}  // namespace
