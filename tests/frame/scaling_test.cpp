#include "frame/scaling.h"

#include <gtest/gtest.h>

#include <climits>

#include "host_image.h"
#include "runtime/host_interface.h"
#include "settings/hud_settings.h"

namespace {

class Scaling : public testing::Test {
 protected:
  void SetScreen(int w, int h) {
    HostScreen::Width() = w;
    HostScreen::Height() = h;
  }
  void TearDown() override {
    SetScreen(0, 0);
    HostOnscreenTimer::Shown() = 0;
    hud_settings = HudSettings{};
  }
};

TEST_F(Scaling, FontScaleAtFullHdIsExact) {
  SetScreen(1920, 1080);
  EXPECT_EQ(FontScaleX(1.0f), 2.25f);
  EXPECT_EQ(FontScaleY(1.0f), 2.4107144f);
  // The money's right offset of 33 units: 1920 - 74.25 = 1845.75.
  EXPECT_EQ(static_cast<float>(HostScreen::Width()) - FontScaleX(33.0f), 1845.75f);
  // The subtitles' eight-unit margin.
  EXPECT_EQ(FontScaleX(50.0f) + FontScaleX(8.0f), 130.5f);
}

TEST_F(Scaling, FontScaleUses640And448NotAspectFreeDivisors) {
  SetScreen(640, 448);
  EXPECT_EQ(FontScaleY(1.0f), 1.0f);
  // 640 x 448 is not 4:3, so the horizontal rule is not 1 here:
  // (640 / 640) x 1.3333334 / (640 / 448) = 1.3333334 / 1.4285715 = 0.93333334.
  EXPECT_EQ(FontScaleX(1.0f), 0.93333334f);
}

TEST_F(Scaling, LayoutUnitTakesTheSmallerSide) {
  struct Case {
    int w, h;
    float v;
    int expected;
  };
  const Case cases[] = {
      {1920, 1080, 1080.0f, 1080},                          // landscape: m = H
      {1000, 2000, 1080.0f, 1000},                          // portrait: m = W
      {1200, 1200, 540.0f, 600},                            // square: m = W = H
      {1920, 1080, 37.9f, 37},                              // 37.9 truncates toward zero
      {1920, 1080, -37.9f, -37},                            // ... on both sides
      {1920, 1080, -112.0f, -112}, {1280, 720, 33.0f, 22},  // 33 * 720 / 1080 = 22
      {1280, 720, 62.0f, 41},                               // 41.33
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.w << "x" << c.h << " v=" << c.v);
    SetScreen(c.w, c.h);
    EXPECT_EQ(LayoutUnit(c.v), c.expected);
  }
}

TEST_F(Scaling, LayoutUnitFormsTheProductBeforeTheDivision) {
  SetScreen(1920, 1080);
  EXPECT_EQ(LayoutUnit(1.0f), 1);
  EXPECT_EQ(LayoutUnit(0.999f), 0);
  EXPECT_EQ(1920.0f - static_cast<float>(LayoutUnit(62.0f)), 1858.0f);
}

TEST(TruncateToInt, OutOfRangeGivesTheProcessorsIndefiniteValue) {
  EXPECT_EQ(TruncateToInt(2147483520.0f), 2147483520);
  EXPECT_EQ(TruncateToInt(-2147483648.5f), INT_MIN);
  EXPECT_EQ(TruncateToInt(3e9f), INT_MIN);
  EXPECT_EQ(TruncateToInt(-3e9f), INT_MIN);
  EXPECT_EQ(TruncateToInt(__builtin_nanf("")), INT_MIN);
  EXPECT_EQ(TruncateToInt(-0.9f), 0);
}

TEST_F(Scaling, TransitionOffsetFollowsTheTimerFlag) {
  hud_settings.ZONE_VEHICLE_MISSION_TRANSITION_GAP = 15.9f;
  HostOnscreenTimer::Shown() = 0;
  EXPECT_EQ(TransitionOffset(), 0);
  HostOnscreenTimer::Shown() = 1;
  EXPECT_EQ(TransitionOffset(), 15);
  hud_settings.ZONE_VEHICLE_MISSION_TRANSITION_GAP = -2.5f;
  EXPECT_EQ(TransitionOffset(), -2);
}

}  // namespace
