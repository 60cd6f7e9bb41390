#pragma once
// Values that read in full but cannot work as the modder meant: a scale that
// makes its element vanish, a length turned over, a weapon wheel of no size,
// bars that never show, and numbers of which only the whole part is used.
#include <string>
#include <vector>

#include "finding.h"
#include "settings/hud_settings.h"
#include "settings/setting_keys.h"
#include "settings_file.h"

// Judged on the value the plug-in uses (loaded), for a key the file sets.
std::vector<Finding> CheckWorkableValue(SettingsFile& file, const LayoutSettingKey& key,
                                        const HudSettings& loaded);

// "1" for a whole-unit key set to 1.3, "43 321" for a pair; "" when nothing
// is cut (for --effective).
std::string WholeUnitsUsed(std::string_view name, const HudSettings& loaded);
