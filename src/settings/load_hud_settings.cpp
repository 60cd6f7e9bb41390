#include "settings/load_hud_settings.h"

#include "runtime/host_path.h"

void LoadHudSettings(HudSettings& s) noexcept {
  try {
    IniFile layout(host_path(kLayoutSettingsFile));
    ReadLayoutSettings(layout, s);
    IniFile colours(host_path(ColourSchemeFile(s.RADAR_TYPE)));
    ReadColourScheme(colours, s.colours);
    s.RELOAD_SETTINGS = ReadReloadSwitch(layout);
  } catch (...) {
    // Only allocation can fail here. The host must never see an exception, and
    // a half-written record would mix two loads: fall back to the defaults.
    s = HudSettings{};
  }
}
