#pragma once
// Typed access to every host symbol of the address map: variables as
// references (or pointers to the first element of arrays and records), routines
// as functions that call the host through its address with its convention.
// Spelled as in the address map: HostTime::NowMs(), HostText::Print(x, y, text).
#include <cstdint>

#include "runtime/address_map.h"
#include "runtime/calling_convention.h"
#include "runtime/host_address.h"
#include "runtime/host_address_table.h"
#include "runtime/host_types.h"

// NOLINTBEGIN(bugprone-macro-parentheses): the X-macros' arguments are names,
// types and parameter lists, which parentheses would break.
#define HOST_WHERE_FIXED(family, name, a) host_address(a)
#define HOST_WHERE_BOUND(family, name, a) HostAddressTable::family##_##name.address

#define HOST_VALUE(family, name, type, form, a, b, c)                                     \
  namespace family {                                                                      \
  inline type& name() { return *static_cast<type*>(HOST_WHERE_##form(family, name, a)); } \
  }
#define HOST_ARRAY(family, name, type, count, form, a, b, c)                             \
  namespace family {                                                                     \
  inline type* name() { return static_cast<type*>(HOST_WHERE_##form(family, name, a)); } \
  }
#define HOST_ROUTINE(family, name, conv, result, params, args, form, a, b, c)  \
  namespace family {                                                           \
  inline result name params {                                                  \
    using Routine = result(conv*) params;                                      \
    return reinterpret_cast<Routine>(HOST_WHERE_##form(family, name, a)) args; \
  }                                                                            \
  }
// NOLINTEND(bugprone-macro-parentheses)
#include "runtime/host_symbols.inc"
#undef HOST_VALUE
#undef HOST_ARRAY
#undef HOST_ROUTINE
#undef HOST_WHERE_FIXED
#undef HOST_WHERE_BOUND

// Entry address of a FIXED host routine, for the patching layer.
inline void* host_routine_entry(HostId id) { return host_address(host_symbol(id).address[0]); }
