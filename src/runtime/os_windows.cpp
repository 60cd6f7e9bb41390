#include <windows.h>

#include "runtime/os.h"

namespace os {

bool protect(void* address, std::uint32_t size, std::uint32_t protection, std::uint32_t* previous) {
  DWORD old = 0;
  const BOOL ok = VirtualProtect(address, size, protection, &old);
  *previous = old;
  return ok != FALSE;
}

void* host_module() { return GetModuleHandleA(nullptr); }

std::uint32_t module_file_name(void* module, char* buffer, std::uint32_t size) {
  return GetModuleFileNameA(static_cast<HMODULE>(module), buffer, size);
}

std::int16_t key_state(int virtual_key) { return GetKeyState(virtual_key); }

void error_box(const char* text, const char* caption) {
  MessageBoxA(GetActiveWindow(), text, caption, MB_ICONERROR);
}

}  // namespace os
