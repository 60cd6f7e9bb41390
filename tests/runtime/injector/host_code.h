#pragma once
// Test access to the host image's code: a scratch area no host routine uses,
// byte reads (code pages are readable) and writes through the patching layer's
// own guard (they are not writable until unprotected).
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <initializer_list>

#include "host_image.h"
#include "runtime/address_map.h"
#include "runtime/calling_convention.h"
#include "runtime/host_address.h"
#include "runtime/injector/protect_guard.h"

namespace host_code {

// Host addresses of code nothing else writes: 0x6F0000 up to the end of code.
constexpr std::uint32_t kScratch = 0x6F0000;
// The last byte of the image; the page after it is not the host's.
constexpr std::uint32_t kLastImageByte = refhost::HostImage::kEnd - 1;

using Routine = std::uint32_t(HOST_CDECL*)();

inline std::uint8_t* at(std::uint32_t host) {
  return static_cast<std::uint8_t*>(host_address(host));
}

inline std::uint32_t address_of(const void* pointer) {
  return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(pointer));
}

inline void* pointer_to(std::uint32_t address) {
  return reinterpret_cast<void*>(static_cast<std::uintptr_t>(address));
}

template <std::size_t N = 5>
std::array<std::uint8_t, N> read(const void* where) {
  std::array<std::uint8_t, N> bytes{};
  std::memcpy(bytes.data(), where, N);
  return bytes;
}

inline void write(void* where, const std::uint8_t* bytes, std::uint32_t size) {
  injector::protect_guard guard(where, size);
  ASSERT_TRUE(guard.changed());
  std::memcpy(where, bytes, size);
}

inline void write(void* where, std::initializer_list<std::uint8_t> bytes) {
  write(where, bytes.begin(), static_cast<std::uint32_t>(bytes.size()));
}

inline void write32(void* where, std::uint32_t value) {
  std::uint8_t bytes[4];
  std::memcpy(bytes, &value, 4);
  write(where, bytes, 4);
}

// `opcode` followed by a 32-bit little-endian operand.
inline std::array<std::uint8_t, 5> instruction(std::uint8_t opcode, std::uint32_t operand) {
  std::array<std::uint8_t, 5> bytes{opcode};
  std::memcpy(bytes.data() + 1, &operand, 4);
  return bytes;
}

// The 5 bytes of a relative call or jump from `site` to `target`.
inline std::array<std::uint8_t, 5> relative(std::uint8_t opcode, const void* site,
                                            const void* target) {
  return instruction(opcode, address_of(target) - (address_of(site) + 5));
}

// Where a host site's call goes in a freshly written image.
inline void* site_target(HostSite site) {
  const std::uint8_t* call = refhost::current_image()->site(site);
  std::int32_t displacement = 0;
  std::memcpy(&displacement, call + 1, 4);
  return pointer_to(address_of(call) + 5 + static_cast<std::uint32_t>(displacement));
}

// A host routine like the image's own site routines, at `routine`:
//   push ebp; mov ebp, esp; call target; pop ebp; ret
// Its call instruction lies at routine + 3.
inline void write_site_routine(std::uint8_t* routine, const void* target) {
  write(routine, {0x55, 0x89, 0xE5});
  const auto call = relative(0xE8, routine + 3, target);
  write(routine + 3, call.data(), 5);
  write(routine + 8, {0x5D, 0xC3});
}

}  // namespace host_code
