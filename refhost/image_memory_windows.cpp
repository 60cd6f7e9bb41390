#include <windows.h>

#include <cstring>

#include "image_memory.h"

namespace refhost::image_memory {

// The plug-in takes the host image base from GetModuleHandleA(nullptr), that is
// refhost.exe itself, which is linked high so that the block above its own
// image is free.
std::uint8_t* reserve(std::uint32_t first, std::uint32_t size, std::uint32_t& base) {
  base = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(GetModuleHandleA(nullptr)));
  void* wanted = reinterpret_cast<void*>(static_cast<std::uintptr_t>(base + first - 0x400000));
  void* block = VirtualAlloc(wanted, size, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
  if (block != wanted) {
    if (block != nullptr) VirtualFree(block, 0, MEM_RELEASE);
    return nullptr;
  }
  return static_cast<std::uint8_t*>(block);
}

void seal_code(std::uint8_t* start, std::uint32_t size) {
  DWORD previous = 0;
  VirtualProtect(start, size, PAGE_EXECUTE_READ, &previous);
}

void unseal_code(std::uint8_t* start, std::uint32_t size) {
  DWORD previous = 0;
  VirtualProtect(start, size, PAGE_EXECUTE_READWRITE, &previous);
}

void zero(std::uint8_t* start, std::uint32_t size) { std::memset(start, 0, size); }

void release(std::uint8_t* block, std::uint32_t /*size*/) { VirtualFree(block, 0, MEM_RELEASE); }

}  // namespace refhost::image_memory
