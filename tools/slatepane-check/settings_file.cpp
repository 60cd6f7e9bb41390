#include "settings_file.h"

#include <utility>

#include "runtime/os.h"

namespace {

// Opened the way the reader opens it, and a first byte read, so that a folder
// or a file without read permission counts as unreadable, not as empty.
bool CanRead(const std::string& path) {
  const os::FileHandle file = os::open_file(path.c_str());
  if (file == os::kNoFile) return false;
  char first;
  const bool read = os::read_file(file, &first, 1) >= 0;
  os::close_file(file);
  return read;
}

std::string LastPart(const std::string& path) {
  const std::size_t separator = path.find_last_of("/\\");
  return separator == std::string::npos ? path : path.substr(separator + 1);
}

}  // namespace

SettingsFile OpenSettingsFile(FileRole role, std::string path) {
  const bool readable = CanRead(path);
  IniFile ini(readable ? path.c_str() : nullptr);
  std::vector<IniEntry> lines = ini.entries();
  std::string name = LastPart(path);
  return SettingsFile{role,     std::move(path), std::move(name),
                      readable, std::move(ini),  std::move(lines)};
}

std::optional<IniEntry> EntryThatCounts(SettingsFile& file, std::string_view key) {
  const IniEntry& entry = file.ini.Lookup(key);
  if (entry.absent) return std::nullopt;
  return entry;
}
