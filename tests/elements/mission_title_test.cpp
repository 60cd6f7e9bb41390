#include "elements/mission_title.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "plugin/hud_frame.h"
#include "runtime/host_interface.h"
#include "runtime/host_text.h"
#include "settings/hud_settings.h"
#include "support/element_test.h"

namespace {

class MissionTitle : public ElementTest {
 protected:
  void SetUp() override {
    ElementTest::SetUp();
    mission_title = MissionTitleState{};
    const std::u16string title = u"Gun Runner";
    std::copy(title.begin(), title.end(), BigMessageSlot(1));
    HostZone::State() = 1;
  }
  static float Slide() { return HostText::BigMessageSlideX()[1]; }
  static float Timer() { return HostText::BigMessageTimers()[1]; }
  static float Alpha() { return mission_title.MissionTitleAlpha; }
  static void Run(int calls) {
    for (int k = 0; k < calls; ++k) DrawMissionTitle(0);
  }
};

TEST_F(MissionTitle, SlidesInHoldsFadesOutAndClearsTheHostSlot) {
  Run(1);  // starts it: nothing drawn, the zone name sent idle
  EXPECT_TRUE(Calls().empty());
  EXPECT_EQ(HostZone::State(), 0);
  EXPECT_EQ(Timer(), 1.0f);
  for (float slide : {-54.0f, -48.0f, -42.0f}) {
    Run(1);
    EXPECT_EQ(Slide(), slide);
  }
  EXPECT_EQ(Alpha(), 18.0f);  // 6 per call at Step 1.0 (20 ms x 0.3)
  EXPECT_EQ(Calls().back(), "HostText.Print 1875 983.5714 \"Gun Runner\"");
  EXPECT_EQ(Calls("HostColour.Make").at(0).text(), "HostColour.Make 40 40 40 6");
  Run(320);  // 6.46 s in all to reach 1920 - sx(20)
  EXPECT_EQ(Alpha(), 255.0f);
  EXPECT_EQ(Slide(), 1878.0f);
  EXPECT_EQ(Timer(), 1.0f);
  Run(118);
  EXPECT_EQ(Timer(), 119.0f);
  EXPECT_EQ(Alpha(), 255.0f);
  Run(42);  // 120 reached: 6 off per call
  EXPECT_EQ(Alpha(), 3.0f);
  ClearLog();
  Run(1);
  EXPECT_EQ(BigMessageSlot(1)[0], 0);  // the host's title is cleared ...
  EXPECT_EQ(Calls("HostText.SetColour").at(0).text(), "HostText.SetColour 220 172 2 0");
  EXPECT_EQ(Calls("HostText.Print").size(), 1u);  // ... and printed once more, unseen
  Run(1);
  EXPECT_EQ(Timer(), 0.0f);
}

TEST_F(MissionTitle, SlideAtTheLimitWithNoOpacityClearsAtOnce) {
  Run(1);
  HostText::BigMessageSlideX()[1] = 1875.0f;
  Run(1);
  EXPECT_EQ(BigMessageSlot(1)[0], 0);
}

TEST_F(MissionTitle, FixedScalesForTheAlternativeTitleOrTextVariant4) {
  hud_settings.BIGTEXT_SCALE = {2.0f, 2.0f};
  for (int alt : {0, 1}) {
    SCOPED_TRACE(alt);
    HostHud::AltTitleScale() = static_cast<std::uint8_t>(alt);
    HostMenu::TextVariant() = alt ? 0 : 4;
    Run(2);
    EXPECT_FLOAT_EQ(Calls("HostText.SetScale").back().float_arg(0), 1.989f);      // sx(0.884)
    EXPECT_FLOAT_EQ(Calls("HostText.SetScale").back().float_arg(1), 3.2785714f);  // sy(1.36)
  }
}

TEST_F(MissionTitle, RunsTwiceInAFrameThatDrawsBothGroups) {
  HudFrame();
  EXPECT_EQ(Slide(), -54.0f);  // started by the first call, advanced by the second
  HudFrame();
  EXPECT_EQ(Slide(), -42.0f);
}

}  // namespace
