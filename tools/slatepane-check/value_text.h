#pragma once
// How the checker writes values and file text back to the user.
#include <cstdint>
#include <string>
#include <string_view>

#include "settings/hud_settings.h"

// Shortest text that reads back as the same float ("0.44", "12.5", "1e+20").
std::string FormatValue(float value);
std::string FormatValue(std::int32_t value);
std::string FormatValue(FloatPair value);  // "0.44 0.859"
std::string FormatValue(bool value);       // "true" / "false"
std::string FormatValue(Rgba value);       // "89 115 150 255"

// Text from a file in single quotes, every byte outside printable ASCII written
// as \xNN, so that a byte-order mark or a stray control byte shows.
std::string Quote(std::string_view text);

// "red", "red and green", "red, green and blue".
std::string JoinWords(const std::string_view* words, std::size_t count);
