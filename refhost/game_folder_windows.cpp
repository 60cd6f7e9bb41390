#include <windows.h>

#include <stdexcept>

#include "game_folder.h"

namespace refhost {

void use_game_folder(const std::string& /*folder*/) {
  throw std::runtime_error("under Windows the game folder is refhost.exe's own folder");
}

std::function<std::string()> watch_game_folder(const std::string& /*requested*/) {
  return [] { return std::string(); };
}

std::string game_folder() {
  char path[MAX_PATH + 1] = {};
  const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) throw std::runtime_error("cannot find refhost.exe's folder");
  const std::string full(path, n);
  return full.substr(0, full.find_last_of("\\/") + 1);
}

bool folder_exists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool make_folder(const std::string& path) { return CreateDirectoryA(path.c_str(), nullptr) != 0; }
bool remove_folder(const std::string& path) { return RemoveDirectoryA(path.c_str()) != 0; }

}  // namespace refhost
