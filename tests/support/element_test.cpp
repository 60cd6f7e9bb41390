#include "support/element_test.h"

#include "elements/big_messages.h"
#include "elements/display_timers.h"
#include "frame/hud_textures.h"
#include "frame_loop.h"
#include "runtime/sprite_holders.h"
#include "scenario.h"
#include "services/reset_services.h"
#include "settings/hud_settings.h"
#include "wheels/radio_wheel.h"
#include "wheels/weapon_wheel.h"

namespace {

template <std::size_t N>
void Empty(SpriteHolder (&holders)[N]) {
  for (SpriteHolder& holder : holders) holder.texture = 0;
}

// What the elements carry from frame to frame, back to its start. The sprite
// holders and the loaded dictionaries too: they point into the host's texture
// store, which every test starts afresh, so a texture a test before loaded
// would otherwise be drawn as a destroyed one.
void ResetElementState() {
  display_timers = DisplayTimerState{};
  big_messages = BigMessageState{};
  weapon_wheel_state = WeaponWheelState{};
  radio_wheel_state = RadioWheelState{};
  hud_textures = HudTextures{};
  Empty(HudSet);
  Empty(CrosshairSet);
  Empty(RingSet);
  Empty(SlotIcons);
  for (SpriteHolder* holder : {&PhoneSprite, &StationIcon, &RadarTileSprite, &RadarCentreSprite}) {
    holder->texture = 0;
  }
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
  hud_settings = HudSettings{};
  // Tests outside this fixture find the host as clean as it was: its
  // services too, such as a player a test took away.
  refhost::reset_services();
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
