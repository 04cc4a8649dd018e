#pragma once
#include <sys/types.h>

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "common/FileDescriptor.h"
#include "common/FileReaders.h"

// Files made in folders that other users share (the temporary folder) or that must be ours
// alone (the lock's folder).
namespace sk {

// The temporary folder: $TMPDIR when set, else /tmp. Nothing, with `reason` saying why, when
// it is not a folder.
std::optional<std::string> TemporaryFolder(std::string* reason = nullptr);

// A new file at `path` opened for writing, made only where nothing stood (no file, no link),
// so nothing planted there in advance is ever written through. Invalid, with errno saying
// why, otherwise.
FileDescriptor CreateNewFile(const std::string& path,
                             FileReaders readers = FileReaders::Everyone);

// Writes `bytes` into a new file `folder`/`prefix`XXXXXX`suffix`, the X a random choice made
// where nothing stood (mkstemp), so no file or link planted there in advance is ever written
// through, and readable by the user alone. Its path, or nothing with `reason` set.
std::optional<std::string> WriteUniqueFile(const std::string& folder, const std::string& prefix,
                                           const std::string& suffix,
                                           std::span<const std::uint8_t> bytes,
                                           std::string* reason = nullptr);

// Opens the folder at `path`, made with mode 0700 when missing, as a folder nobody else can
// put anything into: it must be a real folder (not a link), owned by the user, and not
// writable by the group or others. An invalid descriptor, with `reason`, otherwise.
FileDescriptor OpenPrivateFolder(const std::string& path, std::string* reason = nullptr);

}  // namespace sk
