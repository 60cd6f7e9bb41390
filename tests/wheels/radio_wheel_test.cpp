#include "wheels/radio_wheel.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "frame/hud_frame.h"
#include "runtime/host_interface.h"
#include "services/player.h"
#include "services/radio.h"
#include "settings/hud_settings.h"
#include "wheels/weapon_wheel.h"
#include "wheels/wheel_keys.h"
#include "wheels/wheel_test.h"

namespace {

// A value neither wheel writes, to see whether a frame wrote the time scale.
constexpr float kUntouched = 0.75f;

class RadioWheelTest : public WheelTest {
 protected:
  static void Frame(int now) {
    SetClock(now);
    HostTime::Scale() = kUntouched;
    RadioWheel();
  }
  static void HoldOnly(std::initializer_list<int> keys) {
    for (int key : {kKeyR, kKeyTwo, kKeyX, kKeyMiddleMouse, kKeyOne}) Hold(key, false);
    for (int key : keys) Hold(key);
  }
};

TEST_F(RadioWheelTest, ThreeSecondsAfterTheKeyAtHalfTimeWhileTriggered) {
  EnterVehicle(3);
  Hold(kKeyR);
  Frame(1000);
  EXPECT_EQ(radio_wheel_state.RadioWheelUntil, 4000);
  Hold(kKeyR, false);
  struct Step {
    int now;
    int visible;
    float scale;
  };
  const Step steps[] = {{1020, 1, kUntouched}, {4000, 1, kUntouched}, {4020, 0, 1.0f}};
  for (const Step& step : steps) {
    SCOPED_TRACE(step.now);
    Frame(step.now);
    EXPECT_EQ(radio_wheel_state.RadioWheelVisible, step.visible);
    EXPECT_EQ(HostTime::Scale(), step.scale);
  }
  Hold(kKeyR);
  Frame(5000);
  EXPECT_EQ(HostTime::Scale(), 0.5f);
}

TEST_F(RadioWheelTest, WhichKeysOpenIt) {
  struct Case {
    const char* name;
    std::initializer_list<int> keys;
    int button;  // HostInput.Buttons byte held, or -1
    bool opens;
  };
  const Case cases[] = {
      {"R", {kKeyR}, -1, true},
      {"2", {kKeyTwo}, -1, true},
      {"2 with button 3", {kKeyTwo}, 3, false},
      {"2 with button 4", {kKeyTwo}, 4, false},
      {"R with both weapon keys", {kKeyR, kKeyMiddleMouse, kKeyOne}, -1, false},
      {"R with the middle button", {kKeyR, kKeyMiddleMouse}, -1, true},
      {"X and R", {kKeyX, kKeyR}, -1, false},
  };
  EnterVehicle(3);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    radio_wheel_state = RadioWheelState{};
    HoldOnly(c.keys);
    if (c.button >= 0) HostInput::Buttons()[c.button] = 1;
    Frame(5000);
    if (c.button >= 0) HostInput::Buttons()[c.button] = 0;
    EXPECT_EQ(radio_wheel_state.RadioWheelUntil, c.opens ? 8000 : 0);
    EXPECT_EQ(HostTime::Scale(), c.opens ? 0.5f : 1.0f);
  }
}

// 'X' asks for station 10 in every frame it is held; the host switches, and
// the wheel then names it.
TEST_F(RadioWheelTest, KeyXSwitchesTheRadioOff) {
  EnterVehicle(9);
  Hold(kKeyR);
  Frame(0);
  EXPECT_EQ(Texts("HostText.Print", 2), std::vector<std::string>{"MP3 Player"});
  Hold(kKeyR, false);
  Hold(kKeyX);
  ClearLog();
  Frame(20);
  Frame(40);
  EXPECT_EQ(Calls("HostAudio.SelectStation").size(), 2u);
  EXPECT_EQ(Calls("HostAudio.SelectStation")[0].text(), "HostAudio.SelectStation 10");
  EXPECT_EQ(Texts("HostText.Print", 2), (std::vector<std::string>{"MP3 Player", "OFF"}));
  EXPECT_EQ(Texts("HostSprite.Draw", 0), (std::vector<std::string>{"9", "10"}));
}

