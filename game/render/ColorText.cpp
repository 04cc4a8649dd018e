#include "game/render/ColorText.h"

namespace sk {
namespace {

int AlignedX(TTextCanvas& canvas, int x, std::string_view visible, TextAlign align) {
  switch (align) {
    case TextAlign::Right:
      return x - canvas.TextWidth(visible);
    case TextAlign::Centre:
      return x - canvas.TextWidth(visible) / 2;
    default:
      return x;
  }
}

void DrawShadow(TTextCanvas& canvas, const TRect& clip, int x, int top, std::string_view text) {
  const TColor saved = canvas.Font.Color;
  canvas.Font.Color = 0x000000;
  canvas.TextRect(clip, x + 1, top + 1, text);
  canvas.Font.Color = saved;
}

}  // namespace

void StripColorCodes(std::string_view text, std::string& dest) {
  std::string_view rest = text;
  for (;;) {
    const std::size_t caret = rest.find('^');
    if (caret == std::string_view::npos) {
      dest.append(rest);
      return;
    }
    dest.append(rest.substr(0, caret));
    rest.remove_prefix(caret + 1);
    if (!rest.empty()) {
      if (rest.front() == '^') dest.push_back('^');
      rest.remove_prefix(1);
    }
  }
}

std::string StripColorCodes(std::string_view text) {
  std::string result;
  StripColorCodes(text, result);
  return result;
}

bool ColorCodeColor(char c, TColor& color) {
  static constexpr TColor kColors[8] = {0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF,
                                        0x00FFFF, 0xFF00FF, 0xFFFFFF, 0x000000};
  if (c < '1' || c > '8') return false;
  color = kColors[c - '1'];
  return true;
}

void DrawText(TTextCanvas& canvas, const TRect& clip, int x, int y, std::string_view text,
              bool shadow, TextAlign align) {
  const int top = y - canvas.TextHeight(text) / 2;
  x = AlignedX(canvas, x, text, align);
  if (shadow) DrawShadow(canvas, clip, x, top, text);
  canvas.TextRect(clip, x, top, text);
}

void DrawColorText(TTextCanvas& canvas, const TRect& clip, int x, int y, std::string_view text,
                   bool shadow, TextAlign align) {
  const TColor saved = canvas.Font.Color;
  const std::string visible = StripColorCodes(text);
  const int top = y - canvas.TextHeight(visible) / 2;
  x = AlignedX(canvas, x, visible, align);
  if (shadow) DrawShadow(canvas, clip, x, top, visible);

  canvas.Brush.Style = TBrushStyle::Clear;
  TColor current = 0xFFFFFF;
  canvas.Font.Color = current;
  std::string_view rest = text;
  for (bool last = false; !last;) {
    std::string run;
    const std::size_t caret = rest.find('^');
    if (caret == std::string_view::npos) {
      run = rest;
      last = true;
    } else {
      run = rest.substr(0, caret);
      rest.remove_prefix(caret + 1);
      if (!rest.empty()) {
        if (rest.front() == '^') run.push_back('^');
        ColorCodeColor(rest.front(), current);
        rest.remove_prefix(1);
      }
    }
    if (!run.empty()) {
      canvas.TextRect(clip, x, top, run);
      x += canvas.TextWidth(run);
    }
    canvas.Font.Color = current;
  }
  canvas.Font.Color = saved;
}

}  // namespace sk
