// The HUD button through the real plug-in: held down, it switches the host's
// HUD off in one frame and back on in the next, once a frame, and the frame
// that brings it back draws the HUD proper.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "draw_log.h"
#include "frame_loop.h"
#include "reliability/hosted_plugin.h"
#include "scenario.h"

namespace {

bool DrawsTheRadar(const std::vector<std::string>& log) {
  return std::any_of(log.begin(), log.end(),
                     [](const std::string& line) { return line.starts_with("HostRadar."); });
}

TEST(HudButton, SwitchesTheHudOffAndBackOnOnceAFrame) {
  const refhost::Scenario scenario = refhost::Scenario::parse(R"({
    "frames": 4,
    "start": { "set": { "HostMenu.ShowHud": 1, "Pad[1].Word24": 1 } },
    "at": { "4": { "set": { "Pad[1].Word24": 0 } } }
  })");
  HostedPlugin host(100, scenario);
  ASSERT_EQ(host.load(), "");
  refhost::start_renderer(host.image());
  // Shown after each frame, and whether that frame drew the HUD proper.
  const std::uint8_t shown[] = {0, 1, 0, 0};
  const bool drawn[] = {true, true, true, false};
  for (int frame = 1; frame <= 4; ++frame) {
    SCOPED_TRACE(frame);
    refhost::draw_log().clear();
    refhost::begin_frame(host.image(), scenario, frame);
    refhost::run_frame_calls(host.image());
    EXPECT_EQ(host.image().get<std::uint8_t>("HostMenu.ShowHud"), shown[frame - 1]);
    EXPECT_EQ(DrawsTheRadar(refhost::draw_log().texts()), drawn[frame - 1]);
  }
  refhost::stop_renderer(host.image(), 4);
}

}  // namespace
