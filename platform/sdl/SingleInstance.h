#pragma once
#include <string>

namespace sk {

// One copy of the game at a time: an exclusive lock on a per-user file, held until the
// process ends (even by a crash, since the system drops the lock with the process).
class SingleInstanceLock {
 public:
  // The lock file in $XDG_RUNTIME_DIR, else in the temporary folder.
  SingleInstanceLock();
  explicit SingleInstanceLock(std::string path) : path_(std::move(path)) {}
  ~SingleInstanceLock();
  SingleInstanceLock(const SingleInstanceLock&) = delete;
  SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

  // False only when another copy holds the lock. When no lock file can be made at all the
  // game runs anyway: refusing to start would be worse than two copies.
  bool Acquire();
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
  int fd_ = -1;
};

}  // namespace sk
