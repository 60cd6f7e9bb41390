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

// opcode and rel32 = target - (address + 5), written together once both guards
// (1 byte at address, 4 at address + 1) are held. Were either refused, nothing
// is written: undoing half an instruction afterwards could itself be refused,
// and the host would then run the new opcode with the old operand.
void write_relative(void* address, std::uint8_t opcode, void* target) {
  std::uint8_t* const at = static_cast<std::uint8_t*>(address);
  // The wider guard is taken first and so put back last: an operand reaching
  // into the next page would otherwise get back the protection the opcode's
  // guard had just set, and stay writable.
  protect_guard operand_guard(at + 1, 4);
  if (!operand_guard.changed()) return;
  protect_guard opcode_guard(at, 1);
  if (!opcode_guard.changed()) return;
  const std::uint32_t operand = detail::code_address(target) - (detail::code_address(at) + 5u);
  std::memcpy(at, &opcode, 1);
  std::memcpy(at + 1, &operand, sizeof(operand));
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
