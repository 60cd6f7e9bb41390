// Blips, the player arrow and the north marker.
#include "radar/blips.h"

#include <gtest/gtest.h>

#include "radar/radar_fixture.h"
#include "runtime/host_interface.h"
#include "runtime/host_record.h"
#include "settings/hud_settings.h"

namespace {

class BlipsTest : public RadarTest {
 protected:
  // Blip 0, in use and shown: of this type and sprite at world (x, y, z), or
  // following VehiclePool[1] there for type 1.
  static void AddBlip(int type, int sprite, float x, float y, float z = 0.0f) {
    const bool vehicle = type == 1;
    Set("VehiclePool[1].Handle", 257);
    Set("VehiclePool[1].X", x);
    Set("VehiclePool[1].Y", y);
    Set("VehiclePool[1].Z", z);
    Set("Blip[0].Handle", 257);
    const std::pair<const char*, float> fields[] = {
        {"Type", type},         {"Sprite", sprite}, {"X", vehicle ? 0 : x}, {"Y", vehicle ? 0 : y},
        {"Z", vehicle ? 0 : z}, {"InUse", 1},       {"Display", 2},         {"ShortRange", 0}};
    for (const auto& [field, value] : fields) Set(std::string("Blip[0].") + field, value);
  }
  static std::vector<refhost::RecordedCall> Sprites(int id) {
    std::vector<refhost::RecordedCall> out;
    for (const auto& call : Calls("HostRadar.DrawSprite")) {
      if (call.int_arg(0) == id) out.push_back(call);
    }
    return out;
  }
};

TEST_F(BlipsTest, StatesArrowAndNorthMarkerComeFirst) {
  Set("Character.Heading", -3.142857);  // north-up: the arrow's angle is heading + 3.142857 = 0
  DrawBlips();
  const std::vector<std::string> calls = Calls();
  ASSERT_EQ(calls.size(), 9u);
  EXPECT_EQ(std::vector<std::string>(calls.begin(), calls.begin() + 6),
            (std::vector<std::string>{"HostRender.SetState 8 0", "HostRender.SetState 6 0",
                                      "HostRender.SetState 12 1", "HostRender.SetState 10 5",
                                      "HostRender.SetState 11 6", "HostRender.SetState 14 0"}));
  EXPECT_EQ(calls[6], "HostPlayer.Heading");
  const std::vector<float> arrow = Floats(Calls("HostSprite.DrawQuad")[0], 1);
  // Half-width sx(5.6) = ((5.6 x 1920) / 640) x 1.3333334 / (1920 / 1080) = 12.6
  // and half-height sy(5.6) = 5.6 x 1080 / 448 = 13.5 round the centre (182, 935).
  const float corners[8] = {169.4f, 921.5f, 194.6f, 921.5f,
                            169.4f, 948.5f, 194.6f, 948.5f};  // C, D, A, B
  for (int k = 0; k < 8; ++k) EXPECT_FLOAT_EQ(arrow[k], corners[k]) << k;
  EXPECT_EQ(calls[8], "HostRadar.DrawSprite 3 182 847 255");
}

TEST_F(BlipsTest, ArrowAndNorthMarkerTurnWithTheCamera) {
  struct Case {
    const char* name;
    int mode;
    float front_x, front_y;
    double heading;
    float corner_x, corner_y;  // corner C after the turn
    float north_x;             // where the north marker lands
  };
  // Corner C lies (-12.6, -13.5) from the centre (182, 935). A quarter turn
  // one way takes it to (-13.5, +12.6), the other way to (+13.5, -12.6).
  const Case cases[] = {
      {"north-up: heading + 22/7", 1, 0, 1, -3.142857 + 1.5707964, 168.5f, 947.6f, 182},
      {"following, facing north", 4, 0, 1, 3.142857 + 1.5707964, 168.5f, 947.6f, 182},
      {"following, facing east", 4, 1, 0, 3.142857 - 1.5707964 - 1.5707964, 195.5f, 922.4f, 53},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Set("Camera.Slot[0].Mode", c.mode);
    Set("Camera.FrontX", c.front_x);
    Set("Camera.FrontY", c.front_y);
    Set("Character.Heading", c.heading);
    ClearLog();
    DrawBlips();
    const std::vector<float> arrow = Floats(Calls("HostSprite.DrawQuad")[0], 1);
    EXPECT_NEAR(arrow[0], c.corner_x, 1e-3f);
    EXPECT_NEAR(arrow[1], c.corner_y, 1e-3f);
    EXPECT_NEAR(Sprites(3)[0].float_arg(1), c.north_x, 1e-3f);
  }
}

TEST_F(BlipsTest, MarkShapeAndSizeByHeightDifference) {
  const std::tuple<float, int, int> cases[] = {
      {2.0f, 2, 1}, {2.01f, 0, 3}, {-4.0f, 2, 1}, {-4.01f, 1, 3}};  // dz, shape, size
  hud_settings.ENTITY_TRIANGLE_SCALE = 3.9f;
  for (const auto& [dz, shape, size] : cases) {
    SCOPED_TRACE(dz);
    AddBlip(4, 0, 50, 0, dz);
    ClearLog();
    DrawBlips();
    // A coordinate mark is drawn in pass 3 and again in pass 4, always opaque.
    const std::vector<refhost::RecordedCall> marks = Calls("HostRadar.DrawTrace");
    ASSERT_EQ(marks.size(), 2u);
    EXPECT_EQ(marks[0].text(), "HostRadar.DrawTrace 246.5 935 " + std::to_string(size) +
                                   " 200 0 0 255 " + std::to_string(shape));
    EXPECT_EQ(read_field<std::uint16_t>(HostRadar::Blips(), 48), size);
  }
}

TEST_F(BlipsTest, ShortRangeAndFades) {
  struct Case {
    const char* name;
    int type, sprite;
    float x, y;
    bool short_range, menu_map;
    int drawn, alpha;
  };
  const Case cases[] = {
      {"entity sprite 1.5 east", 1, 5, 150, 0, true, false, 0, 0},
      {"the same on the menu map", 1, 5, 150, 0, true, true, 1, 255},
      {"entity mark 1.2 east", 1, 0, 120, 0, true, false, 0, 0},
      {"coordinate mark 1.2 east: 1 once clamped", 4, 0, 120, 0, true, false, 2, 255},
      {"entity sprite inside", 1, 7, 50, 0, false, false, 1, 255},
      {"entity sprite at 3", 1, 7, 300, 0, false, false, 1, 191},
      {"entity sprite at 5", 1, 7, 0, -500, false, false, 1, 128},
      {"coordinate sprite at 3", 4, 7, 300, 0, false, false, 1, 255},
      {"coordinate sprite at 3, diagonal", 4, 7, 300, 300, false, false, 1, 241},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    AddBlip(c.type, c.sprite, c.x, c.y);
    Set("Blip[0].ShortRange", c.short_range);
    Set("HostMap.Active", c.menu_map);
    ClearLog();
    DrawBlips();
    if (c.sprite == 0) {
      EXPECT_EQ(Calls("HostRadar.DrawTrace").size(), static_cast<std::size_t>(c.drawn));
      continue;
    }
    const std::vector<refhost::RecordedCall> drawn = Sprites(c.sprite);
    ASSERT_EQ(drawn.size(), static_cast<std::size_t>(c.drawn));
    if (c.drawn) {
      EXPECT_EQ(drawn[0].int_arg(3), c.alpha);
    }
  }
}

TEST_F(BlipsTest, PassesDrawSpecialSpritesFirstAndHideScriptedCoordinates) {
  AddBlip(1, 9, 10, 0);                                    // record 0, pass 2
  const std::tuple<int, int, int> others[] = {{1, 4, 0},   // passes 3 and 4
                                              {5, 4, 16},  // pass 1
                                              {6, 5, 19},  // pass 1, hidden by the script
                                              {7, 5, 8},   // pass 4, hidden by the script
                                              {8, 6, 8}};  // no pass takes type 6
  for (const auto& [i, type, sprite] : others) {
    const std::string b = "Blip[" + std::to_string(i) + "].";
    for (const auto& [field, value] : {std::pair<std::string, int>{"Type", type},
                                       {"Sprite", sprite},
                                       {"X", 50},
                                       {"InUse", 1},
                                       {"Display", 3}}) {
      Set(b + field, value);
    }
  }
  Set("Script.HidesCoordinateBlips", 1);
  DrawBlips();
  std::vector<std::string> drawn;
  for (const std::string& line : Calls()) {
    if (line.find("Draw") != std::string::npos || line.find("Hides") != std::string::npos) {
      drawn.push_back(line.substr(0, line.find(' ', line.find(' ') + 1)));
    }
  }
  EXPECT_EQ(drawn, (std::vector<std::string>{
                       "HostSprite.DrawQuad \"radar_centre\"", "HostRadar.DrawSprite 3",
                       "HostRadar.DrawSprite 16", "HostScript.HidesCoordinateBlips",
                       "HostRadar.DrawSprite 9", "HostRadar.DrawTrace 246.5",
                       "HostScript.HidesCoordinateBlips", "HostScript.HidesCoordinateBlips"}));
}

TEST_F(BlipsTest, EntitiesComeFromTheirPools) {
  const std::tuple<const char*, nlohmann::json, bool> cases[] = {
      {"vehicle", {{"Blip[0].Type", 1}}, true},
      {"stale vehicle handle", {{"Blip[0].Handle", 258}}, false},
      {"character in a vehicle: the vehicle's place",
       {{"Blip[0].Type", 2},
        {"Blip[0].Handle", 1},
        {"CharacterPool[0].Handle", 1},
        {"CharacterPool[0].InVehicle", 1},
        {"CharacterPool[0].Vehicle", "VehiclePool[1]"}},
       true},
      {"character in no vehicle at all",
       {{"Blip[0].Type", 2},
        {"Blip[0].Handle", 1},
        {"CharacterPool[0].Handle", 1},
        {"CharacterPool[0].InVehicle", 1},
        {"CharacterPool[0].Vehicle", nullptr}},
       false},
  };
  for (const auto& [name, state, drawn] : cases) {
    SCOPED_TRACE(name);
    AddBlip(1, 11, 30, 0);
    SetAll(state);
    ClearLog();
    DrawBlips();
    ASSERT_EQ(Sprites(11).size(), drawn ? 1u : 0u);
    if (drawn) {
      EXPECT_NEAR(Sprites(11)[0].float_arg(1), 220.7f, 1e-3f);  // 0.3 east
    }
    // A blip that is gone asks for no colour.
    EXPECT_EQ(Calls("HostRadar.TraceColour").size(), drawn ? 1u : 0u);
  }
}

TEST_F(BlipsTest, MenuMapMarksThePlayerInsteadOfTheArrow) {
  SetAll({{"HostMap.Active", 1},
          {"HostMap.OffsetX", 0.25},
          {"HostMap.OffsetY", 0.5},
          {"Map.ScaleX", 1},
          {"Map.ScaleY", 1}});
  DrawBlips();
  EXPECT_TRUE(Calls("HostSprite.DrawQuad").empty());
  EXPECT_TRUE(Sprites(3).empty());
  EXPECT_EQ(Calls().back(), "HostMap.DrawPlayerMarker 480 540");
}

}  // namespace
