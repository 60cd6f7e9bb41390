#include <windows.h>

#include <stdexcept>

#include "game_folder.h"

namespace refhost {

void use_game_folder(const std::string&) {
  throw std::runtime_error("under Windows the game folder is refhost.exe's own folder");
}

std::string watched_game_folder(const std::string&) {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return "";
  std::string folder(path, length);
  const std::size_t separator = folder.find_last_of("\\/");
  return separator == std::string::npos ? "" : folder.substr(0, separator + 1);
}

}  // namespace refhost
