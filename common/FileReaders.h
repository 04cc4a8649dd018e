#pragma once
#include <sys/types.h>

namespace sk {

// Who may read a file the programs write when it takes no permissions from an earlier file of
// the same user: everyone (maps, archives, settings, scores, which other users' copies of the
// game may share) or the user alone (recordings and the pictures of a playback, which show what
// a player typed and did). Nobody else may ever write to it; the umask may take away more.
enum class FileReaders : mode_t { Everyone = 0644, OwnerOnly = 0600 };

constexpr mode_t ModeFor(FileReaders readers) { return static_cast<mode_t>(readers); }

}  // namespace sk
