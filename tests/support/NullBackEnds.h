#pragma once
#include "platform/null/HeadlessHost.h"

namespace sk::test {

// The headless host drawing text in the font the game ships, its clock well past zero.
struct NullBackEnds : THeadlessHost {
  NullBackEnds() : THeadlessHost(SK_SOURCE_DIR "/data/fonts/DejaVuSans-Bold.ttf", 5000) {}
};

}  // namespace sk::test
