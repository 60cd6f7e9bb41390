#include "shipped_game_folder.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>

#include "game_folder.h"

namespace refhost {

namespace {

// Runs `program argument` and waits for it; true when it exits with 0. No
// shell reads the two, so any path passes as it is.
bool run(const std::string& program, const std::string& argument) {
  // char* for C's sake: posix_spawn writes nothing through it.
  char* const argv[] = {const_cast<char*>(program.c_str()), const_cast<char*>(argument.c_str()),
                        nullptr};
  pid_t child = 0;
  if (posix_spawn(&child, program.c_str(), nullptr, nullptr, argv, environ) != 0) return false;
  int status = 0;
  while (waitpid(child, &status, 0) < 0) {
    if (errno != EINTR) return false;
  }
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

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
  if (!run(make_dictionaries, settings.string())) {
    error = "cannot write the dictionaries with " + make_dictionaries + " (make preview builds it)";
    fs::remove_all(folder);
    return {};
  }
  use_game_folder(folder);
  return folder;
}

}  // namespace refhost
