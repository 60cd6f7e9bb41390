#include "scenario.h"

#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>

#include "draw_log.h"
#include "foreign_patch.h"
#include "host_image.h"
#include "os_shim.h"
#include "runtime/host_interface.h"
#include "runtime/host_record.h"
#include "services/player.h"

extern "C" std::int16_t GetKeyState(int virtual_key);

namespace {

using refhost::Scenario;

TEST(Scenario, ReadsEveryEntry) {
  const Scenario sc = Scenario::parse(R"({
    "screen": {"width": 1920, "height": 1080},
    "clock": {"start_ms": 5000, "frame_ms": 40},
    "frames": 7,
    "start": {"set": {"HostTime.NowMs": 1}, "keys": {"80": true}},
    "at": {"3": {"keys": {"80": false},
                 "foreign_patches": {"HostSite.HudDraw": "call HostSite.RadarPatch",
                                     "HostSite.FrameStep": "constant"}}}
  })");
  EXPECT_EQ(sc.width, 1920);
  EXPECT_EQ(sc.height, 1080);
  EXPECT_EQ(sc.clock_start_ms, 5000);
  EXPECT_EQ(sc.frame_ms, 40);
  EXPECT_EQ(sc.frames, 7);
  EXPECT_EQ(sc.start.set.at("HostTime.NowMs"), 1);
  EXPECT_TRUE(sc.start.keys.at(80));
  EXPECT_FALSE(sc.at.at(3).keys.at(80));
  const std::vector<refhost::ForeignPatch>& patches = sc.at.at(3).foreign_patches;
  ASSERT_EQ(patches.size(), 2u);
  EXPECT_EQ(patches[0].site, HostSite::FrameStep);
  EXPECT_FALSE(patches[0].calls.has_value());
  EXPECT_EQ(patches[1].site, HostSite::HudDraw);
  EXPECT_EQ(patches[1].calls, HostSite::RadarPatch);
}

TEST(Scenario, RejectsWhatItDoesNotKnow) {
  const char* bad[] = {
      R"({"start": {"sett": {}}})",
      R"({"start": {"set": []}})",
      R"({"at": {"x": {}}})",
      R"({"screen": {"width": "wide"}})",
      R"({"start": )",
      R"({"frame": 3})",
      R"([1, 2])",
      R"({"at": {"2": {"foreign_patches": {"HostSite.HudDraw": "jump"}}}})",
      R"({"at": {"2": {"foreign_patches": {"HostSite.HudDraw": "call HostSite.Nowhere"}}}})",
      R"({"at": {"2": {"foreign_patches": {"HudDraw": "constant"}}}})",
      R"({"at": {"2": {"foreign_patches": {"HostSite.HudDraw": 1}}}})",
      R"({"at": {"2": {"foreign_patches": ["HostSite.HudDraw"]}}})",
      // Only while the plug-in is loaded.
      R"({"start": {"foreign_patches": {"HostSite.HudDraw": "constant"}}})",
  };
  for (const char* text : bad) {
    SCOPED_TRACE(text);
    EXPECT_THROW(Scenario::parse(text), std::runtime_error);
  }
}

// What the other patcher leaves at each site it rewrote in the frames played:
// the restoration check's exceptions.
TEST(Scenario, ForeignSitesHoldTheLastRewriteOfTheFramesPlayed) {
  const Scenario sc = Scenario::parse(R"({"at": {
    "2": {"foreign_patches": {"HostSite.HudDraw": "constant"}},
    "3": {"foreign_patches": {"HostSite.HudDraw": "call HostSite.RadarPatch",
                              "HostSite.FrameStep": "constant"}}
  }})");
  const refhost::HostImage& image = *refhost::current_image();
  const refhost::Instruction constant = refhost::load_constant();
  const refhost::Instruction call =
      refhost::call_elsewhere(image, HostSite::HudDraw, HostSite::RadarPatch);
  struct Case {
    int frames;
    std::vector<std::pair<HostSite, refhost::Instruction>> sites;
  };
  const Case cases[] = {
      {1, {}},
      {2, {{HostSite::HudDraw, constant}}},
      {3, {{HostSite::FrameStep, constant}, {HostSite::HudDraw, call}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.frames);
    std::vector<std::pair<HostSite, refhost::Instruction>> sites;
    for (const refhost::ForeignSite& f : refhost::foreign_sites(image, sc, c.frames)) {
      sites.emplace_back(f.site, f.bytes);
    }
    EXPECT_EQ(sites, c.sites);
  }
  const refhost::HostImage unknown(0);
  EXPECT_TRUE(refhost::foreign_sites(unknown, sc, 3).empty()) << "a build without call sites";
}

