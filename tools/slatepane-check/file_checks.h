#pragma once
// Every finding about one settings file, in line order, each followed by its
// notes; with `verbose`, notes on the keys the file leaves out come last.
#include <vector>

#include "finding.h"
#include "key_checks.h"
#include "settings/hud_settings.h"
#include "settings_file.h"

// `loaded` is the record as the plug-in reads it from this layout file.
std::vector<Finding> CheckLayoutFile(SettingsFile& layout, const FileNames& names,
                                     const HudSettings& loaded, bool verbose);

std::vector<Finding> CheckColourFile(SettingsFile& colours, const FileNames& names, bool verbose);
