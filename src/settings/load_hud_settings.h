#pragma once
// Fills HudSettings from the layout settings file and the colour scheme file
// that the layout's RADAR_TYPE selects. Runs at the start of every HUD pass, so
// both files are parsed afresh each frame and edits show on the next one.
#include "settings/hud_settings.h"
#include "settings/ini_file.h"
#include "settings/read_settings.h"
#include "settings/settings_files.h"

// Reads both files and assigns every field of s; a key that is missing or does
// not convert gives its field the default. Never throws: if memory runs out
// mid-load, s falls back to the defaults, as for a missing file.
void LoadHudSettings(HudSettings& s) noexcept;
