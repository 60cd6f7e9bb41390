#pragma once
// Scenario texts are UTF-8; host texts are 16-bit.
#include <string>
#include <string_view>

namespace refhost {

std::u16string utf16_from_utf8(std::string_view utf8);

}  // namespace refhost
