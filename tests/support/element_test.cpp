#include "support/element_test.h"

#include "elements/big_messages.h"
#include "frame/display_timers.h"
#include "frame_loop.h"
#include "os_shim.h"
#include "scenario.h"
#include "services/reset_services.h"
#include "settings/hud_settings.h"
#include "wheels/radio_wheel.h"
#include "wheels/weapon_wheel.h"

namespace {

// What the elements carry from frame to frame, back to its start.
void ResetElementState() {
  display_timers = DisplayTimerState{};
  big_messages = BigMessageState{};
  weapon_wheel_state = WeaponWheelState{};
  radio_wheel_state = RadioWheelState{};
}

}  // namespace

void ElementTest::SetUp() {
  refhost::HostImage& image = Image();
  image.rewrite_code();
  image.clear_data();
  refhost::Scenario screen;
  screen.width = 1920;
  screen.height = 1080;
  refhost::set_up(image, screen);
  refhost::reset_services();
  hud_settings = HudSettings{};
  ResetElementState();
  ClearLog();
}

void ElementTest::TearDown() {
  refhost::os_shim::release_all_keys();
  hud_settings = HudSettings{};
  // Tests outside this fixture find the host as clean as it was.
  Image().clear_data();
  Image().rewrite_code();
  ClearLog();
}

refhost::HostImage& ElementTest::Image() { return *refhost::current_image(); }

void ElementTest::SetScreen(int width, int height) {
  Image().set<std::int32_t>("HostScreen.Width", width);
  Image().set<std::int32_t>("HostScreen.Height", height);
}

std::vector<std::string> ElementTest::Calls() { return refhost::draw_log().texts(); }

std::vector<refhost::RecordedCall> ElementTest::Calls(std::string_view name) {
  return refhost::draw_log().named(name);
}

void ElementTest::ClearLog() { refhost::draw_log().clear(); }
