#include "common/MapFormat.h"

#include <algorithm>

#include "common/ByteReader.h"
#include "common/ByteWriter.h"
#include "common/Error.h"

namespace sk {
namespace {

constexpr std::size_t kWayPointSize = 6;

bool FitsFormat(const TMapContent& content, std::span<const std::uint8_t> background,
                std::span<const std::uint8_t> mask) {
  if (content.Name.empty() || content.Name.size() > kMaxMapNameLength) return false;
  if (content.Paths.empty() || content.Paths.size() > kMaxMapPaths) return false;
  for (const auto& path : content.Paths) {
    if (path.empty() || path.size() > kMaxPathWaypoints) return false;
    for (const TWayPoint& w : path)
      if (w.Frames == 0) return false;
  }
  return background.size() <= kMaxMapPictureSize && mask.size() <= kMaxMapPictureSize;
}

TWayPoint ReadWayPoint(ByteReader& r) {
  TWayPoint w;
  w.X = r.I16();
  w.Y = r.I16();
  w.Frames = r.U16();
  return w;
}

// Reads up to the mask size; throws sk::Error when the bytes end inside a field.
TMapFileInfo ReadUpToPictures(std::span<const std::uint8_t> bytes) {
  ByteReader r(bytes);
  r.Skip(kMapMagicSize);
  TMapFileInfo info;
  info.Content.Name = r.ShortString();
  info.Content.FinalX = r.I16();
  info.Content.FinalY = r.I16();
  const std::size_t path_count = r.U8();
  for (std::size_t p = 0; p < path_count; ++p) {
    const std::size_t count = r.U8();
    // Take the records' bytes first, so the list never grows beyond what the file holds.
    ByteReader records(r.Bytes(count * kWayPointSize));
    auto& path = info.Content.Paths.emplace_back();
    path.reserve(count);
    for (std::size_t i = 0; i < count; ++i) path.push_back(ReadWayPoint(records));
  }
  info.BackgroundSize = r.I32();
  info.MaskSize = r.I32();
  info.BackgroundOffset = r.Position();
  info.MaskOffset = static_cast<std::int64_t>(info.BackgroundOffset) + info.BackgroundSize;
  return info;
}

}  // namespace

std::size_t MapBackgroundOffset(const TMapContent& content) {
  std::size_t offset = kMapMagicSize + 1 + content.Name.size() + 4 + 1;
  for (const auto& path : content.Paths) offset += 1 + kWayPointSize * path.size();
  return offset + 8;
}

std::optional<std::vector<std::uint8_t>> AssembleMapFile(const TMapContent& content,
                                                         std::span<const std::uint8_t> background,
                                                         std::span<const std::uint8_t> mask) {
  if (!FitsFormat(content, background, mask)) return std::nullopt;
  ByteWriter w;
  w.Bytes(kMapMagic);
  w.ShortString(content.Name);
  w.I16(content.FinalX);
  w.I16(content.FinalY);
  w.U8(static_cast<std::uint8_t>(content.Paths.size()));
  for (const auto& path : content.Paths) {
    w.U8(static_cast<std::uint8_t>(path.size()));
    for (const TWayPoint& p : path) {
      w.I16(p.X);
      w.I16(p.Y);
      w.U16(p.Frames);
    }
  }
  w.I32(static_cast<std::int32_t>(background.size()));
  w.I32(static_cast<std::int32_t>(mask.size()));

  // The pictures can be large: one allocation for the whole file, no regrowing.
  std::vector<std::uint8_t> file = w.Take();
  file.reserve(file.size() + background.size() + mask.size());
  file.insert(file.end(), background.begin(), background.end());
  file.insert(file.end(), mask.begin(), mask.end());
  return file;
}

bool IsMapFile(std::span<const std::uint8_t> bytes) {
  return bytes.size() >= kMapMagicSize &&
         std::equal(kMapMagic.begin(), kMapMagic.end(), bytes.begin());
}

std::optional<std::string> ReadMapHeaderName(std::span<const std::uint8_t> bytes) {
  if (!IsMapFile(bytes)) return std::nullopt;
  try {
    ByteReader r(bytes);
    r.Skip(kMapMagicSize);
    return r.ShortString();
  } catch (const Error&) {
    return std::nullopt;  // ends inside the name
  }
}

std::optional<TMapFileInfo> ReadMapFile(std::span<const std::uint8_t> bytes) {
  if (!IsMapFile(bytes)) return std::nullopt;
  try {
    return ReadUpToPictures(bytes);
  } catch (const Error&) {
    return std::nullopt;  // ends inside a field
  }
}

std::optional<std::span<const std::uint8_t>> MapBackgroundData(std::span<const std::uint8_t> bytes,
                                                               const TMapFileInfo& info) {
  if (info.BackgroundSize < 0 || info.BackgroundOffset > bytes.size()) return std::nullopt;
  const auto size = static_cast<std::size_t>(info.BackgroundSize);
  if (size > bytes.size() - info.BackgroundOffset) return std::nullopt;
  return bytes.subspan(info.BackgroundOffset, size);
}

std::optional<std::span<const std::uint8_t>> MapMaskData(std::span<const std::uint8_t> bytes,
                                                         const TMapFileInfo& info) {
  if (info.MaskSize == 0 || info.BackgroundSize < 0) return std::nullopt;
  if (info.MaskOffset > static_cast<std::int64_t>(bytes.size())) return std::nullopt;
  return bytes.subspan(static_cast<std::size_t>(info.MaskOffset));
}

}  // namespace sk
