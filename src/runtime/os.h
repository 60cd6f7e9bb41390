#pragma once
// The few operating-system services the plug-in uses, behind one flat seam:
// os_windows.cpp calls Win32; os_native.cpp calls the same entry points, which
// the reference host provides to the Linux build.
#include <cstdint>

namespace os {

constexpr std::uint32_t kPageExecuteReadWrite = 0x40;

// VirtualProtect; false when the protection could not be changed.
bool protect(void* address, std::uint32_t size, std::uint32_t protection, std::uint32_t* previous);
// GetModuleHandleA(nullptr): the host executable's image, or null.
void* host_module();
// GetModuleFileNameA: characters written (excluding the terminator).
std::uint32_t module_file_name(void* module, char* buffer, std::uint32_t size);
// GetKeyState: bit 15 set while the key is held.
std::int16_t key_state(int virtual_key);
// MessageBoxA(GetActiveWindow(), text, caption, MB_ICONERROR).
void error_box(const char* text, const char* caption);
// Plug-in files, read whole in binary mode with the system's own calls.
// Plug-in paths use '\' as the separator; hosts whose file system does not
// are given '/' instead.
using FileHandle = std::intptr_t;
inline constexpr FileHandle kNoFile = -1;
// kNoFile when the file cannot be opened.
FileHandle open_file(const char* path);
// Bytes read into buffer: 0 at the end of the file, -1 when the read fails.
std::int32_t read_file(FileHandle file, void* buffer, std::uint32_t size);
void close_file(FileHandle file);

}  // namespace os
