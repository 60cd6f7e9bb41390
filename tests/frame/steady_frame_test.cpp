// The real plug-in in a host whose malloc counts by caller: once the busy
// scenario has run nine frames, a frame allocates nothing on the heap.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "allocation_count.h"
#include "draw_log.h"
#include "frame_loop.h"
#include "host_image.h"
#include "plugin_loader.h"
#include "scenario.h"
#include "shipped_game_folder.h"

namespace {

namespace count = refhost::allocation_count;

constexpr int kFirstCountedFrame = 10;
// Stars and counters blink; in this frame they are lit. The benchmark plays
// this frame over and over.
constexpr int kBusiestFrame = 12;

class SteadyFrame : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    std::string error;
    folder_ =
        refhost::make_shipped_game_folder(SLATEPANE_DATA_DIR, SLATEPANE_MAKE_DICTIONARIES, error);
    if (folder_.empty()) std::fprintf(stderr, "steady frame: %s\n", error.c_str());
  }
  static void TearDownTestSuite() { std::filesystem::remove_all(folder_); }

  void SetUp() override {
    ASSERT_FALSE(folder_.empty());
    scenario_ = refhost::Scenario::load(SLATEPANE_BUSY_SCENARIO);
    image_ = std::make_unique<refhost::HostImage>(100);
    refhost::set_current_image(image_.get());
    refhost::set_up(*image_, scenario_);
    refhost::draw_log().clear();
  }
  void TearDown() override {
    if (plugin_ != nullptr) refhost::unload_plugin(plugin_);
    refhost::set_current_image(nullptr);
    refhost::draw_log().clear();
  }
  void Load() {
    std::string error;
    plugin_ = refhost::load_plugin(SLATEPANE_PLUGIN, error);
    ASSERT_NE(plugin_, nullptr) << error;
  }

  static std::string folder_;
  refhost::Scenario scenario_;
  std::unique_ptr<refhost::HostImage> image_;
  void* plugin_ = nullptr;
};

std::string SteadyFrame::folder_;

// The count sees the plug-in allocate where it must: a renderer start that
// finds RELOAD_SETTINGS set adds a settings poll to the frame step's list.
TEST_F(SteadyFrame, CountSeesThePluginAddAHandler) {
  namespace fs = std::filesystem;
  const fs::path layout = fs::path(folder_) / "slate_pane_morrowfen" / "slatepane_VC.ini";
  const fs::path shipped = fs::path(SLATEPANE_DATA_DIR) / "slatepane_VC.ini";
  {
    std::ofstream out(layout, std::ios::binary | std::ios::trunc);
    out << "RELOAD_SETTINGS 82\n" << std::ifstream(shipped, std::ios::binary).rdbuf();
    out.close();
    ASSERT_TRUE(out) << "cannot write " << layout;
  }
  Load();
  count::watch(plugin_);
  refhost::start_renderer(*image_);
  refhost::begin_frame(*image_, scenario_, 1);
  refhost::run_frame_calls(*image_);
  refhost::stop_renderer(*image_, 1);

  count::start();
  refhost::start_renderer(*image_);
  const count::Counts counts = count::stop();
  fs::copy_file(shipped, layout, fs::copy_options::overwrite_existing);
  EXPECT_GT(counts.plugin, 0u);
  EXPECT_GT(counts.host, 0u);  // the host records the dictionaries it reads
  EXPECT_EQ(counts.unknown, 0u);
}

TEST_F(SteadyFrame, BusyFramesFromTheTenthAllocateNothing) {
  Load();
  count::watch(plugin_);
  refhost::start_renderer(*image_);
  for (int frame = 1; frame <= scenario_.frames; ++frame) {
    refhost::begin_frame(*image_, scenario_, frame);
    if (frame < kFirstCountedFrame) {
      refhost::run_frame_calls(*image_);
      continue;
    }
    count::start();
    refhost::run_frame_calls(*image_);
    const count::Counts counts = count::stop();
    SCOPED_TRACE(frame);
    EXPECT_EQ(counts.plugin, 0u);
    EXPECT_EQ(counts.unknown, 0u);
    // The host's draw log allocates for every call: the count was live.
    EXPECT_GT(counts.host, 0u);
  }
  refhost::stop_renderer(*image_, scenario_.frames);
}

// The frames counted are busy ones: every group of elements draws.
TEST_F(SteadyFrame, TheCountedFramesDrawEveryGroup) {
  Load();
  refhost::start_renderer(*image_);
  for (int frame = 1; frame <= kBusiestFrame; ++frame) {
    refhost::begin_frame(*image_, scenario_, frame);
    refhost::run_frame_calls(*image_);
  }
  std::string texts;
  int sprites = 0;
  int map_layers = 0;
  int tiles = 0;
  int blips = 0;
  for (const refhost::RecordedCall& call : refhost::draw_log().calls()) {
    if (call.frame != kBusiestFrame) continue;
    if (call.name == "HostText.Print" || call.name == "HostText.PrintVariant") {
      texts += call.text_arg(2) + "|";
    }
    sprites += call.name == "HostSprite.Draw" || call.name == "HostSprite.DrawQuad";
    map_layers += call.name == "HostRadar.DrawMapLayer";
    tiles += call.name == "HostIm2D.SetVertices";
    blips += call.name == "HostRadar.DrawTrace" || call.name == "HostRadar.DrawSprite";
  }
  for (const char* shown :
       {"Kelderhaven", "The Long Supper", "Colt45", "Find the boat at the docks", "01:30", "DAMAGE", "$2450",
        "Where is the boat?", "MISSION PASSED!", "Get to the boat", "Checkpoint 3/10", "07:05"}) {
    EXPECT_NE(texts.find(shown), std::string::npos) << shown;
  }
  // Crosshair 1, radar frame, bars and centre 4, ring and indicator 2, slot
  // icons 10, stars 6 shadows and 4 lit, timer bars 3, phone 1.
  EXPECT_EQ(sprites, 31);
  EXPECT_EQ(map_layers, 1);
  EXPECT_EQ(tiles, 4);   // the map tiles the radar square cuts
  EXPECT_EQ(blips, 36);  // the traces and sprites the 32 blips give
}

}  // namespace
