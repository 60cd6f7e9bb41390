#include <windows.h>

#include "caller_log.h"

namespace refhost::caller_log {

std::uint8_t* allocate_executable(std::uint32_t size) {
  return static_cast<std::uint8_t*>(
      VirtualAlloc(nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_EXECUTE_READWRITE));
}

}  // namespace refhost::caller_log
