#pragma once
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "common/MapFormat.h"
#include "tools/skbalance/BalanceReport.h"

// How hard the map being edited is: the balance tool's three players play ten matches each
// on it, in a thread of their own, after every edit. The window never waits for them; a
// newer edit makes them drop what they are doing and start over on the new map.
namespace sk::edit {

inline constexpr int kDifficultySeeds = 10;

// The band a decent player's mean match length falls in, as the shipped maps promise theirs:
// Easy 3-5 min, Medium 1.5-3 min, Hard 45-90 s; outside them, too easy or too hard.
const char* DifficultyBand(double decent_mean_seconds);

struct TDifficulty {
  std::uint64_t Revision = 0;  // the edit these figures are for
  std::string Problem;         // why the game would refuse the map; figures empty then
  balance::TPlayerFigures Idle, Decent, Perfect;
  std::string Band;
  double Seconds = 0;  // from the edit to the figures
};

// One map to measure: its content and the pictures it is built with.
struct TDifficultyJob {
  std::uint64_t Revision = 0;
  TMapContent Content;
  std::vector<std::uint8_t> Background;
  std::vector<std::uint8_t> Mask;
};

class TDifficultyWorker {
 public:
  TDifficultyWorker();
  ~TDifficultyWorker();
  TDifficultyWorker(const TDifficultyWorker&) = delete;
  TDifficultyWorker& operator=(const TDifficultyWorker&) = delete;

  // Replaces whatever was waiting or running.
  void Post(TDifficultyJob job);
  // The newest figures, once they are there.
  std::optional<TDifficulty> Latest() const;
  bool Busy() const;

 private:
  void Run();
  bool Superseded(std::uint64_t revision) const;
  std::optional<TDifficulty> Measure(const TDifficultyJob& job,
                                     std::chrono::steady_clock::time_point posted);

  mutable std::mutex mutex_;
  std::condition_variable wake_;
  std::optional<TDifficultyJob> waiting_;
  std::chrono::steady_clock::time_point posted_;
  std::uint64_t newest_ = 0;
  bool busy_ = false;
  bool stop_ = false;
  std::optional<TDifficulty> latest_;
  std::thread thread_;
};

}  // namespace sk::edit
