#pragma once
// Fills HudSettings from the layout settings file and the colour scheme file
// that the layout's RADAR_TYPE selects. Runs at the start of every HUD pass, so
// both files are parsed afresh each frame and edits show on the next one.
#include <cstdint>

#include "settings/hud_settings.h"
#include "settings/ini_file.h"

// Paths relative to the host executable's folder.
inline constexpr const char* kLayoutSettingsFile = "slate_pane_morrowfen\\slatepane_VC.ini";
inline constexpr const char* kClassicColoursFile =
    "slate_pane_morrowfen\\color_configs\\ClassicColors.ini";
inline constexpr const char* kModernColoursFile =
    "slate_pane_morrowfen\\color_configs\\ModernColors.ini";
inline constexpr const char* kVColoursFile = "slate_pane_morrowfen\\color_configs\\VColors.ini";

// Reads both files and assigns every field of s; a key that is missing or does
// not convert gives its field the default. Never throws: if memory runs out
// mid-load, s falls back to the defaults, as for a missing file.
void LoadHudSettings(HudSettings& s) noexcept;

// The layout keys, VICE_CRY_RADAR_FIX to SLOT9POS_RB; not the colours and not
// RELOAD_SETTINGS, which the load reads after the colours.
void ReadLayoutSettings(IniFile& layout, HudSettings& s);

// The twenty-one colours, in table order.
void ReadColourScheme(IniFile& colours, HudColours& c);

// RELOAD_SETTINGS: 0 when the value reads as false, else the decimal key code,
// or -1 when the value is not a decimal integer ("yes", "true").
std::int32_t ReadReloadSwitch(IniFile& layout);

// The colour scheme file for a radar type: 1 Classic, 2 Modern, any other V.
const char* ColourSchemeFile(std::int32_t radar_type);
