#include "game/demo/DemoPlayer.h"

#include "game/shell/Application.h"
#include "game/shell/SKMain.h"

namespace sk {
namespace {

// Events between two questions whether to stop: often enough to stop within moments even in a
// tick of a million events, rarely enough to cost nothing.
constexpr std::uint32_t kEventsPerStopCheck = 256;

bool IsFullScreenSwitch(const TDemoEvent& e) {
  return e.Kind == TDemoEventKind::Key && e.Key == kVkReturn && (e.Modifiers & kAlt) != 0;
}

TInputEvent CoreEvent(const TDemoEvent& e) {
  TInputEvent event;
  switch (e.Kind) {
    case TDemoEventKind::Key:
      event.Kind = TInputKind::KeyDown;
      event.Key = e.Key;
      event.Modifiers = e.Modifiers;
      break;
    case TDemoEventKind::Char:
      event.Kind = TInputKind::Character;
      event.Character = e.Character;
      break;
    case TDemoEventKind::Move:
    case TDemoEventKind::Click:
      event.Kind = e.Kind == TDemoEventKind::Move ? TInputKind::MouseMove : TInputKind::MouseDown;
      event.Button = TMouseButton::Left;
      event.X = e.X;
      event.Y = e.Y;
      break;
    default:
      event.Kind = TInputKind::Close;
      break;
  }
  return event;
}

}  // namespace

TDemoPlayer::TDemoPlayer(const TDemo& demo, Report report)
    : demo_(demo), report_(std::move(report)) {
  watch_.TestMapName = demo.Settings.TestMapPath;
}

void TDemoPlayer::Attach(Application& app) {
  app.Demo = this;
  // Until the recording says otherwise the pointer is over the game.
  app.DXDraw->PointerOverride = true;
}

bool TDemoPlayer::BeforeEvent(Application& app, const TInputEvent& event) {
  if (finished_ || interrupted_) return true;
  switch (event.Kind) {
    case TInputKind::Close:
    case TInputKind::Quit:
      interrupted_ = true;
      return true;
    case TInputKind::KeyDown:
      if (event.Key != kVkEscape) return false;
      interrupted_ = true;
      CloseMainWindow(app);
      return false;
    case TInputKind::FocusGained:
    case TInputKind::FocusLost:
      // Only the pace: the playback waits while the game is in the background.
      return true;
    default:
      return false;
  }
}

void TDemoPlayer::AfterEvent(Application& app) { Observe(app); }

bool TDemoPlayer::BeforeTick(Application& app) {
  if (finished_ || interrupted_) return false;
  sinceStopCheck_ = kEventsPerStopCheck;
  if (BreakOff(app)) return false;
  // A window that cannot draw right now would skip this step and leave the recording behind;
  // the recorded tick waits for the next one instead.
  held_ = !app.DXDraw->CanDraw();
  if (held_) return false;
  Observe(app);
  bool step = true;
  const std::vector<TDemoEvent>& events = demo_.Events;
  while (next_ < events.size() && events[next_].Tick == tick_) {
    const TDemoEvent& event = events[next_++];
    if (event.Kind == TDemoEventKind::NoDraw) {
      step = false;
    } else {
      Apply(app, event);
      Observe(app);
    }
    if (BreakOff(app)) return false;
    if (app.Terminated) {
      // The recorded session ended here: the window was closed.
      if (!app.Failed) Finish(app);
      return false;
    }
  }
  Blank(app);
  if (tick_ >= demo_.EndTick) {
    Finish(app);
    CloseMainWindow(app);
    return false;
  }
  return step;
}

bool TDemoPlayer::BreakOff(Application& app) {
  if (app.ScreenEntries > kMaxDemoScreenEntries && refusal_.empty()) {
    refusal_ = "the demo enters screens more than " + std::to_string(kMaxDemoScreenEntries) +
               " times (by tick " + std::to_string(tick_) + "); no session does, and a " +
               "recording stops before that";
  }
  bool stop = !refusal_.empty();
  if (!stop && StopRequested && ++sinceStopCheck_ >= kEventsPerStopCheck) {
    sinceStopCheck_ = 0;
    stop = StopRequested();
  }
  if (!stop) return false;
  interrupted_ = true;
  CloseMainWindow(app);
  return true;
}

// What the switch does to the game when played: the display's new start puts the pointer on
// the drawing area's corner and blanks the back surface. Rebuilding the viewer's window for
// it would cost a renderer each time, and a demo can hold a million of them in one tick.
void TDemoPlayer::SwitchFullScreen(Application& app) {
  app.MousePos = TPoint{0, 0};
  blank_ = true;
}

// The blank is drawn before anything else reads or draws the back surface, once however many
// switches came before.
void TDemoPlayer::Blank(Application& app) {
  if (!blank_) return;
  FillSurface(app.Graphics.BackSurface, 0);
  blank_ = false;
}

void TDemoPlayer::AfterTick(Application& app) {
  if (finished_ || interrupted_ || held_) return;
  Observe(app);
  const TSurface& frame = app.Graphics.BackSurface;
  if (auto line = digest_.Add(tick_, frame)) report_(*line);
  if (AfterFrame) AfterFrame(tick_, frame);
  ++tick_;
}

void TDemoPlayer::Apply(Application& app, const TDemoEvent& event) {
  switch (event.Kind) {
    case TDemoEventKind::PointerIn:
      app.DXDraw->PointerOverride = true;
      return;
    case TDemoEventKind::PointerOut:
      app.DXDraw->PointerOverride = false;
      return;
    // Activation only paced the recorded session; the ticks hold that already.
    case TDemoEventKind::FocusIn:
    case TDemoEventKind::FocusOut:
      return;
    default:
      if (IsFullScreenSwitch(event)) {
        SwitchFullScreen(app);
        return;
      }
      Blank(app);
      RouteEvent(app, CoreEvent(event));
      return;
  }
}

void TDemoPlayer::Observe(const Application& app) {
  watch_.Observe(app, tick_, lines_);
  for (const std::string& line : lines_) report_(line);
  lines_.clear();
}

void TDemoPlayer::Finish(Application& app) {
  Blank(app);
  finished_ = true;
  report_(FinalCheckpoint(tick_, app.Graphics.BackSurface, digest_));
}

}  // namespace sk
