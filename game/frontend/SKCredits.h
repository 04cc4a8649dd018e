#pragma once
#include <cstdint>

namespace sk {

struct Application;

inline constexpr std::int32_t kCreditsStart = -500;
inline constexpr std::int32_t kCreditsEnd = 1520;

struct TCreditsState {
  std::int32_t CreditsCounter = kCreditsStart;
  bool CreditsHalfTick = false;  // the scroll moves every second tick; never reset
};

void CreditsFrame(Application& app);
void CreditsKeyDown(Application& app, std::uint16_t key);
void CreditsClick(Application& app);

}  // namespace sk