TEST_F(RadioWheelTest, IconOverTheNameAtThreeQuarterOpacity) {
  hud_settings.RADIO_WHEEL_SCALE = 100;
  EnterVehicle(3);
  Hold(kKeyR);
  Frame(0);
  EXPECT_EQ(Calls(), (std::vector<std::string>{
                         "HostPlayer.GetVehicle", "HostPlayer.GetCharacter",
                         "HostVehicle.OccupantCheck \"vehicle\" \"character\"",
                         "HostTxd.FindTexture \"radio_vc.txd\" \"3\"", "HostText.CentreOn",
                         "HostText.SetFont 2", "HostColour.Make 255 255 255 255",
                         "HostText.SetColour 255 255 255 255", "HostText.SetShadowSize 1",
                         "HostColour.Make 0 0 0 255", "HostText.SetShadowColour 0 0 0 255",
                         "HostText.SetScale 0.959175 1.9767857", "HostText.ModeA",
                         "HostText.Print 960 540 \"Fever 103\"", "HostColour.Make 255 255 255 192",
                         "HostSprite.Draw \"3\" 735 765 1185 298.9286 255 255 255 192"}));
}

TEST_F(RadioWheelTest, NothingOutsideAUsableVehicle) {
  struct Case {
    const char* name;
    bool vehicle, character, locked;
    int station;
    std::vector<std::string> icons_searched;
  };
  const Case cases[] = {
      {"on foot", false, true, false, 4, {"0"}},
      {"radio locked", true, true, true, 4, {"4"}},
      {"station above 10", true, true, false, 11, {}},
      {"no player character", true, false, false, 4, {"4"}},
  };
  Hold(kKeyR);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    refhost::player::reset();
    EnterVehicle(c.station);
    refhost::player::set_vehicle_present(c.vehicle);
    refhost::player::set_character_present(c.character);
    refhost::player::vehicle()[refhost::radio::kRadioLockedOffset] = c.locked;
    ClearLog();
    Frame(5000);
    EXPECT_EQ(radio_wheel_state.RadioWheelUntil, 0);
    EXPECT_EQ(HostTime::Scale(), kUntouched);
    EXPECT_EQ(Texts("HostTxd.FindTexture", 1), c.icons_searched);
    EXPECT_TRUE(Calls("HostSprite.Draw").empty());
  }
}

// Leaving the vehicle with the wheel open clears its flag and restores the
// time scale, so the weapon wheel can draw on foot.
TEST_F(RadioWheelTest, LeavingTheVehicleClosesIt) {
  for (bool on_foot : {true, false}) {
    SCOPED_TRACE(on_foot ? "on foot" : "station above 10");
    refhost::player::reset();
    weapon_wheel_state = WeaponWheelState{};
    EnterVehicle(3);
    Hold(kKeyR);
    Frame(1000);
    Hold(kKeyR, false);
    ASSERT_EQ(radio_wheel_state.RadioWheelVisible, 1);
    if (on_foot) refhost::player::set_vehicle_present(false);
    if (!on_foot) EnterVehicle(12);
    Frame(1020);
    EXPECT_EQ(radio_wheel_state.RadioWheelVisible, 0);
    EXPECT_EQ(HostTime::Scale(), 1.0f);
    Hold(kKeyOne);
    WheelSteps();
    Hold(kKeyOne, false);
    EXPECT_EQ(weapon_wheel_state.WeaponWheelVisible, 1);
  }
}

// Through the HUD pass: one wheel at a time, and host time back at full speed.
TEST_F(RadioWheelTest, TheWheelsExcludeEachOther) {
  EnterVehicle(3);
  Hold(kKeyOne);
  Hold(kKeyR);
  HudFrame();
  EXPECT_EQ(Calls("HostSprite.DrawQuad").size(), 2u);
  EXPECT_EQ(radio_wheel_state.RadioWheelVisible, 0);
  EXPECT_EQ(HostTime::Scale(), 1.0f);
  weapon_wheel_state = WeaponWheelState{};
  radio_wheel_state = RadioWheelState{};
  Hold(kKeyOne, false);
  SetClock(100);
  HudFrame();
  ASSERT_EQ(radio_wheel_state.RadioWheelVisible, 1);
  Hold(kKeyR, false);
  Hold(kKeyMiddleMouse);
  ClearLog();
  HudFrame();
  EXPECT_EQ(weapon_wheel_state.WeaponWheelVisible, 0);
  EXPECT_TRUE(Calls("HostSprite.DrawQuad").empty());
  EXPECT_EQ(Texts("HostText.Print", 2), std::vector<std::string>{"Fever 103"});
  EXPECT_EQ(HostTime::Scale(), 1.0f);
}

}  // namespace
