#include "support/Harness.h"

#include <filesystem>

#include "common/ByteWriter.h"
#include "game/shell/MessageLoop.h"
#include "game/shell/SKMain.h"
#include "support/BmpEncode.h"

namespace sk::test {
void PutBuiltGame(const TempDir& dir) {
  namespace fs = std::filesystem;
  const std::string game = std::string(SK_GAME_DIR) + "/";
  fs::copy_file(game + "Skarveth.dat", dir.Path("Skarveth.dat"));
  fs::create_directories(dir.Path("Maps"));
  for (const auto& entry : fs::directory_iterator(game + "Maps")) {
    if (entry.path().extension() == ".map")
      fs::copy_file(entry.path(), dir.Path("Maps/" + entry.path().filename().string()));
  }
}

Bytes MakeBmp(int width, int height, std::uint32_t rgb) {
  return EncodeBmp(TPicture(width, height, ColorToRgb(rgb)));
}

Bytes MakeArchive(const Members& members) {
  ByteWriter dir;
  dir.U16(static_cast<std::uint16_t>(members.size()));
  for (const auto& [name, data] : members) {
    dir.U32(static_cast<std::uint32_t>(data.size()));
    dir.ShortString(name);
  }
  const Bytes directory = dir.Take();
  ByteWriter out;
  out.Text("SKARVETH_DATA");
  out.U8(0x01);
  out.U32(static_cast<std::uint32_t>(directory.size()));
  out.Bytes(directory);
  for (const auto& member : members) out.Bytes(member.second);
  return out.Take();
}

Bytes MakeModelsDef(std::vector<std::string> names) {
  for (int m = static_cast<int>(names.size()); m < 8; ++m)
    names.push_back("^" + std::to_string(m % 7 + 1) + "Model" + std::to_string(m));
  std::string text;
  for (const std::string& name : names) {
    text += name + "\r\n";
    for (int c = 0; c < 10; ++c) text += "chat " + std::to_string(c) + "\r\n";
  }
  return Bytes(text.begin(), text.end());
}

Members FullMemberSet() {
  Members m = {
      {"Cursor.bmp", MakeBmp(16, 16)},          {"Models.bmp", MakeBmp(400, 80)},
      {"RailTrail.bmp", MakeBmp(8, 8)},         {"RailBar.bmp", MakeBmp(100, 10)},
      {"Numbers.bmp", MakeBmp(320, 32)},        {"Blood.bmp", MakeBmp(128, 64)},
      {"Menu_Cursor.bmp", MakeBmp(16, 16)},     {"Menu_Logo.bmp", MakeBmp(300, 81)},
      {"Menu_Background.bmp", MakeBmp(64, 64)}, {"Logo_Vosk.bmp", MakeBmp(200, 100)},
  };
  const char* sounds[] = {
      "Menu_Move.ogg",   "Menu_Next.ogg", "Menu_Back.ogg", "Menu_Disabled.ogg", "RailGun_Shot.ogg",
      "Model_Death.ogg", "Death.ogg",     "Damage.ogg",    "Excellent.ogg",     "Three.ogg",
      "Two.ogg",         "One.ogg",       "Fight.ogg",     "Chat.ogg",          "Slide.ogg"};
  int size = 10;
  for (const char* s : sounds) m.push_back({s, Bytes(static_cast<std::size_t>(size++), 0x4F)});
  m.push_back({"Green_Shine.s3m", Bytes(64, 0x53)});
  m.push_back({"Models.def", MakeModelsDef()});
  return m;
}

void LoggingDisplay::WarpCursor(TPoint p) {
  TNullDisplay::WarpCursor(p);
  log_.Add("WarpCursor " + std::to_string(p.X) + " " + std::to_string(p.Y));
}
void LoggingDisplay::PlatformInitialize(const TDisplayOptions& o) {
  log_.Add(o.FullScreen ? "DisplayInit full" : "DisplayInit window");
  TNullDisplay::PlatformInitialize(o);
}
void LoggingDisplay::PlatformFinalize() {
  log_.Add("DisplayFinalize");
  TNullDisplay::PlatformFinalize();
}

Harness::Harness(const std::string& ini, TFolder folder)
    : THeadlessHost(SK_SOURCE_DIR "/data/fonts/DejaVuSans-Bold.ttf", 5000) {
  std::filesystem::create_directories(dir.Path("Maps"));
  if (!ini.empty()) WriteFile("Skarveth.ini", ini);
  if (folder == TFolder::DummyArchive) WriteFile("Skarveth.dat", MakeArchive(FullMemberSet()));
  if (folder == TFolder::BuiltGame) PutBuiltGame(dir);
  desktop.programDir = dir.Root();
  desktop.timeOfDay = 12345;
  Rebuild();
}

void Harness::Rebuild() {
  app.reset();
  app = std::make_unique<Application>(Services([this](TSurface& s, TImageList& i) {
    auto d = std::make_unique<LoggingDisplay>(s, i, log);
    display = d.get();
    return d;
  }));
}

Harness::~Harness() { app.reset(); }

void Harness::Start() { FormCreate(*app); }
int Harness::Run() { return RunApplication(*app); }
void Harness::Send(const TInputEvent& e) { DispatchEvent(*app, e); }
void Harness::Frame(std::uint32_t lag) { DXTimerTimer(*app, lag); }
void Harness::Click() { Send(Click(TMouseButton::Left, app->MousePos.X, app->MousePos.Y)); }
void Harness::ClickAt(int x, int y) {
  MoveTo(x, y);
  Send(Click(TMouseButton::Left, x, y));
}

void Harness::Routed(Application& a, std::string line) {
  routed.push_back(std::move(line));
  routedAt.push_back(a.Now());
}

void Harness::RecordRouting(bool forward) {
  for (int s = 0; s < 4; ++s) {
    const std::string n = std::to_string(s + 1);
    TScreenHandlers h = app->Screens[s];
    if (!forward) h = {h.Enter, nullptr, nullptr, nullptr, nullptr};
    app->Screens[s] = {
        h.Enter,
        [this, n, h](Application& a) {
          Routed(a, n + " step" + (a.DXDraw->PointerOverDrawingArea() ? "" : " nopointer"));
          if (h.Step) h.Step(a);
        },
        [this, n, h](Application& a, std::uint16_t k) {
          Routed(a, n + " key " + std::to_string(k));
          if (h.KeyDown) h.KeyDown(a, k);
        },
        [this, n, h](Application& a, std::uint8_t c) {
          Routed(a, n + " char " + std::to_string(c));
          if (h.KeyPress) h.KeyPress(a, c);
        },
        [this, n, h](Application& a) {
          Routed(a,
                 n + " click " + std::to_string(a.MousePos.X) + "," + std::to_string(a.MousePos.Y));
          if (h.Click) h.Click(a);
        }};
  }
}

std::vector<std::string> Harness::TakeLog(std::initializer_list<std::string_view> prefixes) {
  std::vector<std::string> taken;
  for (; logSeen_ < log.lines.size(); ++logSeen_) {
    const std::string& line = log.lines[logSeen_];
    for (const std::string_view p : prefixes) {
      if (line.starts_with(p)) {
        taken.push_back(line);
        break;
      }
    }
  }
  return taken;
}

TInputEvent Harness::Key(std::uint16_t key, std::uint8_t modifiers) {
  return {.Kind = TInputKind::KeyDown, .Key = key, .Modifiers = modifiers};
}
TInputEvent Harness::Char(std::uint8_t ch) {
  return {.Kind = TInputKind::Character, .Character = ch};
}
TInputEvent Harness::Click(TMouseButton button, int x, int y) {
  return {.Kind = TInputKind::MouseDown, .Button = button, .X = x, .Y = y};
}
TInputEvent Harness::Move(int x, int y) { return {.Kind = TInputKind::MouseMove, .X = x, .Y = y}; }
TInputEvent Harness::Simple(TInputKind kind) { return {.Kind = kind}; }

}  // namespace sk::test
