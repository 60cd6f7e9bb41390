#include "wheels/radio_wheel.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "plugin/hud_frame.h"
#include "runtime/host_interface.h"
#include "services/player.h"
#include "services/radio.h"
#include "settings/hud_settings.h"
#include "wheels/weapon_wheel.h"
#include "wheels/wheel_keys.h"
#include "wheels/wheel_test.h"

namespace {

using Lines = std::vector<std::string>;

// A value neither wheel writes, to see whether a frame wrote the time scale.
constexpr float kUntouched = 0.75f;

class RadioWheelTest : public WheelTest {
 protected:
  static void Frame(int now) {
    SetClock(now);
    HostTime::Scale() = kUntouched;
    RadioWheel();
  }
};

// 0.5 in every triggering frame, nothing while open, 1.0 once hidden.
TEST_F(RadioWheelTest, ThreeSecondsAfterTheKeyAndTheTimeScaleFrameByFrame) {
  EnterVehicle(3);
  Hold(kKeyR);
  const struct {
    int now, visible;
    float scale;
  } frames[] = {{1000, 1, 0.5f}, {1020, 1, kUntouched}, {4000, 1, kUntouched}, {4020, 0, 1.0f}};
  for (const auto& f : frames) {
    SCOPED_TRACE(f.now);
    Frame(f.now);
    Hold(kKeyR, false);
    EXPECT_EQ(radio_wheel_state.RadioWheelVisible, f.visible);
    EXPECT_EQ(HostTime::Scale(), f.scale);
  }
}

TEST_F(RadioWheelTest, WhichKeysOpenIt) {
  const struct {
    const char* name;
    std::initializer_list<int> keys;
    int button;  // a HostInput.Buttons byte held; neither wheel reads byte 0
    bool opens;
  } cases[] = {
      {"R", {kKeyR}, 0, true},
      {"2", {kKeyTwo}, 0, true},
      {"2 with button 3", {kKeyTwo}, 3, false},
      {"2 with button 4", {kKeyTwo}, 4, false},
      {"R with both weapon keys", {kKeyR, kKeyMiddleMouse, kKeyOne}, 0, false},
      {"R with the middle button", {kKeyR, kKeyMiddleMouse}, 0, true},
      {"X and R", {kKeyX, kKeyR}, 0, false},
  };
  EnterVehicle(3);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    radio_wheel_state = RadioWheelState{};
    for (int key : c.keys) Hold(key);
    HostInput::Buttons()[c.button] = 1;
    ClearLog();
    Frame(5000);
    for (int key : c.keys) Hold(key, false);
    HostInput::Buttons()[c.button] = 0;
    EXPECT_EQ(radio_wheel_state.RadioWheelUntil, c.opens ? 8000 : 0);
    EXPECT_EQ(HostTime::Scale(), c.opens ? 0.5f : 1.0f);
    EXPECT_EQ(Calls("HostAudio.SelectStation").size(), *c.keys.begin() == kKeyX ? 1u : 0u);
  }
}

TEST_F(RadioWheelTest, IconOverTheNameAtThreeQuarterOpacity) {
  hud_settings.RADIO_WHEEL_SCALE = 100;
  EnterVehicle(3);
  Hold(kKeyR);
  Frame(0);
  EXPECT_EQ(Calls(),
            (Lines{"HostPlayer.GetVehicle", "HostPlayer.GetCharacter",
                   "HostVehicle.OccupantCheck \"vehicle\" \"character\"",
                   "HostTxd.FindTexture \"radio_vc.txd\" \"3\"", "HostText.CentreOn",
                   "HostText.SetFont 2", "HostColour.Make 255 255 255 255",
                   "HostText.SetColour 255 255 255 255", "HostText.SetShadowSize 1",
                   "HostColour.Make 0 0 0 255", "HostText.SetShadowColour 0 0 0 255",
                   "HostText.SetScale 0.959175 1.9767857", "HostText.ModeA",
                   "HostText.Print 960 540 \"Fever 103\"", "HostColour.Make 255 255 255 192",
                   "HostSprite.Draw \"3\" 735 765 1185 298.9286 255 255 255 192"}));
}

