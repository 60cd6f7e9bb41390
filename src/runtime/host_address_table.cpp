#include "runtime/host_address_table.h"

#include <cstdint>

#include "runtime/address_map.h"
#include "runtime/host_address.h"

namespace {

// The address of a bound symbol in the running build; 0 (translated) when the
// build is not recognised.
void* bind_slot(std::uint32_t a100, std::uint32_t a110, std::uint32_t a120) {
  const int build = host_build_index(detect_host_version());
  const std::uint32_t chosen[3] = {a100, a110, a120};
  return host_address(build < 0 ? 0 : chosen[build]);
}

}  // namespace

BoundAddress::BoundAddress(std::uint32_t a100, std::uint32_t a110, std::uint32_t a120)
    : address(bind_slot(a100, a110, a120)) {}

// One dynamic initialiser per slot, run in declaration order; the first one
// probes the host build and the rest reuse it. They run before every other
// start-up step of the plug-in, which all use the bound addresses.
#define HOST_SLOT_BOUND(family, name, a, b, c)                                                   \
  [[gnu::init_priority(kBindingPriority)]] const BoundAddress HostAddressTable::family##_##name( \
      a, b, c);
#define HOST_SLOT_FIXED(family, name, a, b, c)
#define HOST_VALUE(family, name, type, form, a, b, c) HOST_SLOT_##form(family, name, a, b, c)
#define HOST_ARRAY(family, name, type, count, form, a, b, c) HOST_SLOT_##form(family, name, a, b, c)
#define HOST_ROUTINE(family, name, conv, result, params, args, form, a, b, c) \
  HOST_SLOT_##form(family, name, a, b, c)
#include "runtime/host_symbols.inc"
#undef HOST_VALUE
#undef HOST_ARRAY
#undef HOST_ROUTINE
#undef HOST_SLOT_BOUND
#undef HOST_SLOT_FIXED

void* bound_address(HostId id) {
  switch (id) {
#define HOST_SLOT_BOUND(family, name) \
  case HostId::family##_##name:       \
    return HostAddressTable::family##_##name.address;
#define HOST_SLOT_FIXED(family, name)
#define HOST_VALUE(family, name, type, form, a, b, c) HOST_SLOT_##form(family, name)
#define HOST_ARRAY(family, name, type, count, form, a, b, c) HOST_SLOT_##form(family, name)
#define HOST_ROUTINE(family, name, conv, result, params, args, form, a, b, c) \
  HOST_SLOT_##form(family, name)
#include "runtime/host_symbols.inc"
    default:
      return nullptr;
  }
}
