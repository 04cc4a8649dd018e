#pragma once
#include <cstdint>
#include <span>
#include <string>

#include "common/WriteTarget.h"

namespace sk {

// Rewrites the existing regular file `target` with `bytes` where it stands: the one way left
// when its folder takes no new files. Nothing is cut first: the new length is reserved, the
// bytes are written over the old ones from the start and synced, and only then is the file
// cut to its new length. So when the disk is full, or the file-size limit stands in the way,
// the old content stays whole; only a failing disk can leave a mix. False, with `reason` when
// given, on any failure.
bool WriteInPlace(const TWriteTarget& target, std::span<const std::uint8_t> bytes,
                  std::string* reason);

}  // namespace sk
