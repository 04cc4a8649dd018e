#pragma once

namespace sk {

inline constexpr const char* kGameTitle = "Codename: Skarveth";
// The version the menu shows and `--version` prints (the package build reads it from here),
// and the map builder's own.
inline constexpr const char* kGameVersion = "1.00";
inline constexpr const char* kMapBuilderVersion = "1.2b";

}  // namespace sk
