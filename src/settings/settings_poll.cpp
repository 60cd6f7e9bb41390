#include "settings/settings_poll.h"

#include "runtime/keys.h"
#include "settings/hud_settings.h"
#include "settings/load_hud_settings.h"

void SettingsPoll() {
  const std::int32_t key = hud_settings.RELOAD_SETTINGS;
  if (key == 0) return;
  if (key == -1 || KeyHeld(key)) LoadHudSettings(hud_settings);
}
