#include "wheels/weapon_wheel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <limits>
#include <string>
#include <vector>

#include "runtime/host_interface.h"
#include "runtime/host_record.h"
#include "services/player.h"
#include "settings/hud_settings.h"
#include "wheels/wheel_geometry.h"
#include "wheels/wheel_test.h"

namespace {

using Lines = std::vector<std::string>;

void Carry(int slot, int type) {
  write_field<std::int32_t>(refhost::player::character(), 1032 + 24 * slot, type);
}

void SelectSlot(int slot) { refhost::player::character()[1284] = static_cast<std::uint8_t>(slot); }

void WeaponSteps() {
  UpdateWheelGeometry();
  WeaponWheel();
}

using WeaponWheelTest = WheelTest;

// H = 1080 and a multiplier of 2 give r = 270: both squares 540 pixels wide.
TEST_F(WeaponWheelTest, RingAQuarterTurnIndicatorMinus36DegreesPerSlot) {
  const std::string ring =
      "\"sring\" 689.82935 809.8292 1229.8292 810.17065 690.1708 269.82935 1230.1707 270.17075";
  const std::pair<int, std::string> indicators[] = {
      {0, "\"shl\" 1230 810 1230 270 690 810 690 270"},
      {3,
       "\"shl\" 1133.0925 199.64873 619.64874 366.9075 1300.3513 713.09247 786.90753 "
       "880.35126"}};
  hud_settings.WEAP_WHEEL_SCALE_MULTIPLIER = 2;
  Hold(kKeyOne);
  for (const auto& [slot, indicator] : indicators) {
    SCOPED_TRACE(slot);
    SelectSlot(slot);
    WeaponSteps();
    ClearLog();
    WeaponSteps();  // the indicator follows the slot one frame late
    EXPECT_EQ(Texts("HostSprite.DrawQuad", 0), (Lines{"sring", "shl"}));
    EXPECT_EQ(Calls("HostSprite.DrawQuad").at(0).text(),
              "HostSprite.DrawQuad " + ring + " 220 172 2 255");
    EXPECT_EQ(Calls("HostSprite.DrawQuad").at(1).text(),
              "HostSprite.DrawQuad " + indicator + " 220 172 2 255");
  }
}

// Slot 0 shows its icon for types 0 and 1 only; slots 1 to 9 for any type but 0.
TEST_F(WeaponWheelTest, IconsOfCarriedSlotsRoundTheCentre) {
  const struct {
    int slot, type;
    Lines icons;
  } cases[] = {{0, 0, {"0"}}, {0, 1, {"1"}}, {0, 17, {}}, {5, 0, {"0"}}, {5, 0x111, {"0", "17"}}};
  Hold(kKeyOne);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.slot * 1000 + c.type);
    refhost::player::reset();
    Carry(c.slot, c.type);
    ClearLog();
    WeaponSteps();
    EXPECT_EQ(Texts("HostSprite.Draw", 0), c.icons);
  }
  hud_settings.SLOTPOS[1] = {{100, 100}, {200, 200}};
  Carry(1, 17);
  ClearLog();
  WeaponSteps();
  EXPECT_EQ(Calls("HostSprite.Draw").at(1).text(),
            "HostSprite.Draw \"17\" 1185 990 1410 781.0714 255 255 255 255");
}

TEST_F(WeaponWheelTest, CurrentWeaponNamedAtTheCentre) {
  Hold(kKeyOne);
  WeaponSteps();
  const Lines calls = Calls();
  const auto style = std::find(calls.begin(), calls.end(), "HostText.CentreOn");
  ASSERT_LE(style + 10, calls.end());
  EXPECT_EQ(Lines(style, style + 10),
            (Lines{"HostText.CentreOn", "HostColour.Make 255 255 255 255",
                   "HostText.SetColour 255 255 255 255", "HostText.SetFont 2",
                   "HostText.SetShadowSize 1", "HostColour.Make 0 0 0 255",
                   "HostText.SetShadowColour 0 0 0 255", "HostText.SetScale 0.959175 1.9767857",
                   "HostText.ModeA", "HostText.Print 960 540 \"Unarmed\""}));
  const std::pair<int, Lines> names[] = {{16, {"Camera"}},
                                         {36, {"Camera"}},
                                         {35, {"_"}},
                                         {13, {"Remote Detonation Grenades"}},
                                         {37, {}}};
  for (const auto& [type, name] : names) {
    SCOPED_TRACE(type);
    Carry(4, type);
    SelectSlot(4);
    ClearLog();
    WeaponSteps();
    EXPECT_EQ(Texts("HostText.Print", 2), name);
  }
}

// Open while a key is held and a second after; '2' and the right button hide
// it, and veto the trigger, without moving the deadline.
TEST_F(WeaponWheelTest, OpenASecondAfterItsKeys) {
  const struct {
    int now;
    std::initializer_list<int> held;
    int visible, until;
  } script[] = {
      {0, {kKeyOne}, 1, 1000},
      {3000, {kKeyOne}, 1, 4000},
      {3020, {}, 1, 4000},
      {4000, {}, 1, 4000},
      {4020, {}, 0, 4000},
      {5000, {kKeyMiddleMouse, kKeyRightMouse}, 0, 4000},
      {5000, {kKeyMiddleMouse}, 1, 6000},
      {5100, {kKeyTwo}, 0, 6000},
      {5400, {}, 1, 6000},
      {6000, {}, 1, 6000},
      {6020, {}, 0, 6000},
  };
  for (const auto& beat : script) {
    SCOPED_TRACE(beat.now);
    for (int key : beat.held) Hold(key);
    SetClock(beat.now);
    WeaponSteps();
    for (int key : beat.held) Hold(key, false);
    EXPECT_EQ(weapon_wheel_state.WeaponWheelVisible, beat.visible);
    EXPECT_EQ(weapon_wheel_state.WeaponWheelUntil, beat.until);
  }
  HostInput::Buttons()[4] = 1;  // the host's buttons open it as well
  WeaponSteps();
  EXPECT_EQ(weapon_wheel_state.WeaponWheelUntil, 7020);
}

// Corners that are not finite single floats are never handed to the host.
TEST_F(WeaponWheelTest, NotDrawnWithANonFiniteGeometry) {
  Hold(kKeyOne);
  for (float multiplier : {0.0f, std::numeric_limits<float>::quiet_NaN(), 1e-40f}) {
    SCOPED_TRACE(multiplier);
    hud_settings.WEAP_WHEEL_SCALE_MULTIPLIER = multiplier;
    ClearLog();
    WeaponSteps();
    EXPECT_EQ(weapon_wheel_state.WeaponWheelVisible, 0);
    EXPECT_TRUE(Calls("HostSprite.DrawQuad").empty() && Calls("HostSprite.Draw").empty());
  }
}

TEST_F(WeaponWheelTest, WithoutAPlayerTheSnapshotIsEmptyAndNothingIsNamed) {
  Carry(3, 22);
  SelectSlot(3);
  refhost::player::set_character_present(false);
  Hold(kKeyOne);
  WeaponSteps();
  EXPECT_EQ(weapon_wheel_state.snapshot.current_slot, 0);
  EXPECT_EQ(Texts("HostSprite.Draw", 0), Lines{"0"});
  EXPECT_TRUE(Calls("HostText.Print").empty());
}

}  // namespace
