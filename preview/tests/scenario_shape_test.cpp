#include "scenario_shape.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "picture.h"

namespace preview {
namespace {

class ScenarioShapeTest : public ::testing::Test {
 protected:
  void TearDown() override { std::filesystem::remove_all(folder); }
  std::string Scenario(const std::string& json) {
    const std::string path = folder + "/scenario.json";
    std::ofstream out(path);
    out << json;
    out.close();
    if (!out) throw std::runtime_error("cannot write " + path);
    return path;
  }
  std::string folder = testing::temporary_folder();
};

TEST_F(ScenarioShapeTest, TheReferenceHostsDefaults) {
  const ScenarioShape shape = read_scenario_shape(Scenario("{}"));
  EXPECT_EQ(shape.screen.width, 640);
  EXPECT_EQ(shape.screen.height, 480);
  EXPECT_EQ(shape.frames, 1);
}

TEST_F(ScenarioShapeTest, ScreenAndFrames) {
  const ScenarioShape shape = read_scenario_shape(
      Scenario(R"({"screen": {"width": 3440, "height": 1440}, "frames": 60, "start": {}})"));
  EXPECT_EQ(shape.screen.width, 3440);
  EXPECT_EQ(shape.screen.height, 1440);
  EXPECT_EQ(shape.frames, 60);
}

TEST_F(ScenarioShapeTest, BadScenariosAreRefusedInOneLine) {
  const char* const bad[] = {"{",
                             "[]",
                             R"({"screen": 5})",
                             R"({"screen": {"width": 0}})",
                             R"({"screen": {"height": 1.5}})",
                             R"({"frames": -1})",
                             R"({"frames": "many"})"};
  for (const char* json : bad) {
    SCOPED_TRACE(json);
    try {
      read_scenario_shape(Scenario(json));
      ADD_FAILURE() << "accepted";
    } catch (const std::runtime_error& e) {
      EXPECT_EQ(std::string(e.what()).find('\n'), std::string::npos) << e.what();
    }
  }
  EXPECT_THROW(read_scenario_shape(folder + "/missing.json"), std::runtime_error);
}

TEST_F(ScenarioShapeTest, AnotherScreenKeepsEverythingElse) {
  const std::string path =
      Scenario(R"({"screen": {"width": 1920, "height": 1080}, "frames": 7, "at": {"2": {}}})");
  const std::string changed = with_screen(path, Screen{1280, 1024});
  const ScenarioShape shape = read_scenario_shape(Scenario(changed));
  EXPECT_EQ(shape.screen.width, 1280);
  EXPECT_EQ(shape.screen.height, 1024);
  EXPECT_EQ(shape.frames, 7);
  EXPECT_NE(changed.find("\"at\""), std::string::npos);
}

}  // namespace
}  // namespace preview
