#include "elements/big_messages.h"

#include "elements/status_test.h"
#include "frame/hud_frame.h"
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
  EXPECT_EQ(Timer(0), 1.0f);
  // The slide runs from -60 to 1875 (1920 - 20 x 2.25) at 0.3 per ms: 6450 ms.
  int passes = 0;
  int opaque_after = 0;
  while (SlideX() < 1875.0f) {
    const int alpha = Pass();
    ++passes;
    if (alpha == 255 && opaque_after == 0) opaque_after = passes;
  }
  EXPECT_EQ(passes * 10, 6450);
  EXPECT_EQ(opaque_after * 10, 850);
  // Holds while the timer counts from 1 to 120 fiftieths of a second.
  passes = 0;
  while (Pass() == 255) ++passes;
  EXPECT_EQ(passes, 237);
  EXPECT_EQ(Timer(0), 120.0f);
  EXPECT_EQ(big_messages.BigMessageAlpha, 252.0f);
  // Fades out over 850 ms, then empties the host's text.
  passes = 1;
  while (HostText::BigMessageSlots()[0] != 0) {
    Pass();
    ++passes;
  }
  EXPECT_EQ(passes * 10, 850);
  EXPECT_EQ(big_messages.BigMessageAlpha, 0.0f);
  EXPECT_EQ(Pass(), -1);
  EXPECT_EQ(Timer(0), 0.0f);
}

TEST_F(BigMessages, SlotZeroInTheHostsOrder) {
  Set("BigMessage[0].Text", "PASSED");
  Pass();
  Pass();
  const std::vector<std::string> expected = {
      "HostText.ModeG",
      "HostText.AlignRight",
      "HostText.ModeD",
      "HostText.SetScale 1.0125 2.4107144",
      "HostText.ModeA",
      "HostText.CentreOn",
      "HostText.SetLineWidth 1383.75",
      "HostText.SetFont 2",
      "HostText.ModeH",
      "HostText.SetShadowSize 2",
      "HostColour.Make 0 0 0 6",
      "HostText.SetShadowColour 0 0 0 6",
      "HostColour.Make 85 119 133 6",
      "HostText.SetColour 85 119 133 6",
      // (W x 0.5, H x 0.5 - sy(18)).
      "HostText.Print 960 496.60715 \"PASSED\"",
  };
  EXPECT_EQ(Calls(), expected);
}

TEST_F(BigMessages, WastedWaitsForSlotZeroThenFadesInOverOneSecond) {
  Set("BigMessage[0].Text", "PASSED");
  Set("BigMessage[2].Text", "WASTED");
  Pass();
  Pass();
  EXPECT_EQ(Timer(2), 0.0f);
  EXPECT_EQ(Calls("HostText.Print").size(), 1u);
  // Slot 0 ends in a pass; slot 2 starts new in that same pass.
  big_messages.BigMessageAlpha = 1.0f;
  SlideX() = 1875.0f;
  Timer(0) = 120.0f;
  Pass();
  EXPECT_EQ(HostText::BigMessageSlots()[0], 0);
  EXPECT_EQ(Timer(2), 1.0f);
  EXPECT_EQ(big_messages.WastedBustedAlpha, 0.0f);
  // 5.1 a pass at 20 ms: trunc(5.1) first, full after 50 passes.
  EXPECT_EQ(Pass(), 5);
  for (int k = 2; k < 50; ++k) Pass();
  EXPECT_EQ(Pass(), 255);
  EXPECT_EQ(LastArgs("HostText.Print"), "1027.5 496.60715 \"WASTED\"");  // sx(30) + 960
  EXPECT_EQ(LastArgs("HostText.SetColour"), "170 123 87 255");
}

TEST_F(BigMessages, PausedFrameFreezesBothFades) {
  Set("BigMessage[0].Text", "PASSED");
  Pass();
  Pass();
  HostTime::Step() = 0.0f;
  EXPECT_EQ(Pass(), 6);
  EXPECT_EQ(SlideX(), -54.0f);
  Set("BigMessage[0].Text", "");
  Set("BigMessage[2].Text", "BUSTED");
  HostTime::Step() = 1.0f;
  Pass();
  Pass();
  HostTime::Step() = 0.0f;
  EXPECT_EQ(Pass(), 5);
  EXPECT_EQ(Pass(), 5);
}

// The message group draws while the HUD proper is hidden, not while the menu is open.
TEST_F(BigMessages, MessageGroupGates) {
  struct Case {
    const char* name;
    std::uint8_t menu, show_hud, widescreen;
    std::size_t prints;
  };
  const Case cases[] = {
      {"hud off", 0, 0, 0, 2},
      {"widescreen", 0, 1, 1, 2},
      {"menu open", 1, 1, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    big_messages = BigMessageState{};
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
