// On Linux the reference host plays the operating system: it provides these
// Win32 entry points to the loaded library under their Windows names.
#include "runtime/os.h"

extern "C" {
int VirtualProtect(void* address, std::uint32_t size, std::uint32_t protection,
                   std::uint32_t* previous);
void* GetModuleHandleA(const char* name);
std::uint32_t GetModuleFileNameA(void* module, char* buffer, std::uint32_t size);
std::int16_t GetKeyState(int virtual_key);
void* GetActiveWindow();
int MessageBoxA(void* owner, const char* text, const char* caption, std::uint32_t style);
}

namespace os {

namespace {
constexpr std::uint32_t kIconError = 0x10;
}

bool protect(void* address, std::uint32_t size, std::uint32_t protection, std::uint32_t* previous) {
  return VirtualProtect(address, size, protection, previous) != 0;
}

void* host_module() { return GetModuleHandleA(nullptr); }

std::uint32_t module_file_name(void* module, char* buffer, std::uint32_t size) {
  return GetModuleFileNameA(module, buffer, size);
}

std::int16_t key_state(int virtual_key) { return GetKeyState(virtual_key); }

void error_box(const char* text, const char* caption) {
  MessageBoxA(GetActiveWindow(), text, caption, kIconError);
}

}  // namespace os
