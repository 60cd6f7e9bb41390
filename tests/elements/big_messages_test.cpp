#include "elements/big_messages.h"

#include "elements/status_test.h"
#include "plugin/hud_frame.h"
#include "settings/hud_settings.h"

namespace {

class BigMessages : public StatusTest {
 protected:
  // One pass; the opacity of the last print, or -1 when nothing was printed.
  static int Pass() {
    ClearLog();
    DrawBigMessages();
    const auto colours = Calls("HostText.SetColour");
    return Calls("HostText.Print").empty() ? -1 : static_cast<int>(colours.back().int_arg(3));
  }
  static float& Timer(int slot) { return HostText::BigMessageTimers()[slot]; }
  static float& SlideX() { return HostText::BigMessageSlideX()[0]; }
};

TEST_F(BigMessages, SlotZeroFadesInHoldsFadesOutAndClears) {
  HostTime::Step() = 0.5f;  // 10 ms frames: 3 opacity units a pass
  Set("BigMessage[0].Text", "MISSION PASSED");
  EXPECT_EQ(Pass(), -1);  // new: nothing drawn this pass
  EXPECT_EQ(SlideX(), -60.0f);
  // The slide runs from -60 to 1875 (1920 - 20 x 2.25) at 0.3 per ms.
  // Each wait is bounded, so that a message stuck in one state fails the
  // count after it instead of hanging the suite.
  constexpr int kMaxPasses = 10000;
  int passes = 0, opaque_after = 0;
  for (; SlideX() < 1875.0f && passes < kMaxPasses; ++passes) {
    if (Pass() == 255 && opaque_after == 0) opaque_after = passes + 1;
  }
  EXPECT_EQ(passes * 10, 6450);
  EXPECT_EQ(opaque_after * 10, 850);
  EXPECT_EQ(LastArgs("HostText.Print"), "960 496.60715 \"MISSION PASSED\"");  // H / 2 - sy(18)
  // Holds while the timer counts from 1 to 120 fiftieths of a second.
  for (passes = 0; passes < kMaxPasses && Pass() == 255;) ++passes;
  EXPECT_EQ(passes, 237);
  EXPECT_EQ(Timer(0), 120.0f);
  // Fades out over 850 ms, then empties the host's text.
  for (passes = 1; HostText::BigMessageSlots()[0] != 0 && passes < kMaxPasses; ++passes) Pass();
  EXPECT_EQ(passes * 10, 850);
  EXPECT_EQ(Pass(), -1);
  EXPECT_EQ(Timer(0), 0.0f);
}

TEST_F(BigMessages, WastedWaitsForSlotZeroThenFadesInOverOneSecond) {
  Set("BigMessage[0].Text", "PASSED");
  Set("BigMessage[2].Text", "WASTED");
  Pass();
  Pass();
  EXPECT_EQ(Timer(2), 0.0f);
  // Slot 0 ends in a pass; slot 2 starts new in that same pass.
  big_messages.BigMessageAlpha = 1.0f;
  SlideX() = 1875.0f;
  Timer(0) = 120.0f;
  Pass();
  EXPECT_EQ(Timer(2), 1.0f);
  // 5.1 a pass at 20 ms: trunc(5.1) first, full after 50 passes.
  EXPECT_EQ(Pass(), 5);
  for (int k = 2; k < 50; ++k) Pass();
  EXPECT_EQ(Pass(), 255);
  EXPECT_EQ(LastArgs("HostText.Print"), "1027.5 496.60715 \"WASTED\"");  // sx(30) + 960
  EXPECT_EQ(LastArgs("HostText.SetColour"), "170 123 87 255");
  // A paused frame freezes the fade.
  big_messages.WastedBustedAlpha = 100.0f;
  HostTime::Step() = 0.0f;
  EXPECT_EQ(Pass(), 100);
}

// The message group draws while the HUD proper is hidden, not while the menu is open.
TEST_F(BigMessages, MessageGroupGates) {
  struct Case {
    const char* name;
    std::uint8_t menu, show_hud, widescreen;
    std::size_t prints;
  };
  const Case cases[] = {
      {"hud off", 0, 0, 0, 2}, {"widescreen", 0, 1, 1, 2}, {"menu open", 1, 1, 0, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Set("HostSubtitle.Text", "Line");
    HostSubtitle::ShowInWidescreen() = 1;
    Set("BigMessage[0].Text", "PASSED");
    Timer(0) = 1.0f;
    SlideX() = 0.0f;
    HostMenu::Active() = c.menu;
    HostMenu::ShowHud() = c.show_hud;
    HostCamera::Widescreen() = c.widescreen;
    ClearLog();
    HudFrame();
    EXPECT_EQ(Calls("HostText.Print").size(), c.prints);
  }
}

}  // namespace
