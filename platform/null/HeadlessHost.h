#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "game/shell/Application.h"
#include "platform/null/CallLog.h"
#include "platform/null/FakeClock.h"
#include "platform/null/NullDisplay.h"
#include "platform/null/RecordingAudioEngine.h"
#include "platform/null/RecordingDesktop.h"
#include "platform/null/ScriptedEventSource.h"

namespace sk {

// The game without a screen, a sound card or a wall clock: the headless back-ends and the
// application built on them, as SKDEMO, SKDEMOGEN, the tests and the benchmarks run it.
// Desktop, audio and display calls land in `log`; the frames stay in `display`.
class THeadlessHost {
 public:
  // `fontPath`: the face every text is drawn in (empty when nothing is drawn).
  explicit THeadlessHost(std::string fontPath, std::uint32_t startMilliseconds = 0)
      : clock(startMilliseconds), fontPath_(std::move(fontPath)) {}
  THeadlessHost(const THeadlessHost&) = delete;
  THeadlessHost& operator=(const THeadlessHost&) = delete;

  // The services above; the display a plain null one unless `makeDisplay` makes another.
  ShellServices Services(DisplayFactory makeDisplay = nullptr) {
    if (!makeDisplay) {
      makeDisplay = [this](TSurface& s, TImageList& i) {
        auto made = std::make_unique<TNullDisplay>(s, i);
        display = made.get();
        return made;
      };
    }
    return ShellServices{clock, events, desktop, audio, std::move(makeDisplay), fontPath_};
  }
  std::unique_ptr<Application> MakeApplication() {
    return std::make_unique<Application>(Services());
  }

  CallLog log;
  FakeClock clock;
  ScriptedEventSource events{clock};
  RecordingDesktop desktop{log};
  RecordingAudioEngine audio{log};
  TNullDisplay* display = nullptr;  // made by the application at its start

 private:
  std::string fontPath_;
};

}  // namespace sk
