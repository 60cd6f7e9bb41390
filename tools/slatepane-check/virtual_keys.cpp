#include "virtual_keys.h"

#include <charconv>

namespace {

struct NamedKey {
  std::int32_t code;
  const char* name;
};

constexpr NamedKey kNamedKeys[] = {
    {0x01, "the left mouse button"},
    {0x02, "the right mouse button"},
    {0x03, "Control-Break"},
    {0x04, "the middle mouse button"},
    {0x05, "the X1 mouse button"},
    {0x06, "the X2 mouse button"},
    {0x08, "Backspace"},
    {0x09, "Tab"},
    {0x0C, "Clear"},
    {0x0D, "Enter"},
    {0x10, "Shift"},
    {0x11, "Control"},
    {0x12, "Alt"},
    {0x13, "Pause"},
    {0x14, "Caps Lock"},
    {0x1B, "Escape"},
    {0x20, "the space bar"},
    {0x21, "Page Up"},
    {0x22, "Page Down"},
    {0x23, "End"},
    {0x24, "Home"},
    {0x25, "the left arrow"},
    {0x26, "the up arrow"},
    {0x27, "the right arrow"},
    {0x28, "the down arrow"},
    {0x2C, "Print Screen"},
    {0x2D, "Insert"},
    {0x2E, "Delete"},
    {0x5B, "the left Windows key"},
    {0x5C, "the right Windows key"},
    {0x5D, "the menu key"},
    {0x6A, "numpad *"},
    {0x6B, "numpad +"},
    {0x6D, "numpad -"},
    {0x6E, "numpad ."},
    {0x6F, "numpad /"},
    {0x90, "Num Lock"},
    {0x91, "Scroll Lock"},
    {0xA0, "the left Shift"},
    {0xA1, "the right Shift"},
    {0xA2, "the left Control"},
    {0xA3, "the right Control"},
    {0xA4, "the left Alt"},
    {0xA5, "the right Alt"},
    {0xBA, "the ; key"},
    {0xBB, "the = key"},
    {0xBC, "the , key"},
    {0xBD, "the - key"},
    {0xBE, "the . key"},
    {0xBF, "the / key"},
    {0xC0, "the ` key"},
    {0xDB, "the [ key"},
    {0xDC, "the \\ key"},
    {0xDD, "the ] key"},
    {0xDE, "the ' key"},
};

constexpr std::int32_t kDigit0 = 0x30, kLetterA = 0x41, kNumpad0 = 0x60, kF1 = 0x70;

}  // namespace

std::string VirtualKeyName(std::int32_t code) {
  // Appended rather than added to a literal: GCC 12 misreports the latter.
  std::string name;
  if ((code >= kDigit0 && code <= kDigit0 + 9) || (code >= kLetterA && code < kLetterA + 26)) {
    name.append("the ").append(1, static_cast<char>(code)).append(" key");
    return name;
  }
  if (code >= kNumpad0 && code <= kNumpad0 + 9) {
    return name.append("numpad ").append(std::to_string(code - kNumpad0));
  }
  if (code >= kF1 && code < kF1 + 24)
    return name.append("F").append(std::to_string(code - kF1 + 1));
  for (const NamedKey& key : kNamedKeys) {
    if (key.code == code) return key.name;
  }
  return {};
}

std::optional<std::int32_t> VirtualKeyCode(std::string_view name) {
  if (name.size() == 1) {
    const char c = name[0];
    if (c >= '0' && c <= '9') return kDigit0 + (c - '0');
    if (c >= 'A' && c <= 'Z') return kLetterA + (c - 'A');
    if (c >= 'a' && c <= 'z') return kLetterA + (c - 'a');
    return std::nullopt;
  }
  if (name.size() < 2 || (name[0] != 'F' && name[0] != 'f')) return std::nullopt;
  int number = 0;
  const auto result = std::from_chars(name.data() + 1, name.data() + name.size(), number);
  if (result.ec != std::errc() || result.ptr != name.data() + name.size() || number < 1 ||
      number > 24 || name[1] == '0') {
    return std::nullopt;
  }
  return kF1 + number - 1;
}
