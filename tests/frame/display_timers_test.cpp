#include "frame/display_timers.h"

#include "elements/status_test.h"
#include "os_shim.h"
#include "settings/hud_settings.h"

namespace {

using refhost::os_shim::set_key_down;

class DisplayTimersTest : public StatusTest {
 protected:
  // One frame at `now`; the opacity the money was drawn with, or -1.
  static int MoneyDrawnAt(std::int32_t now) {
    ClearLog();
    HostTime::NowMs() = now;
    DisplayTimers();
    const auto colours = Calls("HostText.SetColour");
    return colours.empty() ? -1 : static_cast<int>(colours.back().int_arg(3));
  }

  // A pistol with rounds, so that the ammunition prints when called.
  static void ArmPlayer() {
    Set("Character.CurrentSlot", 3);
    Set("Character.WeaponType[3]", 17);
    Set("Character.WeaponClip[3]", 17);
    Set("Character.WeaponTotal[3]", 68);
    Set("WeaponInfo[17].ClipSize", 17);
  }

  // The y of the ammunition's main text this frame.
  static float AmmoY() {
    ClearLog();
    DisplayTimers();
    const auto prints = Calls("HostText.Print");
    return prints.empty() ? -1.0f : prints.back().float_arg(1);
  }
};

TEST_F(DisplayTimersTest, NothingUntilATrigger) {
  EXPECT_EQ(MoneyDrawnAt(100000), -1);
  EXPECT_TRUE(Calls().empty());
}

TEST_F(DisplayTimersTest, MoneyWindowAndFadeEdges) {
  HostTime::NowMs() = 1000;
  set_key_down(80, true);  // P
  DisplayTimers();
  set_key_down(80, false);
  EXPECT_EQ(display_timers.MoneyShowUntil, 11000);
  EXPECT_EQ(display_timers.MoneyFadeUntil, 11255);
  struct Case {
    std::int32_t now;
    int alpha;  // -1: not drawn
  };
  const Case cases[] = {{10999, 255}, {11000, 255}, {11001, 254}, {11254, 1}, {11255, -1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.now);
    EXPECT_EQ(MoneyDrawnAt(c.now), c.alpha);
    // A fading draw puts the opacity back to 0 for the ammunition.
    EXPECT_EQ(display_timers.MoneyAlpha, c.now < 11000 ? 255 : 0);
  }
}

TEST_F(DisplayTimersTest, EscapeOpensTheMoneyWindowAndHoldingKeepsItOpen) {
  set_key_down(27, true);
  for (std::int32_t now : {500, 20000, 40000}) {
    EXPECT_EQ(MoneyDrawnAt(now), 255);
    EXPECT_EQ(display_timers.MoneyShowUntil, now + 10000);
  }
}

TEST_F(DisplayTimersTest, ClockFallingBackKeepsTheMoneyUntilItCatchesUp) {
  HostTime::NowMs() = 500000;
  set_key_down(80, true);
  DisplayTimers();
  set_key_down(80, false);
  EXPECT_EQ(MoneyDrawnAt(20), 255);
  EXPECT_EQ(MoneyDrawnAt(510000), 255);
  EXPECT_EQ(MoneyDrawnAt(510255), -1);
}

TEST_F(DisplayTimersTest, WeaponTriggers) {
  struct Case {
    const char* name;
    int key;
    int button;
  };
  const Case cases[] = {
      {"left control", 162, -1}, {"left mouse", 1, -1}, {"button byte 3", 0, 3},
      {"button byte 4", 0, 4},   {"nothing", 0, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    display_timers = DisplayTimerState{};
    HostTime::NowMs() = 3000;
    if (c.key) set_key_down(c.key, true);
    if (c.button >= 0) HostInput::Buttons()[c.button] = 1;
    DisplayTimers();
    if (c.key) set_key_down(c.key, false);
    if (c.button >= 0) HostInput::Buttons()[c.button] = 0;
    const bool triggered = c.key != 0 || c.button >= 0;
    EXPECT_EQ(display_timers.WeaponShowUntil, triggered ? 10000 : 0);
    EXPECT_EQ(display_timers.WeaponFadeUntil, triggered ? 10255 : 0);
    EXPECT_EQ(display_timers.WeaponAlpha, triggered ? 255 : 0);
  }
}

TEST_F(DisplayTimersTest, AmmunitionShiftsWithMoneyAndStars) {
  ArmPlayer();
  hud_settings.MONEY_TRANSITION_GAP = 19.7f;
  HostTime::NowMs() = 1000;
  set_key_down(162, true);
  // Weapon only: lifted by 20, no stars: (75 - 20 + 0) x 1080 / 448.
  EXPECT_EQ(AmmoY(), 132.58928f);
  // Money in its full window: no lift.
  set_key_down(80, true);
  EXPECT_EQ(AmmoY(), 180.80357f);
  set_key_down(80, false);
  // Stars: the money drops by trunc(19.7) = 19, the ammunition by 19.7.
  HostPlayer::WantedLevel() = 1;
  ClearLog();
  DisplayTimers();
  EXPECT_EQ(Calls("HostText.Print")[0].float_arg(1), 118.125f);    // (19 + 30) x 1080 / 448
  EXPECT_EQ(Calls("HostText.Print")[1].float_arg(1), 228.29465f);  // (75 + 19.7) x 1080 / 448
  // A fading money counts as none: lifted again.
  HostTime::NowMs() = 11100;
  set_key_down(162, true);
  ClearLog();
  DisplayTimers();
  EXPECT_EQ(Calls("HostText.Print").back().float_arg(1),
            (75.0f - 20.0f + 19.7f) * 1080.0f / 448.0f);
  set_key_down(162, false);
}

TEST_F(DisplayTimersTest, NoCharacterMeansNoStars) {
  ArmPlayer();
  HostPlayer::WantedLevel() = 3;
  Set("Character.Present", false);
  HostTime::NowMs() = 1000;
  set_key_down(80, true);
  DisplayTimers();
  set_key_down(80, false);
  // The money sits at its top without the stars' drop.
  EXPECT_EQ(Calls("HostText.Print")[0].float_arg(1), 72.32143f);
}

}  // namespace
