#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "open_browser.h"

void OpenBrowser(const std::string& address) {
  char opener[] = "xdg-open";
  std::string target = address;
  char* argv[] = {opener, target.data(), nullptr};
  pid_t child = 0;
  if (posix_spawnp(&child, opener, nullptr, nullptr, argv, environ) == 0) {
    waitpid(child, nullptr, 0);
  }
}
