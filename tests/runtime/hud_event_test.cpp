#include "runtime/hud_event.h"

#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "host_image.h"
#include "runtime/address_map.h"

namespace {

std::vector<std::string> trace;

void Alpha() { trace.push_back("alpha"); }
void Beta() noexcept { trace.push_back("beta"); }

using List = HudEvent::List;

class HudEventTest : public testing::Test {
 protected:
  void SetUp() override { trace.clear(); }
  void TearDown() override { refhost::current_image()->rewrite_code(); }
};

TEST_F(HudEventTest, PlainFunctionsAreAddedOnceLambdasEveryTime) {
  HudEvent event({});
  event.add(Alpha, List::After);
  event.add(Alpha, List::After);
  event.add(Beta, List::After);
  event.add(Beta, List::After);
  EXPECT_EQ(event.size(List::After), 2u);
  // The same function in the other list is another node.
  event.add(Alpha, List::Before);
  EXPECT_EQ(event.size(List::Before), 1u);
  auto lambda = [] { trace.push_back("lambda"); };
  event.add(lambda, List::After);
  event.add(lambda, List::After);
  EXPECT_EQ(event.size(List::After), 4u);
}

TEST_F(HudEventTest, RunWrapsTheHostCallInOrder) {
  HudEvent event({});
  event.add(Alpha, List::Before);
  event.add([] { trace.push_back("second before"); }, List::Before);
  event.add(Beta, List::After);
  const std::uint32_t result = event.run([] {
    trace.push_back("host");
    return 0x1234u;
  });
  EXPECT_EQ(result, 0x1234u);
  EXPECT_EQ(trace, (std::vector<std::string>{"alpha", "second before", "host", "beta"}));
}

TEST_F(HudEventTest, HandlerAddingToItsOwnListDoesNotDisturbTheRun) {
  HudEvent event({});
  event.add(
      [&event] {
        trace.push_back("adder");
        event.add([] { trace.push_back("added"); }, List::After);
      },
      List::After);
  event.run([] { return 0u; });
  EXPECT_EQ(event.size(List::After), 2u);
  trace.clear();
  event.run([] { return 0u; });
  EXPECT_EQ(trace, (std::vector<std::string>{"adder", "added", "added"}));
}

TEST_F(HudEventTest, AThrowingHandlerStaysOnOurSide) {
  HudEvent event({});
  event.add([] { throw std::runtime_error("boom"); }, List::Before);
  event.add(Alpha, List::After);
  bool host_called = false;
  EXPECT_NO_THROW(event.run([&] {
    host_called = true;
    return 7u;
  }));
  EXPECT_TRUE(host_called);
  EXPECT_EQ(trace, (std::vector<std::string>{"alpha"}));
}

TEST_F(HudEventTest, FirstAddInterceptsTheSitesOnceAndDestructionRestoresThem) {
  refhost::HostImage& image = *refhost::current_image();
  std::uint8_t original[5];
  std::memcpy(original, image.site(HostSite::RadarPatch), 5);
  {
    HudEvent event({HostSite::RadarPatch});
    EXPECT_FALSE(event.installed());
    event.add(Alpha, List::After);
    EXPECT_TRUE(event.installed());
    std::uint8_t hooked[5];
    std::memcpy(hooked, image.site(HostSite::RadarPatch), 5);
    EXPECT_EQ(hooked[0], 0xE8);
    EXPECT_NE(std::memcmp(hooked, original, 5), 0);
    event.add(Beta, List::Before);
    EXPECT_EQ(std::memcmp(image.site(HostSite::RadarPatch), hooked, 5), 0);

    const int calls = refhost::HostImage::site_target_calls(HostSite::RadarPatch);
    const std::uint32_t answer = image.run_site_routine(HostSite::RadarPatch);
    EXPECT_EQ(answer, refhost::HostImage::kSiteAnswer + static_cast<int>(HostSite::RadarPatch));
    EXPECT_EQ(refhost::HostImage::site_target_calls(HostSite::RadarPatch), calls + 1);
    EXPECT_EQ(trace, (std::vector<std::string>{"beta", "alpha"}));
  }
  EXPECT_EQ(std::memcmp(image.site(HostSite::RadarPatch), original, 5), 0);
}

TEST_F(HudEventTest, TwoSitesBothFire) {
  HudEvent event({HostSite::RadarUpdateA, HostSite::RadarUpdateB});
  event.add(Alpha, List::After);
  refhost::current_image()->run_site_routine(HostSite::RadarUpdateA);
  refhost::current_image()->run_site_routine(HostSite::RadarUpdateB);
  EXPECT_EQ(trace, (std::vector<std::string>{"alpha", "alpha"}));
}
}  // namespace
