#include "game/demo/DemoRecorder.h"

#include "game/demo/DemoLimits.h"
#include "game/shell/Application.h"

namespace sk {

TDemoRecorder::TDemoRecorder(TDemo head) : head_(FormatDemoHead(head)) {}

void TDemoRecorder::Attach(Application& app) { app.Demo = this; }

void TDemoRecorder::KeepMaps(TMapList& list) { KeepRecordableMaps(list); }

std::string TDemoRecorder::Text() const { return head_ + events_ + FormatDemoEnd(tick_); }

void TDemoRecorder::Add(TDemoEventKind kind, const TInputEvent* input) {
  if (full_) return;
  TDemoEvent event;
  event.Tick = tick_;
  event.Kind = kind;
  if (input != nullptr) {
    event.Key = input->Key;
    event.Modifiers = input->Modifiers & (kShift | kCtrl | kAlt);
    event.Character = input->Character;
    event.X = static_cast<std::int16_t>(input->X);
    event.Y = static_cast<std::int16_t>(input->Y);
  }
  const std::string line = FormatDemoEvent(event);
  if (head_.size() + events_.size() + line.size() + 32 > kMaxDemoFileSize) {
    full_ = true;
    return;
  }
  events_ += line;
}

bool TDemoRecorder::BeforeEvent(Application&, const TInputEvent& event) {
  switch (event.Kind) {
    case TInputKind::KeyDown:
      Add(TDemoEventKind::Key, &event);
      break;
    case TInputKind::Character:
      Add(TDemoEventKind::Char, &event);
      break;
    case TInputKind::MouseMove:
      Add(TDemoEventKind::Move, &event);
      break;
    case TInputKind::MouseDown:
      // Only the left button does anything in the game.
      if (event.Button == TMouseButton::Left) Add(TDemoEventKind::Click, &event);
      break;
    case TInputKind::FocusGained:
      Add(TDemoEventKind::FocusIn);
      break;
    case TInputKind::FocusLost:
      Add(TDemoEventKind::FocusOut);
      break;
    case TInputKind::Close:
    case TInputKind::Quit:
      Add(TDemoEventKind::Close);
      break;
  }
  return true;
}

// A playback refuses a demo past kMaxDemoScreenEntries; one event enters at most two screens
// (a match whose map cannot be loaded goes straight back to the menu).
void TDemoRecorder::CountScreenEntries(const Application& app) {
  if (app.ScreenEntries + 2 > kMaxDemoScreenEntries) full_ = true;
}

void TDemoRecorder::AfterEvent(Application& app) { CountScreenEntries(app); }

bool TDemoRecorder::BeforeTick(Application& app) {
  const bool over = app.DXDraw->PointerOverDrawingArea();
  if (over != pointerOver_) Add(over ? TDemoEventKind::PointerIn : TDemoEventKind::PointerOut);
  pointerOver_ = over;
  // The screens ask the same before they step; asking first changes nothing, and a frame
  // the display could not draw must stay undrawn in the replay too.
  if (!app.DXDraw->CanDraw()) Add(TDemoEventKind::NoDraw);
  return true;
}

void TDemoRecorder::AfterTick(Application& app) {
  CountScreenEntries(app);
  if (full_ || tick_ >= kMaxDemoTicks) {
    full_ = true;
    return;
  }
  ++tick_;
}

}  // namespace sk
