#include "game_folder.h"
#include "os_shim.h"

namespace refhost {

void use_game_folder(const std::string& folder) {
  const bool ends_with_separator = !folder.empty() && folder.back() == '/';
  os_shim::set_module_file_name(folder + (ends_with_separator ? "" : "/") + "refhost");
}

std::string watched_game_folder(const std::string& requested) { return requested; }

}  // namespace refhost
