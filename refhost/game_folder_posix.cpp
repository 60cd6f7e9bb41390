#include <sys/stat.h>
#include <unistd.h>

#include "folder_snapshot.h"
#include "game_files.h"
#include "game_folder.h"
#include "os_shim.h"

namespace refhost {

namespace {

// What the folder should hold now: what it held, with the scenario's writes.
FolderSnapshot with_scenario_writes(FolderSnapshot expected) {
  for (const std::string& made : game_files().made_folders()) expected.entries[made] = "folder";
  for (const auto& [path, bytes] : game_files().written()) {
    if (bytes) {
      expected.entries[path] = "file " + *bytes;
    } else {
      expected.entries.erase(path);
    }
  }
  return expected;
}

}  // namespace

void use_game_folder(const std::string& folder) {
  const bool ends_with_separator = !folder.empty() && folder.back() == '/';
  os_shim::set_module_file_name(folder + (ends_with_separator ? "" : "/") + "refhost");
}

std::function<std::string()> watch_game_folder(const std::string& requested) {
  if (requested.empty()) return [] { return std::string(); };
  return [requested, before = FolderSnapshot(requested)] {
    return check_untouched(with_scenario_writes(before), requested);
  };
}

std::string game_folder() {
  const std::string path = os_shim::module_file_name();
  return path.substr(0, path.rfind('/') + 1);
}

bool folder_exists(const std::string& path) {
  struct stat status {};
  return stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

bool make_folder(const std::string& path) { return mkdir(path.c_str(), 0755) == 0; }
bool remove_folder(const std::string& path) { return rmdir(path.c_str()) == 0; }

}  // namespace refhost
