#include "folder_snapshot.h"

#include <filesystem>
#include <fstream>
#include <vector>

namespace refhost {

namespace fs = std::filesystem;

namespace {

std::string describe(const fs::path& path, const fs::file_status& status) {
  if (fs::is_symlink(status)) return "link " + fs::read_symlink(path).string();
  if (fs::is_directory(status)) return "folder";
  // Read in blocks: a game folder's dictionaries are megabytes, read three
  // times a run, and a character at a time that was a tenth of a replay.
  std::ifstream in(path, std::ios::binary);
  std::string text = "file ";
  std::vector<char> block(1 << 16);
  while (in.read(block.data(), static_cast<std::streamsize>(block.size())) || in.gcount() > 0) {
    text.append(block.data(), static_cast<std::size_t>(in.gcount()));
  }
  return text;
}

}  // namespace

FolderSnapshot::FolderSnapshot(const std::string& folder) {
  const fs::path top(folder);
  for (auto it = fs::recursive_directory_iterator(top); it != fs::recursive_directory_iterator();
       ++it) {
    const fs::file_status status = it->symlink_status();
    // Lexically: resolving the path would follow links, which may loop.
    entries[it->path().lexically_relative(top).generic_string()] = describe(it->path(), status);
    if (fs::is_symlink(status)) it.disable_recursion_pending();
  }
}

std::string check_untouched(const FolderSnapshot& before, const std::string& folder) {
  const FolderSnapshot after(folder);
  for (const auto& [name, was] : before.entries) {
    const auto now = after.entries.find(name);
    if (now == after.entries.end()) return "the game folder lost " + name;
    if (now->second != was) return "the game folder's " + name + " was changed";
  }
  for (const auto& [name, is] : after.entries) {
    if (!before.entries.contains(name)) return "the game folder gained " + name;
  }
  return "";
}

}  // namespace refhost
