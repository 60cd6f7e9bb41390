#include "caller_log.h"

#include <cstdio>
#include <cstring>
#include <ostream>
#include <stdexcept>

#include "machine_code.h"
#include "runtime/address_map.h"

namespace refhost::caller_log {

// The platform's executable memory for the trampolines.
std::uint8_t* allocate_executable(std::uint32_t size);

namespace {

bool on = false;
std::uint8_t* trampolines = nullptr;
constexpr std::uint32_t kTrampolineSize = 16;

}  // namespace

extern "C" {
// Written by the trampolines' machine code.
std::uint32_t refhost_last_caller = 0;
}

void enable() {
  if (trampolines == nullptr) {
    trampolines = allocate_executable(kHostSymbolCount * kTrampolineSize);
    if (trampolines == nullptr) throw std::runtime_error("cannot map the callers' trampolines");
  }
  on = true;
}

bool enabled() { return on; }

// push eax; mov eax, [esp+4]; mov [refhost_last_caller], eax; pop eax; jmp target
std::uint32_t route(std::uint32_t id, std::uint32_t target) {
  if (!on || id >= kHostSymbolCount) return target;
  std::uint8_t* at = trampolines + id * kTrampolineSize;
  const std::uint32_t last = machine_code::address_of(&refhost_last_caller);
  const std::uint8_t head[] = {0x50, 0x8B, 0x44, 0x24, 0x04, 0xA3};
  std::memcpy(at, head, sizeof(head));
  std::memcpy(at + 6, &last, 4);
  at[10] = 0x58;
  machine_code::write_jump(at + 11, target);
  return machine_code::address_of(at);
}

std::uint32_t take_caller() {
  const std::uint32_t caller = refhost_last_caller;
  refhost_last_caller = 0;
  return caller;
}

void write(std::ostream& out, const std::vector<std::uint32_t>& callers, std::uint32_t plugin_base,
           std::uint32_t plugin_size) {
  char line[16];
  for (const std::uint32_t caller : callers) {
    if (caller >= plugin_base && caller - plugin_base < plugin_size) {
      std::snprintf(line, sizeof(line), "0x%x\n", static_cast<unsigned>(caller - plugin_base));
      out << line;
    } else {
      out << "-\n";
    }
  }
}

}  // namespace refhost::caller_log
