#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "tools/skbalance/BalanceField.h"

namespace sk::balance {

// One player's matches on one map, summed up.
struct TPlayerFigures {
  double MeanSeconds = 0;
  double MinSeconds = 0;
  double MaxSeconds = 0;
  double MeanFrags = 0;
  int Matches = 0;
  int Capped = 0;  // matches still running at the cap; their length counts as the cap
};

TPlayerFigures SumUp(const std::vector<TMatchResult>& matches);

// A map's figures for the three players.
struct TMapFigures {
  std::string Name;
  std::vector<std::uint32_t> WalkSteps;
  TPlayerFigures Idle;
  TPlayerFigures Decent;
  TPlayerFigures Perfect;
};

struct TMeasureOptions {
  std::uint32_t FirstSeed = 1;
  int Seeds = 10;
  std::int32_t CapSteps = kMatchCapSteps;
};

// Plays every player's matches on `field`, one per seed from FirstSeed on.
TMapFigures MeasureMap(TBalanceField& field, const TMeasureOptions& options);

inline double StepsToSeconds(double steps) { return steps * kStepMilliseconds / 1000.0; }

// A Markdown table, one row per map.
std::string FormatTable(const std::vector<TMapFigures>& maps, const TMeasureOptions& options);

}  // namespace sk::balance
