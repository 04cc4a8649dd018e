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

// The steps that start something audible, and the step the models begin hopping in.
inline constexpr std::int32_t kIntroSlideStep = 17;       // its end starts "Slide.ogg"
inline constexpr std::int32_t kIntroModelDeathStep = 20;  // its end starts "Model_Death.ogg"
inline constexpr std::int32_t kIntroFirstHopStep = 7;     // model k hops in step 7 + k

struct TIntroState {
  std::int32_t IntroStep = 0;
  std::int32_t IntroTick = 0;
};

TIntroState& IntroRecord(Application& app);
const TIntroState& IntroRecord(const Application& app);

// Where a hopping model stands in the current tick: its centre and its lean in 1/256 turns.
struct TIntroHop {
  int X = 0;
  int Y = 0;
  int Angle = 0;
};

void IntroFrame(Application& app);
void IntroKeyDown(Application& app);
void IntroClick(Application& app);

// The current step's progress scaled to n: about n / duration at its first tick, exactly n at
// its last (rounded to the nearest, ties to even).
int IntroProgress(const TIntroState& intro, int n);

// The model of steps 7 to 14 crosses the screen in three hops, leaning into each.
TIntroHop IntroModelHop(const TIntroState& intro);

}  // namespace sk
