// Plug-in files on Linux, apart from the Win32 stand-ins of os_native.cpp so
// that tools reading the settings files need only this.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "runtime/os.h"

namespace os {

namespace {

constexpr std::size_t kLongestPath = 4096;

}  // namespace

// The path is turned to '/' separators on the stack: the settings reader
// opens its files every frame and allocates nothing to do it.
FileHandle open_file(const char* path) {
  char native[kLongestPath];
  const std::size_t length = std::strlen(path);
  if (length >= sizeof native) return kNoFile;
  for (std::size_t k = 0; k <= length; ++k) native[k] = path[k] == '\\' ? '/' : path[k];
  int file;
  do {
    file = ::open(native, O_RDONLY | O_CLOEXEC);
  } while (file < 0 && errno == EINTR);
  return file < 0 ? kNoFile : file;
}

std::int32_t read_file(FileHandle file, void* buffer, std::uint32_t size) {
  ssize_t count;
  do {
    count = ::read(static_cast<int>(file), buffer, size);
  } while (count < 0 && errno == EINTR);
  return static_cast<std::int32_t>(count);
}

void close_file(FileHandle file) { ::close(static_cast<int>(file)); }

}  // namespace os
