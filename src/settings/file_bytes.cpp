#include "settings/file_bytes.h"

#include <cstdint>

#include "runtime/os.h"

namespace {

constexpr std::size_t kReadSize = 16 * 1024;

}  // namespace

bool ReadFileBytes(const char* path, ByteBuffer& bytes) {
  bytes.clear();
  if (path == nullptr || path[0] == '\0') return false;
  const os::FileHandle file = os::open_file(path);
  if (file == os::kNoFile) return false;
  std::int32_t count;
  do {
    // Read into whatever room is left, at least a chunk's worth, until the
    // end of the file reads as 0 bytes.
    const std::size_t want = bytes.room_left() < kReadSize ? kReadSize : bytes.room_left();
    count = os::read_file(file, bytes.room(want), static_cast<std::uint32_t>(want));
    if (count > 0) bytes.grow(static_cast<std::size_t>(count));
  } while (count > 0);
  os::close_file(file);
  if (count < 0) bytes.clear();
  return count == 0;
}
