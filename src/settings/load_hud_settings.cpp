#include "settings/load_hud_settings.h"

#include "runtime/host_path.h"

namespace {

// Kept from load to load for their buffers only: each load reads both files
// afresh, and once the buffers have grown to them it allocates nothing.
constinit IniFile layout_file;
constinit IniFile colour_file;

}  // namespace

void LoadHudSettings(HudSettings& s) noexcept {
  try {
    layout_file.Reload(host_path(kLayoutSettingsFile));
    ReadLayoutSettings(layout_file, s);
    colour_file.Reload(host_path(ColourSchemeFile(s.RADAR_TYPE)));
    ReadColourScheme(colour_file, s.colours);
    s.RELOAD_SETTINGS = ReadReloadSwitch(layout_file);
  } catch (...) {
    // Only allocation can fail here. The host must never see an exception, and
    // a half-written record would mix two loads: fall back to the defaults.
    s = HudSettings{};
  }
}
