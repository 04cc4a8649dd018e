#pragma once
#include <optional>
#include <string>
#include <vector>

#include "game/platform/ShellPlatform.h"
#include "platform/null/CallLog.h"

namespace sk {

// A desktop without a screen: it writes down what it was asked to do, and its error box
// keeps the messages instead of showing them.
class RecordingDesktop : public Desktop {
 public:
  explicit RecordingDesktop(CallLog& log) : log_(log) {}

  std::string programDir = "./";
  // The layout the game is told about; the ready-to-play folder `programDir` unless set.
  std::optional<TGamePaths> paths;
  std::vector<std::string> warningBoxes;  // "title|message"
  std::uint32_t timeOfDay = 0;
  std::vector<std::string> errorBoxes;    // "title|message"
  std::vector<std::string> errorDetails;  // the console's extra text of each box
  bool cursorVisible = true;

  void ShowMainWindow() override { log_.Add("ShowMainWindow"); }
  void SetCursorVisible(bool visible) override {
    cursorVisible = visible;
    log_.Add(visible ? "ShowCursor" : "HideCursor");
  }
  void ShowErrorBox(const std::string& title, const std::string& message,
                    const std::string& detail) override {
    errorBoxes.push_back(title + "|" + message);
    errorDetails.push_back(detail);
    log_.Add("ErrorBox " + message);
  }
  void ShowWarningBox(const std::string& title, const std::string& message) override {
    warningBoxes.push_back(title + "|" + message);
    log_.Add("WarningBox " + message);
  }
  TGamePaths Paths() override { return paths ? *paths : ReadyToPlayPaths(programDir); }
  std::uint32_t TimeOfDayMilliseconds() override { return timeOfDay; }

 private:
  CallLog& log_;
};

}  // namespace sk
