// The real plug-in given host state past what the host's records hold. It
// must read nothing outside them:
// - a camera active byte past the record's three slots draws that frame as
//   with a slot that has no target (the radar keeps its rotation, the player
//   arrow takes the branch of every other camera mode), asking the host
//   nothing of the camera;
// - a player number past the four player records draws as with no player
//   character and no money, asking the host nothing of the player.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "draw_log.h"
#include "frame_loop.h"
#include "reliability/hosted_plugin.h"
#include "scenario.h"

namespace {

// The radar example's first frames, with `second` set before frame 2.
std::vector<std::string> PlayRadar(const nlohmann::json& second, int frames = 2) {
  std::ifstream file(SLATEPANE_EXAMPLES_DIR "/radar.json");
  nlohmann::json scene = nlohmann::json::parse(file);
  scene["frames"] = frames;
  scene["at"] = {{"2", {{"set", second}}}};
  const refhost::Scenario scenario = refhost::Scenario::parse(scene.dump());
  HostedPlugin host(100, scenario);
  EXPECT_EQ(host.load(), "");
  refhost::play(host.image(), scenario, frames);
  return refhost::draw_log().texts();
}

constexpr const char* kLookDirection = R"(HostCamera.LookDirection "HostCamera.Record")";

std::vector<std::string> Without(std::vector<std::string> log, const std::string& line) {
  std::erase(log, line);
  return log;
}

TEST(HostStateBounds, CameraActiveBytePastTheSlotsDrawsAsASlotWithoutTarget) {
  const std::vector<std::string> no_target = PlayRadar({{"Camera.Slot[0].Target", nullptr}});
  const std::vector<std::string> expected = Without(no_target, kLookDirection);
  ASSERT_LT(expected.size(), no_target.size());
  const std::vector<std::string> first = PlayRadar(nlohmann::json::object(), 1);
  const auto first_asks = std::count(first.begin(), first.end(), kLookDirection);
  ASSERT_GT(first_asks, 0);
  for (const int active : {3, 255}) {
    SCOPED_TRACE(active);
    const std::vector<std::string> log = PlayRadar({{"Camera.Active", active}});
    EXPECT_EQ(std::count(log.begin(), log.end(), kLookDirection), first_asks) << "frame 2 asks";
    EXPECT_EQ(Without(log, kLookDirection), expected);
  }
}

const char* const kExamples[] = {"status", "wheels", "radar", "messages", "hud-frames"};

// A whole example with `start` added to its first frame's state; `held`
// names keep their start value through the later steps.
std::vector<std::string> PlayExample(const std::string& name, const nlohmann::json& start,
                                     bool held = false) {
  std::ifstream file(std::string(SLATEPANE_EXAMPLES_DIR) + "/" + name + ".json");
  nlohmann::json scene = nlohmann::json::parse(file);
  scene["start"]["set"].update(start);
  if (held && scene.contains("at")) {
    for (auto& [frame, step] : scene["at"].items()) {
      if (!step.contains("set")) continue;
      for (const auto& [key, value] : start.items()) step["set"].erase(key);
    }
  }
  const refhost::Scenario scenario = refhost::Scenario::parse(scene.dump());
  HostedPlugin host(100, scenario);
  EXPECT_EQ(host.load(), "");
  refhost::play(host.image(), scenario, scene["frames"].get<int>());
  return refhost::draw_log().texts();
}

TEST(HostStateBounds, PlayerNumberPastTheRecordsDrawsAsNoPlayerCharacter) {
  // Player 1 has a record, but no character, no vehicle and no money; the
  // host's character pointer still leads to a record, emptied here, since a
  // scenario cannot null it.
  const nlohmann::json no_character = {{"HostPlayer.Index", 1},
                                       {"Character.Present", false},
                                       {"Vehicle.Present", false},
                                       {"Character.Health", 0},
                                       {"Character.Armour", 0}};
  for (const char* name : kExamples) {
    std::vector<std::string> expected = PlayExample(name, no_character, /*held=*/true);
    const std::size_t asked = expected.size();
    std::erase(expected, "HostPlayer.GetCharacter");
    std::erase(expected, "HostPlayer.GetVehicle");
    EXPECT_LT(expected.size(), asked) << name << " asks for the player";
    for (const int number : {4, 255}) {
      SCOPED_TRACE(testing::Message() << name << ", player " << number);
      EXPECT_EQ(PlayExample(name, {{"HostPlayer.Index", number}}), expected);
    }
  }
}

}  // namespace
