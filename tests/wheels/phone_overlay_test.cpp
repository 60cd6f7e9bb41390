#include "wheels/phone_overlay.h"

#include <gtest/gtest.h>

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

class Phone : public ElementTest {
 protected:
  void SetUp() override {
    ElementTest::SetUp();
    phone = PhoneState{};
    hud_textures = HudTextures{};  // before the renderer starts: no phone dictionary
  }
  // One frame at host time `now` with these keys held; returns the phone's
  // (top, bottom) and the coloured clock's y for each draw.
  static std::vector<std::vector<float>> Frame(int now, std::vector<int> keys = {}) {
    HostTime::NowMs() = now;
    for (int key : keys) refhost::os_shim::set_key_down(key, true);
    ClearLog();
    PhoneOverlay();
    refhost::os_shim::release_all_keys();
    std::vector<std::vector<float>> draws;
    const auto prints = Calls("HostText.Print");
    const auto sprites = Calls("HostSprite.Draw");
    for (std::size_t k = 0; k < sprites.size(); ++k) {
      draws.push_back(
          {sprites[k].float_arg(4), sprites[k].float_arg(2), prints.at(2 * k + 1).float_arg(1)});
    }
    return draws;
  }
  using Draws = std::vector<std::vector<float>>;
};

TEST_F(Phone, NeverOpenedIsClosedEvenAtClockZero) {
  EXPECT_EQ(Frame(0), Draws{});
  EXPECT_EQ(Calls(), (std::vector<std::string>{"HostTxd.FindTexture null \"phone_class\""}));
}

TEST_F(Phone, RisesOver512MsRestsWithTheClockAndVanishesAfter100Seconds) {
  const int t0 = 5000;
  EXPECT_EQ(Frame(t0, {kP}), (Draws{{1192, 1704, 2304.6428f}}));  // wholly below the screen
  EXPECT_EQ(Frame(t0 + 20), (Draws{{1172, 1684, 2256.4287f}}));
  EXPECT_EQ(Frame(t0 + 500), (Draws{{692, 1204, 1099.2858f}}));
  EXPECT_EQ(Frame(t0 + 512), (Draws{{680, 1192, 1070.3572f}}));          // at rest
  EXPECT_EQ(Frame(t0 + 50000, {kP}), (Draws{{680, 1192, 1070.3572f}}));  // 'P' changes nothing
  EXPECT_EQ(phone.PhoneUntil, t0 + 100512);
  EXPECT_EQ(Frame(t0 + 100512).size(), 1u);
  EXPECT_EQ(Frame(t0 + 100513), Draws{});                    // gone in one frame
  EXPECT_EQ(Frame(t0 + 100600, {kP}).at(0).at(0), 1192.0f);  // opens again
}

TEST_F(Phone, OAtRestDrawsTwiceThenSlidesDown) {
  Frame(0, {kP});
  const Draws rest = {{680, 1192, 1070.3572f}};
  EXPECT_EQ(Frame(1000, {kO}), (Draws{rest[0], rest[0]}));
  EXPECT_EQ(Frame(1000, {kO, kP}), (Draws{rest[0], rest[0]}));  // held: 'O' wins over 'P'
  EXPECT_EQ(Frame(1256), (Draws{{936, 1448, 1687.5f}}));        // halfway down
  EXPECT_EQ(Frame(1512), (Draws{{1192, 1704, 2304.6428f}}));
  EXPECT_EQ(Frame(1513), Draws{});
  EXPECT_EQ(Frame(9000, {kO}), (Draws{rest[0], rest[0]}));  // closed: shows up at rest
}

TEST_F(Phone, SpriteByRadarType) {
  for (int type : {0, 1, 2, 3}) {
    SCOPED_TRACE(type);
    hud_settings.RADAR_TYPE = type;
    Frame(0);
    EXPECT_EQ(Calls("HostTxd.FindTexture").at(0).text_arg(1), type == 1 ? "phone_class" : "phone");
  }
}

TEST_F(Phone, ClockPrintsHoursAndMinutesWithADropShadowBelowRight) {
  struct Case {
    int hours, minutes;
    const char* text;
  };
  const Case cases[] = {{7, 5, "07:05"}, {0, 0, "00:00"}, {23, 59, "23:59"}};
  hud_settings.colours.CLOCK_COLOR.a = 0;  // only the shadow shows, both still print
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    HostClock::Hours() = static_cast<std::uint8_t>(c.hours);
    HostClock::Minutes() = static_cast<std::uint8_t>(c.minutes);
    Frame(0, {kO});
    const auto prints = Calls("HostText.Print");
    const std::string text = std::string(" \"") + c.text + "\"";
    ASSERT_EQ(prints.size(), 4u);
    EXPECT_EQ(prints[0].text(), "HostText.Print 1915.5 1075.1786" + text);  // + sx(2), + sy(2)
    EXPECT_EQ(prints[1].text(), "HostText.Print 1911 1070.3572" + text);
    const auto colours = Calls("HostText.SetColour");
    EXPECT_EQ(colours[0].text(), "HostText.SetColour 0 0 0 255");
    EXPECT_EQ(colours[1].text(), "HostText.SetColour 194 165 120 0");
  }
}

}  // namespace
