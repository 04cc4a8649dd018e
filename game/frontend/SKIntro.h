#pragma once
#include <array>
#include <cstdint>

namespace sk {

struct Application;

inline constexpr int kIntroSteps = 23;
// Ticks of each step of the title sequence; 3130 in all.
inline constexpr std::array<std::int32_t, kIntroSteps> IntroDurations = {
    124, 248, 248, 124, 186, 124, 186, 124, 124, 124, 124, 124,
    124, 124, 124, 248, 248, 124, 31,  124, 15,  62,  46};

struct TIntroState {
  std::int32_t IntroStep = 0;
  std::int32_t IntroTick = 0;
};

void IntroFrame(Application& app);
void IntroKeyDown(Application& app);
void IntroClick(Application& app);

}  // namespace sk
