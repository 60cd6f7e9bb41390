// The real plug-in binary loaded into fresh host images: what its static
// initialisers do to the host, and what unloading undoes.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "draw_log.h"
#include "frame_loop.h"
#include "host_image.h"
#include "plugin_loader.h"
#include "restoration_check.h"
#include "scenario.h"
#include "support/game_folder.h"

namespace {

constexpr int kHolders = 1 + 5 + 10 + 2 + 10 + 3;

class PluginInHost : public testing::Test {
 protected:
  void Load(int version) {
    previous_ = refhost::current_image();
    image_ = std::make_unique<refhost::HostImage>(version);
    refhost::set_current_image(image_.get());
    refhost::set_up(*image_, refhost::Scenario{});
    before_ = std::make_unique<refhost::CodeSnapshot>(*image_);
    refhost::draw_log().clear();
    std::string error;
    plugin_ = refhost::load_plugin(SLATEPANE_PLUGIN, error);
    ASSERT_NE(plugin_, nullptr) << error;
  }
  void Unload() {
    if (plugin_ != nullptr) refhost::unload_plugin(plugin_);
    plugin_ = nullptr;
  }
  void TearDown() override {
    Unload();
    refhost::set_current_image(previous_);
    refhost::draw_log().clear();
  }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& call : refhost::draw_log().calls()) names.push_back(call.name);
    return names;
  }
  bool SiteChanged(HostSite site) const {
    const std::uint32_t address =
        kHostSiteAddress[static_cast<std::size_t>(site)][host_build_index(image_->version())];
    return std::memcmp(image_->site(site), &before_->code[address - refhost::HostImage::kFirst],
                       5) != 0;
  }

  refhost::HostImage* previous_ = nullptr;
  std::unique_ptr<refhost::HostImage> image_;
  std::unique_ptr<refhost::CodeSnapshot> before_;
  void* plugin_ = nullptr;
};

TEST_F(PluginInHost, StartUpConstructsHoldersAndInterceptsSixEvents) {
  Load(110);
  EXPECT_EQ(Names(), std::vector<std::string>(kHolders, "HostSprite.Construct"));
  for (std::size_t k = 0; k < static_cast<std::size_t>(HostSite::Count); ++k) {
    SCOPED_TRACE(kHostSiteNames[k]);
    // The frame step gets its handler only when a renderer start finds
    // RELOAD_SETTINGS set.
    EXPECT_EQ(SiteChanged(static_cast<HostSite>(k)),
              static_cast<HostSite>(k) != HostSite::FrameStep);
  }
  refhost::draw_log().clear();
  Unload();
  EXPECT_EQ(Names(), std::vector<std::string>(kHolders, "HostSprite.Destruct"));
  EXPECT_EQ(refhost::check_restored(*before_, *image_), "");
}

TEST_F(PluginInHost, HudDrawRunsTheHudPassAfterTheHostRoutine) {
  Load(120);
  const std::uint8_t* entry = image_->symbol(HostId::HostHud_DrawPlayerInfo);
  EXPECT_NE(entry[0], 0xC3);
  const int calls = refhost::HostImage::site_target_calls(HostSite::HudDraw);
  EXPECT_EQ(image_->run_site_routine(HostSite::HudDraw),
            refhost::HostImage::kSiteAnswer + static_cast<int>(HostSite::HudDraw));
  EXPECT_EQ(refhost::HostImage::site_target_calls(HostSite::HudDraw), calls + 1);
  EXPECT_EQ(entry[0], 0xC3);
  Unload();
  EXPECT_EQ(refhost::check_restored(*before_, *image_), "");
}

// Settings are first read by the first HUD frame, so only a later renderer
// start can find RELOAD_SETTINGS set and attach the settings poll.
TEST_F(PluginInHost, SettingsPollAttachesAtTheRendererStartAfterAFrame) {
  write_game_file("slate_pane_morrowfen/slatepane_VC.ini", "RELOAD_SETTINGS -1\n");
  Load(100);
  image_->run_site_routine(HostSite::RendererStart);
  EXPECT_FALSE(SiteChanged(HostSite::FrameStep));
  image_->run_site_routine(HostSite::HudDraw);
  EXPECT_FALSE(SiteChanged(HostSite::FrameStep));
  image_->run_site_routine(HostSite::RendererStop);
  image_->run_site_routine(HostSite::RendererStart);
  EXPECT_TRUE(SiteChanged(HostSite::FrameStep));
  const int calls = refhost::HostImage::site_target_calls(HostSite::FrameStep);
  image_->run_site_routine(HostSite::FrameStep);
  EXPECT_EQ(refhost::HostImage::site_target_calls(HostSite::FrameStep), calls + 1);
  Unload();
  remove_game_file("slate_pane_morrowfen/slatepane_VC.ini");
  EXPECT_EQ(refhost::check_restored(*before_, *image_), "");
}

TEST_F(PluginInHost, UnknownBuildIsLeftAlone) {
  Load(0);
  const std::size_t written = refhost::play(*image_, refhost::Scenario{}, 3, true);
  Unload();
  EXPECT_TRUE(refhost::draw_log().calls().empty());
  EXPECT_EQ(refhost::check_inert(*before_, *image_, written), "");
}

TEST_F(PluginInHost, LoadsAgainIntoAnotherBuild) {
  for (int version : {100, 120}) {
    SCOPED_TRACE(version);
    Load(version);
    EXPECT_EQ(refhost::draw_log().calls().size(), static_cast<std::size_t>(kHolders));
    Unload();
    EXPECT_EQ(refhost::check_restored(*before_, *image_), "");
    refhost::set_current_image(previous_);
  }
}

}  // namespace
