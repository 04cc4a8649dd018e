#pragma once
#include <string>
#include <vector>

namespace sk {

// The calls a headless back-end received, in order, as short readable lines
// ("PlaySample 5 5"). Several back-ends may write into one log to pin down their interplay.
struct CallLog {
  std::vector<std::string> lines;
  void Add(std::string line) { lines.push_back(std::move(line)); }
};

}  // namespace sk
