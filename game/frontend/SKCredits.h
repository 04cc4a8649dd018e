#pragma once
#include <array>
#include <cstdint>
#include <string_view>

namespace sk {

struct Application;

inline constexpr std::int32_t kCreditsStart = -500;
inline constexpr std::int32_t kCreditsEnd = 1520;
inline constexpr std::size_t kCreditLineCount = 38;

struct TCreditsState {
  std::int32_t CreditsCounter = kCreditsStart;
  bool CreditsHalfTick = false;  // the scroll moves every second tick; never reset
};

TCreditsState& CreditsRecord(Application& app);
const TCreditsState& CreditsRecord(const Application& app);

// The lines that scroll up, 40 pixels apart.
extern const std::array<std::string_view, kCreditLineCount> CreditLines;

void CreditsFrame(Application& app);
void CreditsKeyDown(Application& app, std::uint16_t key);
void CreditsClick(Application& app);

}  // namespace sk
