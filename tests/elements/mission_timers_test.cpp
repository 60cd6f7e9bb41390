#include "elements/mission_timers.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "runtime/host_interface.h"
#include "scenario.h"
#include "services/text_table.h"
#include "settings/hud_settings.h"
#include "support/element_test.h"

namespace {

class MissionTimers : public ElementTest {
 protected:
  void SetUp() override {
    ElementTest::SetUp();
    HostOnscreenTimer::Shown() = 1;
  }
  static void Set(const std::string& name, const nlohmann::json& value) {
    refhost::set_host_variable(Image(), name, value);
  }
  static int Draws() { return static_cast<int>(Calls("HostSprite.Draw").size()); }
};

TEST_F(MissionTimers, NewTimerBlinksUntilItsCounterPasses50) {
  Set("OnscreenTimer.Timer.Active", 1);
  HostTime::FrameCounter() = 3;
  DrawMissionTimers();
  EXPECT_EQ(HostOnscreenTimer::TimerFlash(), 2);
  EXPECT_EQ(Draws(), 0);  // bit 2 clear
  for (int call = 1; call <= 48; ++call) {
    HostTime::FrameCounter() = static_cast<std::uint8_t>(call);
    ClearLog();
    DrawMissionTimers();
    EXPECT_EQ(Draws(), (call & 4) ? 1 : 0) << call;
  }
  HostTime::FrameCounter() = 0;
  DrawMissionTimers();  // the 49th further call: 51 -> 0
  EXPECT_EQ(HostOnscreenTimer::TimerFlash(), 0);
  EXPECT_EQ(Draws(), 1);
  // Gone and back: it blinks again.
  Set("OnscreenTimer.Timer.Active", 0);
  HostOnscreenTimer::Shown() = 0;
  DrawMissionTimers();
  EXPECT_EQ(HostOnscreenTimer::TimerSeen(), 0);
}

TEST_F(MissionTimers, TwoCountersShareOneBlinkAndOnePlace) {
  for (int i : {0, 2}) {
    Set("OnscreenTimer.Counter[" + std::to_string(i) + "].Active", 1);
    Set("OnscreenTimer.Counter[" + std::to_string(i) + "].Value", std::to_string(i + 1));
  }
  HostTime::FrameCounter() = 4;
  DrawMissionTimers();
  EXPECT_EQ(HostOnscreenTimer::CounterFlash(), 2);  // each new counter restarts it at 1
  DrawMissionTimers();
  EXPECT_EQ(HostOnscreenTimer::CounterFlash(), 4);  // then both advance it
  const auto prints = Calls("HostText.Print");
  ASSERT_EQ(prints.size(), 4u);
  // G + POS_BOTTOM - 0.5 = 129.5 units up; 65 units from the right.
  EXPECT_EQ(prints[0].text(), "HostText.Print 1773.75 767.8125 \"1\"");
  EXPECT_EQ(prints[1].text(), "HostText.Print 1773.75 767.8125 \"3\"");
}

TEST_F(MissionTimers, BarFillsItsShareOfTheBackAndMayOvershoot) {
  hud_settings.MISSIONTIMERBAR_BG_A = {100.0f, 30.0f};
  hud_settings.MISSIONTIMERBAR_BG_B = {20.0f, 10.0f};
  struct Case {
    const char* value;
    float right;
  };
  const Case cases[] = {{"50", 1785.0f}, {"150", 1965.0f}, {" 0x", 1695.0f}, {"", 1695.0f}};
  Set("OnscreenTimer.Counter[1].Active", 1);
  Set("OnscreenTimer.Counter[1].Kind", 1);
  HostOnscreenTimer::CounterSeen()[1] = 1;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    Set("OnscreenTimer.Counter[1].Value", c.value);
    ClearLog();
    DrawMissionTimers();
    const auto rects = Calls("HostSprite.DrawRect");
    ASSERT_EQ(rects.size(), 2u);
    // back: R(100), B(10 + 15), R(20), B(30 + 15)
    EXPECT_EQ(rects[0].text(), "HostSprite.DrawRect 1695 1019.7321 1875 971.5179 220 172 2 255");
    EXPECT_EQ(rects[1].float_arg(2), c.right);
    EXPECT_TRUE(Calls("HostText.Print").empty());
  }
}

TEST_F(MissionTimers, DescriptionsAreLookedUpSmallerAndBelow) {
  refhost::text_table::set_entry("M_TIME", u"TIME LEFT");
  Set("OnscreenTimer.Timer.Active", 1);
  Set("OnscreenTimer.Timer.Text", "02:15");
  Set("OnscreenTimer.Timer.Description", "M_TIME");
  HostOnscreenTimer::TimerSeen() = 1;
  DrawMissionTimers();
  const auto scales = Calls("HostText.SetScale");
  ASSERT_EQ(scales.size(), 3u);
  EXPECT_EQ(scales[2].text(), "HostText.SetScale 0.47250003 1.2053572");  // 0.21, 0.5
  const auto prints = Calls("HostText.Print");
  ASSERT_EQ(prints.size(), 2u);
  EXPECT_EQ(prints[0].text(), "HostText.Print 1773.75 802.7678 \"02:15\"");
  EXPECT_EQ(prints[1].text(), "HostText.Print 1769.25 805.1786 \"TIME LEFT\"");
}

TEST_F(MissionTimers, TextsWithoutTerminatorsAreCutAtTheirFields) {
  std::uint8_t* timer = HostOnscreenTimer::Entries();
  std::memset(timer, 'K', 52);  // key and text run into the next field
  timer[52] = 1;
  HostOnscreenTimer::TimerSeen() = 1;
  DrawMissionTimers();
  EXPECT_EQ(Calls("HostText.AsciiToWide").at(0).text_arg(0), std::string(42, 'K'));
  EXPECT_EQ(Calls("HostText.Lookup").at(0).text_arg(0), std::string(10, 'K'));
  EXPECT_EQ(Calls("HostText.Print").at(1).text_arg(2), "");  // a key the table lacks
}

}  // namespace
