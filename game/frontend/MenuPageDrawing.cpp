#include "game/frontend/MenuPageDrawing.h"

#include <string>

#include "common/Version.h"
#include "game/frontend/MenuDrawing.h"
#include "game/frontend/SKMenu.h"
#include "game/frontend/ScreenFrame.h"
#include "game/render/ColorText.h"
#include "game/render/Draw.h"

namespace sk {
namespace {

std::string VersionText() { return std::string("v") + kGameVersion; }
constexpr int kNameLeft = 48;
constexpr int kNameRight = 584;
constexpr int kNameWidthLimit = 545;  // from this width on, the name's end stays in view

// Gives the canvas back whatever way the page's drawing ends.
struct CanvasLease {
  TTextCanvas& canvas;
  ~CanvasLease() { ReleaseCanvas(canvas); }
};

void SetColors(TTextCanvas& canvas, TColor brush, TColor pen, TColor font) {
  canvas.Brush.Color = brush;
  canvas.Brush.Style = TBrushStyle::Solid;
  canvas.Pen.Color = pen;
  canvas.Font.Color = font;
}

void RoundBox(TTextCanvas& canvas, const TRect& r) {
  canvas.RoundRect(r.Left, r.Top, r.Right, r.Bottom, 32, 32);
}

// One page's view: the pointer, the menu's record and what it shows of the rest.
struct TPage {
  TPoint Mouse;
  const TMenuState& Menu;
  const TMenuShown& Shown;
};

void DrawMainPage(const TPage& page, TTextCanvas& canvas) {
  DrawButtons(canvas, MainButtons, page.Mouse);
  canvas.Font.Color = kMenuBlack;
  const std::string version = VersionText();
  DrawText(canvas, TRect{0, 0, kScreenWidth, kScreenHeight}, 635,
           475 - canvas.TextHeight(version) / 2, version, false, TextAlign::Right);
}

void DrawExitPage(const TPage& page, TTextCanvas& canvas) {
  DrawPageTitle(canvas, "Exit Game ?");
  DrawButtons(canvas, ExitButtons, page.Mouse);
}

void DrawNamePage(const TPage& page, TTextCanvas& canvas) {
  DrawPageTitle(canvas, "Enter Your Name");
  DrawButtons(canvas, NameButtons, page.Mouse);
  SetColors(canvas, kMenuDarkRed, kMenuRed, kMenuRed);
  RoundBox(canvas, TRect{40, 185, 600, 220});
  SetColors(canvas, kMenuGrey, kMenuBlack, kMenuRed);
  RoundBox(canvas, TRect{40, 260, 600, 295});
  canvas.Brush.Style = TBrushStyle::Clear;

  // The name as typed, codes and all, so that the player sees what Backspace takes away.
  const std::string& name = page.Shown.PlayerName;
  const TRect input{48, 185, 592, 220};
  if (canvas.TextWidth(name) < kNameWidthLimit) {
    DrawText(canvas, input, kNameLeft, RectCentreY(input), name, true, TextAlign::Left);
  } else {
    DrawText(canvas, input, kNameRight, RectCentreY(input), name, true, TextAlign::Right);
  }
  const TRect preview{48, 260, 592, 295};
  DrawColorText(canvas, preview, RectCentreX(preview), RectCentreY(preview), name, true,
                TextAlign::Centre);
}

void DrawMapRows(const TPage& page, TTextCanvas& canvas) {
  const TMenuState& menu = page.Menu;
  const auto count = static_cast<std::int32_t>(page.Shown.Maps.size());
  for (std::int32_t i = 0; i < kVisibleMapRows && menu.ListTop + i < count; ++i) {
    const std::int32_t index = menu.ListTop + i;
    if (index < 0) continue;
    const TRect r = ListRowRect(i);
    const bool selected = index == menu.SelectedMap;
    if (selected) {
      SetColors(canvas, kMenuDarkRed, kMenuRed, kMenuRed);
      RoundBox(canvas, r);
    } else {
      canvas.Font.Color = kMenuBlack;
    }
    canvas.Brush.Style = TBrushStyle::Clear;
    const TMapListEntry& entry = page.Shown.Maps[static_cast<std::size_t>(index)];
    DrawText(canvas, r, r.Left + 8, RectCentreY(r), entry.Name + " (" + entry.FileName + ")",
             selected, TextAlign::Left);
  }
}

void DrawMapsPage(const TPage& page, TTextCanvas& canvas) {
  DrawPageTitle(canvas, "Select Map");
  SetColors(canvas, kMenuGrey, kMenuBlack, kMenuBlack);
  RoundBox(canvas, TRect{40, 100, 600, 380});
  canvas.Line(565, 100, 565, 379);
  DrawButtons(canvas, MapButtons, page.Mouse);
  DrawMapRows(page, canvas);
}

void DrawScoresPage(const TPage& page, TTextCanvas& canvas) {
  const TMapListEntry* entry = SelectedMapEntry(page.Menu, page.Shown.Maps);
  DrawPageTitle(canvas, "High Scores: \"" + (entry ? entry->Name : std::string()) + "\"");
  DrawButtons(canvas, ScoreButtons, page.Mouse);
  SetColors(canvas, kMenuGrey, kMenuBlack, kMenuBlack);
  RoundBox(canvas, TRect{40, 100, 600, 380});
  canvas.Brush.Style = TBrushStyle::Clear;
  // Every rank is shown, empty ones too, so the table always reads as eight places.
  for (int row = 1; row <= static_cast<int>(kScoreRanks); ++row) {
    const TScoreEntry& score = page.Shown.Scores.Entries[static_cast<std::size_t>(row - 1)];
    const TRect rank = ScoreCellRect(row, 0);
    const TRect name = ScoreCellRect(row, 1);
    const TRect points = ScoreCellRect(row, 2);
    DrawText(canvas, rank, RectCentreX(rank), RectCentreY(rank), std::to_string(row), false,
             TextAlign::Centre);
    DrawText(canvas, points, RectCentreX(points), RectCentreY(points), std::to_string(score.Score),
             false, TextAlign::Centre);
    DrawColorText(canvas, name, name.Left, RectCentreY(name), score.Name, true, TextAlign::Left);
  }
}

// At the foot of the page, clear of the buttons above and of the version at the right.
void DrawNotice(const std::string& notice, TTextCanvas& canvas) {
  const TRect box{40, 444, 590, 472};
  // White on the red of the buttons, so it reads as news rather than as a button.
  SetColors(canvas, kMenuDarkRed, kMenuRed, 0xFFFFFF);
  canvas.RoundRect(box.Left, box.Top, box.Right, box.Bottom, 16, 16);
  canvas.Brush.Style = TBrushStyle::Clear;
  const TRect r{box.Left + 8, box.Top, box.Right - 8, box.Bottom};
  DrawText(canvas, r, RectCentreX(r), RectCentreY(r), notice, true, TextAlign::Centre);
}

}  // namespace

void DrawMenuBackdrop(TGraphics& g, TMenuState& menu) {
  DrawMenuBackground(g, menu.BackgroundOffset, true);
  if (menu.MenuPage != kMenuPageMain) return;
  const TImage& logo = FindImage(g.Images, "Menu_Logo.bmp");
  DrawImage(logo, g.BackSurface, (kScreenWidth - ImageWidth(logo)) / 2, 32, 0);
}

void DrawButtons(TTextCanvas& canvas, std::span<const TMenuBtn> table, TPoint mouse) {
  for (const TMenuBtn& button : table) {
    const TRect r = button.Rect();
    const bool hover = r.Contains(mouse.X, mouse.Y);
    SetColors(canvas, hover ? kMenuDarkRed : kMenuGrey, hover ? kMenuRed : kMenuBlack,
              hover ? kMenuRed : kMenuBlack);
    RoundBox(canvas, r);
    canvas.Brush.Style = TBrushStyle::Clear;
    DrawText(canvas, r, RectCentreX(r), RectCentreY(r), button.Caption, hover, TextAlign::Centre);
  }
}

TRect PageTitleBox(TTextCanvas& canvas, std::string_view text) {
  int w = canvas.TextWidth(text);
  if (w + 32 < 200) w = 168;
  if (w + 32 > 560) w = 528;
  const int half = w / 2;
  return TRect{320 - half - 16, 45, 320 + half + 16, 80};
}

void DrawPageTitle(TTextCanvas& canvas, std::string_view text) {
  SetColors(canvas, kMenuGrey, kMenuBlack, kMenuBlack);
  const TRect box = PageTitleBox(canvas, text);
  RoundBox(canvas, box);
  const TRect r{box.Left + 16, box.Top, box.Right - 16, box.Bottom};
  canvas.Brush.Style = TBrushStyle::Clear;
  DrawText(canvas, r, RectCentreX(r), RectCentreY(r), text, false, TextAlign::Centre);
}

void DrawMenuPage(const TScreenFrame& frame, const TMenuState& menu, const TMenuShown& shown) {
  CanvasLease lease{SurfaceCanvas(frame.Graphics)};
  TTextCanvas& canvas = lease.canvas;
  DrawFrameRate(frame);
  const TPage page{frame.MousePos, menu, shown};
  SetGameFont(canvas, 10, kMenuBlack);
  canvas.Pen.Width = 2;
  switch (menu.MenuPage) {
    case kMenuPageMain:
      DrawMainPage(page, canvas);
      break;
    case kMenuPageExit:
      DrawExitPage(page, canvas);
      break;
    case kMenuPageName:
      DrawNamePage(page, canvas);
      break;
    case kMenuPageMaps:
      DrawMapsPage(page, canvas);
      break;
    case kMenuPageScores:
      DrawScoresPage(page, canvas);
      break;
  }
  if (!menu.Notice.empty()) DrawNotice(menu.Notice, canvas);
}

}  // namespace sk
