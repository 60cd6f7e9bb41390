#include "text_encoding.h"

#include <cstdint>

namespace refhost {

std::u16string utf16_from_utf8(std::string_view utf8) {
  std::u16string out;
  for (std::size_t k = 0; k < utf8.size();) {
    const unsigned char c = static_cast<unsigned char>(utf8[k]);
    char32_t code = c;
    std::size_t extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
    if (extra) code = c & (0x3F >> extra);
    for (std::size_t n = 1; n <= extra && k + n < utf8.size(); ++n) {
      code = (code << 6) | (static_cast<unsigned char>(utf8[k + n]) & 0x3F);
    }
    k += extra + 1;
    if (code >= 0x10000) {
      out += static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
      out += static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
    } else {
      out += static_cast<char16_t>(code);
    }
  }
  return out;
}

namespace {

int base64_digit(char c) {
  if (c >= 'A' && c <= 'Z') return c - 'A';
  if (c >= 'a' && c <= 'z') return c - 'a' + 26;
  if (c >= '0' && c <= '9') return c - '0' + 52;
  if (c == '+') return 62;
  return c == '/' ? 63 : -1;
}

}  // namespace

std::optional<std::string> bytes_from_base64(std::string_view text) {
  if (text.size() % 4 != 0) return std::nullopt;
  const std::size_t padding = text.ends_with("==") ? 2 : text.ends_with('=') ? 1 : 0;
  std::string out;
  std::uint32_t bits = 0;
  for (std::size_t k = 0; k < text.size() - padding; ++k) {
    const int digit = base64_digit(text[k]);
    if (digit < 0) return std::nullopt;
    bits = (bits << 6) | static_cast<std::uint32_t>(digit);
    if (k % 4 == 3) {
      out += static_cast<char>(bits >> 16);
      out += static_cast<char>(bits >> 8);
      out += static_cast<char>(bits);
      bits = 0;
    }
  }
  // A padded group carries one byte (two digits) or two (three digits).
  if (padding == 2) out += static_cast<char>(bits >> 4);
  if (padding == 1) {
    out += static_cast<char>(bits >> 10);
    out += static_cast<char>(bits >> 2);
  }
  return out;
}

}  // namespace refhost
