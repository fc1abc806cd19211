// Starting the launcher program (LAUNCHER_PROGRAM, the built one) from a
// test, as a desktop would.
#pragma once

#include <fcntl.h>
#include <spawn.h>
#include <unistd.h>

#include <string>
#include <string_view>
#include <vector>

extern char** environ;

namespace launcher_test {

// Starts the launcher with the variables `set` ("NAME=value") and the rest
// of this process's environment, less every CANDY_ variable and whatever
// `set` names; its standard output goes to /dev/null, its standard error to
// the file `err`. The child's pid, or -1 when it cannot start.
inline pid_t spawn_launcher(std::vector<std::string> set, const std::string& err) {
  auto name_of = [](std::string_view variable) { return variable.substr(0, variable.find('=')); };
  const std::size_t own = set.size();
  for (char** e = environ; *e; ++e) {
    const std::string_view variable(*e);
    bool drop = variable.starts_with("CANDY_");
    for (std::size_t i = 0; i < own && !drop; ++i) drop = name_of(variable) == name_of(set[i]);
    if (!drop) set.emplace_back(variable);
  }
  std::vector<char*> envp;
  for (std::string& e : set) envp.push_back(e.data());
  envp.push_back(nullptr);
  std::string program = LAUNCHER_PROGRAM;
  char* argv[] = {program.data(), nullptr};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  pid_t pid = -1;
  if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, envp.data()) != 0) pid = -1;
  posix_spawn_file_actions_destroy(&actions);
  return pid;
}

}  // namespace launcher_test
