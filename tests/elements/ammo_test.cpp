#include "elements/ammo.h"

#include "elements/status_test.h"
#include "settings/hud_settings.h"

namespace {

class Ammo : public StatusTest {
 protected:
  void SetUp() override {
    StatusTest::SetUp();
    display_timers.WeaponAlpha = 255;
  }

  static void Hold(int slot, int type, int clip_size, int clip, int total) {
    Set("Character.CurrentSlot", slot);
    Set("Character.WeaponType[" + std::to_string(slot) + "]", type);
    Set("Character.WeaponClip[" + std::to_string(slot) + "]", clip);
    Set("Character.WeaponTotal[" + std::to_string(slot) + "]", total);
    Set("WeaponInfo[" + std::to_string(type) + "].ClipSize", clip_size);
  }
};

TEST_F(Ammo, WhatIsPrinted) {
  struct Case {
    const char* name;
    int slot, type, clip_size, clip, total;
    std::vector<std::string> printed;
  };
  const Case cases[] = {
      {"pistol: reserve, then the clip over it", 3, 17, 17, 17, 68, {"51 17", "17"}},
      {"flame thrower in tenths", 7, 31, 500, 500, 3500, {"300 50", "50"}},
      {"single-text weapon", 4, 12, 1, 0, 4, {"4"}},
      {"rocket launcher, clip in range: main text once", 7, 30, 2, 1, 5, {"4 1"}},
      {"no clip text: main text alone", 5, 26, 1000, 30, 40, {"40"}},
      {"clip size 1 outside the list: main text alone", 5, 26, 1, 1, 40, {"40"}},
      {"unlimited: reserve 9999", 3, 17, 17, 1, 10000, {}},
      {"reserve 9998 still prints", 3, 17, 17, 1, 9999, {"9998 1", "1"}},
      {"unarmed", 0, 0, 0, 0, 0, {}},
      {"close combat", 1, 4, 0, 0, 1, {}},
      {"detonator", 8, 34, 1, 1, 1, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ClearLog();
    Hold(c.slot, c.type, c.clip_size, c.clip, c.total);
    DrawAmmo(0.0f, 0.0f);
    EXPECT_EQ(Printed(), c.printed);
  }
}

TEST_F(Ammo, PistolInTheHostsOrder) {
  Hold(3, 17, 17, 17, 68);
  display_timers.WeaponAlpha = 0x180;  // the low byte counts
  DrawAmmo(20.0f, 15.0f);
  const std::vector<std::string> expected = {
      "HostPlayer.GetCharacter",
      "HostWeaponInfo.Get 17",
      "HostText.AsciiToWide \"51 17\"",
      "HostText.AsciiToWide \"17\"",
      "HostText.SetShadowSize 1",
      "HostColour.Make 0 0 0 128",
      "HostText.SetShadowColour 0 0 0 128",
      "HostText.AlignRight",
      "HostText.SetLineWidth 2560",
      "HostText.SetFont 2",
      "HostColour.Make 255 255 255 128",
      "HostText.SetColour 255 255 255 128",
      "HostText.SetScale 0.959175 1.9767857",
      "HostText.ModeA",
      "HostText.ModeB",
      "HostState.HideAmmo",
      // x = 1920 - 32 x 2.25; y = (75 - 20 + 15) x 1080 / 448.
      "HostText.Print 1848 168.75 \"51 17\"",
      "HostColour.Make 100 100 100 128",
      "HostText.SetColour 100 100 100 128",
      "HostText.Print 1848 168.75 \"17\"",
  };
  EXPECT_EQ(Calls(), expected);
}

TEST_F(Ammo, HostHidesIt) {
  Hold(3, 17, 17, 17, 68);
  Set("State.HideAmmo", true);
  DrawAmmo(0.0f, 0.0f);
  EXPECT_TRUE(Printed().empty());
  EXPECT_EQ(Calls("HostState.HideAmmo").size(), 1u);
}

TEST_F(Ammo, NothingWithoutACharacterOrBeyondTheTenSlots) {
  Hold(3, 17, 17, 17, 68);
  Set("Character.Present", false);
  DrawAmmo(0.0f, 0.0f);
  EXPECT_EQ(Calls(), std::vector<std::string>{"HostPlayer.GetCharacter"});
  ClearLog();
  Set("Character.Present", true);
  Set("Character.CurrentSlot", 10);
  DrawAmmo(0.0f, 0.0f);
  EXPECT_EQ(Calls(), std::vector<std::string>{"HostPlayer.GetCharacter"});
}

}  // namespace
