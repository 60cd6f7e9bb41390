#include <cstring>

#include "runtime/injector/code_access.h"
#include "runtime/injector/hooking.h"

namespace injector {

namespace detail {

bool read_code(const void* address, void* out, std::uint32_t size) {
  void* const at = const_cast<void*>(address);
  protect_guard guard(at, size);
  if (!guard.changed()) return false;
  std::memcpy(out, at, size);
  return true;
}

bool write_code(void* address, const void* bytes, std::uint32_t size) {
  protect_guard guard(address, size);
  if (!guard.changed()) return false;
  std::memcpy(address, bytes, size);
  return true;
}

std::uint8_t read_code_byte(const void* address) {
  std::uint8_t value = 0;
  read_code(address, &value, 1);
  return value;
}

}  // namespace detail

namespace {

constexpr std::uint8_t kCall = 0xE8;
constexpr std::uint8_t kJump = 0xE9;

// opcode, then rel32 = target - (address + 5), each under its own guard.
void write_relative(void* address, std::uint8_t opcode, void* target) {
  std::uint8_t old_opcode = 0;
  {
    protect_guard guard(address, 1);
    if (!guard.changed()) return;
    std::memcpy(&old_opcode, address, 1);
    std::memcpy(address, &opcode, 1);
  }
  const std::uint32_t operand = detail::code_address(target) - (detail::code_address(address) + 5u);
  void* const operand_at = static_cast<std::uint8_t*>(address) + 1;
  if (!detail::write_code(operand_at, &operand, sizeof(operand))) {
    // The new opcode with the old operand would go somewhere unintended.
    detail::write_code(address, &old_opcode, 1);
  }
}

}  // namespace

void patch_return(void* address) {
  static constexpr unsigned char kReturn[4] = {0xC3, 0x00, 0x00, 0x00};
  detail::write_code(address, kReturn, sizeof(kReturn));
}

std::uint32_t read_code_dword(void* address) {
  std::uint32_t value = 0;
  detail::read_code(address, &value, sizeof(value));
  return value;
}

void patch_jump(void* address, void* target) {
  // Decoded and dropped, so a jump costs the same protection changes as a call.
  static_cast<void>(call_target_of(address));
  write_relative(address, kJump, target);
}

void* patch_call(void* address, void* target) {
  void* const old_destination = call_target_of(address);
  write_relative(address, kCall, target);
  return old_destination;
}

}  // namespace injector
