#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "game/demo/Checkpoints.h"
#include "game/demo/DemoFormat.h"
#include "game/demo/FileIdentity.h"
#include "game/shell/DemoTap.h"

namespace sk {

// Plays a demo into a running game: before each frame tick it hands the core the events
// recorded before that tick, and at the recorded end it closes the game. Real input is held
// back, except Escape and closing the window, which stop the playback. Every checkpoint
// goes to `report` as it happens. A recorded switch between window and full screen replays
// only what it did to the game; how the playback is shown stays the viewer's choice.
class TDemoPlayer : public DemoTap {
 public:
  using Report = std::function<void(const std::string& line)>;
  TDemoPlayer(const TDemo& demo, Report report);

  // Takes over the application's input before start-up.
  void Attach(Application& app);

  // Called after every tick with the frame that tick drew.
  std::function<void(std::uint32_t tick, const TSurface& frame)> AfterFrame;
  // Asked at every tick and every few hundred events; true stops the playback at once.
  StopCheck StopRequested;

  bool Finished() const { return finished_; }        // played to the recorded end
  bool Interrupted() const { return interrupted_; }  // stopped by the player
  std::uint32_t Tick() const { return tick_; }
  // Why the playback broke off when the demo asked for more than a session can do.
  const std::string& Refusal() const { return refusal_; }

  bool BeforeEvent(Application& app, const TInputEvent& event) override;
  void AfterEvent(Application& app) override;
  bool BeforeTick(Application& app) override;
  void AfterTick(Application& app) override;

 private:
  void Apply(Application& app, const TDemoEvent& event);
  void Observe(const Application& app);
  void Finish(Application& app);
  bool BreakOff(Application& app);
  void SwitchFullScreen(Application& app);
  void Blank(Application& app);

  const TDemo& demo_;
  Report report_;
  TCheckpointWatch watch_;
  TFrameDigest digest_;
  std::vector<std::string> lines_;
  std::size_t next_ = 0;
  std::uint32_t tick_ = 0;
  bool finished_ = false;
  bool interrupted_ = false;
  bool held_ = false;   // the display cannot draw now: the tick waits
  bool blank_ = false;  // a full-screen switch left the back surface black (drawn lazily)
  std::uint32_t sinceStopCheck_ = 0;
  std::string refusal_;
};

}  // namespace sk
