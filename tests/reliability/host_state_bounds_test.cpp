// The real plug-in given host state past what the host's records hold: a
// camera active byte past the record's three slots. It must read nothing
// outside the record and draw that frame as with a slot that has no target:
// the radar keeps its rotation, the player arrow takes the branch of every
// other camera mode. Having no slot, it asks the host nothing of the camera.
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

}  // namespace
