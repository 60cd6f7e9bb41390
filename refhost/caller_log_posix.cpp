#include <sys/mman.h>

#include "caller_log.h"

namespace refhost::caller_log {

std::uint8_t* allocate_executable(std::uint32_t size) {
  constexpr int kProtection = PROT_READ | PROT_WRITE | PROT_EXEC;
  // cppcheck-suppress invalidFunctionArg ; an anonymous mapping takes no file: -1
  void* block = mmap(nullptr, size, kProtection, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  return block == MAP_FAILED ? nullptr : static_cast<std::uint8_t*>(block);
}

}  // namespace refhost::caller_log
