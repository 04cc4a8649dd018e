#pragma once
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace sk::edit {

// How long the editor's frames take to build and draw (waiting for the screen and for input
// not counted). Printed at the end when SKEDIT_FRAME_STATS is set, to measure the window.
struct TFrameStats {
  double First = -1;  // the font atlas and the textures are made in it
  std::vector<double> Milliseconds;

  void Add(double ms) {
    if (First < 0) First = ms;
    else if (Milliseconds.size() < 1000000) Milliseconds.push_back(ms);
  }
  void Report() {
    if (!std::getenv("SKEDIT_FRAME_STATS") || Milliseconds.empty()) return;
    std::sort(Milliseconds.begin(), Milliseconds.end());
    double sum = 0;
    for (double ms : Milliseconds) sum += ms;
    std::fprintf(stderr,
                 "skedit frames: first %.2f ms, then %zu: mean %.2f ms, median %.2f ms, 99th "
                 "%.2f ms, max %.2f ms\n",
                 First, Milliseconds.size(), sum / double(Milliseconds.size()),
                 Milliseconds[Milliseconds.size() / 2],
                 Milliseconds[Milliseconds.size() * 99 / 100], Milliseconds.back());
  }
};

}  // namespace sk::edit
