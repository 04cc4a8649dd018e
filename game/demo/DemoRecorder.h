#pragma once
#include <cstdint>
#include <string>

#include "game/demo/DemoFormat.h"
#include "game/shell/DemoTap.h"

namespace sk {

// Writes down a session while it is played: every input event the core receives, stamped
// with the number of frame ticks that ran before it, and at each tick whether the pointer is
// over the game and whether the display could draw.
class TDemoRecorder : public DemoTap {
 public:
  // `head`: what the session starts from (BeginDemo); its events are ignored.
  explicit TDemoRecorder(TDemo head);

  // Starts listening to the application's input before start-up.
  void Attach(Application& app);

  // The demo so far, ending at the current tick.
  std::string Text() const;
  std::uint32_t Tick() const { return tick_; }
  // The recording stopped early because it reached the size, length or screen-entry limit
  // of a demo.
  bool Full() const { return full_; }

  bool BeforeEvent(Application& app, const TInputEvent& event) override;
  void AfterEvent(Application& app) override;
  bool BeforeTick(Application& app) override;
  void AfterTick(Application& app) override;
  void KeepMaps(TMapList& list) override;

 private:
  void Add(TDemoEventKind kind, const TInputEvent* event = nullptr);
  void CountScreenEntries(const Application& app);

  std::string head_;
  std::string events_;
  std::uint32_t tick_ = 0;
  bool pointerOver_ = true;
  bool full_ = false;
};

}  // namespace sk
