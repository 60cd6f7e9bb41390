#include "radar/radar_handlers.h"

#include "radar/blips.h"
#include "radar/radar_geometry.h"
#include "radar/radar_mask.h"
#include "radar/radar_tiles.h"
#include "runtime/host_interface.h"
#include "runtime/injector/hooking.h"

namespace {

// The jumps are not restorable and are written again at every firing; they
// stay for the rest of the process.
template <typename Routine>
void JumpTo(HostId host_routine, Routine* replacement) {
  injector::patch_jump(host_routine_entry(host_routine), reinterpret_cast<void*>(replacement));
}

}  // namespace

void RadarUpdateHandler() noexcept {
  UpdateRadarRotation();
  JumpTo(HostId::HostRadar_DrawMask, &DrawRadarMask);
  JumpTo(HostId::HostRadar_DrawBlips, &DrawBlips);
}

void RadarPatchHandler() noexcept { JumpTo(HostId::HostRadar_DrawTile, &DrawRadarTile); }
