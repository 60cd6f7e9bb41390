#pragma once
// Findings about how the value of one known key reads: the part that is not
// read, a value that reads nothing, components that keep their defaults,
// flags that read the other way, colour components out of range.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "finding.h"
#include "settings/setting_keys.h"
#include "settings_file.h"

std::vector<Finding> CheckLayoutValue(SettingsFile& file, const LayoutSettingKey& key);
std::vector<Finding> CheckColourValue(SettingsFile& file, const ColourSettingKey& key);

// The number a value written as "0x52" stands for (82), when it fits 32 bits.
std::optional<std::int32_t> HexadecimalValue(std::string_view value);

// "hexadecimal is not read; write 82" for a value written as 0x52, else "".
std::string HexadecimalAdvice(std::string_view value);

// Integer readings past the number: a fraction, hexadecimal, other text. Also
// used for RELOAD_SETTINGS.
std::vector<Finding> CheckIntegerRest(const SettingsFile& file, const IniEntry& entry);
