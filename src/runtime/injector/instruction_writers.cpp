#include <cstring>

#include "runtime/injector/hooking.h"

namespace injector {

void patch_return(void* address) {
  static constexpr unsigned char kReturn[4] = {0xC3, 0x00, 0x00, 0x00};
  protect_guard guard(address, sizeof(kReturn));
  if (guard.changed()) std::memcpy(address, kReturn, sizeof(kReturn));
}

std::uint32_t read_code_dword(void* address) {
  protect_guard guard(address, 4);
  std::uint32_t value = 0;
  if (guard.changed()) std::memcpy(&value, address, sizeof(value));
  return value;
}

}  // namespace injector
