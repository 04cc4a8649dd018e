#pragma once
#include "game/maps/MapList.h"

namespace sk {

struct Application;
struct TInputEvent;

// Sits between the platform and the screens while a demo is recorded or played: it sees every
// input event and every frame tick, and may hold real input back or skip a tick's step.
class DemoTap {
 public:
  virtual ~DemoTap() = default;
  // A platform event, its mouse position already in drawing-area pixels; false drops it.
  virtual bool BeforeEvent(Application& app, const TInputEvent& event) = 0;
  virtual void AfterEvent(Application& app) = 0;
  // Before a frame tick is routed; false leaves this tick's step out. AfterTick follows
  // either way.
  virtual bool BeforeTick(Application& app) = 0;
  virtual void AfterTick(Application& app) = 0;
  // Start-up's map list, before the first screen: a recording keeps only the maps its demo
  // can hold, so that its playback shows the very same list.
  virtual void KeepMaps(TMapList&) {}
};

}  // namespace sk
