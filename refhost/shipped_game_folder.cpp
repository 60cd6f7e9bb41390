#include "shipped_game_folder.h"

#include <cstdlib>
#include <filesystem>

#include "game_folder.h"

namespace refhost {

std::string make_shipped_game_folder(const std::string& data, const std::string& make_dictionaries,
                                     std::string& error) {
  namespace fs = std::filesystem;
  std::string folder = (fs::temp_directory_path() / "slatepane-game-XXXXXX").string();
  if (mkdtemp(folder.data()) == nullptr) {
    error = "cannot make a folder under " + fs::temp_directory_path().string();
    return {};
  }
  const fs::path settings = fs::path(folder) / "slate_pane_morrowfen";
  fs::copy(data, settings, fs::copy_options::recursive);
  const std::string command = "'" + make_dictionaries + "' '" + settings.string() + "'";
  if (std::system(command.c_str()) != 0) {
    error = "cannot write the dictionaries with " + make_dictionaries + " (make preview builds it)";
    fs::remove_all(folder);
    return {};
  }
  use_game_folder(folder);
  return folder;
}

}  // namespace refhost
