#pragma once
// Restorable patches: a record of the host bytes a patch overwrites, put back
// when the record is restored or destroyed.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "runtime/injector/protect_guard.h"

namespace injector {

namespace detail {
// Stops the process with a failed-assertion report through the C runtime.
[[noreturn]] void fail_assertion(const char* expression, const char* source, unsigned line);
}  // namespace detail

class scoped_base {
 public:
  virtual ~scoped_base() = default;
};

// Saves up to `bufsize` bytes of host code. Copying is disabled: two records
// restoring the same bytes would undo each other's later patches.
template <std::size_t bufsize>
class scoped_basic : public scoped_base {
 public:
  scoped_basic() = default;
  scoped_basic(const scoped_basic&) = delete;
  scoped_basic& operator=(const scoped_basic&) = delete;
  // This class's own restore, as in any destructor: a derived record restores
  // its way in its own destructor first.
  ~scoped_basic() override { scoped_basic::restore(); }

  // Puts the saved bytes back. The record stays saved while the bytes cannot
  // be written (protection change refused), so a later restore can retry.
  virtual void restore() {
    if (saved_ && copy(address_, buffer_)) saved_ = false;
  }

  // Restores whatever was saved before, then copies `size` bytes at `address`.
  // Nothing is marked saved when the bytes could not be read, so a restore
  // never writes bytes that were not there.
  virtual void save(void* address, std::uint32_t size, bool unprotect) {
    // Reported under the name and line that this layer's users know it by.
    if (size > bufsize)
      detail::fail_assertion("size <= bufsize", "plugin-sdk\\injector\\hooking", 83);
    restore();
    if (saved_) return;  // the earlier bytes could not go back; keep them rather than lose them
    address_ = address;
    size_ = size;
    unprotect_ = unprotect;
    saved_ = copy(buffer_, address);
  }

  bool saved() const { return saved_; }
  void* address() const { return address_; }
  std::uint32_t size() const { return size_; }
  const std::uint8_t* bytes() const { return buffer_; }

 protected:
  // Copies size_ bytes between the buffer and the host, under a guard over the
  // host bytes when unprotect_ is set; false when the guard was refused.
  bool copy(void* to, const void* from) {
    if (size_ == 0) return true;
    if (unprotect_) {
      protect_guard guard(address_, size_);
      if (!guard.changed()) return false;
      std::memcpy(to, from, size_);
    } else {
      std::memcpy(to, from, size_);
    }
    return true;
  }

  std::uint8_t buffer_[bufsize] = {};
  void* address_ = nullptr;
  std::uint32_t size_ = 0;
  bool saved_ = false;
  bool unprotect_ = false;
};

// The five bytes of one relative call instruction.
using scoped_call = scoped_basic<5>;

}  // namespace injector
