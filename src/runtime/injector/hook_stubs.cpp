#include "runtime/injector/hook_stubs.h"

#include <array>
#include <utility>

#include "runtime/calling_convention.h"
#include "runtime/injector/function_hooker.h"

namespace injector::detail {

namespace {

using host_routine = std::uint32_t(HOST_CDECL*)();

struct stub_slot {
  function_hooker_manager* manager;
  void* prior;
  bool taken;
};

// Plain data, never destroyed: a stub may still be reached while statics are
// being torn down at exit.
stub_slot slots[kHookStubCount];

std::uint32_t run_slot(int slot) noexcept {
  const stub_slot& s = slots[slot];
  if (s.manager != nullptr) return s.manager->dispatch();
  if (s.prior != nullptr) return reinterpret_cast<host_routine>(s.prior)();
  return 0;
}

// Host code calls with whatever stack alignment it keeps; realign, since our
// compiled code may assume 16 bytes for SSE spills.
template <int Slot>
__attribute__((force_align_arg_pointer)) HOST_CDECL std::uint32_t hook_stub() noexcept {
  return run_slot(Slot);
}

template <int... Slot>
constexpr std::array<host_routine, sizeof...(Slot)> make_stubs(
    std::integer_sequence<int, Slot...> /*slots*/) {
  return {&hook_stub<Slot>...};
}

constexpr std::array<host_routine, kHookStubCount> kStubs =
    make_stubs(std::make_integer_sequence<int, kHookStubCount>{});

bool valid(int slot) { return slot >= 0 && slot < kHookStubCount; }

}  // namespace

int claim_stub(function_hooker_manager* manager) {
  for (int slot = 0; slot < kHookStubCount; ++slot) {
    if (!slots[slot].taken) {
      slots[slot] = {manager, nullptr, true};
      return slot;
    }
  }
  return -1;
}

void* stub_entry(int slot) {
  return valid(slot) ? reinterpret_cast<void*>(kStubs[static_cast<std::size_t>(slot)]) : nullptr;
}

void set_stub_destination(int slot, void* prior) {
  if (valid(slot)) slots[slot].prior = prior;
}

void release_stub(int slot) {
  if (valid(slot)) slots[slot] = {nullptr, nullptr, false};
}

void orphan_stub(int slot) {
  if (valid(slot)) slots[slot].manager = nullptr;
}

int stubs_in_use() {
  int count = 0;
  for (const stub_slot& s : slots) count += s.taken ? 1 : 0;
  return count;
}

}  // namespace injector::detail
