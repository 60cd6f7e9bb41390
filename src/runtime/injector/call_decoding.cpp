// Decoding the destination of a host call or jump instruction.
#include <cstdint>

#include "runtime/injector/code_access.h"
#include "runtime/injector/hooking.h"

namespace injector {

namespace {

constexpr std::uint8_t kCall = 0xE8;
constexpr std::uint8_t kJump = 0xE9;
constexpr std::uint8_t kGroup5 = 0xFF;
constexpr std::uint8_t kIndirectCall = 0x15;  // ModRM: call [disp32]
constexpr std::uint8_t kIndirectJump = 0x25;  // ModRM: jmp [disp32]

}  // namespace

void* call_target_of(void* address) {
  std::uint8_t* const at = static_cast<std::uint8_t*>(address);
  const std::uint8_t opcode = detail::read_code_byte(at);
  if (opcode == kCall || opcode == kJump) {
    std::uint32_t displacement = 0;
    // An unreadable operand is no destination, not address + 5.
    if (!detail::read_code(at + 1, &displacement, sizeof(displacement))) return nullptr;
    return detail::code_pointer(displacement + detail::code_address(at) + 5u);
  }
  if (opcode == kGroup5) {
    const std::uint8_t modrm = detail::read_code_byte(at + 1);
    if (modrm != kIndirectCall && modrm != kIndirectJump) return nullptr;
    std::uint32_t slot = 0;
    if (!detail::read_code(at + 2, &slot, sizeof(slot)) || slot == 0) return nullptr;
    // The slot address comes from host bytes; read it under a guard too, so an
    // address that is not mapped fails the protection change instead of
    // faulting.
    std::uint32_t destination = 0;
    detail::read_code(detail::code_pointer(slot), &destination, sizeof(destination));
    return detail::code_pointer(destination);
  }
  return nullptr;
}

}  // namespace injector
