#include "elements/help_box.h"

#include "elements/status_test.h"
#include "settings/hud_settings.h"

namespace {

class HelpBox : public StatusTest {
 protected:
  // One pass; the fade alpha the box was drawn with, or -1 when not drawn.
  static float Pass() {
    ClearLog();
    DrawHelpBox();
    const auto fades = Calls("HostText.SetFadeAlpha");
    return fades.empty() ? -1.0f : fades.front().float_arg(0);
  }
  // Passes until the state leaves `state`; how many it took.
  static int PassesIn(std::int32_t state) {
    int n = 0;
    for (; HostHelp::State() == state && n < 10000; ++n) Pass();
    return n;
  }
  static std::size_t Length(const char16_t* t) {
    std::size_t n = 0;
    while (n < 256 && t[n] != 0) ++n;
    return n;
  }
  static std::string Shown() {
    const char16_t* t = HostHelp::ShownMessage();
    return std::string(t, t + Length(t));
  }
};

constexpr const char* kTwenty = "Press X to enter now";  // 20 characters

TEST_F(HelpBox, NewMessageSoundsShowsAndLeavesAfterItsDuration) {
  Set("HostHelp.Message", kTwenty);
  // The fading-in pass turns to showing at once and draws at alpha 0.
  EXPECT_EQ(Pass(), 0.0f);
  const std::vector<std::string> all = Calls();
  const std::vector<std::string> first = {
      "HostWide.Equal \"HostHelp.Message\" \"HostHelp.LastMessage\" 256",
      "HostWide.Copy \"HostHelp.ShownMessage\" \"HostHelp.Message\" 256",
      "HostWide.Length \"HostHelp.Message\"",
      "HostAudio.PlayFrontEndSound 179 0",
      "HostWide.Copy \"HostHelp.LastMessage\" \"HostHelp.Message\" 256",
  };
  EXPECT_EQ(std::vector<std::string>(all.begin(), all.begin() + 5), first);
  EXPECT_EQ(HostHelp::Duration(), 4.0f);  // 20 x 0.05 + 3 s
  EXPECT_EQ(HostHelp::Timer(), 20);
  EXPECT_EQ(Pass(), 225.0f);
  // Leaves on the first pass whose timer is past 4000 ms: the 202nd.
  EXPECT_EQ(PassesIn(1), 200);
  EXPECT_EQ(HostHelp::Timer(), 4040);
  // 600 fade units at 40 a pass (twice real time).
  EXPECT_EQ(Pass(), 126.0f);  // 560 x 0.001 x 225
  EXPECT_EQ(PassesIn(3), 15);
  EXPECT_EQ(Pass(), -1.0f);
}

TEST_F(HelpBox, QuickExitAndScreenFade) {
  HostHelp::QuickExit() = 1;
  HostCamera::ScreenFade() = 0.5f;
  Set("HostHelp.Message", kTwenty);
  Pass();
  EXPECT_TRUE(Calls("HostAudio.PlayFrontEndSound").empty());
  EXPECT_EQ(PassesIn(1), 76);  // timer 1520 > 1500
}

TEST_F(HelpBox, ReplacementFadesTheOldOneOutFirst) {
  Set("HostHelp.Message", kTwenty);
  Pass();
  Pass();
  Set("HostHelp.Message", "Second");
  HostTime::Step() = 0.0f;  // a paused pass shows where the fade-out starts
  EXPECT_EQ(Pass(), 135.0f);
  EXPECT_EQ(HostHelp::Timer(), 5);
  EXPECT_EQ(Shown(), kTwenty);
  HostTime::Step() = 1.0f;
  EXPECT_EQ(PassesIn(4), 16);
  EXPECT_EQ(Shown(), "Second");
  EXPECT_EQ(PassesIn(2), 1);
  // The timer ran on from 5 ms; the old duration holds.
  EXPECT_EQ(HostHelp::Timer(), 5 + 17 * 20);
  EXPECT_EQ(HostHelp::Duration(), 4.0f);
}

TEST_F(HelpBox, ClearingAndWidescreen) {
  HostCamera::Widescreen() = 1;
  Set("HostHelp.Message", kTwenty);
  EXPECT_EQ(Pass(), -1.0f);  // a fading-in message waits, its timer still
  EXPECT_EQ(HostHelp::State(), 2);
  EXPECT_EQ(HostHelp::Timer(), 0);
  HostCamera::Widescreen() = 0;
  Pass();
  Set("HostHelp.Message", "");
  EXPECT_EQ(Pass(), -1.0f);
  EXPECT_EQ(HostHelp::State(), 0);
}

TEST_F(HelpBox, OutlineAndTextPositions) {
  Set("HostHelp.Message", "Hi");
  Pass();
  Pass();
  // B = (150 - 0) x 0.6 = 90; X 34, Y 28, offset 50; sx(1) = 2.25, sy(1) = 1080 / 448.
  const auto prints = Calls("HostText.Print");
  ASSERT_EQ(prints.size(), 7u);
  EXPECT_EQ(prints[0].text(), "HostText.Print -36 163.92857 \"Hi\"");  // (X - O, Y - O)
  EXPECT_EQ(prints[1].text(), "HostText.Print 189 405 \"Hi\"");        // (X + O, Y + O)
  EXPECT_EQ(prints[6].text(), "HostText.Print 76.5 284.4643 \"Hi\"");  // (X, Y)
  EXPECT_EQ(LastArgs("HostText.SetBoxColour"), "0 0 0 157");           // trunc(225 x 0.7)
  EXPECT_EQ(Calls("HostText.SetWrapX")[0].float_arg(0), 553.5f);       // sx(50 + 200 - 4)
  EXPECT_EQ(LastArgs("HostText.SetWrapX"), "1920");
}

TEST_F(HelpBox, UnterminatedMessageStaysInItsField) {
  Set("HostHelp.Message", std::vector<int>(256, 'A'));
  Set("HostHelp.LastMessage", "BBB");  // the field right after the message
  Pass();
  // Measured to its bound, copied one short of it and terminated: the field
  // after the shown message (the state) is the element's, not a 257th character.
  EXPECT_EQ(HostHelp::Duration(), 256 * 0.05f + 3.0f);
  EXPECT_EQ(Length(HostHelp::ShownMessage()), 255u);
  EXPECT_EQ(HostHelp::State(), 1);
}

}  // namespace
