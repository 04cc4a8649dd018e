#include "tools/skedit/view/TestPlay.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "common/FileIo.h"

extern char** environ;

namespace sk::edit {

std::string FindGameProgram(const std::string& program_dir) {
  for (const char* name : {"Skarveth", "skarveth"}) {
    const std::string beside = program_dir + name;
    if (GetFileKind(beside) == FileKind::Regular && ::access(beside.c_str(), X_OK) == 0)
      return beside;
  }
  return "skarveth";
}

int StartTestPlay(const std::string& game, const std::string& map_file, std::string& problem) {
  std::vector<std::string> args = {game, "--test-map", map_file};
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  // The editor holds back the signals that end programs; the game must feel them again.
  posix_spawnattr_t attr;
  ::posix_spawnattr_init(&attr);
  sigset_t none;
  sigemptyset(&none);
  ::posix_spawnattr_setsigmask(&attr, &none);
  ::posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSIGMASK);
  pid_t pid = 0;
  const int error = ::posix_spawnp(&pid, game.c_str(), nullptr, &attr, argv.data(), environ);
  ::posix_spawnattr_destroy(&attr);
  if (error != 0) {
    problem = "Cannot start " + game + ": " + std::strerror(error);
    return 0;
  }
  return int(pid);
}

bool TestPlayEnded(int pid) {
  int status = 0;
  const pid_t done = ::waitpid(pid, &status, WNOHANG);
  return done == pid || (done < 0 && errno == ECHILD);
}

}  // namespace sk::edit
