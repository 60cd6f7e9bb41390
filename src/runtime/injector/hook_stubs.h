#pragma once
// A fixed table of hook stubs, one per intercepted site at a time. A stub is a
// cdecl routine without arguments returning 32 bits, so that a rewritten host
// call can reach it; it runs its slot's manager.
#include <cstdint>

namespace injector {
class function_hooker_manager;
}

namespace injector::detail {

inline constexpr int kHookStubCount = 32;

// A free slot for `manager`, or -1 when every stub is in use.
int claim_stub(function_hooker_manager* manager);
void* stub_entry(int slot);
// The routine the stub calls when its manager has gone (see orphan_stub).
void set_stub_destination(int slot, void* prior);
// The site calls the stub no more.
void release_stub(int slot);
// The manager has gone but its site still calls the stub (the bytes could not
// be put back): the stub keeps calling the prior destination.
void orphan_stub(int slot);
// Slots in use, for diagnostics and tests.
int stubs_in_use();

}  // namespace injector::detail
