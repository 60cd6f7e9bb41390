#include "runtime/injector/function_hooker.h"

#include <cstring>
#include <iterator>
#include <map>
#include <utility>

#include "runtime/calling_convention.h"
#include "runtime/injector/code_access.h"
#include "runtime/injector/hook_stubs.h"
#include "runtime/injector/hooking.h"

namespace injector {

namespace {

using host_routine = std::uint32_t(HOST_CDECL*)();

constexpr std::uint8_t kCallOpcode = 0xE8;
constexpr std::uint32_t kCallSize = 5;
constexpr int kRestoreAttempts = 2;

// The process-wide owner of every manager. Managers never reach back into it,
// so its teardown at exit may come before or after the hookers'.
struct manager_registry {
  ~manager_registry();
  std::map<void*, std::shared_ptr<function_hooker_manager>> managers;
};

// Plain data, so it can still be read once the registry is gone.
bool registry_gone = false;

manager_registry::~manager_registry() { registry_gone = true; }

manager_registry& registry() {
  static manager_registry owner;
  return owner;
}

}  // namespace

// One dispatch's record of the host routine's run, kept on the stub's stack.
struct function_hooker_manager::call_state {
  bool prior_called = false;
  std::uint32_t prior_result = 0;
};

// ---- hookers ---------------------------------------------------------------

function_hooker_base::function_hooker_base(std::shared_ptr<function_hooker_manager> manager)
    : manager_(std::move(manager)) {}

function_hooker_base::~function_hooker_base() { function_hooker_base::leave(); }

void function_hooker_base::leave() {
  if (manager_) manager_->leave(this);
}

function_hooker::function_hooker(void* site)
    : function_hooker_base(function_hooker_manager::of(site)) {}

void function_hooker::install(callback cb) { manager_->join(this, std::move(cb)); }

// ---- manager -----------------------------------------------------------------

std::shared_ptr<function_hooker_manager> function_hooker_manager::of(void* site) {
  // After exit teardown has begun nothing can be shared any more.
  if (registry_gone) return std::make_shared<function_hooker_manager>(site);
  std::shared_ptr<function_hooker_manager>& owner = registry().managers[site];
  if (!owner) owner = std::make_shared<function_hooker_manager>(site);
  return owner;
}

function_hooker_manager::function_hooker_manager(void* site) : site_(site) {}

function_hooker_manager::~function_hooker_manager() {
  // Every hooker holds an owner, so none is left here.
  installed_ = false;
  function_hooker_manager::restore();
  let_go_of_stub();
  // Asked twice already; the stub forwards to the prior destination instead.
  saved_ = false;
}

void function_hooker_manager::join(function_hooker_base* hooker, callback cb) {
  unlink(hooker);
  hookers_.push_back(entry{hooker, std::move(cb)});
  ++count_;
  install_site();
}

void function_hooker_manager::leave(function_hooker_base* hooker) {
  const std::size_t before = count_;
  unlink(hooker);
  if (count_ < before && count_ == 0 && installed_) uninstall_site();
}

void function_hooker_manager::unlink(const function_hooker_base* hooker) {
  for (auto it = hookers_.begin(); it != hookers_.end(); ++it) {
    if (it->hooker != hooker) continue;
    // A running dispatch may hold this entry's callback or position.
    if (dispatching_ > 0) {
      it->hooker = nullptr;
    } else {
      hookers_.erase(it);
    }
    --count_;
    return;
  }
}

void function_hooker_manager::install_site() {
  if (installed_) return;
  if (stub_ >= 0) {
    // An earlier restore could not write, so the site still calls the stub.
    installed_ = true;
    return;
  }
  const int slot = detail::claim_stub(this);
  if (slot < 0) return;  // every stub is in use: the site stays as it is

  save(site_, kCallSize, true);
  if (!saved() || buffer_[0] != kCallOpcode) {
    // Unreadable, or not a relative call: nothing was written, so drop the copy.
    saved_ = false;
    detail::release_stub(slot);
    return;
  }
  std::uint32_t displacement = 0;
  std::memcpy(&displacement, buffer_ + 1, sizeof(displacement));
  void* const saved_destination =
      detail::code_pointer(displacement + detail::code_address(site_) + kCallSize);

  stub_ = slot;
  const std::uint32_t to_stub =
      detail::code_address(detail::stub_entry(slot)) - (detail::code_address(site_) + kCallSize);
  written_[0] = kCallOpcode;
  std::memcpy(written_ + 1, &to_stub, sizeof(to_stub));
  void* const old_destination = patch_call(site_, detail::stub_entry(slot));
  // patch_call decodes under its own guards; should that read be refused, the
  // copy just saved names the same routine, and the stub must never call null.
  prior_ = old_destination != nullptr ? old_destination : saved_destination;
  detail::set_stub_destination(slot, prior_);
  installed_ = true;
}

void function_hooker_manager::uninstall_site() {
  installed_ = false;
  restore();
  // Should the bytes not go back, the site keeps calling the stub, which with
  // no hookers calls the prior destination; a later install reuses it.
  if (!saved()) let_go_of_stub();
}

void function_hooker_manager::restore() {
  for (int attempt = 0; attempt < kRestoreAttempts && saved(); ++attempt) put_back();
}

// One guard over the site: compare with what we wrote, then write.
void function_hooker_manager::put_back() {
  protect_guard guard(site_, kCallSize);
  if (!guard.changed()) return;
  if (std::memcmp(site_, written_, kCallSize) == 0) {
    std::memcpy(site_, buffer_, kCallSize);
  } else if (std::memcmp(site_, buffer_, kCallSize) != 0) {
    rewritten_ = true;
  }
  saved_ = false;
}

// The stub is free again only when nothing can reach it any more: a site still
// calling it, or another patcher's code that may have taken its call over, keep
// it forwarding to the prior destination.
void function_hooker_manager::let_go_of_stub() {
  if (stub_ < 0) return;
  if (saved() || rewritten_) {
    detail::orphan_stub(stub_);
  } else {
    detail::release_stub(stub_);
  }
  stub_ = -1;
  rewritten_ = false;
}

std::uint32_t function_hooker_manager::dispatch() noexcept {
  call_state state;
  ++dispatching_;
  std::uint32_t result = 0;
  try {
    result = run_from(hookers_.rbegin(), state);
  } catch (...) {
    // No exception may reach host code.
    result = state.prior_called ? state.prior_result : call_prior(state);
  }
  if (--dispatching_ == 0) {
    hookers_.remove_if([](const entry& e) { return e.hooker == nullptr; });
  }
  return result;
}

std::uint32_t function_hooker_manager::run_from(const position& from, call_state& state) {
  position it = from;
  while (it != hookers_.rend() && (it->hooker == nullptr || !it->cb)) ++it;
  if (it == hookers_.rend()) return call_prior(state);

  // The next callable captures one pointer, so std::function keeps it in its
  // small buffer: no allocation per host call.
  struct link {
    function_hooker_manager* self;
    call_state* state;
    position rest;
  };
  const link rest{this, &state, std::next(it)};
  const next_call next = [&rest] { return rest.self->run_from(rest.rest, *rest.state); };
  return it->cb(next);
}

std::uint32_t function_hooker_manager::call_prior(call_state& state) {
  state.prior_called = true;
  state.prior_result = prior_ != nullptr ? reinterpret_cast<host_routine>(prior_)() : 0;
  return state.prior_result;
}

}  // namespace injector
