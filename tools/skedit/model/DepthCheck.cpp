#include "tools/skedit/model/DepthCheck.h"

#include <algorithm>
#include <cstdint>
#include <map>

namespace sk::edit {
namespace {

// A model may stand this far below a piece's lowest row and still be behind it: the row a
// prop stands on is drawn a little into the floor.
constexpr int kFloorTolerance = 3;

struct TFault {
  TRect First, Last;
  int Count = 0;
};

}  // namespace

void TDepthCheck::Prepare(const TPreviewScene& scene) {
  label_.clear();
  floor_.clear();
  if (!scene.HasMask()) return;
  label_.assign(std::size_t(kScreenWidth) * kScreenHeight, -1);
  std::vector<int> stack;
  for (int start = 0; start < kScreenWidth * kScreenHeight; ++start) {
    if (label_[start] >= 0 || !scene.SceneryAt(start % kScreenWidth, start / kScreenWidth))
      continue;
    const auto id = std::int32_t(floor_.size());
    int floor = 0;
    stack.assign(1, start);
    label_[start] = id;
    while (!stack.empty()) {
      const int at = stack.back();
      stack.pop_back();
      const int x = at % kScreenWidth, y = at / kScreenWidth;
      floor = std::max(floor, y);
      const int next[4][2] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
      for (const auto& n : next) {
        if (n[0] < 0 || n[1] < 0 || n[0] >= kScreenWidth || n[1] >= kScreenHeight) continue;
        const int i = n[1] * kScreenWidth + n[0];
        if (label_[i] >= 0 || !scene.SceneryAt(n[0], n[1])) continue;
        label_[i] = id;
        stack.push_back(i);
      }
    }
    floor_.push_back(floor);
  }
}

std::vector<std::string> TDepthCheck::Find(const TPreviewScene& scene) const {
  if (label_.empty()) return {};
  std::vector<std::string> warnings;
  for (std::size_t p = 0; p < scene.PathCount(); ++p) {
    std::map<std::int32_t, TFault> faults;
    const std::uint32_t steps = scene.RoundSteps();
    TRect previous{};
    for (std::uint32_t step = 0; step < steps; ++step) {
      const TRect box = scene.ModelBox(p, step);
      if (box.Width() == 0 || (step > 0 && box == previous)) continue;
      previous = box;
      const int feet = box.Bottom;
      for (int y = std::max(0, box.Top); y < std::min(kScreenHeight, box.Bottom); ++y) {
        for (int x = std::max(0, box.Left); x < std::min(kScreenWidth, box.Right); ++x) {
          const std::int32_t id = label_[std::size_t(y) * kScreenWidth + x];
          if (id < 0 || feet <= floor_[id] + kFloorTolerance) continue;
          TFault& f = faults[id];
          if (f.Count++ == 0) f.First = box;
          f.Last = box;
          x = box.Right;  // one count per box and piece row is enough
        }
      }
    }
    for (const auto& [id, f] : faults) {
      const int fx = (f.First.Left + f.First.Right) / 2, lx = (f.Last.Left + f.Last.Right) / 2;
      warnings.push_back("path " + std::to_string(p + 1) + ": feet from (" + std::to_string(fx) +
                         ", " + std::to_string(f.First.Bottom) + ") to (" + std::to_string(lx) +
                         ", " + std::to_string(f.Last.Bottom) +
                         ") stand in front of scenery whose floor is row " +
                         std::to_string(floor_[id]) + ", yet it hides the model");
    }
  }
  return warnings;
}

}  // namespace sk::edit
