#pragma once
#include <cstdint>

namespace injector {

// Makes a range of host code writable for the guard's lifetime and puts the
// previous protection back afterwards, but only if the change succeeded.
class protect_guard {
 public:
  protect_guard(void* address, std::uint32_t size);
  ~protect_guard();
  protect_guard(const protect_guard&) = delete;
  protect_guard& operator=(const protect_guard&) = delete;

  // False when the protection could not be changed: the range must not be
  // touched, since a write to a read-only page would fault the host.
  bool changed() const { return changed_; }

 private:
  void* address_;
  std::uint32_t size_;
  std::uint32_t previous_ = 0;
  bool changed_;
};

}  // namespace injector
