#include "common/MapWarnings.h"

#include <climits>

#include "common/ScreenSize.h"

namespace sk {
namespace {

std::uint32_t BigEndian16(std::span<const std::uint8_t> b, std::size_t at) {
  return (std::uint32_t{b[at]} << 8) | b[at + 1];
}

std::int32_t LittleEndian32(std::span<const std::uint8_t> b, std::size_t at) {
  return static_cast<std::int32_t>(std::uint32_t{b[at]} | (std::uint32_t{b[at + 1]} << 8) |
                                   (std::uint32_t{b[at + 2]} << 16) |
                                   (std::uint32_t{b[at + 3]} << 24));
}

// Start-of-frame markers: C0..CF except DHT (C4), JPG (C8) and DAC (CC).
bool IsFrameMarker(std::uint8_t marker) {
  return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

// Markers that stand alone, without a length: TEM and the restart markers.
bool IsStandalone(std::uint8_t marker) {
  return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7);
}

bool OnScreen(std::int32_t x, std::int32_t y) {
  return x >= 0 && x < kScreenWidth && y >= 0 && y < kScreenHeight;
}

std::string PointText(std::int32_t x, std::int32_t y) {
  return std::to_string(x) + "," + std::to_string(y);
}

// A picture of the map's `what` that does not cover the screen exactly.
std::optional<std::string> SizeProblem(const char* what, const TPictureSize& s) {
  if (s.Width == kScreenWidth && s.Height == kScreenHeight) return std::nullopt;
  return std::string("the ") + what + " is " + std::to_string(s.Width) + " x " +
         std::to_string(s.Height) + " pixels; the game needs 640 x 480";
}

std::optional<std::string> BackgroundProblem(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < 3 || bytes[0] != 0xFF || bytes[1] != 0xD8 || bytes[2] != 0xFF)
    return "the background is not a JPEG file";
  const auto size = JpegFrameSize(bytes);
  if (!size) return "the background's JPEG frame size cannot be found";
  return SizeProblem("background", *size);
}

std::optional<std::string> MaskProblem(std::span<const std::uint8_t> bytes) {
  if (bytes.empty()) return "the mask file is empty; the game plays the map without a mask";
  const auto size = BmpSize(bytes);
  if (!size) return "the mask is not a BMP file";
  return SizeProblem("mask", *size);
}

// The warning about a picture starts with its name, when it has one.
void AddPictureWarning(const TMapPicture& picture, std::optional<std::string> problem,
                       std::vector<std::string>& warnings) {
  if (!problem) return;
  warnings.push_back(picture.Name.empty() ? std::move(*problem) : picture.Name + ": " + *problem);
}

void CheckWaypoints(const TMapContent& content, std::vector<std::string>& warnings) {
  const std::string off = " lies off the 640 x 480 screen";
  for (std::size_t i = 0; i < content.Paths.size(); ++i) {
    const auto& path = content.Paths[i];
    for (std::size_t j = 0; j < path.size(); ++j) {
      if (OnScreen(path[j].X, path[j].Y)) continue;
      warnings.push_back("[Path " + std::to_string(i + 1) + " Waypoint " + std::to_string(j + 1) +
                         "] " + PointText(path[j].X, path[j].Y) + off);
    }
  }
  if (!OnScreen(content.FinalX, content.FinalY))
    warnings.push_back("FinalWaypoint " + PointText(content.FinalX, content.FinalY) + off);
}

}  // namespace

std::optional<TPictureSize> JpegFrameSize(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < 2 || bytes[0] != 0xFF || bytes[1] != 0xD8) return std::nullopt;
  std::size_t at = 2;
  for (;;) {
    // A marker is 0xFF (any number of fill bytes 0xFF) and a code.
    if (at >= bytes.size() || bytes[at] != 0xFF) return std::nullopt;
    while (at < bytes.size() && bytes[at] == 0xFF) ++at;
    if (at >= bytes.size()) return std::nullopt;
    const std::uint8_t marker = bytes[at++];
    if (IsStandalone(marker)) continue;
    // The end of the picture or its scan data, before any frame header: no frame at all.
    if (marker == 0xD9 || marker == 0xDA || at + 2 > bytes.size()) return std::nullopt;
    const std::size_t length = BigEndian16(bytes, at);
    if (length < 2 || length > bytes.size() - at) return std::nullopt;
    if (IsFrameMarker(marker)) {
      // Precision, then the height and the width, both big-endian.
      if (length < 7) return std::nullopt;
      return TPictureSize{static_cast<std::int32_t>(BigEndian16(bytes, at + 5)),
                          static_cast<std::int32_t>(BigEndian16(bytes, at + 3))};
    }
    at += length;
  }
}

std::optional<TPictureSize> BmpSize(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < 18 || bytes[0] != 'B' || bytes[1] != 'M') return std::nullopt;
  const std::int32_t header = LittleEndian32(bytes, 14);
  if (header == 12) {  // the old core header: 16-bit width and height
    if (bytes.size() < 22) return std::nullopt;
    return TPictureSize{static_cast<std::int32_t>(bytes[18] | (bytes[19] << 8)),
                        static_cast<std::int32_t>(bytes[20] | (bytes[21] << 8))};
  }
  if (header < 40 || bytes.size() < 26) return std::nullopt;
  const std::int32_t height = LittleEndian32(bytes, 22);
  // A negative height is a picture stored top row first; INT32_MIN has no positive twin.
  if (height == INT32_MIN) return std::nullopt;
  return TPictureSize{LittleEndian32(bytes, 18), height < 0 ? -height : height};
}

std::vector<std::string> FindMapWarnings(const TMapContent& content, const TMapPicture& background,
                                         const std::optional<TMapPicture>& mask) {
  std::vector<std::string> warnings;
  AddPictureWarning(background, BackgroundProblem(background.Bytes), warnings);
  if (mask) AddPictureWarning(*mask, MaskProblem(mask->Bytes), warnings);
  CheckWaypoints(content, warnings);
  return warnings;
}

}  // namespace sk
