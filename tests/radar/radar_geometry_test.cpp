// Radar space: the rotation, the transforms, the clamp and the fade.
#include "radar/radar_geometry.h"

#include <gtest/gtest.h>

#include "radar/radar_fixture.h"
#include "runtime/host_interface.h"
#include "runtime/host_record.h"

namespace {

using RadarGeometryTest = RadarTest;

TEST_F(RadarGeometryTest, LimitPullsPointsOntoTheSquare) {
  struct Case {
    FloatPoint in;
    float distance;
    FloatPoint out;
  };
  const Case cases[] = {
      {{3.0f, 0.0f}, 3.0f, {1.0f, 0.0f}},
      {{2.0f, 2.0f}, 2.828427f, {1.0f, 1.0f}},
      // 1.3: the root of the float sum of squares 1.6900001.
      {{1.2f, 0.5f}, 1.3000001f, {1.0f, 0.5f}},
      {{-10.0f, -10.0f}, 14.142136f, {-1.0f, -1.0f}},
      // Onto the circle of radius sqrt(2) first: y shrinks with x.
      {{3.0f, 0.9f}, 3.1320918f, {1.0f, 0.4063713f}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.in.x << ", " << c.in.y);
    FloatPoint p = c.in;
    EXPECT_EQ(LimitRadarPoint(p), c.distance);
    EXPECT_EQ(p.x, c.out.x);
    EXPECT_EQ(p.y, c.out.y);
  }
  const std::pair<float, int> fades[] = {{1.0f, 255}, {3.0f, 191}, {5.0f, 128}, {6.0f, 128}};
  for (const auto& [distance, alpha] : fades) EXPECT_EQ(BlipAlpha(distance), alpha) << distance;
  // The menu map neither clamps nor fades.
  HostMap::Active() = 1;
  FloatPoint p{3.0f, 0.0f};
  EXPECT_EQ(LimitRadarPoint(p), 3.0f);
  EXPECT_EQ(p.x, 3.0f);
  EXPECT_EQ(BlipAlpha(3.0f), 255);
}

TEST_F(RadarGeometryTest, RadarSquareFillsTheMapRectangle) {
  struct Case {
    int width, height;
    FloatPoint radar, screen;
  };
  const Case cases[] = {
      {1920, 1080, {-1, 1}, {53, 847}},
      {1920, 1080, {1, -1}, {311, 1023}},
      {1280, 720, {-1, 1}, {35, 565}},
      {1080, 1920, {1, -1}, {311, 1863}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << " " << c.radar.x);
    SetScreen(c.width, c.height);
    const FloatPoint s = RadarToScreen(c.radar);
    EXPECT_EQ(s.x, c.screen.x);
    EXPECT_EQ(s.y, c.screen.y);
  }
}

TEST_F(RadarGeometryTest, MenuMapTransformFollowsTheScalePointersAtEachUse) {
  HostMap::Active() = 1;
  Set("HostMap.Zoom", 2);
  Set("HostMap.Coefficients", {0.5, 0.25, 0.75, 0.125});  // Mx, Nx, My, Ny
  Set("HostMap.OffsetX", 10);
  Set("HostMap.OffsetY", 300);
  Set("Map.ScaleX", 0.5);
  Set("Map.ScaleY", 0.25);
  const FloatPoint s = RadarToScreen({1.0f, -2.0f});
  EXPECT_EQ(s.x, 11040.0f);  // (1 + 0.5 + 10) * 1920 * 0.5
  EXPECT_EQ(s.y, 81742.5f);  // (300 - 0.25 + 3) * 1080 * 0.25
  Set("Map.ScaleX", 1);
  EXPECT_EQ(RadarToScreen({1.0f, -2.0f}).x, 22080.0f);
}

// Whatever turns the radar, the way the camera looks is the radar's top.
TEST_F(RadarGeometryTest, TurnsWithTheCamera) {
  struct Case {
    const char* name;
    nlohmann::json state;
    FloatPoint ahead;
    std::vector<std::string> calls;
  };
  const std::string look = R"(HostCamera.LookDirection "HostCamera.Record")";
  const Case cases[] = {
      {"north-up mode 1", {{"Camera.Slot[0].Mode", 1}}, {0, 100}, {}},
      {"north-up mode 37", {{"Camera.Slot[0].Mode", 37}}, {0, 100}, {}},
      {"north-up on the menu map",
       {{"HostMap.Active", 1}, {"Camera.Slot[0].Mode", 4}},
       {0, 100},
       {}},
      {"looking ahead, east",
       {{"HostMap.Active", 0}, {"Camera.FrontX", 1}, {"Camera.FrontY", 0}},
       {100, 0},
       {look}},
      {"mode 16, west",
       {{"Camera.LookDirection", 0},
        {"Camera.Slot[0].Mode", 16},
        {"Camera.Slot[0].FrontX", -3},
        {"Camera.Slot[0].FrontZ", 4}},
       {-100, 0},
       {look, "HostVector.Normalise -3 0 4"}},
      {"following its target, south-east",
       {{"Camera.LookDirection", 0},
        {"Camera.Active", 2},
        {"Camera.Slot[2].Mode", 4},
        {"Camera.Slot[2].SourceX", -50},
        {"Camera.Slot[2].SourceY", 50},
        {"Camera.Slot[2].Target", "CharacterPool[3]"},
        {"CharacterPool[3].X", 20},
        {"CharacterPool[3].Y", -20}},
       {70.710678f, -70.710678f},
       {look}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Set("Camera.Slot[0].Mode", 0);
    SetAll(c.state);
    ClearLog();
    const FloatPoint r = WorldToRadar(c.ahead);
    EXPECT_NEAR(r.x, 0.0f, 1e-6f);
    EXPECT_NEAR(r.y, 1.0f, 1e-6f);
    EXPECT_EQ(Calls(), c.calls);
  }
}

// The host's camera record holds three slots: an active byte past them names
// none, so nothing of the slot is read, the rotation stays and the player
// arrow takes the branch of every other mode.
TEST_F(RadarGeometryTest, ActiveByteNamingNoSlotKeepsTheLastRotation) {
  // Looking ahead would turn the radar east, and where a fourth slot would
  // start (still inside the record) lies a north-up mode.
  SetAll({{"Camera.LookDirection", 3}, {"Camera.FrontX", 1}, {"Camera.FrontY", 0}});
  write_field<std::uint16_t>(HostCamera::Record(), 16 + 460 * 3, 37);
  for (const int active : {3, 255}) {
    SCOPED_TRACE(active);
    Set("Camera.Active", active);
    RadarRotation = {0.25f, 0.5f};
    ClearLog();
    UpdateRadarRotation();
    EXPECT_EQ(RadarRotation.cos, 0.25f);
    EXPECT_EQ(RadarRotation.sin, 0.5f);
    EXPECT_EQ(ActiveCameraMode(), std::nullopt);
    EXPECT_EQ(Calls(), std::vector<std::string>{});
  }
}

TEST_F(RadarGeometryTest, SlotWithoutTargetKeepsTheLastRotation) {
  Set("Camera.LookDirection", 0);
  Set("Camera.Slot[0].Mode", 4);
  Set("Camera.Slot[0].Target", nullptr);
  RadarRotation = {0.25f, 0.5f};
  UpdateRadarRotation();
  EXPECT_EQ(RadarRotation.cos, 0.25f);
  EXPECT_EQ(RadarRotation.sin, 0.5f);
}

}  // namespace
