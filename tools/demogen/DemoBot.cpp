#include "tools/demogen/DemoBot.h"

#include <memory>
#include <optional>

#include "game/demo/Checkpoints.h"
#include "game/frontend/GameScreen.h"
#include "game/maps/SKMap.h"
#include "game/maps/Scenery.h"
#include "game/shell/SKMain.h"

namespace sk::demogen {
namespace {

// Open ground: on the screen, and no scenery in front of the models there.
bool Open(const TScenery& scenery, int x, int y) {
  if (x < 0 || y < 0 || x >= kScreenWidth || y >= kScreenHeight) return false;
  return !scenery.At(TPoint{x, y});
}

std::optional<TPoint> OpenPointIn(const Application& app, const TRect& b) {
  const TScenery scenery = MapScenery(app.Map, app.Graphics.Images);
  const int cx = (b.Left + b.Right) / 2, cy = (b.Top + b.Bottom) / 2;
  if (!b.Empty() && Open(scenery, cx, cy)) return TPoint{cx, cy};
  for (int y = b.Top + 2; y < b.Bottom; y += 4) {
    for (int x = b.Left + 2; x < b.Right; x += 4) {
      if (Open(scenery, x, y)) return TPoint{x, y};
    }
  }
  return std::nullopt;
}

// Models that a shot now would hit: walking, and not on their last point.
std::vector<std::size_t> Targets(const Application& app) {
  std::vector<std::size_t> targets;
  const auto& models = GameRecord(app).WalkingModels;
  for (std::size_t i = 0; i < models.size(); ++i) {
    const auto position = static_cast<std::size_t>(models[i].Position);
    if (models[i].Active && position + 1 < PathLength(app.Map, i)) targets.push_back(i);
  }
  return targets;
}

std::optional<TPoint> FindShot(const Application& app, bool singles) {
  const std::vector<std::size_t> targets = Targets(app);
  for (std::size_t a = 0; a < targets.size(); ++a) {
    for (std::size_t b = a + 1; b < targets.size(); ++b) {
      const TRect both = IntersectRect(ModelRect(app.Map, GameRecord(app), targets[a]),
                                       ModelRect(app.Map, GameRecord(app), targets[b]));
      if (both.Empty()) continue;
      if (auto point = OpenPointIn(app, both)) return point;
    }
  }
  if (!singles) return std::nullopt;
  for (const std::size_t i : targets) {
    if (auto point = OpenPointIn(app, ModelRect(app.Map, GameRecord(app), i))) return point;
  }
  return std::nullopt;
}

}  // namespace

void Bot::Key(std::uint16_t key, std::uint8_t modifiers) {
  TInputEvent e;
  e.Kind = TInputKind::KeyDown;
  e.Key = key;
  e.Modifiers = modifiers;
  pending_.push_back(e);
}

void Bot::Type(const std::string& text) {
  for (const char c : text) {
    const auto upper = static_cast<std::uint16_t>(c >= 'a' && c <= 'z' ? c - 32 : c);
    // As a keyboard delivers it: the key first (with Shift for capitals and symbols), then
    // the character.
    const bool shifted = (c >= 'A' && c <= 'Z') || c == '^';
    Key(c == '^' ? 54 : upper, shifted ? kShift : 0);
    TInputEvent e;
    e.Kind = TInputKind::Character;
    e.Character = static_cast<std::uint8_t>(c);
    pending_.push_back(e);
  }
}

void Bot::MoveTo(int x, int y) {
  TInputEvent e;
  e.Kind = TInputKind::MouseMove;
  e.X = x;
  e.Y = y;
  pending_.push_back(e);
}

void Bot::ClickAt(int x, int y) {
  MoveTo(x, y);
  TInputEvent e;
  e.Kind = TInputKind::MouseDown;
  e.Button = TMouseButton::Left;
  e.X = x;
  e.Y = y;
  pending_.push_back(e);
}

std::vector<TInputEvent> Bot::Take() {
  std::vector<TInputEvent> events;
  events.swap(pending_);
  return events;
}

Step Wait(int ticks) {
  return [left = ticks](Application&, Bot&) mutable { return left-- <= 0; };
}

Step Until(std::function<bool(const Application&)> condition) {
  return [condition](Application& app, Bot&) { return condition(app); };
}

Step Do(std::function<void(Bot&)> action) {
  return [action](Application&, Bot& bot) {
    action(bot);
    return true;
  };
}

std::vector<Step> Press(int left, int top, int right, int bottom) {
  const int x = (left + right) / 2, y = (top + bottom) / 2;
  return {Do([=](Bot& bot) { bot.MoveTo(x - 30, y + 5); }), Wait(6),
          Do([=](Bot& bot) { bot.MoveTo(x, y); }),          Wait(20),
          Do([=](Bot& bot) { bot.ClickAt(x, y); }),         Wait(30)};
}

Step PlayMatch(MatchPlan plan) {
  struct State {
    std::vector<TWalkingModel> before;
    int running = 0;
    int paused = 0;
    bool pauseDone = false;
    int kills = 0;
    int doubles = 0;
    int over = 0;
  };
  auto s = std::make_shared<State>();
  return [plan, s](Application& app, Bot& bot) {
    if (app.ScreenState != kScreenGame) return true;
    const TGameState& game = GameRecord(app);
    int killed = 0;
    for (std::size_t i = 0; i < std::min(s->before.size(), game.WalkingModels.size()); ++i) {
      if (s->before[i].Active && !game.WalkingModels[i].Active &&
          game.WalkingModels[i].Dying > s->before[i].Dying) {
        ++killed;
      }
    }
    s->kills += killed;
    if (killed > 1) ++s->doubles;
    s->before = game.WalkingModels;
    switch (game.MatchState) {
      case TMatchState::Countdown:
        return false;
      case TMatchState::MatchOver:
        // A look at the result, then any key goes back to the maps.
        if (++s->over == 180) bot.Key(kVkSpace);
        return s->over >= 180;
      case TMatchState::Paused:
        if (++s->paused == plan.pauseLength) bot.Key(kVkSpace);
        return false;
      case TMatchState::Running:
        break;
    }
    ++s->running;
    if (!s->pauseDone && s->running >= plan.pauseAfter) {
      s->pauseDone = true;
      bot.Key(kVkPause);
      return false;
    }
    if (plan.testMode && s->running >= plan.testTicks) {
      bot.Key(kVkEscape);
      return true;
    }
    const bool wanted = s->kills < plan.kills || s->doubles == 0;
    if (!wanted || game.ReloadTime != 0) return false;
    // Wait for two models in one line of fire first; single shots after that.
    if (auto shot = FindShot(app, s->doubles > 0 || s->running > 3000))
      bot.ClickAt(shot->X, shot->Y);
    return false;
  };
}

Step ShootAModelAsItEnters() {
  auto target = std::make_shared<std::optional<std::size_t>>();
  return [target](Application& app, Bot& bot) {
    if (app.ScreenState != kScreenGame || GameRecord(app).MatchState == TMatchState::MatchOver) {
      return true;
    }
    const auto& models = GameRecord(app).WalkingModels;
    if (*target) {
      // Fired: the next step spawns the model and tests the shot against it.
      const TWalkingModel& model = models[**target];
      if (model.Active) target->reset();  // it walks on: missed, try again
      return !model.Active && model.Dying > 0;
    }
    if (GameRecord(app).MatchState != TMatchState::Running || GameRecord(app).ReloadTime != 0)
      return false;
    for (std::size_t i = 0; i < models.size(); ++i) {
      if (models[i].Active || models[i].Delay != 0) continue;
      // Where the model will stand in its first step: the first point of its path.
      const TPathPoint p = PathPoint(app.Map, i, 0);
      if (auto shot = OpenPointIn(app, ModelBoxAt(TPoint{p.X, p.Y}))) {
        bot.ClickAt(shot->X, shot->Y);
        *target = i;
        return false;
      }
    }
    return false;
  };
}

void RunScript(Application& app, std::vector<Step> script, std::uint32_t maxTicks,
               std::vector<std::string>& checkpoints) {
  Bot bot;
  TCheckpointWatch watch;
  FormCreate(app);
  watch.TestMapName = app.Settings.TestMapPath;
  std::size_t step = 0;
  for (std::uint32_t tick = 0; !app.Terminated && tick < maxTicks; ++tick) {
    while (step < script.size() && script[step](app, bot)) ++step;
    const std::vector<TInputEvent> events = bot.Take();
    if (step == script.size() && events.empty()) return;
    for (const TInputEvent& event : events) {
      DispatchEvent(app, event);
      watch.Observe(app, tick, checkpoints);
      if (app.Terminated) return;
    }
    DXTimerTimer(app, 1);
    watch.Observe(app, tick, checkpoints);
  }
}

}  // namespace sk::demogen