class HostState : public testing::Test {
 protected:
  refhost::HostImage& image = *refhost::current_image();
  // The player's records as the host starts them: a character, on foot.
  void SetUp() override { refhost::player::reset(); }
  void TearDown() override {
    refhost::player::reset();
    std::memset(HostText::BigMessageSlots(), 0, 6 * 128 * 2);
    HostPlayer::WantedLevel() = 0;
    HostText::BigMessageTimers()[2] = 0;
    std::memset(HostRadar::Blips(), 0, 32 * 56);
    std::memset(HostScriptText::Lines(), 0, 48 * 244);
    refhost::os_shim::release_all_keys();
  }
  void Set(const std::string& name, const nlohmann::json& value) {
    refhost::set_host_variable(image, name, value);
  }
};

TEST_F(HostState, SetsVariablesByTheirAddressMapNames) {
  Set("HostPlayer.WantedLevel", 3);
  EXPECT_EQ(HostPlayer::WantedLevel(), 3u);
  Set("HostText.BigMessageSlots", "MISSION \u00e9");
  EXPECT_EQ(std::u16string(HostText::BigMessageSlots()), u"MISSION \u00e9");
  Set("HostText.BigMessageTimers", nlohmann::json::array({0, 0, 2.5}));
  EXPECT_EQ(HostText::BigMessageTimers()[2], 2.5f);
  EXPECT_THROW(Set("HostZone.Name", 1), std::runtime_error);        // a host pointer
  EXPECT_THROW(Set("HostTime.NowMs", "soon"), std::runtime_error);  // not a number
  EXPECT_THROW(Set("HostNothing.Here", 1), std::runtime_error);
}

TEST_F(HostState, SetsRecordFieldsByDocumentedNames) {
  Set("Character.WeaponType[3]", 22);
  Set("Character.CurrentSlot", 3);
  Set("Vehicle.Station", 10);
  Set("Pad[1].Word24", 1);
  Set("WeaponInfo[22].ClipSize", 30);
  Set("Blip[5].Sprite", 16);
  Set("Blip[5].X", 12.5);
  Set("ScriptText[2].Text", "HELLO");
  Set("ScriptText[2].Colour", nlohmann::json::array({1, 2, 3, 4}));
  Set("OnscreenTimer.Counter[1].Kind", 1);
  Set("OnscreenTimer.Counter[1].Value", "50");

  void* character = HostPlayer::GetCharacter();
  ASSERT_NE(character, nullptr);
  EXPECT_EQ(read_field<std::int32_t>(character, 1032 + 3 * 24), 22);
  EXPECT_EQ(read_field<std::uint8_t>(character, 1284), 3);
  EXPECT_EQ(read_field<std::uint16_t>(HostPad::Get(1), 24), 1);
  EXPECT_EQ(read_field<std::int32_t>(HostWeaponInfo::Get(22), 0), 30);
  EXPECT_EQ(read_field<std::uint16_t>(HostRadar::Blips(), 5 * 56 + 52), 16);
  EXPECT_EQ(read_field<float>(HostRadar::Blips(), 5 * 56 + 24), 12.5f);
  EXPECT_EQ(read_field<char16_t>(HostScriptText::Lines(), 2 * 244 + 44), u'H');
  EXPECT_EQ(read_field<Rgba>(HostScriptText::Lines(), 2 * 244 + 8), (Rgba{1, 2, 3, 4}));
  EXPECT_EQ(read_field<std::uint16_t>(HostOnscreenTimer::Entries(), 120 + 10), 1);
  EXPECT_STREQ(reinterpret_cast<const char*>(HostOnscreenTimer::Entries()) + 120 + 12, "50");

  // On foot by default; a scenario seats the player or takes the player away.
  EXPECT_EQ(HostPlayer::GetVehicle(), nullptr);
  Set("Vehicle.Present", true);
  ASSERT_NE(HostPlayer::GetVehicle(), nullptr);
  EXPECT_EQ(read_field<std::uint8_t>(HostPlayer::GetVehicle(), 572), 10);
  Set("Character.Present", false);
  EXPECT_EQ(HostPlayer::GetCharacter(), nullptr);
}

TEST_F(HostState, RecordFieldsCheckIndexAndValue) {
  EXPECT_THROW(Set("Blip[32].Type", 1), std::runtime_error);
  EXPECT_THROW(Set("Character.CurrentSlot[1]", 1), std::runtime_error);
  EXPECT_THROW(Set("ScriptText[0].Text", std::string(100, 'x')), std::runtime_error);
  EXPECT_THROW(Set("ScriptText[0].Colour", nlohmann::json::array({1, 2})), std::runtime_error);
  EXPECT_THROW(Set("Blip[1].Colour", 1), std::runtime_error);
}

TEST_F(HostState, KeysReachGetKeyState) {
  refhost::ScenarioStep step;
  step.keys[0x50] = true;
  step.keys[0x4F] = false;
  refhost::apply_step(image, step);
  EXPECT_NE(GetKeyState(0x50) & 0x8000, 0);
  EXPECT_EQ(GetKeyState(0x4F), 0);
  step.keys[0x50] = false;
  refhost::apply_step(image, step);
  EXPECT_EQ(GetKeyState(0x50), 0);
}

}  // namespace
