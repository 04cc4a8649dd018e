#include "ShellHarness.h"

#include <unistd.h>

#include <fstream>
#include <sstream>

#include "game/shell/MessageLoop.h"
#include "game/shell/SKMain.h"
#include "render/RenderTestSupport.h"

namespace sk::test {
namespace {

void Put16(Bytes& b, std::uint32_t v) {
  b.push_back(v & 0xFF);
  b.push_back((v >> 8) & 0xFF);
}
void Put32(Bytes& b, std::uint32_t v) {
  Put16(b, v & 0xFFFF);
  Put16(b, v >> 16);
}

}  // namespace

Bytes MakeBmp(int width, int height, std::uint32_t rgb) {
  const int stride = (width * 3 + 3) & ~3;
  Bytes b = {'B', 'M'};
  Put32(b, 54 + stride * height);
  Put32(b, 0);
  Put32(b, 54);
  Put32(b, 40);
  Put32(b, width);
  Put32(b, height);
  Put16(b, 1);
  Put16(b, 24);
  Put32(b, 0);
  Put32(b, stride * height);
  Put32(b, 2835);
  Put32(b, 2835);
  Put32(b, 0);
  Put32(b, 0);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      b.push_back(rgb & 0xFF);
      b.push_back((rgb >> 8) & 0xFF);
      b.push_back((rgb >> 16) & 0xFF);
    }
    for (int p = width * 3; p < stride; ++p) b.push_back(0);
  }
  return b;
}

Bytes MakeArchive(const std::vector<std::pair<std::string, Bytes>>& members) {
  Bytes dir;
  Put16(dir, static_cast<std::uint32_t>(members.size()));
  for (const auto& [name, data] : members) {
    Put32(dir, static_cast<std::uint32_t>(data.size()));
    dir.push_back(static_cast<std::uint8_t>(name.size()));
    dir.insert(dir.end(), name.begin(), name.end());
  }
  const std::string magic = "SKARVETH_DATA";
  Bytes out(magic.begin(), magic.end());
  out.push_back(0x01);
  Put32(out, static_cast<std::uint32_t>(dir.size()));
  out.insert(out.end(), dir.begin(), dir.end());
  for (const auto& member : members)
    out.insert(out.end(), member.second.begin(), member.second.end());
  return out;
}

Bytes MakeModelsDef() {
  std::string text;
  for (int m = 0; m < 8; ++m) {
    text.append("^").append(std::to_string(m % 7 + 1)).append("Model");
    text.append(std::to_string(m)).append("\r\n");
    for (int c = 0; c < 10; ++c) text.append("chat ").append(std::to_string(c)).append("\r\n");
  }
  return Bytes(text.begin(), text.end());
}

std::vector<std::pair<std::string, Bytes>> FullMemberSet() {
  std::vector<std::pair<std::string, Bytes>> m = {
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

ShellHarness::ShellHarness(const std::string& ini, bool withArchive) {
  static int counter = 0;
  dir = std::filesystem::temp_directory_path() /
        ("sk_shell_" + std::to_string(::getpid()) + "_" + std::to_string(counter++));
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir / "Maps");
  if (!ini.empty()) WriteFile("Skarveth.ini", ini);
  if (withArchive) WriteFile("Skarveth.dat", MakeArchive(FullMemberSet()));
  desktop.programDir = dir.string() + "/";
  desktop.timeOfDay = 12345;
  app = std::make_unique<Application>(Services([this](TSurface& s, TImageList& i) {
    auto d = std::make_unique<LoggingDisplay>(s, i, log);
    display = d.get();
    return d;
  }));
}

ShellHarness::~ShellHarness() {
  app.reset();
  std::filesystem::remove_all(dir);
}

void ShellHarness::WriteFile(const std::string& relative, const Bytes& bytes) {
  std::ofstream out(dir / relative, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

void ShellHarness::WriteFile(const std::string& relative, const std::string& text) {
  WriteFile(relative, Bytes(text.begin(), text.end()));
}

std::string ShellHarness::ReadFile(const std::string& relative) const {
  std::ifstream in(dir / relative, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

int ShellHarness::Run() { return RunApplication(*app); }

void ShellHarness::RecordRouting() {
  for (int s = 0; s < 4; ++s) {
    const std::string n = std::to_string(s + 1);
    app->Screens[s] = {
        app->Screens[s].Enter,
        [this, n](Application& a) { routed.push_back(n + " step " + std::to_string(a.Now())); },
        [this, n](Application&, std::uint16_t k) {
          routed.push_back(n + " key " + std::to_string(k));
        },
        [this, n](Application&, std::uint8_t c) {
          routed.push_back(n + " char " + std::to_string(c));
        },
        [this, n](Application&) { routed.push_back(n + " click"); }};
  }
}

TInputEvent ShellHarness::Key(std::uint16_t key, std::uint8_t modifiers) {
  return {.Kind = TInputKind::KeyDown, .Key = key, .Modifiers = modifiers};
}
TInputEvent ShellHarness::Char(std::uint8_t ch) {
  return {.Kind = TInputKind::Character, .Character = ch};
}
TInputEvent ShellHarness::Click(TMouseButton button, int x, int y) {
  return {.Kind = TInputKind::MouseDown, .Button = button, .X = x, .Y = y};
}
TInputEvent ShellHarness::Move(int x, int y) {
  return {.Kind = TInputKind::MouseMove, .X = x, .Y = y};
}
TInputEvent ShellHarness::Simple(TInputKind kind) { return {.Kind = kind}; }

}  // namespace sk::test
