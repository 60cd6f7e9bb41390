#pragma once
// Guarded byte access to host code, shared by the instruction writers and the
// call decoder. Each call opens one protect_guard over exactly its bytes and
// touches nothing when the protection change fails.
#include <cstdint>

namespace injector::detail {

// False (and `out` untouched) when the range could not be made accessible.
bool read_code(const void* address, void* out, std::uint32_t size);
bool write_code(void* address, const void* bytes, std::uint32_t size);

// 0 when the byte could not be read.
std::uint8_t read_code_byte(const void* address);

// Host code is 32-bit: addresses are handled as unsigned 32-bit values so
// that displacement arithmetic wraps modulo 2^32.
inline std::uint32_t code_address(const void* pointer) {
  return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(pointer));
}
inline void* code_pointer(std::uint32_t address) {
  return reinterpret_cast<void*>(static_cast<std::uintptr_t>(address));
}

}  // namespace injector::detail
