#include "game/frontend/IntroDrawing.h"

#include <string>
#include <string_view>

#include "game/frontend/MenuDrawing.h"
#include "game/frontend/SKIntro.h"
#include "game/render/ColorText.h"
#include "game/render/Draw.h"
#include "game/shell/Application.h"
#include "game/shell/SKMain.h"

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

void DrawBackdrop(Application& app) {
  const TIntroState& intro = IntroRecord(app);
  TSurface& back = app.Graphics.BackSurface;
  if (intro.IntroStep <= 20) FillSurface(back, Grey(kBackdropGrey));
  if (intro.IntroStep <= 16) {
    FillSurfaceRect(back, kBand, 0);
  } else if (intro.IntroStep == 17) {
    FillSurfaceRect(back, kBand, Grey(IntroProgress(intro, kBackdropGrey)));
  }
}

// The maker's logo, centred, with a ripple of the given strength.
void DrawWavingLogo(Application& app, int amplitude, int phase, int alpha) {
  const TImage& logo = FindImage(app.DXImageList(), kLogoVosk);
  const int w = ImageWidth(logo);
  const int h = ImageHeight(logo);
  DrawImageWaveAlpha(logo, app.Graphics.BackSurface, 320 - w / 2, 240 - h / 2, w, h, 0, amplitude,
                     63, phase, alpha);
}

void DrawStillLogo(Application& app) {
  const TImage& logo = FindImage(app.DXImageList(), kLogoVosk);
  DrawImage(logo, app.Graphics.BackSurface, 320 - ImageWidth(logo) / 2, 240 - ImageHeight(logo) / 2,
            0);
}

void DrawHoppingModel(Application& app) {
  const TImage& models = FindImage(app.DXImageList(), kModels);
  const TIntroHop hop = IntroModelHop(IntroRecord(app));
  DrawImageRotate(models, app.Graphics.BackSurface, hop.X, hop.Y, kModelWidth, kModelHeight,
                  IntroRecord(app).IntroStep - kIntroFirstHopStep, 0.5, 0.5, hop.Angle);
}

// All eight models side by side, centred on the screen.
void DrawModelRow(Application& app) {
  const TImage& models = FindImage(app.DXImageList(), kModels);
  const int w = ImageWidth(models);
  const int y = 240 - ImageHeight(models) / 2;
  for (int k = 0; k < 8; ++k) {
    DrawImage(models, app.Graphics.BackSurface, 320 - 4 * w + k * w, y, k);
  }
}

// The menu logo's upper half (frame 0) and lower half (frame 1), each at its own place.
void DrawLogoHalves(Application& app, int upperX, int upperY, int lowerX, int lowerY) {
  const TImage& logo = FindImage(app.DXImageList(), kMenuLogo);
  DrawImage(logo, app.Graphics.BackSurface, upperX, upperY, 0);
  DrawImage(logo, app.Graphics.BackSurface, lowerX, lowerY, 1);
}

void DrawMenuLogoStep(Application& app) {
  const TIntroState& intro = IntroRecord(app);
  const TImage& logo = FindImage(app.DXImageList(), kMenuLogo);
  const int w = ImageWidth(logo);
  const int h = ImageHeight(logo);
  const int x = 320 - w / 2;
  switch (intro.IntroStep) {
    case 18: {  // the halves slide in, the upper from the right, the lower from the left
      const int p = IntroProgress(intro, 640);
      DrawLogoHalves(app, 960 - p - w / 2, 0, p - 320 - w / 2, 480 - h);
      break;
    }
    case 19:
      DrawLogoHalves(app, x, 0, x, 480 - h);
      break;
    case 20: {  // ... and close in on the middle line
      const int p = IntroProgress(intro, 240 - h);
      DrawLogoHalves(app, x, p, x, 480 - h - p);
      break;
    }
    case 21:
      DrawLogoHalves(app, x, 240 - h, x, 240);
      break;
    case 22: {  // the whole logo rises to where the menu's main page shows it
      const int c = 240 - IntroProgress(intro, 208 - h);
      DrawLogoHalves(app, x, c - h, x, c);
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

void DrawIntroPictures(Application& app) {
  DrawBackdrop(app);
  const TIntroState& intro = IntroRecord(app);
  const int step = intro.IntroStep;
  if (step == 3) {  // fades in while the ripple calms down
    DrawWavingLogo(app, 191 - IntroProgress(intro, 191), IntroProgress(intro, 127),
                   IntroProgress(intro, 255));
  } else if (step == 4) {
    DrawStillLogo(app);
  } else if (step == 5) {  // ripples and fades out
    DrawWavingLogo(app, IntroProgress(intro, 191), IntroProgress(intro, 127),
                   255 - IntroProgress(intro, 255));
  } else if (step >= kIntroFirstHopStep && step < kIntroFirstHopStep + 8) {
    DrawHoppingModel(app);
  } else if (step >= 18 && step <= 20) {
    DrawModelRow(app);
    DrawMenuLogoStep(app);
  } else if (step == 21 || step == 22) {
    DrawMenuBackground(app);
    DrawMenuLogoStep(app);
  }
}

int CaptionFade(Application& app) {
  int v = IntroProgress(IntroRecord(app), 510);
  if (v > 254) v = 510 - v;
  app.Graphics.Canvas.Font.Color = RgbColor(v, v, v);
  return v;
}

void DrawIntroCaptions(Application& app) {
  TTextCanvas& canvas = SurfaceCanvas(app.Graphics);
  DrawFrameRate(app);
  SetGameFont(canvas, 16, 0x000000);
  canvas.Brush.Style = TBrushStyle::Clear;
  const int step = IntroRecord(app).IntroStep;
  if (step == 1) {
    CaptionFade(app);
    canvas.Font.Size = 24;
    DrawCaption(canvas, 216, kIntroMakersLine);
    canvas.Font.Size = 16;
    DrawCaption(canvas, 256, "Proudly Presents");
  } else if (step == 2) {
    CaptionFade(app);
    DrawCaption(canvas, 220, kIntroAffiliationLines[0]);
    DrawCaption(canvas, 260, kIntroAffiliationLines[1]);
  } else if (step == 6) {
    CaptionFade(app);
    DrawCaption(canvas, 240, "and Their Members...");
  } else if (step >= kIntroFirstHopStep && step < kIntroFirstHopStep + 8) {
    CaptionFade(app);
    const std::size_t k = static_cast<std::size_t>(step - kIntroFirstHopStep);
    DrawCaption(canvas, 140, StripColorCodes(app.Models[k].Name));
  } else if (step == 15) {
    CaptionFade(app);
    DrawCaption(canvas, 240, "in The Game...");
  } else if (step == 16) {
    CaptionFade(app);
    canvas.Font.Size = 24;
    DrawCaption(canvas, 240, "Codename: Skarveth");
  }
  ReleaseCanvas(canvas);
}

}  // namespace sk
