#include "value_text.h"

#include <charconv>
#include <cstdio>

std::string FormatValue(float value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::string FormatValue(std::int32_t value) { return std::to_string(value); }

std::string FormatValue(FloatPair value) {
  return FormatValue(value.first) + " " + FormatValue(value.second);
}

std::string FormatValue(bool value) { return value ? "true" : "false"; }

std::string FormatValue(Rgba value) {
  return std::to_string(value.r) + " " + std::to_string(value.g) + " " + std::to_string(value.b) +
         " " + std::to_string(value.a);
}

std::string Quote(std::string_view text) {
  std::string quoted = "'";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7F) {
      quoted += c;
    } else {
      char escape[5];
      std::snprintf(escape, sizeof escape, "\\x%02X", byte);
      quoted += escape;
    }
  }
  return quoted + "'";
}

std::string JoinWords(const std::string_view* words, std::size_t count) {
  std::string joined;
  for (std::size_t i = 0; i < count; ++i) {
    if (i > 0) joined += i + 1 == count ? " and " : ", ";
    joined += words[i];
  }
  return joined;
}
