#include "elements/ammo.h"

#include "elements/status_test.h"
#include "settings/hud_settings.h"

namespace {

class Ammo : public StatusTest {
 protected:
  static std::string Indexed(std::string name, int index) {
    name += '[';
    name += std::to_string(index);
    name += ']';
    return name;
  }
  void SetUp() override {
    StatusTest::SetUp();
    display_timers.WeaponAlpha = 255;
  }

  static void Hold(int slot, int type, int clip_size, int clip, int total) {
    Set("Character.CurrentSlot", slot);
    Set(Indexed("Character.WeaponType", slot), type);
    Set(Indexed("Character.WeaponClip", slot), clip);
    Set(Indexed("Character.WeaponTotal", slot), total);
    Set(Indexed("WeaponInfo", type) + ".ClipSize", clip_size);
  }
};

TEST_F(Ammo, WhatIsPrinted) {
  struct Case {
    const char* name;
    int slot, type, clip_size, clip, total;
    bool hidden_by_host;
    std::vector<std::string> printed;
  };
  const Case cases[] = {
      {"pistol: reserve, then the clip over it", 3, 17, 17, 17, 68, false, {"51 17", "17"}},
      {"flame thrower in tenths", 7, 31, 500, 500, 3500, false, {"300 50", "50"}},
      {"single-text weapon", 4, 12, 1, 0, 4, false, {"4"}},
      {"single-text weapon with a clip", 7, 30, 2, 1, 5, false, {"4 1"}},
      {"no clip text: main text alone", 5, 26, 1000, 30, 40, false, {"40"}},
      {"unlimited: reserve 9999", 3, 17, 17, 1, 10000, false, {}},
      {"reserve 9998 still prints", 3, 17, 17, 1, 9999, false, {"9998 1", "1"}},
      {"host hides it", 3, 17, 17, 17, 68, true, {}},
      {"unarmed", 0, 0, 0, 0, 0, false, {}},
      {"close combat", 1, 4, 0, 0, 1, false, {}},
      {"detonator", 8, 34, 1, 1, 1, false, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ClearLog();
    Hold(c.slot, c.type, c.clip_size, c.clip, c.total);
    Set("State.HideAmmo", c.hidden_by_host);
    DrawAmmo(0.0f, 0.0f);
    EXPECT_EQ(Printed(), c.printed);
  }
}

TEST_F(Ammo, AnchorAndColours) {
  Hold(3, 17, 17, 17, 68);
  display_timers.WeaponAlpha = 0x180;  // the low byte counts
  DrawAmmo(20.0f, 15.0f);
  const auto prints = Calls("HostText.Print");
  ASSERT_EQ(prints.size(), 2u);
  // x = 1920 - 32 x 2.25; y = (75 - 20 + 15) x 1080 / 448.
  EXPECT_EQ(prints[1].text(), "HostText.Print 1848 168.75 \"17\"");
  EXPECT_EQ(Calls("HostText.SetColour")[0].text(), "HostText.SetColour 255 255 255 128");
  EXPECT_EQ(LastArgs("HostText.SetColour"), "100 100 100 128");
  EXPECT_EQ(LastArgs("HostText.SetScale"), "0.959175 1.9767857");
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
