#pragma once
// The reference host's implementations of host routines, by address-map id.
// A routine without an implementation is still real code in the image: a stub
// that records its name and returns zero (see machine_code.h).
#include "runtime/address_map.h"

namespace refhost {

template <HostId>
struct HostRoutineType;

#define HOST_VALUE(family, name, type, form, a, b, c)
#define HOST_ARRAY(family, name, type, count, form, a, b, c)
// NOLINTBEGIN(bugprone-macro-parentheses): result is a type, params a parameter list
#define HOST_ROUTINE(family, name, conv, result, params, args, form, a, b, c) \
  template <>                                                                 \
  struct HostRoutineType<HostId::family##_##name> {                           \
    using type = result(conv*) params;                                        \
  };
// NOLINTEND(bugprone-macro-parentheses)
#include "runtime/host_symbols.inc"
#undef HOST_VALUE
#undef HOST_ARRAY
#undef HOST_ROUTINE

void register_implementation(HostId id, void* entry);

// Type-checked registration: the implementation must have the routine's exact
// signature and calling convention.
template <HostId Id>
void implement(typename HostRoutineType<Id>::type entry) {
  register_implementation(Id, reinterpret_cast<void*>(entry));
}

// Entry of the implementation, or null. Registers every service on first use.
void* implementation(HostId id);

// Each service file registers its routines here.
void register_text_services();

}  // namespace refhost
