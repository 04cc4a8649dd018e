#pragma once
#include <string>
#include <vector>

namespace sk {

// One copy of the game at a time: an exclusive lock on a file in a folder only the player can
// write, held until the process ends (even by a crash, since the system drops the lock with
// the process).
class SingleInstanceLock {
 public:
  // The lock file Skarveth.lock in the player's own folder $XDG_RUNTIME_DIR/skarveth, else
  // (no runtime folder, or none usable) $XDG_CACHE_HOME/skarveth or ~/.cache/skarveth; each
  // is made with mode 0700 when missing.
  SingleInstanceLock();
  // The lock file in `folder`, which must be the player's alone as above.
  explicit SingleInstanceLock(std::string folder) : candidates_{std::move(folder)} {}
  ~SingleInstanceLock();
  SingleInstanceLock(const SingleInstanceLock&) = delete;
  SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

  // False only when another copy of the player's holds the lock. When no lock can be had
  // safely (no private folder, a lock file that is not the player's own, a link) the game
  // runs anyway: refusing to start would be worse than two copies, and another user's file
  // must never keep the player's game from starting.
  bool Acquire();
  // The folder of the lock file taken; empty when none was.
  const std::string& Folder() const { return folder_; }

 private:
  std::vector<std::string> candidates_;
  std::string folder_;
  int fd_ = -1;
};

}  // namespace sk
