#include "machine_code.h"

#include <cstring>
#include <initializer_list>

namespace refhost::machine_code {

namespace {

std::size_t put32(std::uint8_t* at, std::uint32_t value) {
  std::memcpy(at, &value, 4);
  return 4;
}

std::uint32_t relative(std::uint8_t* next_instruction, std::uint32_t target) {
  return target - address_of(next_instruction);
}

}  // namespace

std::uint32_t address_of(const void* pointer) {
  return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(pointer));
}

std::size_t write_jump(std::uint8_t* at, std::uint32_t target) {
  at[0] = 0xE9;
  put32(at + 1, relative(at + 5, target));
  return 5;
}

std::size_t write_stub(std::uint8_t* at, std::uint32_t id, std::uint32_t stack_bytes,
                       bool returns_float, std::uint32_t recorder) {
  std::uint8_t* p = at;
  for (std::uint8_t b : {0x55, 0x89, 0xE5, 0x53, 0x68}) *p++ = b;
  p += put32(p, id);
  *p++ = 0xE8;
  p += put32(p, relative(p + 4, recorder));
  for (std::uint8_t b : {0x83, 0xC4, 0x04, 0x5B, 0x5D, 0x31, 0xC0}) *p++ = b;
  if (returns_float) {
    *p++ = 0xD9;
    *p++ = 0xEE;
  }
  if (stack_bytes == 0) {
    *p++ = 0xC3;
  } else {
    *p++ = 0xC2;
    *p++ = static_cast<std::uint8_t>(stack_bytes & 0xFF);
    *p++ = static_cast<std::uint8_t>(stack_bytes >> 8);
  }
  return static_cast<std::size_t>(p - at);
}

std::size_t write_site_routine(std::uint8_t* at, std::uint32_t index, std::uint32_t recorder) {
  std::uint8_t* target = at + 0x20;
  std::uint8_t* p = at;
  for (std::uint8_t b : {0x55, 0x89, 0xE5, 0xE8}) *p++ = b;
  p += put32(p, relative(p + 4, address_of(target)));
  *p++ = 0x5D;
  *p++ = 0xC3;
  p = target;
  *p++ = 0x68;
  p += put32(p, index);
  *p++ = 0xE8;
  p += put32(p, relative(p + 4, recorder));
  for (std::uint8_t b : {0x83, 0xC4, 0x04, 0xC3}) *p++ = b;
  return static_cast<std::size_t>(p - at);
}

std::size_t write_probe_routine(std::uint8_t* at) {
  static constexpr std::uint8_t kRoutine[] = {0x55, 0x89, 0xE5, 0x53, 0x5B, 0x5D, 0xC3};
  std::memcpy(at, kRoutine, sizeof(kRoutine));
  return sizeof(kRoutine);
}

}  // namespace refhost::machine_code
