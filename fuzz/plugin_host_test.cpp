// The host the frame fuzzer and the soak drive: the real plug-in in a
// game folder, layout lines written before the shipped ones, a reset that
// starts the host afresh, and renderer restarts that stop at their cap.
#include "plugin_host.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "byte_source.h"
#include "draw_log.h"
#include "frame_decoder.h"
#include "host_image.h"

namespace {

using fuzzing::FrameDecoder;
using fuzzing::InputBytes;
using fuzzing::PluginHost;

const fuzzing::PluginHostPaths kPaths{SLATEPANE_PLUGIN, SLATEPANE_DATA_DIR,
                                      SLATEPANE_MAKE_DICTIONARIES};

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// Frames whose only change is the clock.
std::size_t QuietFrame(PluginHost& host) {
  InputBytes none(nullptr, 0);
  FrameDecoder decoder(none);
  return host.PlayFrame(decoder);
}

class PluginHostTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { host_ = new PluginHost(kPaths, fuzzing::HostMode::kSoak); }
  static void TearDownTestSuite() { delete host_; }
  void SetUp() override {
    ASSERT_EQ(host_->error(), "");
    host_->Reset();
  }
  static PluginHost* host_;
};

PluginHost* PluginHostTest::host_ = nullptr;

TEST_F(PluginHostTest, LayoutLinesGoBeforeTheShippedFile) {
  host_->layout().values["RADAR_TYPE"] = "2";
  host_->layout().values["MONEY_POS_TOP"] = "1e30";
  host_->layout().changed = true;
  QuietFrame(*host_);
  const std::string shipped = Slurp(std::string(SLATEPANE_DATA_DIR) + "/slatepane_VC.ini");
  EXPECT_EQ(Slurp(host_->layout_path()), "MONEY_POS_TOP = 1e30\nRADAR_TYPE = 2\n" + shipped);
  EXPECT_FALSE(host_->layout().changed);
  host_->Reset();
  EXPECT_EQ(Slurp(host_->layout_path()), shipped);
  EXPECT_TRUE(host_->layout().values.empty());
}

// The HUD draws with its gates open, and far less with the menu open. The
// second open frame's calls (the radar's tile lookups alone are 64 a tile)
// pass through more than one batch of the log, and all of them count.
TEST_F(PluginHostTest, MenuOpenDrawsLess) {
  QuietFrame(*host_);
  const std::size_t open = QuietFrame(*host_);
  EXPECT_TRUE(refhost::draw_log().calls().empty());
  host_->image().set<std::uint8_t>("HostMenu.Active", 1);
  const std::size_t menu = QuietFrame(*host_);
  EXPECT_GT(open, PluginHost::kLogBatch);
  EXPECT_LT(menu, open);
}

TEST_F(PluginHostTest, ResetStartsTheHostAfresh) {
  host_->image().set<std::int32_t>("HostScreen.Width", -1);
  host_->image().set<std::uint8_t>("HostMenu.ShowHud", 0);
  host_->Reset();
  EXPECT_EQ(host_->image().get<std::int32_t>("HostScreen.Width"), 1920);
  EXPECT_EQ(host_->image().get<std::int32_t>("HostScreen.Height"), 1080);
  EXPECT_EQ(host_->image().get<std::uint8_t>("HostMenu.ShowHud"), 1);
}

// One change a frame, the rare one (13), asking for a restart (0) and
// leaving the layout lines (255).
TEST_F(PluginHostTest, RendererRestartsStopAtTheCap) {
  std::vector<std::uint8_t> input;
  for (int frame = 0; frame < PluginHost::kMaxRestarts + 8; ++frame) {
    input.insert(input.end(), {1, 13, 0, 255});
  }
  InputBytes bytes(input.data(), input.size());
  FrameDecoder decoder(bytes);
  const int before = refhost::HostImage::site_target_calls(HostSite::RendererStart);
  for (int frame = 0; frame < PluginHost::kMaxRestarts + 8; ++frame) host_->PlayFrame(decoder);
  EXPECT_EQ(refhost::HostImage::site_target_calls(HostSite::RendererStart) - before,
            PluginHost::kMaxRestarts);
}

}  // namespace
