#include "text_encoding.h"

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

}  // namespace refhost
