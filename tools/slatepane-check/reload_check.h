#pragma once
// What the RELOAD_SETTINGS value means: off, a re-read on every frame step,
// or a re-read while one key is held, and the values that mean something else
// than they seem to.
#include <cstdint>
#include <string>
#include <vector>

#include "finding.h"
#include "settings_file.h"

// The meaning of a loaded RELOAD_SETTINGS value, as the end of a sentence.
std::string ReloadMeaning(std::int32_t value);

// Findings for the layout file's RELOAD_SETTINGS; `loaded` is the value the
// reader gave. Plain meanings are notes, given only when `verbose` or when
// reloading is on.
std::vector<Finding> CheckReloadSwitch(SettingsFile& layout, std::int32_t loaded, bool verbose);
