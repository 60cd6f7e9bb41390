#include "wheels/weapon_wheel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

#include "runtime/host_interface.h"
#include "runtime/host_record.h"
#include "services/player.h"
#include "settings/hud_settings.h"
#include "wheels/radio_wheel.h"
#include "wheels/wheel_geometry.h"
#include "wheels/wheel_test.h"

namespace {

using Floats8 = std::vector<float>;

void Carry(int slot, int type) {
  write_field<std::int32_t>(refhost::player::character(), 1032 + 24 * slot, type);
}

void SelectSlot(int slot) { refhost::player::character()[1284] = static_cast<std::uint8_t>(slot); }

// The HUD pass's geometry step and the weapon wheel update.
void WeaponSteps() {
  UpdateWheelGeometry();
  WeaponWheel();
}

using Step = std::pair<int, int>;  // clock (ms), WeaponWheelVisible expected
using WeaponWheelTest = WheelTest;

// Ring at a quarter turn of 22/7; the indicator -36 degrees per slot.
TEST_F(WeaponWheelTest, CornersOfRingAndIndicator) {
  const Floats8 ring = {689.82935f, 809.8292f,  1229.8292f, 810.17065f,
                        690.1708f,  269.82935f, 1230.1707f, 270.17075f};
  const Floats8 unrotated = {1230, 810, 1230, 270, 690, 810, 690, 270};
  const Floats8 slot3 = {1133.0925f, 199.64873f, 619.64874f, 366.9075f,
                         1300.3513f, 713.09247f, 786.90753f, 880.35126f};
  hud_settings.WEAP_WHEEL_SCALE_MULTIPLIER = 2;  // r = 270: 540-pixel squares
  Hold(kKeyOne);
  for (const auto& [slot, indicator] : {std::pair{0, unrotated}, std::pair{3, slot3}}) {
    SCOPED_TRACE(slot);
    weapon_wheel_state = WeaponWheelState{};
    SelectSlot(slot);
    WeaponSteps();
    ClearLog();
    WeaponSteps();  // the indicator follows the slot one frame late
    const auto quads = Calls("HostSprite.DrawQuad");
    ASSERT_EQ(quads.size(), 2u);
    EXPECT_EQ(quads[0].text_arg(0), "sring");
    EXPECT_EQ(Floats(quads[0], 1, 8), ring);
    EXPECT_EQ(quads[1].text_arg(0), "shl");
    EXPECT_EQ(Floats(quads[1], 1, 8), indicator);
    const std::vector<std::string> wheel_bg = {"220", "172", "2", "255"};
    EXPECT_EQ(std::vector<std::string>(quads[0].args.begin() + 9, quads[0].args.end()), wheel_bg);
  }
}

TEST_F(WeaponWheelTest, SlotRectangleUsesTheHorizontalRuleForItsBottom) {
  hud_settings.SLOTPOS[1] = {{100, 100}, {200, 200}};
  Carry(1, 17);
  Hold(kKeyOne);
  WeaponSteps();
  const auto draws = Calls("HostSprite.Draw");
  ASSERT_EQ(draws.size(), 2u);  // slot 0 (unarmed) and slot 1
  EXPECT_EQ(draws[1].text(), "HostSprite.Draw \"17\" 1185 990 1410 781.0714 255 255 255 255");
}

TEST_F(WeaponWheelTest, IconsOfCarriedSlotsOnly) {
  struct Case {
    int slot, type;
    std::vector<std::string> icons;
  };
  const Case cases[] = {{0, 0, {"0"}}, {0, 1, {"1"}},           {0, 17, {}},
                        {5, 0, {"0"}}, {5, 0x111, {"0", "17"}}, {9, 36, {"0", "36"}}};
  Hold(kKeyOne);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.slot * 1000 + c.type);
    refhost::player::reset();
    Carry(c.slot, c.type);
    ClearLog();
    WeaponSteps();
    EXPECT_EQ(Texts("HostSprite.Draw", 0), c.icons);
    std::vector<std::string> searched = {"sring", "shl"};
    searched.insert(searched.end(), c.icons.begin(), c.icons.end());
    EXPECT_EQ(Texts("HostTxd.FindTexture", 1), searched);
  }
}

