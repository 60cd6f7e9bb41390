#pragma once
// The default and the loaded value of any known key, as text.
#include <string>
#include <string_view>

#include "known_keys.h"
#include "settings/hud_settings.h"

// The value a key takes when the file does not give it.
std::string DefaultText(FileRole role, std::string_view key);

// The value of key in a loaded record.
std::string LoadedText(FileRole role, std::string_view key, const HudSettings& loaded);
