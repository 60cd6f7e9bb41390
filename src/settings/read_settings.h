#pragma once
// Turns parsed settings files into the records, key by key through the key
// table. No file system here: LoadHudSettings opens the files, and tools that
// name the folder themselves open them their own way.
#include <cstdint>

#include "settings/hud_settings.h"
#include "settings/ini_file.h"

// The layout keys, VICE_CRY_RADAR_FIX to SLOT9POS_RB; not the colours and not
// RELOAD_SETTINGS, which the load reads after the colours.
void ReadLayoutSettings(IniFile& layout, HudSettings& s);

// The twenty-one colours, in table order.
void ReadColourScheme(IniFile& colours, HudColours& c);

// RELOAD_SETTINGS: 0 when the value reads as false, else the decimal key code,
// or -1 when the value is not a decimal integer ("yes", "true").
std::int32_t ReadReloadSwitch(IniFile& layout);
