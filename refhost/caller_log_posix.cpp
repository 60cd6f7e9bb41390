#include <sys/mman.h>

#include "caller_log.h"

namespace refhost::caller_log {

std::uint8_t* allocate_executable(std::uint32_t size) {
  void* block =
      mmap(nullptr, size, PROT_READ | PROT_WRITE | PROT_EXEC, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  return block == MAP_FAILED ? nullptr : static_cast<std::uint8_t*>(block);
}

}  // namespace refhost::caller_log
