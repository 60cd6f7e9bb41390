// The reference host's polygon clip, and the scenario entries that lay out
// its texture store and name its entities.
#include <gtest/gtest.h>

#include <stdexcept>

#include "frame_loop.h"
#include "runtime/host_interface.h"
#include "runtime/host_record.h"
#include "scenario.h"
#include "services/radar.h"
#include "services/world.h"
#include "support/element_test.h"

namespace {

namespace radar = refhost::radar;
namespace world = refhost::world;
using RadarServicesTest = ElementTest;

std::vector<FloatPoint> Clip(std::vector<FloatPoint> polygon) {
  FloatPoint corners[4];
  std::copy(polygon.begin(), polygon.end(), corners);
  FloatPoint out[8];
  const int n = radar::clip_to_square(corners, out);
  return std::vector<FloatPoint>(out, out + n);
}

TEST(RadarClip, CutsConvexQuadsToTheSquare) {
  // Inside: unchanged.
  EXPECT_EQ(Clip({{-0.5f, -0.5f}, {0.5f, -0.5f}, {0.5f, 0.5f}, {-0.5f, 0.5f}}).size(), 4u);
  // Covering the whole square: its four corners.
  const std::vector<FloatPoint> whole = Clip({{-3, -3}, {3, -3}, {3, 3}, {-3, 3}});
  ASSERT_EQ(whole.size(), 4u);
  for (const FloatPoint& p : whole) {
    EXPECT_EQ(std::abs(p.x), 1.0f);
    EXPECT_EQ(std::abs(p.y), 1.0f);
  }
  // A diamond through all four edges: eight points on the border.
  const std::vector<FloatPoint> octagon = Clip({{0, -1.5f}, {1.5f, 0}, {0, 1.5f}, {-1.5f, 0}});
  ASSERT_EQ(octagon.size(), 8u);
  for (const FloatPoint& p : octagon) EXPECT_EQ(std::max(std::abs(p.x), std::abs(p.y)), 1.0f);
  EXPECT_EQ(Clip({{2, 2}, {3, 2}, {3, 3}, {2, 3}}).size(), 0u);
}

TEST_F(RadarServicesTest, ScenarioLaysOutTheStoreAndNamesEntities) {
  const refhost::Scenario sc = refhost::Scenario::parse(R"({
    "texture_store": {"leave_out": ["radar05"], "insert_before": {"radar10": ["a", "b"]}},
    "start": {"set": {"Camera.Slot[1].Target": "ObjectPool[7]"}}
  })");
  refhost::set_up(Image(), sc);
  EXPECT_EQ(HostTxd::FindSlot("radar04"), 6);
  EXPECT_EQ(HostTxd::FindSlot("radar05"), -1);
  EXPECT_EQ(HostTxd::FindSlot("radar06"), 7);
  EXPECT_EQ(HostTxd::FindSlot("a"), 11);
  EXPECT_EQ(HostTxd::FindSlot("b"), 12);
  EXPECT_EQ(HostTxd::FindSlot("radar10"), 13);
  const auto* target = read_field<std::uint8_t*>(HostCamera::Record(), 16 + 460 + 28);
  EXPECT_EQ(target, world::pool_record(world::Pool::Object, 7));
  const char* bad[] = {R"({"texture_store": {"leave_out": ["radar64"]}})",
                       R"({"start": {"set": {"Camera.Slot[0].Target": "ObjectPool[8]"}}})",
                       R"({"start": {"set": {"Camera.Slot[3].Mode": 1}}})"};
  for (const char* text : bad) {
    SCOPED_TRACE(text);
    EXPECT_THROW(refhost::set_up(Image(), refhost::Scenario::parse(text)), std::runtime_error);
  }
}

}  // namespace
