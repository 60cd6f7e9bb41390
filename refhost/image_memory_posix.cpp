#include <sys/mman.h>

#include <cstring>

#include "image_memory.h"
#include "os_shim.h"

namespace refhost::image_memory {

std::uint8_t* reserve(std::uint32_t first, std::uint32_t size, std::uint32_t& base) {
  // cppcheck-suppress invalidFunctionArg ; an anonymous mapping takes no file: -1
  void* block = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (block == MAP_FAILED) return nullptr;
  // The image's own header would sit below `first`; nothing reads it.
  os_shim::track_protection(block, size, os_shim::kPageReadWrite);
  base = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(block)) - (first - 0x400000);
  return static_cast<std::uint8_t*>(block);
}

void seal_code(std::uint8_t* start, std::uint32_t size) {
  mprotect(start, size, PROT_READ | PROT_EXEC);
  os_shim::track_protection(start, size, os_shim::kPageExecuteRead);
}

void unseal_code(std::uint8_t* start, std::uint32_t size) {
  mprotect(start, size, PROT_READ | PROT_WRITE | PROT_EXEC);
  os_shim::track_protection(start, size, os_shim::kPageExecuteReadWrite);
}

// Fresh pages in place of the old: only the pages touched afterwards cost
// anything, where a memset of the host's three megabytes of data took a
// fuzzed input as long as several of its frames.
void zero(std::uint8_t* start, std::uint32_t size) {
  // Mapped in place of the old pages or not at all: there is nothing to keep
  // or let go of, and an anonymous mapping takes no file (-1).
  // cppcheck-suppress [invalidFunctionArg, leakReturnValNotUsed]
  if (mmap(start, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED, -1, 0) !=
      start) {
    std::memset(start, 0, size);
  }
}

void release(std::uint8_t* block, std::uint32_t size) {
  os_shim::forget_protection(block, size);
  munmap(block, size);
}

}  // namespace refhost::image_memory
