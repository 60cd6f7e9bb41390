#include "settings/settings_poll.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "os_shim.h"
#include "settings/hud_settings.h"
#include "support/game_folder.h"

namespace {

class SettingsPollTest : public testing::Test {
 protected:
  static constexpr const char* kLayout = "slate_pane_morrowfen/slatepane_VC.ini";
  void TearDown() override {
    remove_game_file(kLayout);
    refhost::os_shim::release_all_keys();
    hud_settings = HudSettings{};
  }
  // Puts a marker in the file; the poll has read it when the record shows it.
  bool PollReads(std::int32_t reload_key) {
    write_game_file(kLayout,
                    "MONEY_POS_TOP 77\nRELOAD_SETTINGS " + std::to_string(reload_key) + "\n");
    hud_settings = HudSettings{};
    hud_settings.RELOAD_SETTINGS = reload_key;
    SettingsPoll();
    return hud_settings.MONEY_POS_TOP == 77.0f;
  }
};

TEST_F(SettingsPollTest, ReadsByTheReloadKey) {
  EXPECT_FALSE(PollReads(0));
  EXPECT_TRUE(PollReads(-1));
  EXPECT_FALSE(PollReads(82));
  refhost::os_shim::set_key_down(82, true);
  EXPECT_TRUE(PollReads(82));
  EXPECT_FALSE(PollReads(83));
}

}  // namespace
