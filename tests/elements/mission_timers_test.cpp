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
  static std::size_t Drawn(int frame_counter) {
    HostTime::FrameCounter() = static_cast<std::uint8_t>(frame_counter);
    ClearLog();
    DrawMissionTimers();
    return Calls("HostSprite.Draw").size();
  }
};

TEST_F(MissionTimers, NewTimerBlinksUntilItsCounterPasses50) {
  Set("OnscreenTimer.Timer.Active", 1);
  EXPECT_EQ(Drawn(3), 0u);
  EXPECT_EQ(HostOnscreenTimer::TimerFlash(), 2);
  for (int call = 1; call <= 48; ++call) EXPECT_EQ(Drawn(call), (call & 4) ? 1u : 0u) << call;
  EXPECT_EQ(Drawn(0), 1u);  // the 49th further call: 51 -> 0
  EXPECT_EQ(HostOnscreenTimer::TimerFlash(), 0);
  Set("OnscreenTimer.Timer.Active", 0);
  HostOnscreenTimer::Shown() = 0;
  Drawn(0);
  EXPECT_EQ(HostOnscreenTimer::TimerSeen(), 0);  // it will blink again
}

TEST_F(MissionTimers, TwoCountersShareOneBlinkAndOnePlace) {
  Set("OnscreenTimer.Counter[0].Active", 1);
  Set("OnscreenTimer.Counter[2].Active", 1);
  Set("OnscreenTimer.Counter[2].Value", "12");
  Drawn(4);
  EXPECT_EQ(HostOnscreenTimer::CounterFlash(), 2);  // each new counter restarts it at 1
  Drawn(4);
  EXPECT_EQ(HostOnscreenTimer::CounterFlash(), 4);
  // G + POS_BOTTOM - 0.5 = 129.5 units up, 65 from the right, for both.
  EXPECT_EQ(Calls("HostText.Print").at(0).text(), "HostText.Print 1773.75 767.8125 \"\"");
  EXPECT_EQ(Calls("HostText.Print").at(1).text(), "HostText.Print 1773.75 767.8125 \"12\"");
}

TEST_F(MissionTimers, BarFillsItsShareOfTheBackAndMayOvershoot) {
  hud_settings.MISSIONTIMERBAR_BG_A = {100.0f, 30.0f};
  hud_settings.MISSIONTIMERBAR_BG_B = {20.0f, 10.0f};
  Set("OnscreenTimer.Counter[1].Active", 1);
  Set("OnscreenTimer.Counter[1].Kind", 1);
  HostOnscreenTimer::CounterSeen()[1] = 1;
  const std::pair<const char*, float> cases[] = {{"50", 1785}, {"150", 1965}, {" 0x", 1695}};
  for (const auto& [value, right] : cases) {
    SCOPED_TRACE(value);
    Set("OnscreenTimer.Counter[1].Value", value);
    Drawn(0);
    const auto rects = Calls("HostSprite.DrawRect");
    // R(100), B(10 + 15), R(20), B(30 + 15)
    EXPECT_EQ(rects.at(0).text(), "HostSprite.DrawRect 1695 1019.7321 1875 971.5179 220 172 2 255");
    EXPECT_EQ(rects.at(1).float_arg(2), right);
    EXPECT_TRUE(Calls("HostText.Print").empty());
  }
}

TEST_F(MissionTimers, DescriptionIsLookedUpSmallerAndBelow) {
  refhost::text_table::set_entry("M_TIME", u"TIME LEFT");
  Set("OnscreenTimer.Timer.Active", 1);
  Set("OnscreenTimer.Timer.Text", "02:15");
  Set("OnscreenTimer.Timer.Description", "M_TIME");
  HostOnscreenTimer::TimerSeen() = 1;
  Drawn(0);
  EXPECT_EQ(Calls("HostText.SetScale").at(2).text(), "HostText.SetScale 0.47250003 1.2053572");
  EXPECT_EQ(Calls("HostText.Print").at(0).text(), "HostText.Print 1773.75 802.7678 \"02:15\"");
  EXPECT_EQ(Calls("HostText.Print").at(1).text(), "HostText.Print 1769.25 805.1786 \"TIME LEFT\"");
}

TEST_F(MissionTimers, TextsWithoutTerminatorsAreCutAtTheirFields) {
  std::memset(HostOnscreenTimer::Entries(), 'K', 52);  // key and text run into the next field
  HostOnscreenTimer::Entries()[52] = 1;
  HostOnscreenTimer::TimerSeen() = 1;
  Drawn(0);
  EXPECT_EQ(Calls("HostText.AsciiToWide").at(0).text_arg(0), std::string(42, 'K'));
  EXPECT_EQ(Calls("HostText.Lookup").at(0).text_arg(0), std::string(10, 'K'));
}

}  // namespace
