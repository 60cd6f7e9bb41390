#include "phone/phone_overlay.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "frame/hud_textures.h"
#include "os_shim.h"
#include "runtime/host_interface.h"
#include "settings/hud_settings.h"
#include "support/element_test.h"

namespace {

constexpr int kP = 0x50;
constexpr int kO = 0x4F;
using Draws = std::vector<std::vector<float>>;

class Phone : public ElementTest {
 protected:
  void SetUp() override {
    ElementTest::SetUp();
    phone = PhoneState{};
    hud_textures = HudTextures{};  // before the renderer starts: no phone dictionary
  }
  // One frame at host time `now` with these keys held: for each phone drawn,
  // its top and bottom and the y of the coloured clock.
  static Draws Frame(int now, std::vector<int> keys = {}) {
    HostTime::NowMs() = now;
    for (int key : keys) refhost::os_shim::set_key_down(key, true);
    ClearLog();
    PhoneOverlay();
    refhost::os_shim::release_all_keys();
    Draws draws;
    const auto prints = Calls("HostText.Print");
    const auto sprites = Calls("HostSprite.Draw");
    for (std::size_t k = 0; k < sprites.size(); ++k) {
      draws.push_back(
          {sprites[k].float_arg(4), sprites[k].float_arg(2), prints.at(2 * k + 1).float_arg(1)});
    }
    return draws;
  }
};

const std::vector<float> kRest = {680, 1192, 1070.3572f};

TEST_F(Phone, NeverOpenedIsClosedEvenAtClockZero) {
  EXPECT_EQ(Frame(0), Draws{});
  EXPECT_EQ(Calls(), (std::vector<std::string>{"HostTxd.FindTexture null \"phone_class\""}));
}

TEST_F(Phone, RisesOver512MsRestsWithTheClockAndVanishesAfter100Seconds) {
  EXPECT_EQ(Frame(5000, {kP}), (Draws{{1192, 1704, 2304.6428f}}));  // wholly below the screen
  EXPECT_EQ(Frame(5020), (Draws{{1172, 1684, 2256.4287f}}));
  EXPECT_EQ(Frame(5500), (Draws{{692, 1204, 1099.2858f}}));
  EXPECT_EQ(Frame(5512), Draws{kRest});
  EXPECT_EQ(Frame(55000, {kP}), Draws{kRest});  // 'P' changes nothing while open
  EXPECT_EQ(Frame(105512), Draws{kRest});
  EXPECT_EQ(Frame(105513), Draws{});                    // gone in one frame
  EXPECT_EQ(Frame(105600, {kP}).at(0).at(0), 1192.0f);  // opens again
}

TEST_F(Phone, OAtRestDrawsTwiceThenSlidesDown) {
  Frame(0, {kP});
  EXPECT_EQ(Frame(1000, {kO}), (Draws{kRest, kRest}));
  EXPECT_EQ(Frame(1000, {kO, kP}), (Draws{kRest, kRest}));  // held: 'O' wins over 'P'
  EXPECT_EQ(Frame(1256), (Draws{{936, 1448, 1687.5f}}));    // halfway down
  EXPECT_EQ(Frame(1512), (Draws{{1192, 1704, 2304.6428f}}));
  EXPECT_EQ(Frame(1513), Draws{});
  EXPECT_EQ(Frame(9000, {kO}), (Draws{kRest, kRest}));  // closed: shows up at rest
}

// A host clock that jumps back by most of its range (a saved game loaded, a
// clock that wrapped) leaves both deadlines far ahead: the phone is drawn far
// below the screen, and no offset overflows on the way.
TEST_F(Phone, ClockJumpingBackByDaysDrawsThePhoneOffTheScreen) {
  Frame(0, {kO});  // at rest until 0, sliding out until 512
  const Draws draws = Frame(INT32_MIN);
  ASSERT_EQ(draws.size(), 2u);
  EXPECT_EQ(draws[0], kRest);
  // q' = 512 - INT32_MIN wraps to -2147483136. The top offset q' - 112 is
  // -2147483264 as a float, -2147483136 layout units at m = 1080, and
  // 1080 + 2147483136 is 2147484160 in float; the bottom offset q' - 624 is
  // -2^31, which does not fit an int and truncates to INT32_MIN.
  EXPECT_EQ(draws[1].at(0), 2147484160.0f);
  EXPECT_EQ(draws[1].at(1), 2147484672.0f);
}

TEST_F(Phone, SpriteByRadarType) {
  for (int type : {0, 1, 2, 3}) {
    hud_settings.RADAR_TYPE = type;
    Frame(0);
    EXPECT_EQ(Calls("HostTxd.FindTexture").at(0).text_arg(1), type == 1 ? "phone_class" : "phone")
        << type;
  }
}

TEST_F(Phone, ClockPrintsHoursAndMinutesWithADropShadowBelowRight) {
  hud_settings.colours.CLOCK_COLOR.a = 0;  // only the shadow shows; both still print
  const std::pair<int, const char*> cases[] = {{0x0705, "07:05"}, {0, "00:00"}, {0x173B, "23:59"}};
  for (const auto& [time, text] : cases) {
    SCOPED_TRACE(text);
    HostClock::Hours() = static_cast<std::uint8_t>(time >> 8);
    HostClock::Minutes() = static_cast<std::uint8_t>(time & 0xFF);
    Frame(0, {kO});
    const std::string quoted = std::string(" \"") + text + "\"";
    EXPECT_EQ(Calls("HostText.Print").at(0).text(), "HostText.Print 1915.5 1075.1786" + quoted);
    EXPECT_EQ(Calls("HostText.Print").at(1).text(), "HostText.Print 1911 1070.3572" + quoted);
    EXPECT_EQ(Calls("HostText.SetColour").at(0).text(), "HostText.SetColour 0 0 0 255");
    EXPECT_EQ(Calls("HostText.SetColour").at(1).text(), "HostText.SetColour 194 165 120 0");
  }
}

}  // namespace
