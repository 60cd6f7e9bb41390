// The shipped layout as players first meet it, loaded through the plug-in's
// reader from the game folder and drawn by the real elements at the screen
// shapes players use most. The tests check what makes it a layout rather than
// the numbers: the weapon wheel is a ring of a sensible size with ten separate
// slot icons on the indicator's steps, and every element is anchored on screen.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include "elements/mission_title.h"
#include "frame/hud_textures.h"
#include "frame_loop.h"
#include "frame_shapes.h"
#include "keyboard.h"
#include "phone/phone_overlay.h"
#include "plugin/hud_frame.h"
#include "radar/radar.h"
#include "radar/radar_geometry.h"
#include "runtime/host_interface.h"
#include "runtime/host_record.h"
#include "scenario.h"
#include "services/player.h"
#include "settings/load_hud_settings.h"
#include "support/element_test.h"
#include "support/game_folder.h"
#include "txd_file.h"
#include "wheels/weapon_wheel.h"
#include "wheels/wheel_geometry.h"

#ifndef SLATEPANE_DATA_DIR
#error "SLATEPANE_DATA_DIR must name the repository's data/slate_pane_morrowfen folder"
#endif
#ifndef SLATEPANE_BUSY_SCENARIO
#error "SLATEPANE_BUSY_SCENARIO must name the preview's busy scenario"
#endif

