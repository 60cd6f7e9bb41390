// Plug-in files on Windows, apart from the rest of os_windows.cpp so that
// tools reading the settings files need only this.
#include <windows.h>

#include "runtime/os.h"

namespace os {

// Shared for reading and writing, as the C runtime's fopen opens: an editor
// that holds the file open does not lock the plug-in out.
FileHandle open_file(const char* path) {
  // NOLINTNEXTLINE(misc-misplaced-const): the handle is the constant; HANDLE is opaque
  const HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  return file == INVALID_HANDLE_VALUE ? kNoFile : reinterpret_cast<FileHandle>(file);
}

std::int32_t read_file(FileHandle file, void* buffer, std::uint32_t size) {
  DWORD count = 0;
  if (!ReadFile(reinterpret_cast<HANDLE>(file), buffer, size, &count, nullptr)) return -1;
  return static_cast<std::int32_t>(count);
}

void close_file(FileHandle file) { CloseHandle(reinterpret_cast<HANDLE>(file)); }

}  // namespace os
