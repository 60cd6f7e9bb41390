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
    while (HostHelp::State() == state && n < 10000) {
      Pass();
      ++n;
    }
    return n;
  }
  static std::string Shown() { return Text(HostHelp::ShownMessage()); }
  static std::string Text(const char16_t* t) { return std::string(t, t + HostTextLength(t)); }
  static std::size_t HostTextLength(const char16_t* t) {
    std::size_t n = 0;
    while (n < 256 && t[n] != 0) ++n;
    return n;
  }
};

constexpr const char* kTwenty = "Press X to enter now";  // 20 characters

TEST_F(HelpBox, NewMessageSoundsShowsAndLeavesAfterItsDuration) {
  Set("HostHelp.Message", kTwenty);
  // The fading-in pass turns to showing at once and draws at alpha 0.
  EXPECT_EQ(Pass(), 0.0f);
  const std::vector<std::string> first = {
      "HostWide.Equal \"HostHelp.Message\" \"HostHelp.LastMessage\" 256",
      "HostWide.Copy \"HostHelp.ShownMessage\" \"HostHelp.Message\" 256",
      "HostWide.Length \"HostHelp.Message\"",
      "HostAudio.PlayFrontEndSound 179 0",
      "HostWide.Copy \"HostHelp.LastMessage\" \"HostHelp.Message\" 256",
      "HostText.SetFadeAlpha 0",
  };
  const std::vector<std::string> all = Calls();
  EXPECT_EQ(std::vector<std::string>(all.begin(), all.begin() + 6), first);
  EXPECT_EQ(HostHelp::Duration(), 4.0f);
  EXPECT_EQ(HostHelp::State(), 1);
  EXPECT_EQ(HostHelp::Timer(), 20);
  EXPECT_EQ(Shown(), kTwenty);
  EXPECT_EQ(Pass(), 225.0f);
  EXPECT_TRUE(Calls("HostAudio.PlayFrontEndSound").empty());
  // Leaves on the first pass whose timer is past 4000 ms: the 202nd.
  EXPECT_EQ(PassesIn(1), 200);
  EXPECT_EQ(HostHelp::Timer(), 4040);
  EXPECT_EQ(HostHelp::Fade(), 600);
  // 600 fade units at 40 a pass (twice real time).
  EXPECT_EQ(Pass(), 126.0f);  // 560 x 0.001 x 225
  EXPECT_EQ(PassesIn(3), 15);
  EXPECT_EQ(HostHelp::Fade(), 0);
  EXPECT_EQ(Pass(), -1.0f);
}

TEST_F(HelpBox, NoSoundDuringAScreenFade) {
  HostCamera::ScreenFade() = 0.5f;
  Set("HostHelp.Message", kTwenty);
  Pass();
  EXPECT_TRUE(Calls("HostAudio.PlayFrontEndSound").empty());
  EXPECT_EQ(HostHelp::State(), 1);
}

TEST_F(HelpBox, QuickExitLeavesAfter1500Ms) {
  HostHelp::QuickExit() = 1;
  Set("HostHelp.Message", kTwenty);
  Pass();
  EXPECT_EQ(PassesIn(1), 76);
  EXPECT_EQ(HostHelp::State(), 3);
  EXPECT_EQ(HostHelp::Timer(), 1540);
}

TEST_F(HelpBox, ReplacementFadesTheOldOneOutFirst) {
  Set("HostHelp.Message", kTwenty);
  Pass();
  Pass();
  Set("HostHelp.Message", "Second");
  HostTime::Step() = 0.0f;  // a paused pass shows the fade-out's first alpha
  EXPECT_EQ(Pass(), 135.0f);
  EXPECT_EQ(HostHelp::State(), 4);
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

TEST_F(HelpBox, ClearingHidesAtOnce) {
  Set("HostHelp.Message", kTwenty);
  Pass();
  Set("HostHelp.Message", "");
  EXPECT_EQ(Pass(), -1.0f);
  EXPECT_EQ(HostHelp::State(), 0);
}

TEST_F(HelpBox, WidescreenWaitsWithoutTheTimer) {
  HostCamera::Widescreen() = 1;
  Set("HostHelp.Message", kTwenty);
  EXPECT_EQ(Pass(), -1.0f);
  EXPECT_EQ(Pass(), -1.0f);
  EXPECT_EQ(HostHelp::State(), 2);
  EXPECT_EQ(HostHelp::Timer(), 0);
  // A showing message that meets widescreen ends its fade-out at once.
  HostCamera::Widescreen() = 0;
  Pass();
  Pass();
  HostHelp::Timer() = 5000;
  Pass();
  HostCamera::Widescreen() = 1;
  EXPECT_EQ(Pass(), -1.0f);
  EXPECT_EQ(HostHelp::State(), 0);
}

TEST_F(HelpBox, OutlineAndTextPositions) {
  Set("HostHelp.Message", kTwenty);
  Pass();
  Pass();
  // B = (150 - 0) x 0.6 = 90; X 34, Y 28, offset 50; sx(1) = 2.25, sy(1) = 1080 / 448.
  const std::vector<std::string> expected = {
      "HostText.Print -36 163.92857 \"Press X to enter now\"",
      "HostText.Print 189 405 \"Press X to enter now\"",
      "HostText.Print -36 284.4643 \"Press X to enter now\"",
      "HostText.Print 189 284.4643 \"Press X to enter now\"",
      "HostText.Print 76.5 163.92857 \"Press X to enter now\"",
      "HostText.Print 76.5 405 \"Press X to enter now\"",
      "HostText.Print 76.5 284.4643 \"Press X to enter now\"",
  };
  std::vector<std::string> printed;
  for (const auto& call : Calls("HostText.Print")) printed.push_back(call.text());
  EXPECT_EQ(printed, expected);
  // Behind the text, a box at 0.7 of the alpha: trunc(157.5).
  EXPECT_EQ(LastArgs("HostText.SetBoxColour"), "0 0 0 157");
  EXPECT_EQ(Calls("HostText.SetWrapX")[0].float_arg(0), 553.5f);  // sx(246)
  EXPECT_EQ(LastArgs("HostText.SetWrapX"), "1920");
  EXPECT_EQ(LastArgs("HostText.SetFadeAlpha"), "255");
}

TEST_F(HelpBox, UnterminatedMessageStaysInItsField) {
  std::vector<int> full(256, 'A');
  Set("HostHelp.Message", full);
  Set("HostHelp.LastMessage", "BBB");  // right after the message field
  Pass();
  // Measured to its bound, copied one short of it and terminated: the next
  // field (the state) is the element's, not a 257th character.
  EXPECT_EQ(HostHelp::Duration(), 256 * 0.05f + 3.0f);
  EXPECT_EQ(HostTextLength(HostHelp::ShownMessage()), 255u);
  EXPECT_EQ(HostHelp::State(), 1);
  EXPECT_EQ(HostHelp::ShownMessage()[0], u'A');
}

}  // namespace
