#include "plugin/hud_frame.h"

#include "elements/big_messages.h"
#include "elements/display_timers.h"
#include "elements/help_box.h"
#include "elements/mission_timers.h"
#include "elements/mission_title.h"
#include "elements/script_text.h"
#include "elements/subtitles.h"
#include "elements/vehicle_name.h"
#include "elements/wanted_stars.h"
#include "elements/zone_name.h"
#include "frame/scaling.h"
#include "radar/radar.h"
#include "runtime/host_interface.h"
#include "runtime/injector/hooking.h"
#include "settings/hud_settings.h"
#include "settings/load_hud_settings.h"
#include "wheels/crosshairs.h"
#include "wheels/radio_wheel.h"
#include "wheels/weapon_wheel.h"
#include "wheels/wheel_geometry.h"

void SuppressHostHudRoutines() {
  injector::patch_return(host_routine_entry(HostId::HostHud_DrawPlayerInfo));
  injector::patch_return(host_routine_entry(HostId::HostHud_DrawTimers));
  injector::patch_return(host_routine_entry(HostId::HostHud_DrawMessages));
}

namespace {

bool HudProperShown() { return HostMenu::ShowHud() != 0 && HostCamera::Widescreen() == 0; }

void DrawHudProper(bool toggle) {
  CrosshairElement(toggle);
  DrawRadar();
  DrawVehicleName(TransitionOffset());
  DrawZoneName(TransitionOffset());
  DrawMissionTitle(TransitionOffset());
  UpdateWheelGeometry();
  WeaponWheel();
  RadioWheel();
  DrawWantedStars();
  DrawHelpBox();
  DrawMissionTimers();
  DisplayTimers();
}

// Runs even while the HUD proper is hidden.
void DrawMessageGroup() {
  DrawSubtitles();
  DrawBigMessages();
  DrawScriptTextA();
  DrawScriptTextB();
  DrawMissionTitle(TransitionOffset());
}

}  // namespace

void HudFrame() noexcept {
  SuppressHostHudRoutines();
  LoadHudSettings(hud_settings);
  const bool toggled = ToggleHudWhileOff();
  if (HudProperShown()) {
    if (HostMenu::Active() != 0) return;
    DrawHudProper(!toggled);
    // The radio wheel slows host time while open; every pass that ran the
    // HUD proper puts it back.
    HostTime::Scale() = 1.0f;
  }
  if (HostMenu::Active() != 0) return;
  DrawMessageGroup();
}
