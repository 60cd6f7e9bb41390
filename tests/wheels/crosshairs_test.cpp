#include "wheels/crosshairs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "plugin/hud_frame.h"
#include "runtime/host_interface.h"
#include "runtime/host_record.h"
#include "services/pad_query.h"
#include "services/player.h"
#include "settings/hud_settings.h"
#include "wheels/wheel_keys.h"
#include "wheels/wheel_test.h"

namespace {

using Lines = std::vector<std::string>;

std::string Sprite(const char* name, const char* rect) {
  return std::string("HostSprite.Draw \"") + name + "\" " + rect + " 255 255 255 255";
}

// Four quarters round the centre, a = sx(210) = 472.5 and b = sy(210) = 506.25:
// upper left, upper right, lower left, lower right.
Lines Frame(const char* name) {
  return {Sprite(name, "487.5 540 960 33.75"), Sprite(name, "1432.5 540 960 33.75"),
          Sprite(name, "487.5 540 960 1046.25"), Sprite(name, "1432.5 540 960 1046.25")};
}

const std::string kCentreAssault = Sprite("assault", "916.8 586.2857 1003.2 493.7143");
const std::string kSmgAtAimPoint = Sprite("smg", "988.8 462.85715 1046.4 401.14285");

class CrosshairTest : public WheelTest {
 protected:
  static void Aim(int mode, int weapon, bool character = true) {
    HostCamera::ActiveMode() = static_cast<std::uint16_t>(mode);
    write_field<std::int32_t>(refhost::player::character(), 1032, weapon);
    refhost::player::set_character_present(character);
  }
  // Draws, and render states with state 1 by its texture's name.
  static Lines Drawn(bool with_states = true) {
    Lines out;
    for (const refhost::RecordedCall& c : refhost::draw_log().calls()) {
      if (c.name == "HostRender.SetState" && with_states) {
        out.push_back("state " + c.args[0] + " " + c.args[c.args[0] == "1" ? 2 : 1]);
      } else if (c.name == "HostSprite.Draw" || c.name == "HostSprite.DrawRaw") {
        out.push_back(c.text());
      }
    }
    return out;
  }
};

TEST_F(CrosshairTest, ReticleByCameraModeAndWeapon) {
  const struct {
    const char* name;
    int mode, weapon;
    bool character;
    Lines drawn;
    int counter;  // from 5
  } cases[] = {
      {"4 Tec9", 4, 22, true, {kSmgAtAimPoint}, 6},
      {"4 Spas12", 4, 20, true, {Sprite("shotgun", "974.39996 478.2857 1060.7999 385.7143")}, 6},
      {"4 M60", 4, 32, true, {Sprite("assault", "996 455.14285 1039.2 408.85715")}, 6},
      {"4 Colt45", 4, 17, true, {Sprite("siteM16", "988.8 462.85715 1046.4 401.14285")}, 6},
      {"4 rocket launcher", 4, 30, true, {}, 0},
      {"41 Tec9", 41, 22, true, {kCentreAssault}, 6},
      {"34 knife", 34, 5, true, {kCentreAssault}, 6},
      {"42 no player", 42, 0, false, {kCentreAssault}, 6},
      {"39 no player", 39, 0, false, {}, 6},
      {"45 no player", 45, 22, false, {}, 0},
      {"46 unarmed", 46, 0, true, {}, 0},
      {"46 camera", 46, 36, true, Frame("viewfinder_128"), 6},
      {"7 sniper rifle", 7, 28, true, Frame("sitesniper"), 6},
      {"7 knife", 7, 5, true, {}, 6},  // last: its render states are checked below
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Aim(c.mode, c.weapon, c.character);
    HostCrosshair::Counter() = 5;
    ClearLog();
    CrosshairElement();
    EXPECT_EQ(Drawn(false), c.drawn);
    EXPECT_EQ(HostCrosshair::Counter(), c.counter);
  }
  EXPECT_EQ(Drawn(), (Lines{"state 9 2", "state 8 0", "state 9 2", "state 10 5", "state 11 6"}));
}

// s = (sin((now mod 1024) / 1024 * 6.28) * 0.25 + 0.75) * counter * 0.03.
TEST_F(CrosshairTest, RocketSightFadesInAndPulses) {
  const struct {
    int counter_before, now;
    const char* colour;
  } cases[] = {{0, 0, "2 4 2"},       {29, 0, "67 134 67"},   {30, 256, "89 179 89"},
               {30, 768, "45 90 45"}, {30, 1792, "45 90 45"}, {14, 512, "33 67 33"}};
  Aim(40, 0, false);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.now);
    HostCrosshair::Counter() = static_cast<std::int16_t>(c.counter_before);
    SetClock(c.now);
    ClearLog();
    CrosshairElement();
    EXPECT_EQ(Drawn(), (Lines{"state 9 2", "state 8 0", "state 12 1", "state 10 2", "state 11 2",
                              "state 8 0", "state 6 0", "state 1 \"siterocket\"",
                              std::string("HostSprite.DrawRaw 960 540 960 90 96.42857 ") +
                                  c.colour + " 255 1 255",
                              "state 12 0", "state 9 2", "state 10 5", "state 11 6"}));
  }
}

