#pragma once
// The money's green and blue trade places on screen: MONEY_COLOR 255 200 0
// draws as 255 0 200. Every colour file written so far relies on it, so the
// plug-in keeps it, and the checker says it where a modder looks.
#include <string>
#include <vector>

#include "finding.h"
#include "settings/hud_settings.h"
#include "settings_file.h"

// "89 150 115": the red, green and blue the money is drawn with.
std::string MoneyDrawnText(Rgba written);

// A note at the file's MONEY_COLOR line when its green and blue differ.
std::vector<Finding> CheckMoneyColour(SettingsFile& colours);
