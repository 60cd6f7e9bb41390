#include "wheels/crosshairs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frame/hud_frame.h"
#include "runtime/host_interface.h"
#include "runtime/host_record.h"
#include "services/pad_query.h"
#include "services/player.h"
#include "settings/hud_settings.h"
#include "wheels/wheel_keys.h"
#include "wheels/wheel_test.h"

namespace {

using Lines = std::vector<std::string>;

std::string Reticle(const char* sprite, const char* rect) {
  return std::string("HostSprite.Draw \"") + sprite + "\" " + rect + " 255 255 255 255";
}

// The four quarters of a frame round the centre: upper left, upper right,
// lower left, lower right; a = sx(210) = 472.5, b = sy(210) = 506.25.
Lines Frame(const char* sprite) {
  return {Reticle(sprite, "487.5 540 960 33.75"), Reticle(sprite, "1432.5 540 960 33.75"),
          Reticle(sprite, "487.5 540 960 1046.25"), Reticle(sprite, "1432.5 540 960 1046.25")};
}

class CrosshairTest : public WheelTest {
 protected:
  static void Aim(int mode, int weapon, bool character = true) {
    HostCamera::ActiveMode() = static_cast<std::uint16_t>(mode);
    write_field<std::int32_t>(refhost::player::character(), 1032, weapon);
    refhost::player::set_character_present(character);
  }
  // Sprite draws, raw draws and render states (state 1 by its texture's name).
  static Lines Drawn() {
    Lines out;
    for (const refhost::RecordedCall& call : refhost::draw_log().calls()) {
      if (call.name == "HostRender.SetState") {
        out.push_back("state " + call.args[0] + " " + call.args[call.args[0] == "1" ? 2 : 1]);
      } else if (call.name == "HostSprite.Draw" || call.name == "HostSprite.DrawRaw") {
        out.push_back(call.text());
      }
    }
    return out;
  }
  static Lines Sprites() {
    Lines out;
    for (const std::string& line : Drawn()) {
      if (line.rfind("state", 0) != 0) out.push_back(line);
    }
    return out;
  }
};

TEST_F(CrosshairTest, ReticleByCameraModeAndWeapon) {
  struct Case {
    const char* name;
    int mode, weapon;
    bool character;
    Lines drawn;
    int counter;  // from 5
  };
  const Lines none;
  const Case cases[] = {
      {"mode 4, smg", 4, 22, true, {Reticle("smg", "988.8 462.85715 1046.4 401.14285")}, 6},
      {"mode 4, shotgun",
       4,
       20,
       true,
       {Reticle("shotgun", "974.39996 478.2857 1060.7999 385.7143")},
       6},
      {"mode 4, M60", 4, 32, true, {Reticle("assault", "996 455.14285 1039.2 408.85715")}, 6},
      {"mode 4, Colt45", 4, 17, true, {Reticle("siteM16", "988.8 462.85715 1046.4 401.14285")}, 6},
      {"mode 4, rocket launcher", 4, 30, true, none, 0},
      {"mode 41, smg", 41, 22, true, {Reticle("assault", "916.8 586.2857 1003.2 493.7143")}, 6},
      {"mode 34, knife", 34, 5, true, {Reticle("assault", "916.8 586.2857 1003.2 493.7143")}, 6},
      {"mode 42, no player",
       42,
       0,
       false,
       {Reticle("assault", "916.8 586.2857 1003.2 493.7143")},
       6},
      {"mode 39, no player", 39, 0, false, none, 6},
      {"mode 46, unarmed", 46, 0, true, none, 0},
      {"mode 46, camera", 46, 36, true, Frame("viewfinder_128"), 6},
      {"mode 7, knife", 7, 5, true, none, 6},
      {"mode 7, sniper rifle", 7, 28, true, Frame("sitesniper"), 6},
      {"mode 45, no player", 45, 22, false, none, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Aim(c.mode, c.weapon, c.character);
    HostCrosshair::Counter() = 5;
    ClearLog();
    CrosshairElement();
    EXPECT_EQ(Sprites(), c.drawn);
    EXPECT_EQ(HostCrosshair::Counter(), c.counter);
  }
}

TEST_F(CrosshairTest, RenderStatesRoundEveryReticleFrame) {
  Aim(7, 5);
  CrosshairElement();
  EXPECT_EQ(Drawn(), (Lines{"state 9 2", "state 8 0", "state 9 2", "state 10 5", "state 11 6"}));
}

// s = (sin((now mod 1024) / 1024 * 6.28) * 0.25 + 0.75) * counter * 0.03.
TEST_F(CrosshairTest, RocketSightFadesInAndPulses) {
  struct Case {
    int counter_before, now;
    const char* colour;
  };
  const Case cases[] = {{0, 0, "2 4 2"},       {29, 0, "67 134 67"},         {30, 256, "89 179 89"},
                        {30, 768, "45 90 45"}, {30, 1024 + 768, "45 90 45"}, {14, 512, "33 67 33"}};
  Aim(40, 0, false);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.now);
    HostCrosshair::Counter() = static_cast<std::int16_t>(c.counter_before);
    SetClock(c.now);
    ClearLog();
    CrosshairElement();
    EXPECT_EQ(Drawn(), (Lines{"state 9 2", "state 8 0", "state 12 1", "state 10 2", "state 11 2",
                              "state 8 0", "state 6 0", "state 1 \"siterocket\"",
                              "HostSprite.DrawRaw 960 540 960 90 96.42857 " +
                                  std::string(c.colour) + " 255 1 255",
                              "state 12 0", "state 9 2", "state 10 5", "state 11 6"}));
  }
}