TEST_F(CrosshairTest, LaserScopeFrameThenDotAndTarget) {
  Aim(39, 29);
  CrosshairElement();
  Lines expected = {"state 9 2", "state 8 0"};
  for (const std::string& quarter : Frame("sitelaser")) expected.push_back(quarter);
  expected.insert(
      expected.end(),
      {"state 12 1", "state 10 2", "state 11 2", "state 8 0", "state 6 0", "state 1 \"laserdot\"",
       "HostSprite.DrawRaw 960 540 960 4.5 4.821429 255 0 0 255 1 255", "state 1 \"snipertarget\"",
       "HostSprite.DrawRaw 960 540 960 27 28.928572 255 255 255 255 1 255", "state 9 2",
       "state 10 5", "state 11 6"});
  EXPECT_EQ(Drawn(), expected);
}

TEST_F(CrosshairTest, GunReticleAsksThePadTheCameraFlagAndTheClassicAxis) {
  const struct {
    int query, flag, byte940;
    bool drawn;
  } cases[] = {{1, 0, 0, false}, {1, 1, 0, true}, {0, 0, 0, true}, {0, 0, 1, false}};
  Aim(4, 22);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.query * 100 + c.flag * 10 + c.byte940);
    refhost::player::pad(0)[refhost::pad_query::kAnswerOffset] = static_cast<std::uint8_t>(c.query);
    HostCamera::QueryFlag() = static_cast<std::uint8_t>(c.flag);
    refhost::player::character()[kCharacterAimBlockOffset] = static_cast<std::uint8_t>(c.byte940);
    ClearLog();
    CrosshairElement();
    EXPECT_EQ(Drawn(false), c.drawn ? Lines{kSmgAtAimPoint} : Lines{});
    EXPECT_EQ(Calls("HostPad.Query").at(0).text(), "HostPad.Query 0");
  }
  hud_settings.USING_CLASSIC_AXIS = true;  // off screen unless the right button is held
  refhost::player::character()[kCharacterAimBlockOffset] = 0;
  ClearLog();
  CrosshairElement();
  Hold(kKeyRightMouse);
  CrosshairElement();
  EXPECT_EQ(Drawn(false),
            (Lines{Sprite("smg", "3811.2 2190.8572 3868.8 2129.1428"), kSmgAtAimPoint}));
}

// The button flips the setting in every frame it is down while word 66 is
// clear: the element while the HUD is on, the pass before its gate while it is
// off, never both in one pass.
TEST_F(CrosshairTest, PadButtonSwitchesTheHudBothWays) {
  Aim(42, 0, false);
  std::uint8_t* pad = refhost::player::pad(1);
  write_field<std::uint16_t>(pad, kPadToggleWordOffset, 1);
  write_field<std::uint16_t>(pad, kPadToggleGuardOffset, 1);
  CrosshairElement();
  EXPECT_EQ(HostMenu::ShowHud(), 1);
  write_field<std::uint16_t>(pad, kPadToggleGuardOffset, 0);
  ClearLog();
  CrosshairElement();
  EXPECT_EQ(HostMenu::ShowHud(), 0);
  EXPECT_EQ(Calls(), Lines{"HostPad.Get 1"});
  CrosshairElement();  // called directly, it flips back
  EXPECT_EQ(HostMenu::ShowHud(), 1);
  CrosshairElement(/*toggle=*/false);
  EXPECT_EQ(HostMenu::ShowHud(), 1);
  struct Case {
    const char* name;
    std::uint8_t menu, widescreen, shown_after;
  };
  const Case cases[] = {
      {"back on, once in the pass", 0, 0, 1},
      {"not while the menu is open", 1, 0, 0},
      {"not in widescreen", 0, 1, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    HostMenu::ShowHud() = 0;
    HostMenu::Active() = c.menu;
    HostCamera::Widescreen() = c.widescreen;
    HudFrame();
    EXPECT_EQ(HostMenu::ShowHud(), c.shown_after);
  }
}

}  // namespace
