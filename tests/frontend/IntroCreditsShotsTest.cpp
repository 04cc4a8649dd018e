#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "IntroCreditsHarness.h"
#include "game/frontend/SKCredits.h"
#include "game/frontend/SKIntro.h"
#include "game/frontend/ScreenChanges.h"

// Frames of the intro and the credits on the game's own pictures, written as PPM files into
// the folder named by SK_FRONTEND_SHOTS for looking at; skipped when it is not set.
namespace sk::test {
namespace {

void WritePpm(const TSurface& s, const std::filesystem::path& file) {
  std::ofstream out(file, std::ios::binary);
  out << "P6\n" << s.Width << ' ' << s.Height << "\n255\n";
  for (std::uint16_t p : s.Pixels) {
    const char rgb[3] = {static_cast<char>(Red8(p)), static_cast<char>(Green8(p)),
                         static_cast<char>(Blue8(p))};
    out.write(rgb, 3);
  }
}

void UseGameData(IntroCreditsHarness& h) {
  const std::filesystem::path data = SK_SOURCE_DIR "/data/archive";
  for (const char* member : {"Models.bmp", "Logo_Vosk.bmp", "Menu_Logo.bmp",
                             "Menu_Background.bmp", "Menu_Cursor.bmp", "Models.def"}) {
    std::ifstream in(data / member, std::ios::binary);
    h.Put(member, Bytes(std::istreambuf_iterator<char>(in), {}));
  }
}

TEST(IntroCreditsShots, WriteChosenFrames) {
  const char* folder = std::getenv("SK_FRONTEND_SHOTS");
  if (!folder) GTEST_SKIP() << "set SK_FRONTEND_SHOTS to a folder to write the frames";
  const std::filesystem::path out = folder;
  IntroCreditsHarness h;
  UseGameData(h);
  h.StartIntro();
  struct Shot {
    int step, tick;
    const char* name;
  };
  for (const Shot& s : {Shot{0, 60, "intro_step00"}, Shot{1, 124, "intro_step01_makers"},
                        Shot{3, 60, "intro_step03_rippling_in"},
                        Shot{5, 40, "intro_step05_rippling_out"},
                        Shot{7, 31, "intro_step07_hop"}, Shot{9, 70, "intro_step09_hop"},
                        Shot{16, 124, "intro_step16_title"}, Shot{18, 16, "intro_step18_sliding"},
                        Shot{20, 8, "intro_step20_closing"}, Shot{21, 1, "intro_step21"},
                        Shot{22, 46, "intro_step22_last"}}) {
    h.DrawIntroTick(s.step, s.tick);
    WritePpm(h.Back(), out / (std::string(s.name) + ".ppm"));
  }
  IntroFrame(*h.app);  // into the menu: its first frame
  h.app->Screens[kScreenMenu - 1].Step(*h.app);
  WritePpm(h.Back(), out / "menu_first.ppm");

  EnterCredits(*h.app);
  for (int i = 0; i < 2000; ++i) CreditsFrame(*h.app);
  WritePpm(h.Back(), out / "credits_mid.ppm");
}

}  // namespace
}  // namespace sk::test
