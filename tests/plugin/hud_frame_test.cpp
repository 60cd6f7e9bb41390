#include "plugin/hud_frame.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "draw_log.h"
#include "host_image.h"
#include "os_shim.h"
#include "runtime/host_interface.h"
#include "settings/hud_settings.h"
#include "support/game_folder.h"

namespace {

using refhost::os_shim::fail_next_protections;
using refhost::os_shim::protect_calls;

constexpr HostId kSuppressed[] = {HostId::HostHud_DrawPlayerInfo, HostId::HostHud_DrawTimers,
                                  HostId::HostHud_DrawMessages};
constexpr const char* kLayoutFile = "slate_pane_morrowfen/slatepane_VC.ini";

std::array<unsigned char, 4> EntryBytes(HostId id) {
  std::array<unsigned char, 4> bytes{};
  std::memcpy(bytes.data(), refhost::current_image()->symbol(id), 4);
  return bytes;
}

class HudFrameTest : public testing::Test {
 protected:
  void SetUp() override {
    refhost::current_image()->rewrite_code();
    HostMenu::Active() = 0;
    HostMenu::ShowHud() = 1;
    HostCamera::Widescreen() = 0;
    HostTime::Scale() = 0.5f;
    hud_settings = HudSettings{};
    write_game_file(kLayoutFile, "MONEY_POS_TOP = 12 ; moved up\n");
    refhost::draw_log().clear();
  }
  void TearDown() override {
    remove_game_file(kLayoutFile);
    hud_settings = HudSettings{};
    refhost::current_image()->rewrite_code();
  }

  static void ExpectSuppressed() {
    for (HostId id : kSuppressed) {
      SCOPED_TRACE(host_symbol(id).name);
      EXPECT_EQ(EntryBytes(id), (std::array<unsigned char, 4>{0xC3, 0x00, 0x00, 0x00}));
    }
  }
};

TEST_F(HudFrameTest, HudProperRunsAndPutsTimeScaleBack) {
  HudFrame();
  ExpectSuppressed();
  EXPECT_EQ(hud_settings.MONEY_POS_TOP, 12.0f);
  EXPECT_EQ(HostTime::Scale(), 1.0f);
  // The HUD proper ran: the radar drew its map layer, then the weapon wheel
  // looked its ring up.
  std::vector<std::string> lookups;
  for (const auto& call : refhost::draw_log().named("HostTxd.FindTexture"))
    lookups.push_back(call.text_arg(1));
  ASSERT_GE(lookups.size(), 2u);
  EXPECT_EQ(lookups[0], "clrect");
  EXPECT_EQ(lookups[1], "sring");
  EXPECT_EQ(refhost::draw_log().named("HostRadar.DrawMapLayer").size(), 1u);
}

TEST_F(HudFrameTest, GatesStillReadSettingsAndPatch) {
  struct Case {
    const char* name;
    std::uint8_t active, show_hud, widescreen;
  };
  const Case cases[] = {
      {"menu open", 1, 1, 0},
      {"hud off", 0, 0, 0},
      {"widescreen", 0, 1, 1},
      {"menu open, hud off", 1, 0, 0},
      {"menu open, widescreen", 1, 1, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    refhost::current_image()->rewrite_code();
    hud_settings = HudSettings{};
    HostMenu::Active() = c.active;
    HostMenu::ShowHud() = c.show_hud;
    HostCamera::Widescreen() = c.widescreen;
    HostTime::Scale() = 0.5f;
    HudFrame();
    ExpectSuppressed();
    EXPECT_EQ(hud_settings.MONEY_POS_TOP, 12.0f);
    EXPECT_EQ(HostTime::Scale(), 0.5f);
  }
}

TEST_F(HudFrameTest, SettingsEditsShowOnTheNextFrame) {
  HudFrame();
  EXPECT_EQ(hud_settings.MONEY_POS_TOP, 12.0f);
  write_game_file(kLayoutFile, "MONEY_POS_TOP 44\n");
  HudFrame();
  EXPECT_EQ(hud_settings.MONEY_POS_TOP, 44.0f);
  remove_game_file(kLayoutFile);
  HudFrame();
  EXPECT_EQ(hud_settings.MONEY_POS_TOP, 30.0f);
}

TEST_F(HudFrameTest, EachReturnCostsTwoProtectionChanges) {
  const int before = protect_calls();
  HudFrame();
  EXPECT_EQ(protect_calls() - before, 6);
  // Writing the same bytes again is harmless.
  HudFrame();
  ExpectSuppressed();
}

TEST_F(HudFrameTest, FailedProtectionChangeLeavesHostCodeAlone) {
  const std::array<unsigned char, 4> original = EntryBytes(kSuppressed[0]);
  fail_next_protections(1000);
  HudFrame();
  fail_next_protections(0);
  for (HostId id : kSuppressed) EXPECT_EQ(EntryBytes(id), original);
  EXPECT_EQ(hud_settings.MONEY_POS_TOP, 12.0f);
}

TEST_F(HudFrameTest, UnpatchedHostRoutineRunsAndIsRecorded) {
  // Before the pass the host's own routine is live code; afterwards it returns at once.
  HostHud::DrawTimers();
  ASSERT_EQ(refhost::draw_log().calls().size(), 1u);
  EXPECT_EQ(refhost::draw_log().calls()[0].name, "HostHud.DrawTimers");
  HudFrame();
  refhost::draw_log().clear();
  HostHud::DrawTimers();
  EXPECT_TRUE(refhost::draw_log().calls().empty());
}

}  // namespace
