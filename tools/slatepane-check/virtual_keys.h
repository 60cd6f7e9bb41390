#pragma once
// Names of Windows virtual-key codes, for telling a modder which key a
// RELOAD_SETTINGS value names.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// "the R key", "F5", "Escape", "the left mouse button"; empty for a code that
// names no key.
std::string VirtualKeyName(std::int32_t code);

// The code of a key written by its name: a letter, a digit or F1 to F24, in
// either case.
std::optional<std::int32_t> VirtualKeyCode(std::string_view name);