namespace {

constexpr double kPi = 3.14159265358979323846;

struct Screen {
  int width, height;
};
void PrintTo(const Screen& s, std::ostream* os) { *os << s.width << "x" << s.height; }

constexpr Screen kScreens[] = {{1920, 1080}, {1280, 1024}, {3440, 1440}};

constexpr const char* kSettingsFiles[] = {"slatepane_VC.ini", "color_configs/ClassicColors.ini",
                                          "color_configs/ModernColors.ini",
                                          "color_configs/VColors.ini"};

struct Rect {
  float left, bottom, right, top;
};

struct Point {
  double x, y;
};

void Ship(const std::string& file, std::vector<std::string> names, int numbered_to = -1) {
  for (int k = 0; k <= numbered_to; ++k) names.push_back(std::to_string(k));
  write_game_file("slate_pane_morrowfen/" + file,
                  refhost::txd::dictionary_file(refhost::txd::named_textures(names)));
}

void ShipDictionaries() {
  Ship("hud_vc.txd", {"clrect", "blrect", "bar", "star", "timerbar"});
  Ship("crosshairs_vc.txd", {"siterocket", "sitesniper", "sitelaser", "siteM16", "viewfinder_128",
                             "laserdot", "snipertarget", "assault", "shotgun", "smg"});
  Ship("ring_vc.txd", {"sring", "shl"}, 36);
  Ship("radio_vc.txd", {}, 10);
  Ship("phone.txd", {"phone", "phone_class"});
}

void ShipSettings() {
  for (const char* file : kSettingsFiles) {
    std::ifstream in(std::string(SLATEPANE_DATA_DIR "/") + file, std::ios::binary);
    ASSERT_TRUE(in) << file;
    write_game_file(std::string("slate_pane_morrowfen/") + file,
                    std::string(std::istreambuf_iterator<char>(in), {}));
  }
}

Rect RectOf(const refhost::RecordedCall& draw) {
  return {draw.float_arg(1), draw.float_arg(2), draw.float_arg(3), draw.float_arg(4)};
}

Point Centre(const Rect& r) { return {(r.left + r.right) / 2.0, (r.top + r.bottom) / 2.0}; }

bool Overlap(const Rect& a, const Rect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Degrees anticlockwise on the screen (y grows downward) from the right.
double AngleOf(Point p, const Screen& s) {
  return std::atan2(s.height / 2.0 - p.y, p.x - s.width / 2.0) * 180.0 / kPi;
}

// Degrees anticlockwise on the screen from the right, of the way from one point to another.
double Direction(Point from, Point to) {
  return std::atan2(from.y - to.y, to.x - from.x) * 180.0 / kPi;
}

// The difference of two angles, brought into -180 .. 180.
double Turn(double from, double to) { return std::remainder(to - from, 360.0); }

// Where a drawing call puts its element: a text's anchor point, a sprite's or
// rectangle's middle, a radar mark's place.
struct Anchor {
  std::string call;
  Point at;
};

std::vector<Anchor> Anchors() {
  std::vector<Anchor> out;
  for (const refhost::RecordedCall& c : refhost::draw_log().calls()) {
    const auto arg = [&c](std::size_t k) { return static_cast<double>(c.float_arg(k)); };
    if (c.name == "HostText.Print" || c.name == "HostText.PrintVariant" ||
        c.name == "HostSprite.DrawRaw" || c.name == "HostRadar.DrawTrace") {
      out.push_back({c.text(), {arg(0), arg(1)}});
    } else if (c.name == "HostRadar.DrawSprite") {
      out.push_back({c.text(), {arg(1), arg(2)}});
    } else if (c.name == "HostSprite.Draw") {
      out.push_back({c.text(), Centre(RectOf(c))});
    } else if (c.name == "HostSprite.DrawRect") {
      out.push_back({c.text(), {(arg(0) + arg(2)) / 2, (arg(1) + arg(3)) / 2}});
    } else if (c.name == "HostSprite.DrawQuad") {
      out.push_back(
          {c.text(),
           {(arg(1) + arg(3) + arg(5) + arg(7)) / 4, (arg(2) + arg(4) + arg(6) + arg(8)) / 4}});
    }
  }
  return out;
}

class ShippedLayoutTest : public ElementTest, public testing::WithParamInterface<Screen> {
 protected:
  void SetUp() override {
    ElementTest::SetUp();
    ShipDictionaries();
    ShipSettings();
    load_hud_textures();
    phone = PhoneState{};
    mission_title = MissionTitleState{};
    ClearLog();
  }

  void TearDown() override {
    release_hud_textures();
    for (const char* file : kSettingsFiles) {
      remove_game_file(std::string("slate_pane_morrowfen/") + file);
    }
    ElementTest::TearDown();
  }

  // Ten weapons carried, slot `current` in hand, and the wheel opened by its
  // key: the slot icons as drawn, in slot order.
  static std::vector<Rect> OpenWheel(int current) {
    const Screen& s = GetParam();
    SetScreen(s.width, s.height);
    LoadHudSettings(hud_settings);
    const int types[10] = {1, 4, 17, 21, 23, 27, 29, 15, 30, 35};
    for (int k = 0; k < 10; ++k) {
      write_field<std::int32_t>(refhost::player::character(), 1032 + 24 * k, types[k]);
    }
    refhost::player::character()[1284] = static_cast<std::uint8_t>(current);
    refhost::set_key(0x31, true);
    // The indicator follows the slot a frame late: the second frame counts.
    for (int frame = 0; frame < 2; ++frame) {
      ClearLog();
      UpdateWheelGeometry();
      WeaponWheel();
    }
    std::vector<Rect> icons;
    for (const refhost::RecordedCall& draw : Calls("HostSprite.Draw"))
      icons.push_back(RectOf(draw));
    return icons;
  }

  // The ring or indicator square of the last frame: corners 1 and 2 are the
  // ends of one side.
  static std::vector<Point> Square(const char* sprite) {
    std::vector<Point> corners;
    for (const refhost::RecordedCall& quad : Calls("HostSprite.DrawQuad")) {
      if (quad.text_arg(0) != sprite) continue;
      corners.clear();
      for (std::size_t k = 0; k < 4; ++k) {
        corners.push_back({quad.float_arg(1 + 2 * k), quad.float_arg(2 + 2 * k)});
      }
    }
    return corners;
  }
};

TEST_P(ShippedLayoutTest, SlotIconsAreTenSeparateRectanglesOnTheScreen) {
  const Screen& s = GetParam();
  const std::vector<Rect> icons = OpenWheel(0);
  ASSERT_EQ(icons.size(), 10u);
  for (int k = 0; k < 10; ++k) {
    SCOPED_TRACE("slot " + std::to_string(k));
    const Rect& r = icons[k];
    // Upright, not mirrored, and wholly on the screen.
    EXPECT_LT(r.left, r.right);
    EXPECT_LT(r.top, r.bottom);
    EXPECT_GE(r.left, 0.0f);
    EXPECT_GE(r.top, 0.0f);
    EXPECT_LE(r.right, static_cast<float>(s.width));
    EXPECT_LE(r.bottom, static_cast<float>(s.height));
    for (int j = k + 1; j < 10; ++j) EXPECT_FALSE(Overlap(r, icons[j])) << "and slot " << j;
  }
}

TEST_P(ShippedLayoutTest, RingIsAQuarterToThreeQuartersOfTheScreenHeight) {
  OpenWheel(0);
  const std::vector<Point> ring = Square("sring");
  ASSERT_EQ(ring.size(), 4u);
  const double side = std::hypot(ring[1].x - ring[0].x, ring[1].y - ring[0].y);
  EXPECT_GE(side, GetParam().height / 4.0);
  EXPECT_LE(side, GetParam().height * 3.0 / 4.0);
}

// Slot k lies (k - 3) tenths of a turn anticlockwise from the right of the
// centre, all at one distance: round the ring at the steps the indicator turns
// by, so that the turned indicator points at the slot in hand.
TEST_P(ShippedLayoutTest, SlotIconsLieOnTheIndicatorsSteps) {
  const Screen& s = GetParam();
  const std::vector<Rect> icons = OpenWheel(0);
  ASSERT_EQ(icons.size(), 10u);
  const std::vector<Point> unturned = Square("shl");
  ASSERT_EQ(unturned.size(), 4u);
  const Point first = Centre(icons[0]);
  const double radius = std::hypot(first.x - s.width / 2.0, first.y - s.height / 2.0);
  for (int k = 0; k < 10; ++k) {
    SCOPED_TRACE("slot " + std::to_string(k));
    const Point c = Centre(icons[k]);
    EXPECT_NEAR(Turn(36.0 * (k - 3), AngleOf(c, s)), 0.0, 1.0);
    EXPECT_NEAR(std::hypot(c.x - s.width / 2.0, c.y - s.height / 2.0), radius, radius * 0.02);
    OpenWheel(k);
    const std::vector<Point> turned = Square("shl");
    ASSERT_EQ(turned.size(), 4u);
    const double indicator =
        Turn(Direction(unturned[0], unturned[1]), Direction(turned[0], turned[1]));
    EXPECT_NEAR(Turn(Turn(AngleOf(first, s), AngleOf(c, s)), indicator), 0.0, 1.0);
  }
}

// Every style's frame holds the whole radar map: each corner of the map falls
// on the frame's plate, clear of its cut or rounded corners, where the frame
// picture is transparent and the map would show past it.
TEST_P(ShippedLayoutTest, RadarMapLiesOnItsFramesPlate) {
  namespace shape = art::frame_shape;
  const Screen& s = GetParam();
  SetScreen(s.width, s.height);
  LoadHudSettings(hud_settings);
  for (const int type : {1, 2, 3}) {
    SCOPED_TRACE("RADAR_TYPE " + std::to_string(type));
    hud_settings.RADAR_TYPE = type;
    ClearLog();
    DrawRadar();
    // The frame is the radar's first quad: (left, lower), (right, lower), (left, upper), ...
    const std::vector<refhost::RecordedCall> quads = Calls("HostSprite.DrawQuad");
    ASSERT_FALSE(quads.empty());
    const refhost::RecordedCall& q = quads.front();
    const Rect frame{q.float_arg(1), q.float_arg(2), q.float_arg(3), q.float_arg(6)};
    const bool classic = type == 1;
    for (const FloatPoint corner : {FloatPoint{-1, -1}, {1, -1}, {1, 1}, {-1, 1}}) {
      const FloatPoint at = RadarToScreen(corner);
      const double u = (at.x - frame.left) / (frame.right - frame.left) * shape::kWidth;
      const double v = (at.y - frame.top) / (frame.bottom - frame.top) * shape::kHeight;
      EXPECT_TRUE(classic ? shape::OnClassicPlate(u, v) : shape::OnModernPlate(u, v))
          << "the map's corner (" << at.x << ", " << at.y << ") is at (" << u << ", " << v
          << ") in the frame picture";
    }
  }
}

// The preview's busy scene, every element at once, played with the shipped
// files: every text, sprite and radar mark the layout places is anchored on
// the screen (the phone reaches below the bottom edge by design; its middle is
// on screen).
TEST_P(ShippedLayoutTest, EveryElementIsAnchoredOnTheScreen) {
  const Screen& s = GetParam();
  refhost::Scenario busy = refhost::Scenario::load(SLATEPANE_BUSY_SCENARIO);
  busy.width = s.width;
  busy.height = s.height;
  // Script lines are placed by the host's mission scripts, not by the layout.
  for (auto it = busy.start.set.begin(); it != busy.start.set.end();) {
    it = it.key().starts_with("ScriptText[") ? busy.start.set.erase(it) : std::next(it);
  }
  refhost::set_up(Image(), busy);
  for (int frame = 1; frame <= busy.frames; ++frame) {
    ClearLog();
    HostTime::NowMs() = busy.clock_start_ms + frame * busy.frame_ms;
    ++HostTime::FrameCounter();
    HudFrame();
    PhoneOverlay();
  }
  const std::vector<Anchor> anchors = Anchors();
  EXPECT_GE(anchors.size(), 40u);
  for (const Anchor& a : anchors) {
    EXPECT_TRUE(a.at.x >= 0 && a.at.x <= s.width && a.at.y >= 0 && a.at.y <= s.height)
        << a.call << " is anchored at (" << a.at.x << ", " << a.at.y << ")";
  }
}

INSTANTIATE_TEST_SUITE_P(ScreenShapes, ShippedLayoutTest, testing::ValuesIn(kScreens),
                         [](const testing::TestParamInfo<Screen>& shape) {
                           return std::to_string(shape.param.width) + "x" +
                                  std::to_string(shape.param.height);
                         });

}  // namespace
