#include "bench/spawn.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <string_view>

extern char** environ;

namespace windara::bench {

namespace {

std::string_view varName(std::string_view entry) {
  return entry.substr(0, entry.find('='));
}

// posix_spawn wants NULL-terminated arrays of mutable C strings.
std::vector<char*> cArray(std::vector<std::string>& strings) {
  std::vector<char*> out;
  for (std::string& s : strings)
    out.push_back(s.data());
  out.push_back(nullptr);
  return out;
}

}  // namespace

int runProgram(const std::vector<std::string>& argv, const std::vector<std::string>& extraEnv) {
  std::vector<std::string> args = argv;
  std::vector<std::string> env;
  for (char** e = environ; *e; ++e) {
    bool replaced = false;
    for (const std::string& x : extraEnv)
      replaced = replaced || varName(*e) == varName(x);
    if (!replaced) env.emplace_back(*e);
  }
  env.insert(env.end(), extraEnv.begin(), extraEnv.end());
  std::vector<char*> cArgs = cArray(args);
  std::vector<char*> cEnv = cArray(env);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  const int started = posix_spawn(&pid, cArgs[0], &actions, nullptr, cArgs.data(), cEnv.data());
  posix_spawn_file_actions_destroy(&actions);
  if (started != 0) return -1;

  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) return -1;
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace windara::bench
