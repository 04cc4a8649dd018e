#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "common/MapFormat.h"
#include "game/render/ImageList.h"
#include "game/render/Picture.h"
#include "support/BmpEncode.h"
#include "support/JpegEncode.h"
#include "support/TempDir.h"

namespace sk::test {

// A map file; dies in the test when the parts are out of range.
std::vector<std::uint8_t> MakeMap(const TMapContent& content,
                                  const std::vector<std::uint8_t>& jpeg,
                                  const std::vector<std::uint8_t>& bmp = {});
// Map bytes written field by field, for files the map writer refuses to make: `path_count`
// paths of one waypoint (p, 0, 2 frames), final waypoint (600, 400), sizes J and M, then
// `tail` as the picture data.
std::vector<std::uint8_t> RawMap(int path_count, std::int32_t j, std::int32_t m,
                                 const std::vector<std::uint8_t>& tail);
// Name "Test", final waypoint (600, 400), one path (10, 300, 50), (320, 300, 100).
TMapContent ExampleContent();

// The two empty pictures the game creates before every load.
TImageList MakeMapImages();

// A fresh folder, removed with everything in it at the end of the test; Path() ends in '/'.
using TempFolder = TempDir;

void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);
std::vector<std::uint8_t> ReadBytes(const std::string& path);

}  // namespace sk::test
