#pragma once
// Fills HudSettings from the layout settings file and the colour scheme file
// that the layout's RADAR_TYPE selects. Runs at the start of every HUD pass, so
// both files are read afresh each frame and edits show on the next one; they
// are parsed again only when their bytes differ from the last parse's.
#include "settings/hud_settings.h"
#include "settings/ini_file.h"
#include "settings/read_settings.h"
#include "settings/settings_files.h"

// Reads both files and assigns every field of s; a key that is missing or does
// not convert gives its field the default. Never throws: if memory runs out
// mid-load, s falls back to the defaults, as for a missing file.
void LoadHudSettings(HudSettings& s) noexcept;

// The next load parses both files even if they read as at the last parse.
void ForgetLastLoad() noexcept;
