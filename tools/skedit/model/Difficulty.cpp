#include "tools/skedit/model/Difficulty.h"

#include <unistd.h>

#include "common/NewFiles.h"

namespace sk::edit {
namespace {

using Clock = std::chrono::steady_clock;

// The balance field reads a map file: the edited map goes to a private temporary one.
std::optional<std::string> WriteTemporaryMap(const TDifficultyJob& job, std::string& problem) {
  const auto map = AssembleMapFile(job.Content, job.Background, job.Mask);
  if (!map) {
    problem = "The map cannot be built yet (every path needs a waypoint).";
    return std::nullopt;
  }
  const auto folder = TemporaryFolder(&problem);
  if (!folder) return std::nullopt;
  return WriteUniqueFile(*folder, "skedit-", ".map", *map, &problem);
}

}  // namespace

const char* DifficultyBand(double s) {
  if (s > 300) return "too easy";
  if (s >= 180) return "Easy";
  if (s >= 90) return "Medium";
  if (s >= 45) return "Hard";
  return "too hard";
}

TDifficultyWorker::TDifficultyWorker() : thread_([this] { Run(); }) {}

TDifficultyWorker::~TDifficultyWorker() {
  {
    std::lock_guard lock(mutex_);
    stop_ = true;
  }
  wake_.notify_all();
  thread_.join();
}

void TDifficultyWorker::Post(TDifficultyJob job) {
  {
    std::lock_guard lock(mutex_);
    newest_ = job.Revision;
    waiting_ = std::move(job);
    posted_ = Clock::now();
  }
  wake_.notify_all();
}

std::optional<TDifficulty> TDifficultyWorker::Latest() const {
  std::lock_guard lock(mutex_);
  return latest_;
}

bool TDifficultyWorker::Busy() const {
  std::lock_guard lock(mutex_);
  return busy_ || waiting_.has_value();
}

bool TDifficultyWorker::Superseded(std::uint64_t revision) const {
  std::lock_guard lock(mutex_);
  return stop_ || newest_ != revision;
}

void TDifficultyWorker::Run() {
  for (;;) {
    TDifficultyJob job;
    Clock::time_point posted;
    {
      std::unique_lock lock(mutex_);
      wake_.wait(lock, [this] { return stop_ || waiting_.has_value(); });
      if (stop_) return;
      job = std::move(*waiting_);
      waiting_.reset();
      posted = posted_;
      busy_ = true;
    }
    auto figures = Measure(job, posted);
    std::lock_guard lock(mutex_);
    busy_ = false;
    if (figures) latest_ = std::move(figures);
  }
}

std::optional<TDifficulty> TDifficultyWorker::Measure(const TDifficultyJob& job,
                                                      Clock::time_point posted) {
  TDifficulty result;
  result.Revision = job.Revision;
  const auto file = WriteTemporaryMap(job, result.Problem);
  if (file) {
    auto field = balance::TBalanceField::Load(*file, result.Problem);
    ::unlink(file->c_str());
    if (field) {
      // Round by round over the seeds, so a newer edit is noticed within one match.
      std::vector<balance::TMatchResult> idle, decent, perfect;
      for (std::uint32_t seed = 1; seed <= kDifficultySeeds; ++seed) {
        if (Superseded(job.Revision)) return std::nullopt;
        decent.push_back(field->Play(balance::TPlayerKind::Decent, seed));
        perfect.push_back(field->Play(balance::TPlayerKind::Perfect, seed));
        idle.push_back(field->Play(balance::TPlayerKind::Idle, seed));
      }
      result.Idle = balance::SumUp(idle);
      result.Decent = balance::SumUp(decent);
      result.Perfect = balance::SumUp(perfect);
      result.Band = DifficultyBand(result.Decent.MeanSeconds);
    }
  }
  if (Superseded(job.Revision)) return std::nullopt;
  result.Seconds = std::chrono::duration<double>(Clock::now() - posted).count();
  return result;
}

}  // namespace sk::edit
