#pragma once
#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "game/shell/SKMain.h"
#include "support/NullBackEnds.h"

namespace sk::test {

using Bytes = std::vector<std::uint8_t>;

// A 24-bit BMP of one colour.
Bytes MakeBmp(int width, int height, std::uint32_t rgb = 0x808080);
// An archive file with the members in the given order.
Bytes MakeArchive(const std::vector<std::pair<std::string, Bytes>>& members);
// "Models.def" with all eight models.
Bytes MakeModelsDef();
// The 27 members the game asks for; pictures small, sounds and song as dummy bytes.
std::vector<std::pair<std::string, Bytes>> FullMemberSet();

// A null display that also writes its initialize/finalize and pointer warps into the log.
class LoggingDisplay : public TNullDisplay {
 public:
  LoggingDisplay(TSurface& s, TImageList& i, CallLog& log) : TNullDisplay(s, i), log_(log) {}
  void WarpCursor(TPoint p) override {
    TNullDisplay::WarpCursor(p);
    log_.Add("WarpCursor " + std::to_string(p.X) + " " + std::to_string(p.Y));
  }

 protected:
  void PlatformInitialize(const TDisplayOptions& o) override {
    log_.Add(o.FullScreen ? "DisplayInit full" : "DisplayInit window");
    TNullDisplay::PlatformInitialize(o);
  }
  void PlatformFinalize() override {
    log_.Add("DisplayFinalize");
    TNullDisplay::PlatformFinalize();
  }

 private:
  CallLog& log_;
};

// A program folder in a temporary directory, the headless host and the application on top
// of it.
class ShellHarness : public NullBackEnds {
 public:
  explicit ShellHarness(const std::string& ini = "[Skarveth Configuration]\nFullScreen=0\n",
                        bool withArchive = true);
  ~ShellHarness();

  void WriteFile(const std::string& relative, const Bytes& bytes);
  void WriteFile(const std::string& relative, const std::string& text);
  std::string ReadFile(const std::string& relative) const;

  // Start-up only; the message loop is not run.
  void Start() { FormCreate(*app); }
  // Start-up and the loop until the program ends.
  int Run();
  // A recording handler table: every routed call becomes a line in `routed`.
  void RecordRouting();

  static TInputEvent Key(std::uint16_t key, std::uint8_t modifiers = 0);
  static TInputEvent Char(std::uint8_t ch);
  static TInputEvent Click(TMouseButton button, int x, int y);
  static TInputEvent Move(int x, int y);
  static TInputEvent Simple(TInputKind kind);

  std::filesystem::path dir;
  std::unique_ptr<Application> app;
  std::vector<std::string> routed;
};

}  // namespace sk::test
