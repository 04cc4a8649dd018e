#pragma once
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "game/shell/Application.h"
#include "platform/null/HeadlessHost.h"
#include "support/TempDir.h"

namespace sk::test {

using Bytes = std::vector<std::uint8_t>;
using Members = std::vector<std::pair<std::string, Bytes>>;

// A 24-bit BMP of one colour.
Bytes MakeBmp(int width, int height, std::uint32_t rgb = 0x808080);
// An archive file with the members in the given order.
Bytes MakeArchive(const Members& members);
// "Models.def" with the given names (the rest "^<n>Model<k>") and numbered chat lines.
Bytes MakeModelsDef(std::vector<std::string> names = {});
// The 27 members the game asks for; pictures small, sounds and song as dummy bytes.
Members FullMemberSet();

// Copies the archive and the maps this build made into `dir`, as a player's folder holds them.
void PutBuiltGame(const TempDir& dir);

// A null display that also writes its initialize/finalize and pointer warps into the log.
class LoggingDisplay : public TNullDisplay {
 public:
  LoggingDisplay(TSurface& s, TImageList& i, CallLog& log) : TNullDisplay(s, i), log_(log) {}
  void WarpCursor(TPoint p) override;

 protected:
  void PlatformInitialize(const TDisplayOptions& o) override;
  void PlatformFinalize() override;

 private:
  CallLog& log_;
};

// What the program folder holds besides the settings.
enum class TFolder {
  Empty,         // nothing: the test writes what it needs
  DummyArchive,  // an archive of every member the game asks for, in dummy content
  BuiltGame,     // the archive and maps of this build
};

inline constexpr const char* kWindowedIni = "[Skarveth Configuration]\nFullScreen=0\n";

// The game on the headless host, drawing text in the font the game ships, its clock well past
// zero: a program folder in a temporary directory, the application built on it (not started),
// the player's input and the host's log as the test reads them.
class Harness : public THeadlessHost {
 public:
  explicit Harness(const std::string& ini = kWindowedIni, TFolder folder = TFolder::DummyArchive);
  virtual ~Harness();

  void WriteFile(const std::string& relative, const Bytes& bytes) { dir.Write(relative, bytes); }
  void WriteFile(const std::string& relative, const std::string& text) {
    dir.Write(relative, text);
  }
  std::string ReadFile(const std::string& relative) const { return dir.Read(relative); }

  // A new application on what the folder holds now, not started.
  void Rebuild();
  // Start-up only; the message loop is not run.
  void Start();
  // Start-up and the loop until the program ends.
  int Run();
  // One input event through the shell's routing, one frame tick.
  void Send(const TInputEvent& e);
  void Frame(std::uint32_t lag = 0);
  // What a player does: a key, a typed character, the pointer moved, a left click where the
  // pointer is or after moving it there.
  void Press(std::uint16_t key, std::uint8_t modifiers = 0) { Send(Key(key, modifiers)); }
  void Type(std::uint8_t ch) { Send(Char(ch)); }
  void MoveTo(int x, int y) { Send(Move(x, y)); }
  void Click();
  void ClickAt(int x, int y);
  // Every call the shell routes to a screen becomes a line in `routed` ("<screen> key 65",
  // "<screen> step", "... step nopointer", "... click x,y"), the time of each in `routedAt`.
  // `forward`: the screens then handle the call as usual; otherwise nothing handles it.
  void RecordRouting(bool forward = false);
  // The log's lines that start with one of `prefixes`, since the last call.
  std::vector<std::string> TakeLog(std::initializer_list<std::string_view> prefixes);

  static TInputEvent Key(std::uint16_t key, std::uint8_t modifiers = 0);
  static TInputEvent Char(std::uint8_t ch);
  static TInputEvent Click(TMouseButton button, int x, int y);
  static TInputEvent Move(int x, int y);
  static TInputEvent Simple(TInputKind kind);

  TempDir dir;
  std::unique_ptr<Application> app;
  std::vector<std::string> routed;
  std::vector<std::uint32_t> routedAt;

 private:
  void Routed(Application& a, std::string line);
  std::size_t logSeen_ = 0;
};

}  // namespace sk::test
