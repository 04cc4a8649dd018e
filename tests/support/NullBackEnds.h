#pragma once
#include <memory>
#include <utility>

#include "game/shell/Application.h"
#include "platform/null/CallLog.h"
#include "platform/null/FakeClock.h"
#include "platform/null/NullDisplay.h"
#include "platform/null/RecordingAudioEngine.h"
#include "platform/null/RecordingDesktop.h"
#include "platform/null/ScriptedEventSource.h"

namespace sk::test {

// The game's headless back-ends, and the application built on them drawing text in the font
// the game ships. Desktop, audio and display calls land in `log`; frames stay in `display`.
struct NullBackEnds {
  CallLog log;
  FakeClock clock{5000};
  ScriptedEventSource events{clock};
  RecordingDesktop desktop{log};
  RecordingAudioEngine audio{log};
  TNullDisplay* display = nullptr;  // made by the application at its start

  std::unique_ptr<Application> MakeApplication() {
    ShellServices services{clock,
                           events,
                           desktop,
                           audio,
                           [this](TSurface& s, TImageList& i) {
                             auto made = std::make_unique<TNullDisplay>(s, i);
                             display = made.get();
                             return made;
                           },
                           SK_SOURCE_DIR "/data/fonts/DejaVuSans-Bold.ttf"};
    return std::make_unique<Application>(std::move(services));
  }
};

}  // namespace sk::test
