#include "runtime/injector/protect_guard.h"

#include "runtime/os.h"

namespace injector {

protect_guard::protect_guard(void* address, std::uint32_t size)
    : address_(address),
      size_(size),
      changed_(os::protect(address, size, os::kPageExecuteReadWrite, &previous_)) {}

protect_guard::~protect_guard() {
  if (changed_) {
    std::uint32_t ignored = 0;
    os::protect(address_, size_, previous_, &ignored);
  }
}

}  // namespace injector
