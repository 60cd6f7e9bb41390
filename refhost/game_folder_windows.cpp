#include <stdexcept>

#include "game_folder.h"

namespace refhost {

void use_game_folder(const std::string&) {
  throw std::runtime_error("under Windows the game folder is refhost.exe's own folder");
}

std::function<std::string()> watch_game_folder(const std::string&) {
  return [] { return std::string(); };
}

}  // namespace refhost
