#pragma once
// Every setting with the value the plug-in uses and where it comes from,
// written as a settings file that reads back to the same values: the layout
// keys in the order of the lines that count, then those the file leaves out;
// then the colours of the selected scheme the same way.
#include <ostream>

#include "settings/hud_settings.h"
#include "settings_file.h"

void WriteEffective(std::ostream& out, SettingsFile& layout, SettingsFile& colours,
                    const HudSettings& loaded);