// 'X' asks for station 10; the host switches, and the wheel names it.
TEST_F(RadioWheelTest, KeyXSwitchesTheRadioOff) {
  EnterVehicle(9);
  Hold(kKeyR);
  Frame(0);
  EXPECT_EQ(Texts("HostText.Print", 2), Lines{"MP3 Player"});
  Hold(kKeyR, false);
  Hold(kKeyX);
  Frame(20);  // read the station before asking
  ClearLog();
  Frame(40);
  EXPECT_EQ(Calls("HostAudio.SelectStation").at(0).text(), "HostAudio.SelectStation 10");
  EXPECT_EQ(Texts("HostText.Print", 2), Lines{"OFF"});
  EXPECT_EQ(Texts("HostSprite.Draw", 0), Lines{"10"});
}

TEST_F(RadioWheelTest, NothingOutsideAUsableVehicle) {
  const struct {
    const char* name;
    bool vehicle, character, locked;
    int station;
    Lines icons_searched;
  } cases[] = {
      {"on foot", false, true, false, 4, {"0"}},
      {"radio locked", true, true, true, 4, {"4"}},
      {"station above 10", true, true, false, 11, {}},
      {"no player character", true, false, false, 4, {"4"}},
  };
  Hold(kKeyR);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EnterVehicle(c.station);
    refhost::player::set_vehicle_present(c.vehicle);
    refhost::player::set_character_present(c.character);
    refhost::player::vehicle()[refhost::radio::kRadioLockedOffset] = c.locked;
    ClearLog();
    Frame(5000);
    EXPECT_EQ(radio_wheel_state.RadioWheelUntil, 0);
    EXPECT_EQ(HostTime::Scale(), kUntouched);
    EXPECT_EQ(Texts("HostTxd.FindTexture", 1), c.icons_searched);
    EXPECT_EQ(Calls("HostVehicle.OccupantCheck").size(), c.vehicle && c.character ? 1u : 0u);
  }
}

// Leaving the vehicle with the wheel open clears its flag and restores the
// time scale, so the weapon wheel draws again on foot.
TEST_F(RadioWheelTest, LeavingTheVehicleClosesIt) {
  EnterVehicle(3);
  Hold(kKeyR);
  Frame(1000);
  Hold(kKeyR, false);
  refhost::player::set_vehicle_present(false);
  Frame(1020);
  EXPECT_EQ(radio_wheel_state.RadioWheelVisible, 0);
  EXPECT_EQ(HostTime::Scale(), 1.0f);
  Hold(kKeyOne);
  WheelSteps();
  EXPECT_EQ(weapon_wheel_state.WeaponWheelVisible, 1);
}

// Through the HUD pass: one wheel at a time, and host time back at full speed.
TEST_F(RadioWheelTest, TheWheelsExcludeEachOther) {
  EnterVehicle(3);
  Hold(kKeyOne);
  Hold(kKeyR);
  HudFrame();  // both open: the weapon wheel draws, the radio wheel hides
  EXPECT_EQ(Texts("HostText.Print", 2), Lines{"Unarmed"});
  EXPECT_EQ(HostTime::Scale(), 1.0f);
  weapon_wheel_state = WeaponWheelState{};
  Hold(kKeyOne, false);
  SetClock(1100);
  HudFrame();  // the radio wheel alone
  Hold(kKeyR, false);
  Hold(kKeyMiddleMouse);
  ClearLog();
  HudFrame();  // the weapon wheel sees the radio wheel's flag
  EXPECT_EQ(weapon_wheel_state.WeaponWheelVisible, 0);
  EXPECT_EQ(Texts("HostText.Print", 2), Lines{"Fever 103"});
  EXPECT_EQ(HostTime::Scale(), 1.0f);
}

}  // namespace
