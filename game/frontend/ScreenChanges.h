#pragma once
#include <cstdint>

namespace sk {

struct Application;

// The only ways from one screen to another: each loads the new screen's pictures, resets
// what the screen starts from and makes it the routed one.
void EnterGame(Application& app);
void EnterMenu(Application& app, std::uint8_t page);
void EnterIntro(Application& app);
void EnterCredits(Application& app);

}  // namespace sk
