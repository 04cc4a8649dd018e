#pragma once

namespace sk {

// The drawing area: every picture, map point and mouse position of the game is in its pixels.
// Here rather than in the game's geometry because SKMAP checks a map's pictures against it too.
inline constexpr int kScreenWidth = 640;
inline constexpr int kScreenHeight = 480;

}  // namespace sk
