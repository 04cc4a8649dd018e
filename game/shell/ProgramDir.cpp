#include "game/shell/ProgramDir.h"

#include <unistd.h>

#include <climits>

#include "common/FileIo.h"

namespace sk {

std::string FindProgramDir() {
  char path[PATH_MAX];
  const ssize_t n = ::readlink("/proc/self/exe", path, sizeof path - 1);
  std::string dir = n > 0 ? FolderOf(std::string(path, static_cast<std::size_t>(n))) : ".";
  if (!dir.ends_with('/')) dir += '/';
  return dir;
}

}  // namespace sk
