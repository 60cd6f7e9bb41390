#include "frame/hud_frame.h"

#include "runtime/host_interface.h"
#include "runtime/injector/hooking.h"
#include "settings/hud_settings.h"
#include "settings/load_hud_settings.h"

void SuppressHostHudRoutines() {
  injector::patch_return(host_routine_entry(HostId::HostHud_DrawPlayerInfo));
  injector::patch_return(host_routine_entry(HostId::HostHud_DrawTimers));
  injector::patch_return(host_routine_entry(HostId::HostHud_DrawMessages));
}

namespace {

bool HudProperShown() { return HostMenu::ShowHud() != 0 && HostCamera::Widescreen() == 0; }

}  // namespace

void HudFrame() noexcept {
  SuppressHostHudRoutines();
  LoadHudSettings(hud_settings);
  if (HudProperShown()) {
    if (HostMenu::Active() != 0) return;
    // The HUD proper's elements draw here, in their fixed order; the radio
    // wheel may have slowed host time while open, so it is put back after them.
    HostTime::Scale() = 1.0f;
  }
  if (HostMenu::Active() != 0) return;
  // The message group draws here, also while the HUD proper is hidden.
}
