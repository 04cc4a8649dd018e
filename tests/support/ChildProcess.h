#pragma once
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace sk {

// A program started in the background with an environment of its own, for tests that end it
// with a signal: the inherited environment minus every variable that names a display, a video
// or audio driver, a home or the per-user folders, plus `extra`. Standard output and error go
// to `log`. As from a script run in the background, SIGINT arrives ignored.
inline pid_t StartChild(const std::string& program, const std::vector<std::string>& args,
                        const std::vector<std::string>& extra, const std::string& log) {
  std::vector<std::string> env;
  for (char** e = environ; *e != nullptr; ++e) {
    const std::string entry = *e;
    bool drop = false;
    for (const char* name : {"DISPLAY=", "WAYLAND_DISPLAY=", "SDL_VIDEODRIVER=", "SDL_AUDIODRIVER=",
                             "XDG_RUNTIME_DIR=", "XDG_CONFIG_HOME=", "XDG_DATA_HOME=", "HOME="})
      drop |= entry.starts_with(name);
    if (!drop) env.push_back(entry);
  }
  env.insert(env.end(), extra.begin(), extra.end());
  std::vector<char*> envp;
  for (std::string& e : env) envp.push_back(e.data());
  envp.push_back(nullptr);
  std::vector<std::string> words = {program};
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& w : words) argv.push_back(w.data());
  argv.push_back(nullptr);
  const pid_t pid = ::fork();
  if (pid == 0) {
    if (!std::freopen(log.c_str(), "w", stdout) || ::dup2(::fileno(stdout), 2) < 0) ::_exit(127);
    ::signal(SIGINT, SIG_IGN);
    ::execve(program.c_str(), argv.data(), envp.data());
    ::_exit(127);
  }
  return pid;
}

// The exit status, or -1 when the program did not end by itself in `patience` (it is then
// killed) or ended by a signal.
inline int WaitForChild(pid_t pid, std::chrono::seconds patience) {
  const auto end = std::chrono::steady_clock::now() + patience;
  while (std::chrono::steady_clock::now() < end) {
    int status = 0;
    if (::waitpid(pid, &status, WNOHANG) == pid)
      return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  ::kill(pid, SIGKILL);
  ::waitpid(pid, nullptr, 0);
  return -1;
}

// True once the process handles `signal` itself (the game's loop is running), so the signal
// no longer ends it outright.
inline bool WaitUntilCatching(pid_t pid, int signal, std::chrono::seconds patience) {
  const auto end = std::chrono::steady_clock::now() + patience;
  while (std::chrono::steady_clock::now() < end) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
      if (!line.starts_with("SigCgt:")) continue;
      const unsigned long long caught = std::stoull(line.substr(7), nullptr, 16);
      if (caught & (1ull << (signal - 1))) return true;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return false;
}

}  // namespace sk
