#include "runtime/host_path.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "runtime/os.h"

namespace {

// The query gets one byte less than the buffer, as the host's own loader does.
constexpr std::uint32_t kQuerySize = kHostPathBuffer - 1;

char folder_buffer[kHostPathBuffer];
char path_buffer[kHostPathBuffer];
char message_buffer[1024];

void report_missing_module() {
  std::snprintf(message_buffer, sizeof(message_buffer), "%s",
                "FILESYSTEM\nFailed to retrieve game dir path");
  os::error_box(message_buffer, "plugin-sdk");
}

void cut_after_last_separator(char* path) {
  char* backslash = std::strrchr(path, '\\');
  char* slash = std::strrchr(path, '/');
  char* last = backslash > slash ? backslash : slash;
  if (last != nullptr) last[1] = '\0';
}

}  // namespace

bool find_host_folder(char (&buffer)[kHostPathBuffer]) {
  void* module = os::host_module();
  if (module == nullptr) report_missing_module();
  const std::uint32_t length = os::module_file_name(module, buffer, kQuerySize);
  // A result that fills the query was cut short; a folder taken from it would
  // be some other folder.
  if (length == 0 || length >= kQuerySize) {
    buffer[0] = '\0';
    return false;
  }
  buffer[length] = '\0';
  cut_after_last_separator(buffer);
  return true;
}

bool join_host_path(char (&buffer)[kHostPathBuffer], const char* folder, const char* rel) {
  const std::size_t head = std::strlen(folder);
  const std::size_t tail = std::strlen(rel);
  if (head == 0 || head + tail >= kHostPathBuffer) {
    buffer[0] = '\0';
    return false;
  }
  std::memcpy(buffer, folder, head);
  std::memcpy(buffer + head, rel, tail + 1);
  return true;
}

const char* host_folder() {
  static bool known = false;
  if (!known) {
    find_host_folder(folder_buffer);
    known = true;
  }
  return folder_buffer;
}

const char* host_path(const char* rel) {
  join_host_path(path_buffer, host_folder(), rel);
  return path_buffer;
}
