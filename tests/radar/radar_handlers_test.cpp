// The radar handlers' jumps, and what the real plug-in leaves behind.
#include "radar/radar_handlers.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "frame_loop.h"
#include "plugin_loader.h"
#include "radar/blips.h"
#include "radar/radar_fixture.h"
#include "radar/radar_geometry.h"
#include "radar/radar_mask.h"
#include "radar/radar_tiles.h"
#include "restoration_check.h"
#include "runtime/host_interface.h"
#include "runtime/injector/hooking.h"
#include "scenario.h"

namespace {

using RadarHandlersTest = RadarTest;

// Where a host routine's entry jumps: to the host's own code, or to ours.
void* JumpTarget(HostId routine) {
  std::uint8_t* entry = refhost::current_image()->symbol(routine);
  return entry[0] == 0xE9 ? injector::call_target_of(entry) : nullptr;
}

TEST_F(RadarHandlersTest, JumpsLeadTheHostsRoutinesToTheReplacements) {
  Set("Camera.Slot[0].Mode", 37);
  RadarUpdateHandler();
  EXPECT_EQ(RadarRotation.cos, 1.0f);
  EXPECT_EQ(RadarRotation.sin, 0.0f);
  EXPECT_EQ(JumpTarget(HostId::HostRadar_DrawMask), reinterpret_cast<void*>(&DrawRadarMask));
  EXPECT_EQ(JumpTarget(HostId::HostRadar_DrawBlips), reinterpret_cast<void*>(&DrawBlips));
  EXPECT_NE(JumpTarget(HostId::HostRadar_DrawTile), reinterpret_cast<void*>(&DrawRadarTile));
  RadarPatchHandler();
  EXPECT_EQ(JumpTarget(HostId::HostRadar_DrawTile), reinterpret_cast<void*>(&DrawRadarTile));
  // The host's map layer and its menu map reach the replacements.
  ClearLog();
  HostRadar::DrawMapLayer();
  EXPECT_EQ(Calls("HostIm2D.SetMaskVertices").size(), 4u);
  EXPECT_EQ(Calls("HostIm2D.SetVertices").size(), 4u);  // tiles (3, 3) to (4, 4)
  EXPECT_TRUE(Calls("HostRadar.DrawTile").empty());
  HostMap::Active() = 1;
  ClearLog();
  HostRadar::DrawBlips();
  EXPECT_EQ(Calls().back().rfind("HostMap.DrawPlayerMarker", 0), 0u);
}

// The real plug-in binary: after a few frames and the unload, every call site
// holds its bytes again; the three replaced routines keep their jumps.
TEST(RadarInHost, UnloadRestoresSitesAndLeavesTheRadarJumps) {
  refhost::HostImage* previous = refhost::current_image();
  auto image = std::make_unique<refhost::HostImage>(110);
  refhost::set_current_image(image.get());
  refhost::Scenario scenario;
  scenario.width = 1920;
  scenario.height = 1080;
  refhost::set_up(*image, scenario);
  const refhost::CodeSnapshot before(*image);
  std::string error;
  void* plugin = refhost::load_plugin(SLATEPANE_PLUGIN, error);
  ASSERT_NE(plugin, nullptr) << error;
  refhost::play(*image, scenario, 2);
  EXPECT_GT(refhost::draw_log().named("HostIm2D.SetVertices").size(), 0u);
  refhost::unload_plugin(plugin);
  EXPECT_EQ(refhost::check_restored(before, *image), "");
  for (HostId routine :
       {HostId::HostRadar_DrawTile, HostId::HostRadar_DrawMask, HostId::HostRadar_DrawBlips}) {
    SCOPED_TRACE(host_symbol(routine).name);
    EXPECT_EQ(image->symbol(routine)[0], 0xE9);
  }
  refhost::set_current_image(previous);
  refhost::draw_log().clear();
}

}  // namespace
