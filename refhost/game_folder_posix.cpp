#include "folder_snapshot.h"
#include "game_folder.h"
#include "os_shim.h"

namespace refhost {

void use_game_folder(const std::string& folder) {
  const bool ends_with_separator = !folder.empty() && folder.back() == '/';
  os_shim::set_module_file_name(folder + (ends_with_separator ? "" : "/") + "refhost");
}

std::function<std::string()> watch_game_folder(const std::string& requested) {
  if (requested.empty()) return [] { return std::string(); };
  return [requested, before = FolderSnapshot(requested)] {
    return check_untouched(before, requested);
  };
}

}  // namespace refhost
