#include "tools/skdemo/FramePictures.h"

#include <cstdio>

#include "common/FileIo.h"
#include "game/render/Picture.h"
#include "tools/skview/PngFile.h"

namespace sk {

TPicture WidenFrame(const TSurface& frame) {
  TPicture picture(frame.Width, frame.Height);
  for (int y = 0; y < frame.Height; ++y) {
    const std::uint16_t* row = frame.Row(y);
    for (int x = 0; x < frame.Width; ++x) {
      const unsigned r = row[x] >> 11, g = (row[x] >> 5) & 63, b = row[x] & 31;
      picture.At(x, y) = TRgb{static_cast<std::uint8_t>(r << 3 | r >> 2),
                              static_cast<std::uint8_t>(g << 2 | g >> 4),
                              static_cast<std::uint8_t>(b << 3 | b >> 2)};
    }
  }
  return picture;
}

void TFramePictures::AfterFrame(std::uint32_t tick, const TSurface& frame) {
  if (ticks_.count(tick) == 0) return;
  const auto png = EncodePng(WidenFrame(frame));
  char name[32];
  std::snprintf(name, sizeof name, "tick-%07u.png", static_cast<unsigned>(tick));
  const std::string path = folder_ + "/" + name;
  std::string why = "the picture could not be encoded";
  // Atomic replacement never writes through a link another user planted in a shared folder.
  // A frame shows what the player did: it is theirs alone to read.
  if ((!png || !ReplaceFileAtomically(path, *png, &why, FileReaders::OwnerOnly)) &&
      problem_.empty())
    problem_ = "cannot write " + path + ": " + why;
}

}  // namespace sk
