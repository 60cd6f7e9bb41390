#pragma once
// One pointer slot per BOUND host symbol, filled at start-up with the address
// of that symbol in the running build (or the null translation when the build
// is not recognised). Declared in the order of the address map.
struct HostAddressTable {
#define HOST_SLOT_BOUND(family, name) static void* const family##_##name;
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