TEST_F(CrosshairTest, LaserScopeFrameThenDotAndTarget) {
  Aim(39, 29);
  CrosshairElement();
  Lines expected = {"state 9 2", "state 8 0"};
  for (const std::string& quarter : Frame("sitelaser")) expected.push_back(quarter);
  for (const char* line :
       {"state 12 1", "state 10 2", "state 11 2", "state 8 0", "state 6 0", "state 1 \"laserdot\"",
        "HostSprite.DrawRaw 960 540 960 4.5 4.821429 255 0 0 255 1 255", "state 1 \"snipertarget\"",
        "HostSprite.DrawRaw 960 540 960 27 28.928572 255 255 255 255 1 255", "state 9 2",
        "state 10 5", "state 11 6"}) {
    expected.push_back(line);
  }
  EXPECT_EQ(Drawn(), expected);
}

TEST_F(CrosshairTest, ClassicAxisShowsTheGunReticleOnlyWithTheRightButton) {
  hud_settings.USING_CLASSIC_AXIS = true;
  Aim(4, 22);
  CrosshairElement();
  Hold(kKeyRightMouse);
  CrosshairElement();
  EXPECT_EQ(Sprites(), (Lines{Reticle("smg", "3811.2 2190.8572 3868.8 2129.1428"),
                              Reticle("smg", "988.8 462.85715 1046.4 401.14285")}));
}

TEST_F(CrosshairTest, ModeFourAsksThePadAndTheCharacter) {
  struct Case {
    int query, flag, byte940;
    bool drawn;
  };
  const Case cases[] = {{1, 0, 0, false}, {1, 1, 0, true}, {0, 0, 0, true}, {0, 0, 1, false}};
  Aim(4, 22);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.query * 100 + c.flag * 10 + c.byte940);
    refhost::player::pad(0)[refhost::pad_query::kAnswerOffset] = static_cast<std::uint8_t>(c.query);
    HostCamera::QueryFlag() = static_cast<std::uint8_t>(c.flag);
    refhost::player::character()[kCharacterAimBlockOffset] = static_cast<std::uint8_t>(c.byte940);
    ClearLog();
    CrosshairElement();
    EXPECT_EQ(Sprites().size(), c.drawn ? 1u : 0u);
    EXPECT_EQ(Calls("HostPad.Query").at(0).text(), "HostPad.Query 0");
  }
}

// The button flips the setting in every frame it is down while word 66 is
// clear. The pass only calls the element while the HUD is on, so the button
// switches the HUD off and never back on.
TEST_F(CrosshairTest, PadButtonSwitchesTheHudOff) {
  Aim(42, 0, false);
  write_field<std::uint16_t>(refhost::player::pad(1), kPadToggleGuardOffset, 1);
  write_field<std::uint16_t>(refhost::player::pad(1), kPadToggleWordOffset, 1);
  CrosshairElement();
  EXPECT_EQ(HostMenu::ShowHud(), 1);
  write_field<std::uint16_t>(refhost::player::pad(1), kPadToggleGuardOffset, 0);
  ClearLog();
  CrosshairElement();
  EXPECT_EQ(HostMenu::ShowHud(), 0);
  EXPECT_EQ(Calls(), Lines{"HostPad.Get 1"});
  CrosshairElement();  // called directly, it flips back
  EXPECT_EQ(HostMenu::ShowHud(), 1);
  HostMenu::ShowHud() = 0;
  HudFrame();
  HudFrame();
  EXPECT_EQ(HostMenu::ShowHud(), 0);
}

}  // namespace
