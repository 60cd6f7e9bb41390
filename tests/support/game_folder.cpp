#include "support/game_folder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace {

std::string make_folder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "slatepane-game-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a game folder");
  return pattern + "/";
}

}  // namespace

const std::string& test_game_folder() {
  static const std::string folder = make_folder();
  return folder;
}

void write_game_file(const std::string& relative, const std::string& contents) {
  const std::filesystem::path path = test_game_folder() + relative;
  std::filesystem::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << contents;
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

void remove_game_file(const std::string& relative) {
  std::filesystem::remove(test_game_folder() + relative);
}
