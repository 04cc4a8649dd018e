#include "tools/skbalance/BalanceReport.h"

#include <algorithm>
#include <cstdio>

namespace sk::balance {
namespace {

std::string Format(const char* format, double a, double b = 0, double c = 0) {
  char text[256];
  std::snprintf(text, sizeof text, format, a, b, c);
  return text;
}

std::string Seconds(const TPlayerFigures& f) {
  std::string cell = Format("%.1f (%.1f-%.1f)", f.MeanSeconds, f.MinSeconds, f.MaxSeconds);
  if (f.Capped > 0) cell += Format(", %.0f at the cap", f.Capped);
  return cell;
}

std::string Walks(const std::vector<std::uint32_t>& steps) {
  if (steps.empty()) return "-";
  const auto [least, most] = std::minmax_element(steps.begin(), steps.end());
  return Format("%.1f-%.1f", StepsToSeconds(*least), StepsToSeconds(*most));
}

}  // namespace

TPlayerFigures SumUp(const std::vector<TMatchResult>& matches) {
  TPlayerFigures f;
  f.Matches = static_cast<int>(matches.size());
  if (matches.empty()) return f;
  double steps = 0, frags = 0;
  std::int32_t least = matches.front().Steps, most = least;
  for (const TMatchResult& m : matches) {
    steps += m.Steps;
    frags += m.Frags;
    least = std::min(least, m.Steps);
    most = std::max(most, m.Steps);
    f.Capped += m.Capped ? 1 : 0;
  }
  f.MeanSeconds = StepsToSeconds(steps / f.Matches);
  f.MinSeconds = StepsToSeconds(least);
  f.MaxSeconds = StepsToSeconds(most);
  f.MeanFrags = frags / f.Matches;
  return f;
}

TMapFigures MeasureMap(TBalanceField& field, const TMeasureOptions& options) {
  TMapFigures figures{field.Name(), field.WalkSteps(), {}, {}, {}};
  const auto measure = [&](TPlayerKind player) {
    std::vector<TMatchResult> matches;
    for (int k = 0; k < options.Seeds; ++k)
      matches.push_back(
          field.Play(player, options.FirstSeed + static_cast<std::uint32_t>(k), options.CapSteps));
    return SumUp(matches);
  };
  figures.Idle = measure(TPlayerKind::Idle);
  figures.Decent = measure(TPlayerKind::Decent);
  figures.Perfect = measure(TPlayerKind::Perfect);
  return figures;
}

std::string FormatTable(const std::vector<TMapFigures>& maps, const TMeasureOptions& options) {
  std::string table =
      "| Map | Paths | Walks (s) | Idle (s) | Decent (s) | Decent frags | Perfect (s) | "
      "Perfect frags |\n|---|---|---|---|---|---|---|---|\n";
  for (const TMapFigures& m : maps) {
    table += "| " + m.Name + " | " + std::to_string(m.WalkSteps.size()) + " | " +
             Walks(m.WalkSteps) + " | " + Seconds(m.Idle) + " | " + Seconds(m.Decent) + " | " +
             Format("%.1f", m.Decent.MeanFrags) + " | " + Seconds(m.Perfect) + " | " +
             Format("%.1f", m.Perfect.MeanFrags) + " |\n";
  }
  table += Format("\nSeconds: mean (least-most) of %.0f matches per player, seeds %.0f-%.0f; ",
                  options.Seeds, options.FirstSeed,
                  static_cast<double>(options.FirstSeed) + options.Seeds - 1);
  table += Format("a match stops at the cap of %.0f s.\n", StepsToSeconds(options.CapSteps));
  return table;
}

}  // namespace sk::balance
