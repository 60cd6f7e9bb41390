#pragma once
// Interception of one 5-byte relative call in host code. The call instruction
// is rewritten to reach a hook stub of this site's own; the stub runs the
// site's hookers round the routine the site called before (the prior
// destination). Nothing here is locked: hookers are made on the loading
// thread and run on the host's game thread.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <list>
#include <memory>

#include "runtime/injector/scoped_basic.h"

namespace injector {

class function_hooker_manager;

// One interception of a call without arguments returning a 32-bit value.
class function_hooker_base {
 public:
  // Calls the rest of the chain, ending in the host routine; returns its result.
  using next_call = std::function<std::uint32_t()>;
  // Receives the rest of the chain; its result is what the host call returns.
  using callback = std::function<std::uint32_t(const next_call&)>;

  function_hooker_base(const function_hooker_base&) = delete;
  function_hooker_base& operator=(const function_hooker_base&) = delete;

  virtual ~function_hooker_base();  // leaves the manager
  // Removes this hooker's callback; the last one to leave restores the site.
  virtual void leave();
  // Adds the callback (replacing this hooker's earlier one, which moves it to
  // the end of the chain) and intercepts the site if it is not yet.
  virtual void install(callback cb) = 0;

  const std::shared_ptr<function_hooker_manager>& manager() const { return manager_; }

 protected:
  explicit function_hooker_base(std::shared_ptr<function_hooker_manager> manager);

  std::shared_ptr<function_hooker_manager> manager_;
};

// The state of one intercepted site, shared by every hooker on it. Its saved
// bytes are the site's own call instruction.
class function_hooker_manager : public scoped_call {
 public:
  using next_call = function_hooker_base::next_call;
  using callback = function_hooker_base::callback;

  explicit function_hooker_manager(void* site);
  ~function_hooker_manager() override;

  // The manager of a site, made on first use. A process-wide owner keeps it
  // until exit, when the last owner to let go restores the site.
  static std::shared_ptr<function_hooker_manager> of(void* site);

  void join(function_hooker_base* hooker, callback cb);
  void leave(function_hooker_base* hooker);

  // What the site's stub runs: the callbacks, last added outermost, round the
  // prior destination. A callback that throws is stopped here: the host then
  // gets the prior destination's result, the routine having run exactly once.
  std::uint32_t dispatch() noexcept;

  // Puts the site's own call back, asking a second time should the
  // protection change be refused: at unload a site left calling our stub
  // would call code that is no longer there. Only the call we wrote is
  // replaced: a site that another patcher has rewritten since keeps their
  // bytes, which our saved ones would corrupt.
  void restore() override;

  void* site() const { return site_; }
  void* prior_destination() const { return prior_; }
  std::size_t count() const { return count_; }
  bool installed() const { return installed_; }

 private:
  struct entry {
    function_hooker_base* hooker;  // null once left during a dispatch
    callback cb;
  };
  struct call_state;
  using position = std::list<entry>::reverse_iterator;

  void install_site();
  void uninstall_site();
  void unlink(const function_hooker_base* hooker);
  std::uint32_t run_from(const position& from, call_state& state);
  std::uint32_t call_prior(call_state& state);
  void put_back();
  void let_go_of_stub();

  void* prior_ = nullptr;
  std::list<entry> hookers_;
  std::size_t count_ = 0;
  bool installed_ = false;
  void* site_;
  int stub_ = -1;                 // the stub slot the site calls, while it does
  int dispatching_ = 0;           // entries are only unlinked, not erased, while > 0
  std::uint8_t written_[5] = {};  // the call to the stub, as written at the site
  bool rewritten_ = false;        // another patcher's bytes were found there
};

class function_hooker : public function_hooker_base {
 public:
  // `site`: the translated host address of a 5-byte relative call.
  explicit function_hooker(void* site);
  void install(callback cb) override;
};

}  // namespace injector
