#include <charconv>
#include <cmath>
#include <string_view>

#include "game/frontend/GameDrawing.h"
#include "game/render/ColorText.h"

namespace sk {
namespace {

constexpr TRect kHudClip{0, 0, kScreenWidth, kScreenHeight};
constexpr TColor kWhite = 0xFFFFFF;
constexpr TColor kGreen = 0x00FF00;
constexpr TColor kYellow = 0xFFFF00;
constexpr int kCentreX = 320;
constexpr int kMessageY = 220;
constexpr int kRingMinimum = 20;

void Centred(TTextCanvas& canvas, int y, std::string_view text) {
  DrawText(canvas, kHudClip, kCentreX, y, text, true, TextAlign::Centre);
}

void SetUpCanvas(TTextCanvas& canvas) {
  SetGameFont(canvas, 10, kWhite);
  canvas.Brush.Style = TBrushStyle::Clear;
  canvas.Pen.Color = kWhite;
  canvas.Pen.Width = 2;
}

void DrawRunningTexts(const TGameState& game, const TModels& models, TTextCanvas& canvas) {
  if (game.HoveredModel >= 0 && static_cast<std::size_t>(game.HoveredModel) < kModelCount) {
    DrawColorText(canvas, kHudClip, kCentreX, 440,
                  models[static_cast<std::size_t>(game.HoveredModel)].Name, true,
                  TextAlign::Centre);
  }
  if (game.ChatTime > 0) {
    canvas.Font.Color = kGreen;
    DrawText(canvas, kHudClip, 4, 8, game.ChatMessage, true, TextAlign::Left);
    canvas.Font.Color = kWhite;
  }
}

// "Congratulations! You Have Beaten The 3. Score", built without touching the heap.
void DrawEndTexts(const TGameState& game, TTextCanvas& canvas) {
  if (game.ScoreRank > 0) {
    constexpr std::string_view kHead = "Congratulations! You Have Beaten The ";
    constexpr std::string_view kTail = ". Score";
    char text[kHead.size() + 11 + kTail.size()];
    char* end = kHead.copy(text, kHead.size()) + text;
    end = std::to_chars(end, end + 11, game.ScoreRank).ptr;
    end += kTail.copy(end, kTail.size());
    Centred(canvas, 200, std::string_view(text, static_cast<std::size_t>(end - text)));
  } else {
    Centred(canvas, 200, "Game Over");
  }
  Centred(canvas, kMessageY, "(Press Any Key to Continue)");
}

void DrawStateTexts(const TMapState& map, const TGameState& game, const TModels& models,
                    TTextCanvas& canvas) {
  switch (game.MatchState) {
    case TMatchState::Countdown:
      canvas.Ellipse(CountdownRingRect(map, game));
      break;
    case TMatchState::Running:
      DrawRunningTexts(game, models, canvas);
      break;
    case TMatchState::Paused:
      Centred(canvas, kMessageY, "Paused... (Press Any Key to Resume)");
      break;
    case TMatchState::MatchOver:
      DrawEndTexts(game, canvas);
      break;
  }
}

}  // namespace

std::string_view CountdownWord(std::int32_t countdown_time) {
  if (countdown_time <= 0) return {};
  switch (countdown_time / 62) {
    case 0:
      return "Fight!";
    case 1:
      return "One...";
    case 2:
      return "Two...";
    case 3:
      return "Three...";
    default:
      return {};
  }
}

TRect CountdownRingRect(const TMapState& map, const TGameState& game) {
  // The last point of the first path is the map's final waypoint, where the models arrive.
  const std::size_t length = game.WalkingModels.empty() ? 0 : PathLength(map, 0);
  const TPathPoint centre = length > 0 ? PathPoint(map, 0, length - 1) : TPathPoint{};
  const int h =
      static_cast<int>(std::nearbyint((static_cast<double>(game.CountdownTime) - 62) * 10 / 31)) +
      kRingMinimum;
  return TRect{centre.X - h, centre.Y - h, centre.X + h, centre.Y + h};
}

void DrawGameHud(const TScreenFrame& frame, const TMapState& map, const TGameState& game,
                 const TModels& models) {
  TTextCanvas& canvas = SurfaceCanvas(frame.Graphics);
  DrawFrameRate(frame);
  SetUpCanvas(canvas);
  DrawStateTexts(map, game, models, canvas);
  const std::string_view word = CountdownWord(game.CountdownTime);
  if (!word.empty()) Centred(canvas, kMessageY, word);
  canvas.Font.Color = kYellow;
  DrawText(canvas, kHudClip, 40, 440, "Frags", true, TextAlign::Left);
  DrawText(canvas, kHudClip, 600, 440, "Health", true, TextAlign::Right);
  ReleaseCanvas(canvas);
}

}  // namespace sk