TEST_F(WeaponWheelTest, CurrentWeaponNamedAtTheCentre) {
  Hold(kKeyOne);
  WeaponSteps();
  const std::vector<std::string> calls = Calls();
  const auto style = std::find(calls.begin(), calls.end(), "HostText.CentreOn");
  ASSERT_LE(style + 11, calls.end());
  EXPECT_EQ(
      std::vector<std::string>(style, style + 11),
      (std::vector<std::string>{
          "HostText.CentreOn", "HostColour.Make 255 255 255 255",
          "HostText.SetColour 255 255 255 255", "HostText.SetFont 2", "HostText.SetShadowSize 1",
          "HostColour.Make 0 0 0 255", "HostText.SetShadowColour 0 0 0 255",
          "HostText.SetScale 0.959175 1.9767857", "HostText.ModeA",
          "HostText.Print 960 540 \"Unarmed\"", "HostTxd.FindTexture \"ring_vc.txd\" \"0\""}));
  const std::pair<int, const char*> names[] = {
      {16, "Camera"}, {36, "Camera"}, {35, "_"}, {29, "Laser Scoped Sniper Rifle"}, {37, nullptr}};
  for (const auto& [type, name] : names) {
    SCOPED_TRACE(type);
    Carry(4, type);
    SelectSlot(4);
    ClearLog();
    WeaponSteps();
    EXPECT_EQ(Texts("HostText.Print", 2),
              name ? std::vector<std::string>{name} : std::vector<std::string>{});
  }
}

TEST_F(WeaponWheelTest, OpenWhileTheKeyIsHeldAndOneSecondAfter) {
  Hold(kKeyOne);
  for (int now = 0; now <= 3000; now += 20) {
    SetClock(now);
    WeaponSteps();
    ASSERT_EQ(weapon_wheel_state.WeaponWheelVisible, 1) << now;
  }
  Hold(kKeyOne, false);
  for (const auto& [now, visible] : {Step{3020, 1}, Step{4000, 1}, Step{4020, 0}}) {
    SetClock(now);
    WeaponSteps();
    EXPECT_EQ(weapon_wheel_state.WeaponWheelVisible, visible) << now;
  }
  EXPECT_EQ(weapon_wheel_state.WeaponWheelUntil, 4000);
}

TEST_F(WeaponWheelTest, KeyTwoAndTheRightButtonHideWithoutClosing) {
  SetClock(5000);
  Hold(kKeyMiddleMouse);
  Hold(kKeyRightMouse);
  WeaponSteps();
  EXPECT_EQ(weapon_wheel_state.WeaponWheelUntil, 0);
  EXPECT_EQ(weapon_wheel_state.WeaponWheelVisible, 0);
  Hold(kKeyRightMouse, false);
  WeaponSteps();  // opens until 6000
  Hold(kKeyMiddleMouse, false);
  Hold(kKeyTwo);
  SetClock(5100);
  WeaponSteps();
  EXPECT_EQ(weapon_wheel_state.WeaponWheelVisible, 0);
  Hold(kKeyTwo, false);
  for (const auto& [now, visible] : {Step{5400, 1}, Step{6000, 1}, Step{6020, 0}}) {
    SetClock(now);
    WeaponSteps();
    EXPECT_EQ(weapon_wheel_state.WeaponWheelVisible, visible) << now;
  }
}

TEST_F(WeaponWheelTest, HostButtonsOpenItToo) {
  for (int byte : {3, 4}) {
    SCOPED_TRACE(byte);
    weapon_wheel_state = WeaponWheelState{};
    SetClock(5000);
    HostInput::Buttons()[byte] = 1;
    WeaponSteps();
    HostInput::Buttons()[byte] = 0;
    EXPECT_EQ(weapon_wheel_state.WeaponWheelUntil, 6000);
  }
}

TEST_F(WeaponWheelTest, NotDrawnWhileTheRadioWheelShows) {
  radio_wheel_state.RadioWheelVisible = 1;
  Hold(kKeyOne);
  UpdateWheelGeometry();
  WeaponWheel();
  EXPECT_EQ(weapon_wheel_state.WeaponWheelVisible, 0);
  EXPECT_TRUE(Calls("HostSprite.DrawQuad").empty());
}

// A multiplier of 0 (or one that overflows the corners) would hand the host
// infinite corners: the wheel is not drawn, and the radio wheel may show.
TEST_F(WeaponWheelTest, NonFiniteGeometryIsNotDrawn) {
  Hold(kKeyOne);
  for (float multiplier : {0.0f, std::numeric_limits<float>::quiet_NaN(), 1e-40f}) {
    SCOPED_TRACE(multiplier);
    hud_settings.WEAP_WHEEL_SCALE_MULTIPLIER = multiplier;
    ClearLog();
    WeaponSteps();
    EXPECT_EQ(weapon_wheel_state.WeaponWheelVisible, 0);
    EXPECT_TRUE(Calls("HostSprite.DrawQuad").empty());
    EXPECT_TRUE(Calls("HostSprite.Draw").empty());
  }
}

TEST_F(WeaponWheelTest, WithoutAPlayerTheSnapshotIsEmptyAndNothingIsNamed) {
  Carry(3, 22);
  SelectSlot(3);
  refhost::player::set_character_present(false);
  Hold(kKeyOne);
  WeaponSteps();
  EXPECT_EQ(weapon_wheel_state.snapshot.current_slot, 0);
  EXPECT_EQ(Texts("HostSprite.Draw", 0), std::vector<std::string>{"0"});
  EXPECT_TRUE(Calls("HostText.Print").empty());
}

}  // namespace
