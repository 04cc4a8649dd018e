#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The map file: the one definition of its layout, shared by the game and SKMAP.
//
// Little-endian, no padding, in this order:
//   magic "SKARVETH_MAP" 0x01 (13 bytes)
//   name length L (u8), name (L 8-bit characters, no terminator)
//   final X, final Y (i16 each)
//   path count P (u8), then P path blocks: waypoint count N (u8), N TWayPoint records
//   background size J (i32), mask size M (i32; 0 = no mask)
//   J bytes of the background JPEG file, then the mask BMP file (only when M != 0)
namespace sk {

inline constexpr std::size_t kMapMagicSize = 13;
inline constexpr std::array<std::uint8_t, kMapMagicSize> kMapMagic = {
    'S', 'K', 'A', 'R', 'V', 'E', 'T', 'H', '_', 'M', 'A', 'P', 0x01};

// Limits every map we write keeps.
inline constexpr std::size_t kMaxMapNameLength = 255;
inline constexpr std::size_t kMaxMapPaths = 8;
inline constexpr std::size_t kMaxPathWaypoints = 255;
// The picture sizes are stored as signed 32-bit numbers.
inline constexpr std::uint64_t kMaxMapPictureSize = 0x7FFFFFFF;
// Magic + length byte + longest name: all ReadMapHeaderName ever looks at.
inline constexpr std::size_t kMapHeaderMaxSize = kMapMagicSize + 1 + kMaxMapNameLength;

// One waypoint as stored (6 bytes): pixels of the map picture, and the frame ticks a model
// takes from here to the next waypoint of its path (from the last one, to the final waypoint).
struct TWayPoint {
  std::int16_t X = 0;
  std::int16_t Y = 0;
  std::uint16_t Frames = 0;
  friend bool operator==(const TWayPoint&, const TWayPoint&) = default;
};

// Everything of a map but its pictures.
struct TMapContent {
  std::string Name;  // 8-bit characters, no code-page conversion
  std::int16_t FinalX = 0;
  std::int16_t FinalY = 0;
  std::vector<std::vector<TWayPoint>> Paths;  // in file order; the final waypoint is not in them
};

// A map file read as far as its pictures' positions. The sizes are the stored values, never
// checked against the file: a size may be negative or run past the end; the loader decides.
struct TMapFileInfo {
  TMapContent Content;
  std::int32_t BackgroundSize = 0;   // J
  std::int32_t MaskSize = 0;         // M; only "0 or not" means anything
  std::size_t BackgroundOffset = 0;  // first byte of the JPEG; never past the end of the file
  std::int64_t MaskOffset = 0;       // BackgroundOffset + J (may lie anywhere)
};

// The complete map file for `content` with the two picture files embedded as they are
// (`mask` empty = no mask). Nothing when a field would leave its range: an empty or over-long
// name, 0 or more than kMaxMapPaths paths, a path of 0 or more than kMaxPathWaypoints
// waypoints, a waypoint of 0 frames, or a picture larger than kMaxMapPictureSize.
std::optional<std::vector<std::uint8_t>> AssembleMapFile(const TMapContent& content,
                                                         std::span<const std::uint8_t> background,
                                                         std::span<const std::uint8_t> mask);

// The byte offset at which `content`'s background data starts in its map file.
std::size_t MapBackgroundOffset(const TMapContent& content);

// The magic test: at least 13 bytes, equal to the magic.
bool IsMapFile(std::span<const std::uint8_t> bytes);

// The map's name from the start of a file (kMapHeaderMaxSize bytes are always enough, so a
// map list need not read whole files). Nothing when it is not a map file or ends inside the
// name.
std::optional<std::string> ReadMapHeaderName(std::span<const std::uint8_t> bytes);

// The whole file up to the start of the background data. Nothing when it is not a map file or
// ends inside any field up to and including the mask size. The picture data is not looked at.
// Counts are taken as stored (a path of 0 waypoints, more than 8 paths), and no allocation is
// larger than what the file's bytes cover.
std::optional<TMapFileInfo> ReadMapFile(std::span<const std::uint8_t> bytes);

// The J bytes of background data; nothing when J is negative or runs past the end of `bytes`.
std::optional<std::span<const std::uint8_t>> MapBackgroundData(std::span<const std::uint8_t> bytes,
                                                               const TMapFileInfo& info);

// Everything from the mask offset to the end of the file (a BMP tells its own length); nothing
// when the map has no mask (M = 0), J is negative or the offset lies past the end of `bytes`.
std::optional<std::span<const std::uint8_t>> MapMaskData(std::span<const std::uint8_t> bytes,
                                                         const TMapFileInfo& info);

}  // namespace sk
