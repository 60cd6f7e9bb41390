#pragma once
// Scenario texts are UTF-8; host texts are 16-bit. Scenario file contents may
// also come as base64.
#include <optional>
#include <string>
#include <string_view>

namespace refhost {

std::u16string utf16_from_utf8(std::string_view utf8);

// The bytes of standard base64 text (with its '=' padding; no spaces or line
// breaks); none when the text is not that.
std::optional<std::string> bytes_from_base64(std::string_view text);

}  // namespace refhost
