#include "elements/wanted_stars.h"

#include "elements/status_test.h"
#include "settings/hud_settings.h"

namespace {

class WantedStars : public StatusTest {
 protected:
  void SetUp() override {
    StatusTest::SetUp();
    HostTime::NowMs() = 100000;
  }
  static std::size_t Quads() { return Calls("HostSprite.DrawQuad").size(); }
};

TEST_F(WantedStars, StarZeroAtFullHd) {
  HostPlayer::WantedLevel() = 1;
  DrawWantedStars();
  const auto quads = Calls("HostSprite.DrawQuad");
  ASSERT_EQ(quads.size(), 7u);
  // x 1825 ... 1858 (W - 95 ... W - 62), y 40 ... 73; corners left-bottom,
  // right-bottom, left-top, right-top. The holder is logged as its texture, empty here.
  EXPECT_EQ(quads[0].text(), "HostSprite.DrawQuad null 1825 73 1858 73 1825 40 1858 40 0 0 0 200");
  EXPECT_EQ(quads[5].text(), "HostSprite.DrawQuad null 1675 73 1708 73 1675 40 1708 40 0 0 0 200");
  EXPECT_EQ(quads[6].text(),
            "HostSprite.DrawQuad null 1825 73 1858 73 1825 40 1858 40 193 164 120 255");
}

TEST_F(WantedStars, LevelsColourFromTheRight) {
  struct Case {
    std::uint32_t level;
    std::size_t quads;
  };
  const Case cases[] = {{0, 0}, {2, 8}, {6, 12}, {9, 12}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.level);
    ClearLog();
    HostPlayer::WantedLevel() = c.level;
    DrawWantedStars();
    ASSERT_EQ(Quads(), c.quads);
    if (c.level == 2) {
      // Stars 0 and 1, the two rightmost, are coloured.
      EXPECT_EQ(Calls("HostSprite.DrawQuad")[7].float_arg(3), 1828.0f);
    }
  }
}

TEST_F(WantedStars, BlinksForTwoSecondsAfterAChange) {
  HostPlayer::WantedLevel() = 3;
  HostPlayer::WantedChangeTime() = 100000;
  struct Case {
    std::int32_t now;
    std::uint8_t counter;
    bool drawn;
  };
  const Case cases[] = {
      {100500, 4, true},    {100500, 3, false},
      {100500, 0xFC, true}, {102000, 0, false},  // not yet past change + 2000
      {102001, 0, true},    {102001, 4, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.now << " counter " << int(c.counter));
    ClearLog();
    HostTime::NowMs() = c.now;
    HostTime::FrameCounter() = c.counter;
    DrawWantedStars();
    EXPECT_EQ(Quads(), c.drawn ? 9u : 0u);
  }
}

TEST_F(WantedStars, NoCharacterNoStars) {
  HostPlayer::WantedLevel() = 4;
  Set("Character.Present", false);
  DrawWantedStars();
  EXPECT_EQ(Calls(), std::vector<std::string>{"HostPlayer.GetCharacter"});
}

}  // namespace
