#include "game/frontend/IntroDrawing.h"

#include <string>
#include <string_view>

#include "game/frontend/MenuDrawing.h"
#include "game/frontend/SKIntro.h"
#include "game/render/ColorText.h"
#include "game/render/Draw.h"

namespace sk {
namespace {

constexpr TRect kScreen{0, 0, kScreenWidth, kScreenHeight};
constexpr TRect kBand{0, 80, 640, 400};
constexpr int kBackdropGrey = 89;
constexpr int kModelWidth = 50;
constexpr int kModelHeight = 80;

constexpr const char* kLogoVosk = "Logo_Vosk.bmp";
constexpr const char* kModels = "Models.bmp";
constexpr const char* kMenuLogo = "Menu_Logo.bmp";

std::uint16_t Grey(int v) { return MatchColor(RgbColor(v, v, v)); }

void DrawBackdrop(TGraphics& g, const TIntroState& intro) {
  TSurface& back = g.BackSurface;
  if (intro.IntroStep <= 20) FillSurface(back, Grey(kBackdropGrey));
  if (intro.IntroStep <= 16) {
    FillSurfaceRect(back, kBand, 0);
  } else if (intro.IntroStep == 17) {
    FillSurfaceRect(back, kBand, Grey(IntroProgress(intro, kBackdropGrey)));
  }
}

// The maker's logo, centred, with a ripple of the given strength.
void DrawWavingLogo(TGraphics& g, int amplitude, int phase, int alpha) {
  const TImage& logo = FindImage(g.Images, kLogoVosk);
  const int w = ImageWidth(logo);
  const int h = ImageHeight(logo);
  DrawImageWaveAlpha(logo, g.BackSurface, 320 - w / 2, 240 - h / 2, w, h, 0, amplitude, 63, phase,
                     alpha);
}

void DrawStillLogo(TGraphics& g) {
  const TImage& logo = FindImage(g.Images, kLogoVosk);
  DrawImage(logo, g.BackSurface, 320 - ImageWidth(logo) / 2, 240 - ImageHeight(logo) / 2, 0);
}

void DrawHoppingModel(TGraphics& g, const TIntroState& intro) {
  const TImage& models = FindImage(g.Images, kModels);
  const TIntroHop hop = IntroModelHop(intro);
  DrawImageRotate(models, g.BackSurface, hop.X, hop.Y, kModelWidth, kModelHeight,
                  intro.IntroStep - kIntroFirstHopStep, 0.5, 0.5, hop.Angle);
}

// All eight models side by side, centred on the screen.
void DrawModelRow(TGraphics& g) {
  const TImage& models = FindImage(g.Images, kModels);
  const int w = ImageWidth(models);
  const int y = 240 - ImageHeight(models) / 2;
  for (int k = 0; k < 8; ++k) {
    DrawImage(models, g.BackSurface, 320 - 4 * w + k * w, y, k);
  }
}

// The menu logo's upper half (frame 0) and lower half (frame 1), each at its own place.
void DrawLogoHalves(TGraphics& g, int upperX, int upperY, int lowerX, int lowerY) {
  const TImage& logo = FindImage(g.Images, kMenuLogo);
  DrawImage(logo, g.BackSurface, upperX, upperY, 0);
  DrawImage(logo, g.BackSurface, lowerX, lowerY, 1);
}

void DrawMenuLogoStep(TGraphics& g, const TIntroState& intro) {
  const TImage& logo = FindImage(g.Images, kMenuLogo);
  const int w = ImageWidth(logo);
  const int h = ImageHeight(logo);
  const int x = 320 - w / 2;
  switch (intro.IntroStep) {
    case 18: {  // the halves slide in, the upper from the right, the lower from the left
      const int p = IntroProgress(intro, 640);
      DrawLogoHalves(g, 960 - p - w / 2, 0, p - 320 - w / 2, 480 - h);
      break;
    }
    case 19:
      DrawLogoHalves(g, x, 0, x, 480 - h);
      break;
    case 20: {  // ... and close in on the middle line
      const int p = IntroProgress(intro, 240 - h);
      DrawLogoHalves(g, x, p, x, 480 - h - p);
      break;
    }
    case 21:
      DrawLogoHalves(g, x, 240 - h, x, 240);
      break;
    case 22: {  // the whole logo rises to where the menu's main page shows it
      const int c = 240 - IntroProgress(intro, 208 - h);
      DrawLogoHalves(g, x, c - h, x, c);
      break;
    }
    default:
      break;
  }
}

void DrawCaption(TTextCanvas& canvas, int y, std::string_view text) {
  DrawText(canvas, kScreen, 320, y, text, false, TextAlign::Centre);
}

}  // namespace

void DrawIntroPictures(TGraphics& g, const TIntroState& intro, std::int32_t& backgroundOffset) {
  DrawBackdrop(g, intro);
  const int step = intro.IntroStep;
  if (step == 3) {  // fades in while the ripple calms down
    DrawWavingLogo(g, 191 - IntroProgress(intro, 191), IntroProgress(intro, 127),
                   IntroProgress(intro, 255));
  } else if (step == 4) {
    DrawStillLogo(g);
  } else if (step == 5) {  // ripples and fades out
    DrawWavingLogo(g, IntroProgress(intro, 191), IntroProgress(intro, 127),
                   255 - IntroProgress(intro, 255));
  } else if (step >= kIntroFirstHopStep && step < kIntroFirstHopStep + 8) {
    DrawHoppingModel(g, intro);
  } else if (step >= 18 && step <= 20) {
    DrawModelRow(g);
    DrawMenuLogoStep(g, intro);
  } else if (step == 21 || step == 22) {
    DrawMenuBackground(g, backgroundOffset, false);
    DrawMenuLogoStep(g, intro);
  }
}

int CaptionFade(TTextCanvas& canvas, const TIntroState& intro) {
  int v = IntroProgress(intro, 510);
  if (v > 254) v = 510 - v;
  canvas.Font.Color = RgbColor(v, v, v);
  return v;
}

void DrawIntroCaptions(const TScreenFrame& frame, const TIntroState& intro, const TModels& models) {
  TTextCanvas& canvas = SurfaceCanvas(frame.Graphics);
  DrawFrameRate(frame);
  SetGameFont(canvas, 16, 0x000000);
  canvas.Brush.Style = TBrushStyle::Clear;
  const int step = intro.IntroStep;
  if (step == 1) {
    CaptionFade(canvas, intro);
    canvas.Font.Size = 24;
    DrawCaption(canvas, 216, kIntroMakersLine);
    canvas.Font.Size = 16;
    DrawCaption(canvas, 256, "Proudly Presents");
  } else if (step == 2) {
    CaptionFade(canvas, intro);
    DrawCaption(canvas, 220, kIntroAffiliationLines[0]);
    DrawCaption(canvas, 260, kIntroAffiliationLines[1]);
  } else if (step == 6) {
    CaptionFade(canvas, intro);
    DrawCaption(canvas, 240, "and Their Members...");
  } else if (step >= kIntroFirstHopStep && step < kIntroFirstHopStep + 8) {
    CaptionFade(canvas, intro);
    const std::size_t k = static_cast<std::size_t>(step - kIntroFirstHopStep);
    DrawCaption(canvas, 140, StripColorCodes(models[k].Name));
  } else if (step == 15) {
    CaptionFade(canvas, intro);
    DrawCaption(canvas, 240, "in The Game...");
  } else if (step == 16) {
    CaptionFade(canvas, intro);
    canvas.Font.Size = 24;
    DrawCaption(canvas, 240, "Codename: Skarveth");
  }
  ReleaseCanvas(canvas);
}

}  // namespace sk
