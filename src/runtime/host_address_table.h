#pragma once
#include <cstdint>

#include "runtime/address_map.h"

// Start-up runs binding first: its initialisers carry this priority, the
// plug-in's other start-up steps the default one.
inline constexpr int kBindingPriority = 1000;

// A slot; a class so that its initialiser can carry a priority.
struct BoundAddress {
  BoundAddress(std::uint32_t a100, std::uint32_t a110, std::uint32_t a120);
  operator void*() const { return address; }
  void* const address;
};

// One pointer slot per BOUND host symbol, filled at start-up with the address
// of that symbol in the running build (or the null translation when the build
// is not recognised). Declared in the order of the address map.
struct HostAddressTable {
#define HOST_SLOT_BOUND(family, name) static const BoundAddress family##_##name;
#define HOST_SLOT_FIXED(family, name)
#define HOST_VALUE(family, name, type, form, a, b, c) HOST_SLOT_##form(family, name)
#define HOST_ARRAY(family, name, type, count, form, a, b, c) HOST_SLOT_##form(family, name)
#define HOST_ROUTINE(family, name, conv, result, params, args, form, a, b, c) \
  HOST_SLOT_##form(family, name)
#include "runtime/host_symbols.inc"
#undef HOST_VALUE
#undef HOST_ARRAY
#undef HOST_ROUTINE
#undef HOST_SLOT_BOUND
#undef HOST_SLOT_FIXED
};

// The bound address of a BOUND symbol by its id; null for a FIXED one.
void* bound_address(HostId id);
