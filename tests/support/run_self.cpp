#include "support/run_self.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

int RunSelf(const std::vector<std::string>& environment, const std::string& filter) {
  std::vector<std::string> env = environment;
  for (char** e = environ; *e; ++e) {
    if (std::string(*e).rfind("REFHOST_", 0) != 0) env.emplace_back(*e);
  }
  std::vector<char*> envp;
  for (std::string& s : env) envp.push_back(s.data());
  envp.push_back(nullptr);
  std::string self = "/proc/self/exe";
  std::string filter_option = "--gtest_filter=" + filter;
  char* argv[] = {self.data(), filter_option.data(), nullptr};
  posix_spawn_file_actions_t quiet_output;
  posix_spawn_file_actions_init(&quiet_output);
  posix_spawn_file_actions_addopen(&quiet_output, 1, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, self.c_str(), &quiet_output, nullptr, argv, envp.data());
  posix_spawn_file_actions_destroy(&quiet_output);
  if (spawned != 0) return -1;
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
