#pragma once
#include <optional>
#include <string>

#include "tools/skedit/model/MapFiles.h"

// The copy of unsaved work that survives a crash: written every 30 seconds while there are
// unsaved changes and before each test-play, removed when the work is saved or dropped, and
// offered at the next start when it is still there.
namespace sk::edit {

inline constexpr int kRecoveryIntervalSeconds = 30;

// The description as edited, plus where it belongs and, for a map opened from its file, the
// map its pictures come from (they are not written anywhere until the first save).
bool WriteRecovery(const std::string& recovery_file, const TOpenedMap& work,
                   const std::string& source_map, std::string* reason = nullptr);

// The work in the recovery file; nothing when there is none or it cannot be read.
std::optional<TOpenedMap> ReadRecovery(const std::string& recovery_file);

void RemoveRecovery(const std::string& recovery_file);

}  // namespace sk::edit
