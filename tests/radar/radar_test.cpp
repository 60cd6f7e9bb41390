// The radar element: frame, map layer, bars, blips, blink and epilogue.
#include "radar/radar.h"

#include <gtest/gtest.h>

#include <cmath>

#include "radar/radar_fixture.h"
#include "runtime/host_interface.h"
#include "settings/hud_settings.h"

namespace {

class DrawRadarTest : public RadarTest {
 protected:
  void SetUp() override {
    RadarTest::SetUp();
    Set("HostPlayer.MaxHealth", 100);
    Set("HostPlayer.MaxArmour", 100);
  }
};

std::string Bar(int left, int right, const char* colour) {
  const std::string l = std::to_string(left);
  const std::string r = std::to_string(right);
  return "HostSprite.DrawQuad \"bar\" " + l + " 1040 " + r + " 1040 " + l + " 1030 " + r +
         " 1030 " + colour;
}

TEST_F(DrawRadarTest, DrawsFrameMapBarsAndBlipsInOrder) {
  Set("Character.Health", 100);
  Set("Character.Armour", 50);
  DrawRadar();
  const std::vector<std::string> calls = Calls();
  // The host's own mask and four tiles follow its map layer.
  ASSERT_EQ(calls.size(), 4u + 5u + 2u + 9u);
  EXPECT_EQ(calls[0], R"(HostTxd.FindTexture "hud_vc.txd" "clrect")");
  EXPECT_EQ(calls[1], "HostRender.SetState 11 6");
  EXPECT_EQ(calls[2],
            R"(HostSprite.DrawQuad "clrect" 43 1044 317 1044 43 835 317 835 255 255 255 255)");
  EXPECT_EQ(calls[3], "HostRadar.DrawMapLayer");
  EXPECT_EQ(calls[9], Bar(183, 245, "124 140 95 255"));  // armour 50: 62.5 units
  EXPECT_EQ(calls[10], Bar(49, 174, "186 101 50 255"));  // health 100: 125 units
  EXPECT_EQ(calls[11], "HostRender.SetState 8 0");       // the blips
}

TEST_F(DrawRadarTest, RadarTypeOneAloneTakesClrect) {
  const std::pair<int, const char*> cases[] = {{1, "clrect"}, {0, "blrect"}, {2, "blrect"}};
  for (const auto& [type, name] : cases) {
    hud_settings.RADAR_TYPE = type;
    ClearLog();
    DrawRadar();
    EXPECT_EQ(Calls("HostSprite.DrawQuad").front().text_arg(0), name) << type;
  }
}

TEST_F(DrawRadarTest, HealthBarLengths) {
  struct Case {
    float health;
    int maximum;
    int right;  // 0: no bar
  };
  const Case cases[] = {{75.0f, 100, 142},  // p = 75: 93.75 units
                        {150.0f, 100, 174},     {99.99f, 100, 172}, {-5.0f, 100, 0},
                        {50.0f, 0, 0},          {0.0f, 0, 0},       {1e38f, 1, 174},
                        {std::nanf(""), 100, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.health << " of " << c.maximum);
    Set("Character.Health", c.health);
    Set("HostPlayer.MaxHealth", c.maximum);
    ClearLog();
    DrawRadar();
    const std::vector<refhost::RecordedCall> quads = Calls("HostSprite.DrawQuad");
    ASSERT_EQ(quads.size(), c.right == 0 ? 2u : 3u);  // frame, bar, arrow
    if (c.right != 0) {
      EXPECT_EQ(quads[1].text(), Bar(49, c.right, "186 101 50 255"));
    }
  }
  HostPlayer::Character() = nullptr;  // no player: no bars
  ClearLog();
  DrawRadar();
  EXPECT_EQ(Calls("HostSprite.DrawQuad").size(), 2u);
}

TEST_F(DrawRadarTest, BlinksWhileTheHostFlashesTheRadar) {
  const int cases[][3] = {{8, 0, 0},  {8, 7, 0},  {8, 8, 1}, {8, 15, 1},
                          {8, 16, 0}, {8, 24, 1}, {7, 0, 1}};  // item, frame, drawn
  Set("HostHud.MarkersWanted", 1);
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "item " << c[0] << ", frame " << c[1]);
    Set("HostHud.FlashingItem", c[0]);
    Set("HostTime.FrameCounter", c[1]);
    ClearLog();
    DrawRadar();
    EXPECT_EQ(Calls("HostRadar.DrawMapLayer").size(), static_cast<std::size_t>(c[2]));
    EXPECT_EQ(Calls().front().rfind("HostTxd.FindTexture", 0), 0u);  // in every call
    EXPECT_EQ(Calls().back(), "HostHud.RadarEpilogue");
  }
}

TEST_F(DrawRadarTest, EpilogueOnlyWithMarkersWantedAndNothingInTheWay) {
  const std::tuple<const char*, nlohmann::json, bool> cases[] = {
      {"HostHud.MarkersWanted", 1, true},      {"HostHud.MarkersWanted", 0, false},
      {"HostCamera.Widescreen", 1, false},     {"BigMessage[0].Text", "MISSION PASSED", false},
      {"BigMessage[2].Text", "WASTED", false}, {"BigMessage[1].Text", "ROAD", true},
  };
  for (const auto& [field, value, called] : cases) {
    SCOPED_TRACE(field);
    Set("HostHud.MarkersWanted", 1);
    Set("HostCamera.Widescreen", 0);
    for (const char* slot : {"BigMessage[0].Text", "BigMessage[1].Text", "BigMessage[2].Text"}) {
      Set(slot, "");
    }
    Set(field, value);
    ClearLog();
    DrawRadar();
    EXPECT_EQ(Calls("HostHud.RadarEpilogue").size(), called ? 1u : 0u);
  }
}

}  // namespace
